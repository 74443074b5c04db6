// The uninstaller's work; the rules of what goes and what stays are in Uninstaller.h.
#include "setup/uninstall/Uninstaller.h"

#include "setup/uninstall/UninstallLog.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ShellLink.h"
#include "platform/text/Cp1251.h"
#include "setup/script/Macros.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>

namespace setup {

namespace {

constexpr std::string_view kUninstallRoot = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr std::string_view kSharedDlls = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
// Far above any real log (one line per installed file); a bigger file is not one of ours.
constexpr int64_t kMaxLogBytes = 16 * 1024 * 1024;
constexpr std::array kRoots = {plat::RootKey::CurrentUser,   plat::RootKey::LocalMachine,
                               plat::RootKey::ClassesRoot,   plat::RootKey::Users,
                               plat::RootKey::CurrentConfig, plat::RootKey::DynData};

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && plat::SameText(text.substr(0, prefix.size()), prefix);
}

// True when `path` lies strictly inside folder `base`; a ".." step could lead out, so never then.
bool IsBelow(const std::string& path, const std::string& base) {
    std::string inside = plat::IncludeTrailingBackslash(base);
    if (path.size() <= inside.size() || !StartsWithText(path, inside))
        return false;
    std::string rest = "\\" + path.substr(inside.size()) + "\\";
    return rest.find("\\..\\") == std::string::npos;
}

// "\A\\B\" -> "\A\B": the registry skips empty parts, so must the comparisons.
std::string NormalKeyPath(std::string_view path) {
    std::string result;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = std::min(path.find('\\', start), path.size());
        if (end > start)
            result += "\\" + std::string(path.substr(start, end - start));
        start = end + 1;
    }
    return result.empty() ? "\\" : result;
}

} // namespace

Uninstaller::Uninstaller(std::string internalName, UninstallUI& ui)
    : internalName_(std::move(internalName)), uninstallKey_(std::string(kUninstallRoot) + internalName_),
      ui_(ui) {}

UninstallResult Uninstaller::Run(Ask ask) {
    try {
        if (!ReadInfo() || !ReadLog())
            return UninstallResult::Failed;
        if (ask == Ask::Yes && !ui_.Confirm(caption_, text_, yes_, no_))
            return UninstallResult::Declined;
        // Without the "dummy" and the log itself. An error stops only its own entry, so the log
        // that Finish rewrites still tells what was done.
        for (size_t i = entries_.size() - 2; i > 0; --i) {
            try {
                RemoveEntry(entries_[i]);
            } catch (const plat::Exception& error) {
                ui_.Error(error.Message());
                Failed(entries_[i]);
            }
        }
        Finish();
        plat::RegistryFlush();
    } catch (const plat::Exception& error) {
        ui_.Error(error.Message());
        return UninstallResult::Failed;
    }
    return failed_ ? UninstallResult::Failed : UninstallResult::Done;
}

bool Uninstaller::ReadInfo() {
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (internalName_.empty() || internalName_.find('\\') != std::string::npos ||
        !reg.OpenKeyReadOnly(uninstallKey_ + "\\Info")) {
        ui_.Error(plat::Ru("Программа «") + internalName_ +
                  plat::Ru("» не установлена: нет раздела реестра ") + "HKEY_LOCAL_MACHINE" + uninstallKey_ +
                  "\\Info");
        return false;
    }
    caption_ = reg.ReadString("TextCaption");
    text_ = reg.ReadString("Text");
    yes_ = reg.ReadString("TextYes");
    no_ = reg.ReadString("TextNo");
    logPath_ = reg.ReadString("UninstallString");
    if (!IsAbsoluteWinPath(logPath_)) {
        ui_.Error(plat::Ru("В разделе реестра HKEY_LOCAL_MACHINE") + uninstallKey_ +
                  plat::Ru("\\Info нет пути к журналу удаления"));
        return false;
    }
    return true;
}

// The whole log is checked before anything is touched: a log that is cut short or holds
// something other than the installer's entries is not acted on at all.
bool Uninstaller::ReadLog() {
    auto damaged = [&](size_t lineNumber, const std::string& problem) {
        ui_.Error(plat::Ru("Журнал удаления повреждён: ") + logPath_ +
                  (lineNumber ? plat::Ru(", строка ") + std::to_string(lineNumber) : std::string()) + ": " +
                  problem);
        return false;
    };
    if (!plat::FileExists(logPath_)) {
        ui_.Error(plat::Ru("Нет журнала удаления: ") + logPath_);
        return false;
    }
    if (plat::FileSize(logPath_) > kMaxLogBytes)
        return damaged(0, plat::Ru("слишком большой файл"));
    auto parsed = ParseUninstallLog(plat::ReadFileBytes(logPath_), logPath_);
    if (const auto* problem = std::get_if<UninstallLogProblem>(&parsed))
        return damaged(problem->Line, problem->Text);
    entries_ = std::move(std::get<std::vector<std::string>>(parsed));
    destination_ = plat::ExcludeTrailingBackslash(plat::ExtractFilePath(entries_.front()));
    programsDir_ = GetProgramsDir(plat::WindowsDirectory());
    folders_.push_back(destination_);
    return true;
}

