// The application-wide mouse watch that moves a window by hand.
#include "platform/ui/WindowMover.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <optional>

namespace plat {

namespace {

std::optional<QPoint>& PressPosition() {
    static std::optional<QPoint> position;
    return position;
}

} // namespace

WindowMover& WindowMover::Instance() {
    static auto* mover = new WindowMover; // lives as long as the application object it watches
    return *mover;
}

void WindowMover::Start(QWidget& window, QPoint pointer) {
    if (!installed_) {
        QCoreApplication::instance()->installEventFilter(this);
        installed_ = true;
    }
    window_ = &window;
    windowAtPress_ = window.pos();
    pointerAtPress_ = pointer;
}

void WindowMover::SetPressPosition(const QPoint* global) {
    PressPosition() = global ? std::optional<QPoint>(*global) : std::nullopt;
}

QPoint WindowMover::PointerNow() {
    return PressPosition().value_or(QCursor::pos());
}

bool WindowMover::eventFilter(QObject*, QEvent* event) {
    if (window_.isNull())
        return false;
    // One event reaches this filter once per receiver it passes (the platform window, then the
    // widget, then its parents when ignored); placing the window absolutely makes that harmless.
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        // A release we never saw (taken by another application, say) ends the move too.
        if (!mouse->buttons().testFlag(Qt::LeftButton)) {
            Stop();
            break;
        }
        window_->move(windowAtPress_ + mouse->globalPosition().toPoint() - pointerAtPress_);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
            Stop();
        break;
    default:
        break;
    }
    return false;
}

} // namespace plat
