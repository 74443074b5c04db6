// Qt side of the cursor table, private to the windowing layer.
#pragma once

#include "platform/core/ScreenCursor.h"

#include <QCursor>

class QWidget;

namespace plat {

QCursor CursorOf(TCursor number);
void ApplyCursor(QWidget& widget, TCursor number);
void InstallScreenCursorSink();

} // namespace plat
