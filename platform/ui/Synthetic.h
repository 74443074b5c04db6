// Synthetic input for tests and tools: real Qt mouse events delivered to a control's widget, so
// they take the same path as the user's.
#pragma once

#include "platform/ui/Control.h"

namespace plat {

enum class TMouseAction { Press, Move, Release };

void SendMouse(TControl& control, TMouseAction action, TMouseButton button, int x, int y);
// Press and release at one point.
void Click(TControl& control, int x, int y);
// Writes what a control shows to a PNG file on the host; false when it could not be written.
bool SaveSnapshotPng(TControl& control, const std::string& hostPath);

} // namespace plat
