#include "platform/ui/WindowFrame.h"

#include "platform/ui/Application.h"
#include "platform/ui/ControlWidget.h"

#include <QApplication>
#include <QEventLoop>
#include <QWindowStateChangeEvent>

namespace plat {

namespace {

class MinimizeFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && window && window->isMinimized())
            MinimizeApplication();
        return false;
    }
};

} // namespace

void SetDialogFrame(TForm& form, bool minimizeBox) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    const bool visible = form.Widget().isVisible();
    form.Widget().setWindowFlags(flags);
    if (visible)
        form.Widget().show();
}

void MinimizeWithApplication(TForm& form) {
    form.Widget().installEventFilter(new MinimizeFilter(&form.Widget()));
}

void RestoreAndActivate(TForm& form) {
    QWidget& window = form.Widget();
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

void RunUntil(const std::function<bool()>& done) {
    EnsureUiApplication();
    QEventLoop loop;
    while (!done())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace plat
