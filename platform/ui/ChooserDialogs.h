// The folder browser and the colour chooser. Tests replace either with a handler that records the
// call and returns a chosen answer.
#pragma once

#include "platform/graphics/Color.h"

#include <functional>
#include <optional>
#include <string>

namespace plat {

// A folder picked from the tree of the mapped drives, shown and returned with Windows names
// ("C:\Program Files\Velmora"); `start` (a Windows path) is opened first when it exists. Nullopt
// when the user cancelled.
std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& start);
using FolderBrowserHandler = std::function<std::optional<std::string>(const std::string& title,
                                                                      const std::string& start)>;
FolderBrowserHandler SetFolderBrowserHandler(FolderBrowserHandler handler);

// The full colour chooser starting at `initial`; nullopt when cancelled.
std::optional<TColor> ChooseColor(TColor initial);
using ColorChooserHandler = std::function<std::optional<TColor>(TColor initial)>;
ColorChooserHandler SetColorChooserHandler(ColorChooserHandler handler);

} // namespace plat
