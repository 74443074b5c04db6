// The cursor table: the program registers its own cursor pictures under their numbers, and
// controls and the screen cursor show them. crHourGlass and crDefault are the system's shapes.
// The screen cursor (plat::SetScreenCursor, the nested busy cursor) is shown over the whole
// application once EnsureUiApplication has installed the sink.
#pragma once

#include "platform/core/ScreenCursor.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace plat {

// Registers `picture` as cursor `number`; pure white pixels are transparent. An empty picture
// removes the entry (the cursor then shows as the default arrow).
void RegisterCursor(TCursor number, const Bitmap& picture, TPoint hotSpot);
bool CursorRegistered(TCursor number);

} // namespace plat
