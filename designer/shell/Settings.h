// The installation settings the designer reads once at start, and the two name resolvers every
// other part uses to find its files: DataFile for the data folder (the CD), InstallFile for the
// install folder on the hard disk.
#pragma once

#include <string>
#include <string_view>

struct TSettings {
    std::string CDPath;       // data folder, Windows path with a trailing backslash
    std::string HDPath;       // install folder, Windows path with a trailing backslash
    bool BigMemory = false;   // keep every loaded garment picture in memory
    std::string ScreenFontName;   // face of every window's texts
    std::string ScreenFontFile;   // its file in the data folder
    std::string PatternFontName;  // face used for printing patterns
    std::string PatternFontFile;
};

// The product key under HKEY_CURRENT_USER.
inline constexpr const char* kProductKey = "Software\\Vertalis\\Velmora";

TSettings& Settings();

// Windows path of the folder holding the running program, with a trailing backslash.
std::string ProgramFolder();

// Fills Settings() from the product key (created when missing); CDPath and HDPath default to
// `programFolder`.
void ReadSettings(std::string_view programFolder);
inline void ReadSettings() { ReadSettings(ProgramFolder()); }

// Names with a drive ("C:...") or UNC names ("\\server...") are returned unchanged; others are
// taken relative to the data folder.
std::string DataFile(std::string_view name);
// Always relative to the install folder.
std::string InstallFile(std::string_view name);
