// TFloatingWindow on a Qt tool-tip window: the window manager keeps such windows on top, out of
// the task bar and the focus chain, and never activates them.
#include "platform/ui/FloatingWindow.h"

#include "platform/ui/ControlWidget.h"

namespace plat {

TFloatingWindow::TFloatingWindow() : TControl(nullptr) {
    QWidget& widget = Widget();
    widget.setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    widget.setAttribute(Qt::WA_ShowWithoutActivating);
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setFocusPolicy(Qt::NoFocus);
    SetVisible(false);
}

TFloatingWindow::~TFloatingWindow() = default;

void TFloatingWindow::ShowAt(const TRect& bounds) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    // A window shown again over a changed backdrop repaints from scratch.
    Invalidate();
    // Mapping a tool-tip window puts it on top of the others; no raise needed.
    Show();
}

} // namespace plat
