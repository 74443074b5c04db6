// WaitMessages on Qt's event loop; see MessageLoop.h.
#include "platform/ui/MessageLoop.h"

#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Timer.h"

#include <QApplication>
#include <QEventLoop>

namespace plat {

void WaitMessages() {
    EnsureUiApplication();
    // Our timers and posted messages arrive as Qt events (the pump's wake-up timer and queued
    // calls), so waiting for Qt's next event also waits for them.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ProcessMessages();
}

void SetApplicationTitle(const std::string& title) {
    EnsureUiApplication();
    const QString name = QString::fromStdString(Cp1251ToUtf8(title));
    QCoreApplication::setApplicationName(name);
    QGuiApplication::setApplicationDisplayName(name);
}

} // namespace plat
