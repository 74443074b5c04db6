// Synthetic clicks and keys through QApplication::sendEvent to the innermost widget.
#include "platform/ui/StdInput.h"

#include "platform/ui/KeysQt.h"
#include "platform/ui/StdWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace plat {

namespace {

QWidget& Target(TControl& control) {
    QWidget& outer = control.Widget();
    auto* inner = outer.findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return inner && !dynamic_cast<ControlWidget*>(inner) ? *inner : outer;
}

void SendKeyEvent(QWidget& widget, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

QWidget& Focused(TControl& control) {
    QWidget& target = Target(control);
    // Keys go to the active window, as the user's would.
    if (QWidget* window = target.window(); !window->isActiveWindow()) {
        window->activateWindow();
        QApplication::processEvents();
    }
    target.setFocus(Qt::OtherFocusReason);
    QWidget* proxy = target.focusProxy();
    return proxy ? *proxy : target;
}

} // namespace

void ClickAt(TControl& control, int x, int y) {
    QWidget& outer = control.Widget();
    QWidget* widget = outer.childAt(x, y);
    if (!widget)
        widget = &outer;
    const QPointF local = widget->mapFrom(&outer, QPointF(x, y));
    const QPointF global = outer.mapToGlobal(QPointF(x, y));
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void ClickMiddle(TControl& control) {
    ClickAt(control, control.Width() / 2, control.Height() / 2);
}

void TypeText(TControl& control, const std::string& text) {
    QWidget& widget = Focused(control);
    for (const QChar c : QtText(text))
        SendKeyEvent(widget, Qt::Key_unknown, QString(c));
}

void SendKeyToWidget(TControl& control, TKey virtualKey) {
    const auto key = static_cast<Qt::Key>(QtKeyOf(virtualKey));
    SendKeyEvent(Focused(control), key, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
}

} // namespace plat
