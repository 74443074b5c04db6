// Synthetic mouse events through QApplication::sendEvent.
#include "platform/ui/Synthetic.h"

#include "platform/ui/ControlWidget.h"

#include <QApplication>
#include <QMouseEvent>

namespace plat {

void SendMouse(TControl& control, TMouseAction action, TMouseButton button, int x, int y) {
    ControlWidget& widget = control.Widget();
    const Qt::MouseButton qtButton = button == TMouseButton::Right    ? Qt::RightButton
                                     : button == TMouseButton::Middle ? Qt::MiddleButton
                                                                      : Qt::LeftButton;
    const QPointF local(x, y);
    const QPointF global = widget.mapToGlobal(local);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = Qt::NoButton;
    Qt::MouseButtons held = Qt::NoButton;
    switch (action) {
    case TMouseAction::Press:
        type = QEvent::MouseButtonPress;
        changed = qtButton;
        held = qtButton;
        break;
    case TMouseAction::Move:
        break;
    case TMouseAction::Release:
        type = QEvent::MouseButtonRelease;
        changed = qtButton;
        break;
    }
    QMouseEvent event(type, local, local, global, changed, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Click(TControl& control, int x, int y) {
    SendMouse(control, TMouseAction::Press, TMouseButton::Left, x, y);
    SendMouse(control, TMouseAction::Release, TMouseButton::Left, x, y);
}

bool SaveSnapshotPng(TControl& control, const std::string& hostPath) {
    const Bitmap shot = control.Snapshot();
    return ImageOf(shot).save(QString::fromStdString(hostPath), "PNG");
}

} // namespace plat
