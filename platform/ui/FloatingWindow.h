// A top-level window that floats above every other window without a frame and without ever
// taking the activation or the keyboard focus from the window the user works in: the base of hint
// windows. The mouse passes through it to whatever lies under it, so showing it under the pointer
// does not make the control there lose the mouse (which would hide the hint again).
#pragma once

#include "platform/ui/Control.h"

namespace plat {

class TFloatingWindow : public TControl {
public:
    // Made hidden.
    TFloatingWindow();
    ~TFloatingWindow() override;

    // Takes `bounds` (screen coordinates) and shows the window on top, leaving the active window
    // active.
    void ShowAt(const TRect& bounds);
};

} // namespace plat
