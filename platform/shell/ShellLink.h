// Shortcuts. A shortcut is saved as a ".lnk" file at its Windows path in the prefix and exported
// as a freedesktop ".desktop" entry under $XDG_DATA_HOME/applications/vertalis/, so it shows in
// the Linux menu.
//
// The ".lnk" layout is our own readable text (cp1251, CR LF lines), read back by LoadShellLink:
//   [VertalisShellLink]
//   Target=C:\Program Files\Product\prog.exe
//   Arguments=/x
//   WorkingDirectory=C:\Program Files\Product
//   IconLocation=C:\Program Files\Product\prog.ico
//   IconIndex=0
// Values cannot hold line breaks; a field with one makes SaveShellLink fail.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// A link file path is at most this long, as the platform's wide path buffers allow.
constexpr size_t kMaxLinkPath = 260;

struct ShellLink {
    std::string Target, Arguments, WorkingDirectory, IconFile;
    int IconIndex = 0;
};

// Writes the ".lnk" file (its folder must exist) and the ".desktop" entry. False when the path
// is too long or cannot name a file, a field holds a line break, or a file cannot be written.
bool SaveShellLink(std::string_view linkPath, const ShellLink& link);
// Reads a ".lnk" file written by SaveShellLink; nullopt when it is missing or not one.
std::optional<ShellLink> LoadShellLink(std::string_view linkPath);

// Host path of the ".desktop" entry made for a link path:
// <data home>/applications/vertalis/vertalis-<folder>-<name>.desktop, where folder and name are
// the link's last folder and file name without ".lnk", with characters that do not belong in a
// desktop file id replaced by "-".
std::string DesktopEntryPath(std::string_view linkPath);

// Quotes one word for an Exec line of a desktop entry.
std::string QuoteDesktopExecArg(std::string_view utf8);

} // namespace plat
