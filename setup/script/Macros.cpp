// The macro expander and the lookups behind its names.
#include "setup/script/Macros.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "setup/script/SetupContext.h"

namespace setup {

namespace {

constexpr std::string_view kShellFolders =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr size_t kMaxShortPath = 255;

// The system drive ("C:") of the installation. Programs and common files default to it: the
// process's current folder is a host folder, which maps to the host root's drive, not a place
// to install programs into.
std::string SystemDrive(const std::string& windowsDir) {
    if (windowsDir.size() >= 2 && windowsDir[1] == ':')
        return windowsDir.substr(0, 2);
    return "C:";
}

} // namespace

std::string JoinPath(std::string_view base, std::string_view name) {
    std::string out(base);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    out += name;
    return out;
}

std::string ReadRegString(plat::RootKey root, std::string_view key, std::string_view name,
                          std::string_view fallback) {
    try {
        plat::TRegistry reg(root);
        if (!reg.OpenKeyReadOnly(key) || !reg.ValueExists(name))
            return std::string(fallback);
        return reg.ReadString(name);
    } catch (const plat::Exception&) {
        return std::string(fallback);
    }
}

std::string ShortPath(std::string_view path) {
    if (path.empty() || (!plat::FileExists(path) && !plat::DirectoryExists(path)))
        return "";
    return plat::ShortPathName(path).substr(0, kMaxShortPath);
}

std::string GetDesktopDir(const std::string& windowsDir) {
    return ReadRegString(plat::RootKey::CurrentUser, kShellFolders, "Desktop",
                         JoinPath(windowsDir, "Desktop"));
}

std::string GetStartMenuDir(const std::string& windowsDir) {
    return ReadRegString(plat::RootKey::CurrentUser, kShellFolders, "Start Menu",
                         JoinPath(windowsDir, "Startmen"));
}

// The platform counts as one of the NT family: shortcuts go to the common Programs folder.
std::string GetProgramsDir(const std::string& windowsDir) {
    return ReadRegString(plat::RootKey::LocalMachine, kShellFolders, "Common Programs",
                         JoinPath(GetStartMenuDir(windowsDir), "Common Programs"));
}

std::string GetProgramFilesDir(const std::string& windowsDir) {
    return ReadRegString(plat::RootKey::LocalMachine, kCurrentVersion, "ProgramFilesDir",
                         JoinPath(SystemDrive(windowsDir), "Program Files"));
}

std::string GetCommonFilesDir(const std::string& windowsDir) {
    return ReadRegString(plat::RootKey::LocalMachine, kCurrentVersion, "CommonFilesDir",
                         JoinPath(SystemDrive(windowsDir), "Program Files\\Common Files"));
}

std::string GetFontsDir(const std::string& systemDir) {
    return ReadRegString(plat::RootKey::CurrentUser, kShellFolders, "Fonts", systemDir);
}

std::string SetupContext::Macro(const std::string& name, bool& known) {
    known = true;
    const SetupParams& main = Main();
    auto hdPath = [this] { return Destination; };
    if (name == "WINDOWS")
        return WindowsDir;
    if (name == "SYSTEM")
        return SystemDir;
    if (name == "CDPATH")
        return CdPath;
    if (name == "CD~1")
        return CdShort;
    if (name == "HDPATH")
        return Destination;
    if (name == "HD~1")
        return ShortPath(Destination);
    if (name == "DESKTOP" || name == "PROGRAMMENU")
        return GetDesktopDir(WindowsDir);
    if (name == "STARTMENU")
        return GetStartMenuDir(WindowsDir);
    if (name == "PROGRAMFILES")
        return GetProgramFilesDir(WindowsDir);
    if (name == "COMMONFILES")
        return GetCommonFilesDir(WindowsDir);
    if (name == "PRODUCTNAME")
        return main.Text("ProductName");
    if (name == "INTERNALNAME")
        return main.Text("InternalName");
    if (name == "VERSION")
        return main.Text("ProductVersion");
    if (name == "FIRMNAME")
        return main.Text("FirmName");
    if (name == "FONTDIR")
        return GetFontsDir(SystemDir);
    if (name == "FLAG") {
        if (ChosenOption >= 1 && ChosenOption <= 3)
            return main.Text("Flag" + std::to_string(ChosenOption));
        return "";
    }
    if (name == "WINWORDSTARTUP")
        return Word.WordValue(WordKind::Startup, hdPath);
    if (name == "WINWORDTEMPLATES")
        return Word.WordValue(WordKind::Templates, hdPath);
    if (name == "WINWORDVERSION")
        return Word.WordValue(WordKind::Version, hdPath);
    if (name == "WINWORDLANGUAGE")
        return Word.WordValue(WordKind::Language, hdPath);
    if (name == "WINWORDFILEOPEN")
        return Word.WordValue(WordKind::FileOpen, hdPath);
    if (name == "WINWORD")
        return Word.WordValue(WordKind::Program, hdPath);
    if (name == "NOTEPAD") {
        std::string notepad = WindowsDir + "\\notepad.exe";
        return plat::FileExists(notepad) ? ShortPath(notepad) : "";
    }
    if (name == "WORDPAD") {
        for (const std::string& dir : {WindowsDir, SystemDir})
            if (plat::FileExists(dir + "\\write.exe"))
                return ShortPath(dir + "\\write.exe");
        return "";
    }
    known = false;
    return "";
}

std::string SetupContext::ExpandMacros(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '%') {
            out += text[i++];
            continue;
        }
        size_t close = text.find('%', i + 1);
        if (close == text.npos) {
            out.append(text.substr(i));
            break;
        }
        std::string name = plat::UpperCase(text.substr(i + 1, close - i - 1));
        bool known = false;
        std::string value = Macro(name, known);
        if (known)
            out += value;
        else
            out += "%" + name + "%";
        i = close + 1;
    }
    return out;
}

} // namespace setup
