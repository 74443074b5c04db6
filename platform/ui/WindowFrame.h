// What a dialog window needs beyond the toolkit's frameless forms: a title bar with close and
// minimise boxes, a say in whether the close box closes it, minimising it together with the
// other windows of the application, and running the event loop until the program is done.
#pragma once

#include "platform/ui/Control.h"

#include <functional>

namespace plat {

// A title bar with a close box and, when asked, a minimise box; no sizing border.
void SetDialogFrame(TForm& form, bool minimizeBox);
// Every close of the window (the close box, the window manager, Close()) asks `allow` first; the
// window stays when it answers false. An empty function lets every close through.
void SetCloseQuery(TForm& form, std::function<bool()> allow);
// Closes the window as its close box does (through the close query); false when it stayed open.
bool RequestClose(TForm& form);
// When the user minimises this window, every other window of the application goes with it.
void MinimizeWithApplication(TForm& form);
// Restores the window when minimised and brings it to the front.
void RestoreAndActivate(TForm& form);
// Processes events (and timers) until `done` answers true.
void RunUntil(const std::function<bool()>& done);

} // namespace plat
