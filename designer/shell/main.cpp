// The designer program: velmora [--no-intro].
#include "designer/shell/DesignerWindows.h"
#include "designer/shell/Startup.h"
#include "designer/shell/WindowScaleSetting.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv) {
    TStartOptions options;
    bool helpShown = false;
    if (!ParseStartArguments(argc, argv, options, helpShown))
        return 2;
    if (helpShown)
        return kExitNormal;
    // The whole-number scale for big screens is the toolkit's: chosen before its first window.
    ApplyDesignerWindowScale();
    plat::EnsureUiApplication();
    // Every text the designer shows is Russian, the print dialogs' too.
    plat::UseToolkitLanguage("ru");
    std::unique_ptr<TDesignerWindows> windows = MakeDesignerWindows();
    return RunDesigner(options, *windows);
}
