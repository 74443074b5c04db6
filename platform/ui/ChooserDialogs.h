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

// File open and save dialogs; the answer is the Windows path of the chosen file.
struct FileDialogOptions {
    std::string Title;
    // "Setup inf|setup*.inf|All files|*.*": name and mask pairs.
    std::string Filter;
    std::string DefaultExt; // added to a name typed without one
    std::string FileName;
    bool MustExist = false; // open: the file must exist
};
std::optional<std::string> OpenFileDialog(const FileDialogOptions& options);
std::optional<std::string> SaveFileDialog(const FileDialogOptions& options);
using FileDialogHandler = std::function<std::optional<std::string>(bool save, const FileDialogOptions& options)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

} // namespace plat
