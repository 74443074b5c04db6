#include "platform/graphics/GuiApplication.h"

#include "platform/core/Exceptions.h"

#include <QGuiApplication>
#include <cstdlib>

namespace plat {

namespace {

bool EnvSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

void EnsureGuiApplication() {
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(existing))
            throw Exception("text drawing needs a QGuiApplication, but a QCoreApplication is running");
        return;
    }
    if (!EnvSet("QT_QPA_PLATFORM") && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // QGuiApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    // Never deleted: Qt objects made while it ran (fonts, caches) may outlive any owner we could
    // give it, and the process's end tears it down anyway.
    new QGuiApplication(argc, argv);
}

} // namespace plat

// fontconfig keeps its configuration in allocations that live until the process ends (Qt never
// calls FcFini), and LeakSanitizer would fail every sanitizer build of a program that drew text.
// Qt's X11 plugin leaves a small D-Bus connection buffer behind in the same way. The suppressions
// name the libraries, so leaks of our own code are still reported.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_LEAK_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_LEAK_CHECKED 1
#endif
#ifdef VELMORA_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
#endif
