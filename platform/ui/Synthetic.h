// Synthetic input for tests and tools: real Qt mouse events delivered to a control's widget, so
// they take the same path as the user's. Buttons pressed stay held in the events that follow
// until they are released, as with a real mouse.
#pragma once

#include "platform/ui/Control.h"

namespace plat {

enum class TMouseAction { Press, Move, Release };

// At (x, y) in the control's coordinates.
void SendMouse(TControl& control, TMouseAction action, TMouseButton button, int x, int y);
// At a point of the screen, wherever the control is: what the control receives while it holds
// the mouse and the pointer is somewhere else, even outside its window.
void SendMouseAtScreen(TControl& control, TMouseAction action, TMouseButton button, TPoint screen);
// Press and release at one point.
void Click(TControl& control, int x, int y);
// A double click at one point: press, release, the second press, release.
void DoubleClick(TControl& control, int x, int y);
// A key pressed and released on the control (as if it had the focus); `text` is the character it
// types in UTF-8, empty for keys that type nothing.
void SendKey(TControl& control, TKey key, TShiftState shift = {}, const std::string& text = {});
// The window manager asks the window to close (its close button, Alt+F4).
void SendWindowClose(TForm& form);
// Writes what a control shows to a PNG file on the host; false when it could not be written.
bool SaveSnapshotPng(TControl& control, const std::string& hostPath);

} // namespace plat
