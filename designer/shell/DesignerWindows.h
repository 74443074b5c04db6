// What start-up needs of the designer's windows: to make them, hidden, one after another while
// the intro plays; to call the main window's Init; and the main window itself, which is shown
// after the intro and whose closing ends the program.
#pragma once

#include "platform/ui/Control.h"

#include <functional>
#include <memory>

class TDesignerWindows {
public:
    virtual ~TDesignerWindows() = default;
    // Makes every window, hidden, calling `pump` after each so that the intro keeps playing.
    virtual void Create(const std::function<void()>& pump) = 0;
    // The main window's Init: the default outfit, the skin for every window, the music.
    virtual void Init() = 0;
    // Shows the main window for the first time (after the intro).
    virtual void ShowMain() = 0;
    // The main window (valid after Create).
    virtual plat::TForm& MainForm() = 0;
};

// The windows of this build of the program.
std::unique_ptr<TDesignerWindows> MakeDesignerWindows();
