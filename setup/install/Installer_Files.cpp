// The file list: resolving entries, the space estimate, plain, mask, text, shared and run entries,
// and the SharedDLLs use counts.
#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/FolderCopy.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Library.h"
#include "platform/text/Cp1251.h"
#include "setup/install/Installer.h"
#include "setup/script/ListParsers.h"

#include <climits>
#include <functional>
#include <optional>

namespace setup {

namespace {

constexpr std::string_view kSharedDlls = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
// Folder trees on a CD are shallow; the limit only stops a link loop from recursing forever.
constexpr int kMaxTreeDepth = 64;

bool IsMask(std::string_view path) {
    return path.find_first_of("?*") != path.npos;
}
bool IsCommand(std::string_view path, std::string_view command) {
    return plat::SameText(plat::ExtractFileName(path), command);
}
bool IsIniFile(std::string_view path) {
    return plat::SameText(plat::ExtractFileExt(path), ".INI");
}
int64_t KbRoundedUp(int64_t bytes) {
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

int64_t MaskSpace(FolderWalk& walk, const std::string& mask, bool recursive, int depth) {
    const bool descend = recursive && depth < kMaxTreeDepth;
    std::string folder = plat::ExtractFilePath(mask);
    std::string name = plat::ExtractFileName(mask);
    const FolderContents contents = walk.Read(folder, name, descend);
    int64_t kb = 0;
    for (const plat::SearchRec& rec : contents.Files)
        kb += KbRoundedUp(rec.Size);
    for (const std::string& sub : contents.SubFolders)
        kb += MaskSpace(walk, folder + sub + "\\" + name, true, depth + 1);
    return kb;
}

} // namespace

Installer::ResolvedEntry Installer::Resolve(const FileLine& line) {
    ResolvedEntry entry;
    entry.Recursive = line.Recursive;
    entry.Source = context_.ExpandMacros(line.Source);
    // Relative sources lie on the CD. The process's current folder is not the CD here, so a
    // relative name with folders ("data\*.*") is taken from the source folder too.
    bool absolute = (entry.Source.size() >= 2 && entry.Source[1] == ':') || entry.Source.starts_with("\\");
    if (!absolute)
        entry.Source = context_.CdPath + "\\" + entry.Source;
    std::string fileName = plat::ExtractFileName(entry.Source);
    std::string dest = context_.ExpandMacros(line.Destination);
    if (line.Destination.find('\\') == std::string::npos)
        dest += "\\" + fileName;
    else if (!dest.empty() && dest.back() == '\\')
        dest += fileName;
    entry.Dest = dest;
    return entry;
}

int64_t Installer::ComputeRequiredSpace() {
    int64_t kb = 0;
    for (const ScriptEntry& script : context_.Scripts()) {
        if (!script.Selected)
            continue;
        for (const std::string& line : script.Params.Lines("ListFiles")) {
            std::optional<FileLine> parsed = ParseFileLine(line);
            if (!parsed)
                continue;
            ResolvedEntry entry = Resolve(*parsed);
            if (IsCommand(entry.Source, "RUN") || IsCommand(entry.Source, "DIR"))
                continue;
            if (IsMask(entry.Source)) {
                kb += MaskSpace(walk_, entry.Source, entry.Recursive, 0);
                continue;
            }
            int64_t size = plat::FileSize(entry.Source);
            if (size >= 0)
                kb += KbRoundedUp(size);
        }
    }
    return kb;
}

void Installer::ProcessFileEntry(const ResolvedEntry& entry, const ScriptEntry& script) {
    const std::string& source = entry.Source;
    const std::string& dest = entry.Dest;
    try {
        plat::ForceDirectories(plat::ExtractFilePath(dest));
    } catch (const plat::Exception&) {
        // A folder that cannot be made shows when the copy into it fails.
    }

    const std::string& windowsDir = context_.WindowsDir;
    bool shared = dest.compare(0, windowsDir.size(), windowsDir) == 0 && !IsIniFile(dest);
    if (shared) {
        bool current = plat::FileExists(dest) && FileVersionText(source) <= FileVersionText(dest);
        if (!current) {
            try {
                CopyEntry(source, dest);
                plat::CallRegisterServer(plat::ExtractFilePath(dest) + plat::ExtractFileName(source));
            } catch (const plat::Exception&) {
                // Copy and registration errors of shared files are not reported; the count rises anyway.
            }
        }
        if (AddSharedDll(dest))
            AddToLog(dest);
        return;
    }

    if (IsMask(source)) {
        CopyMask(source, dest, entry.Recursive);
        return;
    }
    if (IsCommand(source, "RUN")) {
        ui_.SetFileCaption(script.Params.Text("SetupText"));
    }
    logCopyOnAbort_ = true;
    try {
        bool copied = CopyEntry(source, dest);
        logCopyOnAbort_ = false;
        if (copied)
            AddToLog(dest);
    } catch (const plat::Exception&) {
        logCopyOnAbort_ = false;
        if (!IsCommand(source, "DIR"))
            Stop(context_.Main().Text("ErrorFile"), source);
    }
}

bool Installer::CopyEntry(const std::string& source, const std::string& dest) {
    // One query for both: FileSize is -1 for anything FileExists denies, except a name with a
    // trailing backslash, which names a folder.
    int64_t size = plat::FileSize(source);
    if (size >= 0 && (source.ends_with('\\') || source.ends_with('/')))
        size = -1;
    if (size >= 0) {
        if (!IsIniFile(source))
            return CopyShowingProgress(dest, size, [&] { return CopyPlainFile(source, dest); });
        std::string text;
        for (const std::string& line : SplitLines(plat::ReadFileBytes(source))) {
            text += context_.ExpandMacros(line) + "\r\n";
            ui_.ProcessMessages();
            CheckAbort();
        }
        plat::WriteFileBytes(dest, text);
        return true;
    }
    if (IsCommand(source, "RUN")) {
        ui_.ShowFileCaption(true);
        ui_.EnableCancel(false);
        RunAndWait(dest);
        ui_.SetFileCaption("");
        ui_.EnableCancel(true);
        ui_.ShowFileCaption(false);
        return false;
    }
    if (!IsCommand(source, "DIR"))
        ui_.ShowMessage(plat::FormatMessage(context_.Main().Text("ErrorMissing"), source),
                        context_.Main().Text("SetupText"));
    return false;
}

bool Installer::CopyPlainFile(const std::string& source, const std::string& dest) {
    // A read-only target has its attribute cleared before it is copied over. The copy is tried
    // first and the target looked at only when it fails: nearly every target is a new name, and
    // each lookup of a name not yet in a folder we have just copied into reads its names again.
    bool copied = plat::CopyFile(source, dest, /*failIfExists=*/false);
    if (!copied) {
        int32_t destAttr = plat::FileGetAttr(dest);
        if (destAttr != -1 && (destAttr & plat::faReadOnly) && plat::FileSetAttr(dest, 0))
            copied = plat::CopyFile(source, dest, /*failIfExists=*/false);
    }
    // The copy keeps the source's permission bits; files from a read-only disc are installed writable.
    if (copied && (plat::FileGetAttr(source) & plat::faReadOnly))
        plat::FileSetAttr(dest, 0);
    return copied;
}

bool Installer::CopyShowingProgress(const std::string& dest, int64_t size, const std::function<bool()>& copy) {
    ui_.SetFileCaption(plat::LowerCase(plat::ExtractFileName(dest)));
    ui_.ShowFileCaption(true);
    ui_.ProcessMessages();
    const bool copied = copy();
    try {
        CheckAbort();
    } catch (const InstallError&) {
        if (copied && logCopyOnAbort_)
            AddToLog(dest);
        throw;
    }
    Advance(size / 1024);
    ui_.ShowFileCaption(false);
    return copied;
}

void Installer::CopyMask(const std::string& source, const std::string& dest, bool recursive) {
    std::string sourceDir = plat::ExtractFilePath(source);
    std::string destDir = plat::ExtractFilePath(dest);
    std::string sourceMask = plat::ExtractFileName(source);
    // The folders still to copy, so a deep tree does not deepen the stack.
    struct Pending {
        std::string SourceDir, DestDir;
        int Depth;
    };
    std::vector<Pending> pending{{sourceDir, destDir, 0}};
    while (!pending.empty()) {
        Pending folder = std::move(pending.back());
        pending.pop_back();
        try {
            plat::ForceDirectories(folder.DestDir);
        } catch (const plat::Exception&) {
        }
        const bool descend = recursive && folder.Depth < kMaxTreeDepth;
        const FolderContents contents = walk_.Take(folder.SourceDir, sourceMask, descend);
        // A folder's files are copied by one copier, which looks at the two folders once rather
        // than for every file; where it fails (or no copier could be made), the plain copy tries.
        std::optional<plat::TFolderCopy> copier;
        try {
            if (!contents.Files.empty())
                copier.emplace(folder.SourceDir, folder.DestDir);
        } catch (const plat::Exception&) {
        }
        for (const plat::SearchRec& rec : contents.Files) {
            std::string from = folder.SourceDir + rec.Name;
            std::string to = folder.DestDir + rec.Name;
            bool copied = false;
            logCopyOnAbort_ = true;
            try {
                if (copier && !IsIniFile(rec.Name))
                    copied = CopyShowingProgress(to, rec.Size, [&] {
                        return copier->Copy(rec.Name, plat::CopyAttributes::Writable) || CopyPlainFile(from, to);
                    });
                else
                    copied = CopyEntry(from, to);
            } catch (const plat::Exception&) {
            }
            logCopyOnAbort_ = false;
            if (!copied)
                Stop(context_.Main().Text("ErrorFile"), from);
            AddToLog(to);
        }
        const std::vector<std::string>& subs = contents.SubFolders;
        // Pushed in reverse so folders are copied in name order, depth first, as a recursive walk would.
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            pending.push_back({folder.SourceDir + *it + "\\", folder.DestDir + *it + "\\", folder.Depth + 1});
    }
}

bool Installer::AddSharedDll(const std::string& path) {
    try {
        plat::TRegistry reg(plat::RootKey::LocalMachine);
        if (!reg.OpenKey(kSharedDlls, true))
            return false;
        int32_t count = 0;
        try {
            if (reg.ValueExists(path))
                count = reg.ReadInteger(path);
        } catch (const plat::Exception&) {
            count = 0;
        }
        int32_t next = count < 0 ? 1 : count == INT32_MAX ? count : count + 1;
        try {
            reg.WriteInteger(path, next);
        } catch (const plat::Exception&) {
        }
        return true;
    } catch (const plat::Exception&) {
        return false;
    }
}

} // namespace setup
