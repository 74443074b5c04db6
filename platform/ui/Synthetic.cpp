// Synthetic mouse events through QApplication::sendEvent.
#include "platform/ui/Synthetic.h"

#include "platform/graphics/PictureWriter.h"

#include "platform/ui/ControlWidget.h"
#include "platform/ui/KeysQt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace plat {

namespace {

Qt::MouseButtons& Held() {
    static Qt::MouseButtons held = Qt::NoButton;
    return held;
}

void Send(ControlWidget& widget, TMouseAction action, TMouseButton button, QPointF local, QPointF global) {
    const Qt::MouseButton qtButton = button == TMouseButton::Right    ? Qt::RightButton
                                     : button == TMouseButton::Middle ? Qt::MiddleButton
                                                                      : Qt::LeftButton;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = Qt::NoButton;
    switch (action) {
    case TMouseAction::Press:
        type = QEvent::MouseButtonPress;
        changed = qtButton;
        Held() |= qtButton;
        break;
    case TMouseAction::Move:
        break;
    case TMouseAction::Release:
        type = QEvent::MouseButtonRelease;
        changed = qtButton;
        Held() &= ~Qt::MouseButtons(qtButton);
        break;
    }
    QMouseEvent event(type, local, local, global, changed, Held(), Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

void SendMouse(TControl& control, TMouseAction action, TMouseButton button, int x, int y) {
    ControlWidget& widget = control.Widget();
    const QPointF local(x, y);
    Send(widget, action, button, local, widget.mapToGlobal(local));
}

void SendMouseAtScreen(TControl& control, TMouseAction action, TMouseButton button, TPoint screen) {
    ControlWidget& widget = control.Widget();
    const QPointF global(screen.X, screen.Y);
    Send(widget, action, button, widget.mapFromGlobal(global), global);
}

void Click(TControl& control, int x, int y) {
    SendMouse(control, TMouseAction::Press, TMouseButton::Left, x, y);
    SendMouse(control, TMouseAction::Release, TMouseButton::Left, x, y);
}

void DoubleClick(TControl& control, int x, int y) {
    Click(control, x, y);
    ControlWidget& widget = control.Widget();
    const QPointF local(x, y);
    QMouseEvent twice(QEvent::MouseButtonDblClick, local, local, widget.mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    Held() |= Qt::LeftButton;
    QApplication::sendEvent(&widget, &twice);
    SendMouse(control, TMouseAction::Release, TMouseButton::Left, x, y);
}

void SendKey(TControl& control, TKey key, TShiftState shift, const std::string& text) {
    const int qtKey = QtKeyOf(key);
    Qt::KeyboardModifiers mods;
    if (shift.Shift)
        mods |= Qt::ShiftModifier;
    if (shift.Ctrl)
        mods |= Qt::ControlModifier;
    if (shift.Alt)
        mods |= Qt::AltModifier;
    const QString typed = QString::fromStdString(text);
    QKeyEvent press(QEvent::KeyPress, qtKey, mods, typed);
    QApplication::sendEvent(&control.Widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, mods, typed);
    QApplication::sendEvent(&control.Widget(), &release);
}

void SendWindowClose(TForm& form) {
    // The same path as the window manager's request: a spontaneous close of the native window.
    if (QWindow* window = form.Widget().windowHandle()) {
        window->close();
        return;
    }
    form.Widget().close();
}

bool SaveSnapshotPng(TControl& control, const std::string& hostPath) {
    return SavePng(control.Snapshot(), hostPath);
}

} // namespace plat
