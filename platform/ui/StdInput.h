// Synthetic input into standard controls for tests and tools: real Qt events delivered to the Qt
// widget inside the control (or to the part of it under a point), so they take the user's path.
#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Keys.h"

#include <string>

namespace plat {

// A left click at (x, y) of the control, or at its middle, to the widget part under that point.
void ClickAt(TControl& control, int x, int y);
void ClickMiddle(TControl& control);
// Focuses the control's widget and types the text (cp1251) character by character.
void TypeText(TControl& control, const std::string& text);
// Press and release of one key (Keys.h) on the control's focused widget.
void SendKeyToWidget(TControl& control, TKey key);

} // namespace plat
