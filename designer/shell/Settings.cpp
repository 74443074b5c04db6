#include "designer/shell/Settings.h"

#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"

#include <filesystem>
#include <system_error>

TSettings& Settings() {
    static TSettings settings;
    return settings;
}

std::string ProgramFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string folder = error ? std::filesystem::current_path().string() : exe.parent_path().string();
    return plat::IncludeTrailingBackslash(plat::WinPathOf(folder));
}

void ReadSettings(std::string_view programFolder) {
    TSettings& s = Settings();
    plat::TRegIniFile ini(kProductKey);
    s.CDPath = plat::IncludeTrailingBackslash(ini.ReadString("", "CDPath", programFolder));
    s.HDPath = plat::IncludeTrailingBackslash(ini.ReadString("", "HDPath", programFolder));
    s.BigMemory = ini.ReadBool("Velmora", "BigMemory", false);
    s.ScreenFontName = "Vizo";
    s.ScreenFontFile = "comtech.fon";
    s.PatternFontName = "Derazuv";
    s.PatternFontFile = "metip___.ttf";
}

std::string DataFile(std::string_view name) {
    const bool hasDrive = name.size() >= 2 && name[1] == ':';
    const bool isUnc = name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
    if (hasDrive || isUnc)
        return std::string(name);
    return Settings().CDPath + std::string(name);
}

std::string InstallFile(std::string_view name) { return Settings().HDPath + std::string(name); }