void Uninstaller::RemoveEntry(const std::string& entry) {
    if (StartsWithText(entry, kLogKeyPrefix))
        return RemoveKey(entry.substr(kLogKeyPrefix.size()));
    if (IsBelow(entry, destination_))
        AddFolders(entry, destination_);
    if (std::optional<int32_t> count = SharedCount(entry))
        return RemoveSharedFile(entry, *count);
    if (plat::SameText(plat::ExtractFileExt(entry), ".lnk") && plat::LoadShellLink(entry)) {
        if (IsBelow(entry, programsDir_))
            AddFolders(entry, programsDir_);
        std::remove(plat::DesktopEntryPath(entry).c_str()); // a missing entry is no loss
    } else if (IsBelow(entry, plat::WindowsDirectory()) &&
               !plat::SameText(plat::ExtractFileExt(entry), ".ini")) {
        return ui_.Note(plat::Ru("Оставлен общий файл без счётчика использования: ") + entry);
    }
    if (!RemoveFile(entry))
        Failed(entry);
}

// A missing file is already gone; a read-only one was made so after the copy, not by us.
bool Uninstaller::RemoveFile(const std::string& path) {
    if (plat::DirectoryExists(path))
        return false;
    if (!plat::FileExists(path) || plat::DeleteFile(path))
        return true;
    return plat::FileSetAttr(path, 0) && plat::DeleteFile(path);
}

// The use count, or nullopt when the file has none. A count that is not a number is kept as
// "many": its file stays.
std::optional<int32_t> Uninstaller::SharedCount(const std::string& path) {
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (!reg.OpenKeyReadOnly(kSharedDlls))
        return std::nullopt;
    std::optional<plat::RegValue> value = reg.GetValue(path);
    if (!value)
        return std::nullopt;
    if (value->Type != static_cast<uint32_t>(plat::RegDataType::DWord) || value->Data.size() != 4)
        return INT32_MAX;
    return reg.ReadInteger(path);
}

void Uninstaller::RemoveSharedFile(const std::string& path, int32_t count) {
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (!reg.OpenKey(kSharedDlls, false))
        return Failed(path);
    if (count == INT32_MAX) {
        ui_.Note(plat::Ru("Оставлен общий файл с непонятным счётчиком использования: ") + path);
        return;
    }
    if (count > 1) {
        reg.WriteInteger(path, count - 1);
        return;
    }
    if (!RemoveFile(path))
        return Failed(path);
    reg.DeleteValue(path);
}

void Uninstaller::RemoveKey(const std::string& logged) {
    const bool productKey = logged.front() != '\\';
    const std::string path = NormalKeyPath(logged);
    std::vector<plat::RootKey> roots;
    for (plat::RootKey root : kRoots) {
        if (plat::TRegistry(root).KeyExists(path) && (!productKey || root == plat::RootKey::CurrentUser))
            roots.push_back(root);
    }
    if (roots.empty())
        return;
    const std::string shown = "Key: " + logged;
    if (roots.size() > 1)
        return ui_.Note(plat::Ru("Оставлен раздел реестра, который есть в нескольких корнях: ") + logged);
    if (StartsWithText(plat::IncludeTrailingBackslash(path), "\\SOFTWARE\\Microsoft\\"))
        return ui_.Note(plat::Ru("Оставлен общий раздел реестра: ") + logged);
    plat::TRegistry reg(roots.front());
    if (!reg.OpenKey(path, false))
        return Failed(shown);
    if (!reg.GetKeyNames().empty()) {
        if (productKey) {
            for (const char* name : {"Version", "CDPath", "HDPath"})
                reg.DeleteValue(name);
        }
        return ui_.Note(plat::Ru("Оставлен раздел реестра с подразделами: ") +
                        plat::RootKeyName(roots.front()) + path);
    }
    reg.CloseKey();
    if (!reg.DeleteKey(path))
        Failed(shown);
}

// Adds the folder of `path` and its parents below `base`; the destination folder itself is
// added once from the "dummy" entry, the programs menu never.
void Uninstaller::AddFolders(const std::string& path, const std::string& base) {
    for (std::string dir = plat::ExcludeTrailingBackslash(plat::ExtractFilePath(path)); IsBelow(dir, base);
         dir = plat::ExcludeTrailingBackslash(plat::ExtractFilePath(dir)))
        folders_.push_back(dir);
}

void Uninstaller::RemoveFolders() {
    // A folder's path is longer than its parent's, so the longest go first. A folder met twice
    // is simply gone the second time.
    std::sort(folders_.begin(), folders_.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& dir : folders_) {
        if (!plat::DirectoryExists(dir) || !plat::FindFiles(dir + "\\*", plat::faAnyFile).empty())
            continue;
        if (!plat::RemoveDir(dir))
            Failed(dir);
    }
}

void Uninstaller::Finish() {
    if (!left_.empty()) {
        // What is left stays listed, in installation order, so another run can finish it.
        std::string text = entries_.front() + "\r\n";
        for (auto it = left_.rbegin(); it != left_.rend(); ++it)
            text += *it + "\r\n";
        text += logPath_ + "\r\n";
        plat::WriteFileBytes(logPath_, text);
        RemoveFolders();
        return;
    }
    if (!RemoveFile(logPath_))
        Failed(logPath_);
    RemoveFolders();
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (!reg.DeleteKey(uninstallKey_))
        Failed("HKEY_LOCAL_MACHINE" + uninstallKey_);
}

void Uninstaller::Failed(const std::string& entry) {
    ui_.Error(plat::Ru("Не удалось удалить: ") + entry);
    failed_ = true;
    if (entry != logPath_)
        left_.push_back(entry);
}

} // namespace setup
