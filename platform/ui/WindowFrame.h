// What a dialog window needs beyond the toolkit's frameless forms: a title bar with close and
// minimise boxes, minimising the application when the user minimises it, and running the event
// loop until the program is done.
#pragma once

#include "platform/ui/Control.h"

#include <functional>

namespace plat {

// A title bar with a close box and, when asked, a minimise box; no sizing border.
void SetDialogFrame(TForm& form, bool minimizeBox);
// When the user minimises this window, the whole application is minimised (MinimizeApplication).
void MinimizeWithApplication(TForm& form);
// Restores the window when minimised and brings it to the front.
void RestoreAndActivate(TForm& form);
// Processes events (and timers) until `done` answers true.
void RunUntil(const std::function<bool()>& done);

} // namespace plat
