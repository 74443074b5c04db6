// QApplication creation and the pump that connects our timers and posted messages to Qt.
#include "platform/ui/Application.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/CursorsQt.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Timer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>

namespace plat {

namespace {

bool EnvSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// A handler that throws has already been taken off the queue, so draining again goes on with the
// messages after it instead of leaving them stranded.
void DrainGuarded() {
    while (!RunGuarded([] { DrainPostedMessages(); })) {
    }
}

void StartPump() {
    static bool started = false;
    if (started)
        return;
    started = true;
    InstallScreenCursorSink();
    // One single-shot wake-up for the earliest due timer, re-armed whenever the timers change. A
    // precise timer keeps to the millisecond, where a coarse one may be 5% late.
    auto* wake = new QTimer(QCoreApplication::instance());
    wake->setSingleShot(true);
    wake->setTimerType(Qt::PreciseTimer);
    QObject::connect(wake, &QTimer::timeout, [] { RunGuarded(RunDueTimers); });
    SetTimerWaker([wake](int64_t delayMs) {
        if (delayMs < 0) {
            wake->stop();
            return;
        }
        wake->start(static_cast<int>(std::min<int64_t>(delayMs, std::numeric_limits<int>::max())));
    });
    SetPostedMessageWaker([] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { DrainGuarded(); }, Qt::QueuedConnection);
    });
}

} // namespace

void EnsureUiApplication() {
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(existing))
            throw Exception("windows need a QApplication, but another application object is running");
        StartPump();
        return;
    }
    if (!EnvSet("QT_QPA_PLATFORM") && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // QApplication keeps references to argc and argv for its whole life; it is never deleted, for
    // the same reason as the one EnsureGuiApplication makes.
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    StartPump();
}

bool UseToolkitLanguage(const std::string& language) {
    // Kept for the application's life, as the application keeps a reference to it.
    static QTranslator* installed = nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromStdString("qtbase_" + language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

bool RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const Exception& error) {
        ShowError(error.Message());
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
    return false;
}

void MinimizeApplication() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
}

bool ApplicationMinimized() {
    bool any = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::ToolTip)
            continue;
        if (!window->isMinimized())
            return false;
        any = true;
    }
    return any;
}

void ProcessMessages() {
    QCoreApplication::processEvents();
    RunGuarded(RunDueTimers);
    DrainGuarded();
}

} // namespace plat
