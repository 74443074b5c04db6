// "Open a folder" in the desktop's file manager, through xdg-open; tests replace the opener.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plat {

// Receives the host path to open; returns whether the opener started.
using FolderOpener = std::function<bool(const std::string& hostPath)>;

// Installs an opener (an empty one restores xdg-open) and returns the previous one.
FolderOpener SetFolderOpener(FolderOpener opener);

// Opens the folder at a Windows path; false when it cannot be named or the opener fails.
bool OpenFolder(std::string_view winPath);

} // namespace plat
