#include "platform/ui/WindowFrame.h"

#include "platform/ui/Application.h"
#include "platform/ui/ControlWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QWindowStateChangeEvent>

namespace plat {

namespace {

class CloseFilter : public QObject {
public:
    CloseFilter(QObject* parent, std::function<bool()> allow) : QObject(parent), allow_(std::move(allow)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close || !allow_)
            return false;
        bool allowed = true;
        RunGuarded([&] { allowed = allow_(); });
        if (allowed)
            return false;
        event->ignore();
        return true;
    }

private:
    std::function<bool()> allow_;
};

class MinimizeFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && window && window->isMinimized())
            for (QWidget* other : QApplication::topLevelWidgets())
                if (other != window && other->isVisible() && !other->isMinimized())
                    other->showMinimized();
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

void SetCloseQuery(TForm& form, std::function<bool()> allow) {
    // The filters are plain QObjects to Qt's casts; only dynamic_cast tells them apart.
    for (QObject* child : form.Widget().children())
        if (auto* old = dynamic_cast<CloseFilter*>(child)) {
            form.Widget().removeEventFilter(old);
            old->deleteLater();
        }
    form.Widget().installEventFilter(new CloseFilter(&form.Widget(), std::move(allow)));
}

bool RequestClose(TForm& form) {
    return form.Widget().close();
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
