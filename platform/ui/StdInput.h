// Synthetic input into standard controls for tests and tools: real Qt events delivered to the Qt
// widget inside the control (or to the part of it under a point), so they take the user's path.
#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace plat {

// Key codes of SendKey, the system's virtual-key numbers.
inline constexpr int VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
                     VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27,
                     VK_DOWN = 0x28, VK_DELETE = 0x2E;

// A left click at (x, y) of the control, or at its middle, to the widget part under that point.
void ClickAt(TControl& control, int x, int y);
void ClickMiddle(TControl& control);
// Focuses the control's widget and types the text (cp1251) character by character.
void TypeText(TControl& control, const std::string& text);
// Press and release of one key on the control's focused widget.
void SendKey(TControl& control, int virtualKey);

} // namespace plat
