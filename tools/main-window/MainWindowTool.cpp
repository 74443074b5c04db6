// Shows the main window on a CD image folder until it is closed:
//   main-window <cd folder>
// The outfits go to the registry of the prefix in use (VERTALIS_PREFIX), as the designer's do; the
// window scale follows the setting "Scale" there.
#include "designer/shell/Settings.h"
#include "designer/shell/ViewForm.h"
#include "designer/shell/WindowScaleSetting.h"
#include "platform/files/WinPath.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2 || !std::filesystem::is_directory(argv[1])) {
        std::fprintf(stderr, "usage: main-window <cd folder>\n");
        return 2;
    }
    const std::string cd = plat::IncludeTrailingBackslash(plat::WinPathOf(std::filesystem::absolute(argv[1]).string()));
    ReadSettings(cd);
    Settings().CDPath = cd;
    ApplyDesignerWindowScale();
    TViewForm view;
    view.Init();
    view.Ready();
    view.ShowModal(); // until the window closes
    return 0;
}
