// Qt's fonts and painters need a QGuiApplication. The programs create their own QApplication
// first thing; code that draws text without one (tests, the data generator, command-line tools)
// gets one from here.
#pragma once

namespace plat {

// Makes sure a QGuiApplication exists: keeps the one the program created (a QApplication is one),
// else creates one that lives until the process ends. Without a display (no DISPLAY and no
// WAYLAND_DISPLAY) and without QT_QPA_PLATFORM set, it runs on the "offscreen" platform. A
// QCoreApplication that is not a QGuiApplication cannot draw text: that raises plat::Exception.
void EnsureGuiApplication();

} // namespace plat
