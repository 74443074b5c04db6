// The program's own message loop, for the entry and for waits that must not spin: each call of
// WaitMessages sleeps until something happens (input, a timer, a posted message, a window
// system event) and handles it. Also the application's title, which the desktop shows for the
// program's windows and in its task list.
#pragma once

#include <string>

namespace plat {

// Blocks until at least one event has arrived, then handles every pending event, due timer and
// posted message.
void WaitMessages();

// The application's display name (code page 1251).
void SetApplicationTitle(const std::string& title);

} // namespace plat
