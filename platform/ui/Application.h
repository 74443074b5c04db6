// The application object of the windowing layer: makes sure a QApplication exists, runs the
// timers and posted messages from Qt's event loop, and runs every event handler under a guard so
// that no exception crosses the event loop: the message is shown in an error box instead.
#pragma once

#include <functional>
#include <string>

namespace plat {

// Makes sure a QApplication (widgets) exists. A QGuiApplication made earlier by
// EnsureGuiApplication cannot host widgets: that raises plat::Exception. Without a display it
// runs offscreen, as EnsureGuiApplication does. Also installs the timers' wake-up and the posted
// message waker.
void EnsureUiApplication();

// The toolkit's own texts (the print and printer set-up dialogs, standard buttons) in `language`
// ("ru"), from the toolkit's installed translations; English stays when they are not installed.
// Needs the application (EnsureUiApplication). Returns whether the translation was loaded.
bool UseToolkitLanguage(const std::string& language);

// Runs one event handler; an exception it throws is shown through ShowError (replaceable in
// tests) and swallowed. Returns false when the handler threw.
bool RunGuarded(const std::function<void()>& handler);

// Processes pending Qt events, due timers and posted messages once (long work calls this, as the
// system's parts ask, to keep the screen alive).
void ProcessMessages();

// Minimises every visible window of the program (the application goes to the task bar);
// ApplicationMinimized tells whether that is the state now. The windows come back together when
// the user restores one of them.
void MinimizeApplication();
bool ApplicationMinimized();

} // namespace plat
