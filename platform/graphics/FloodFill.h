// The seed fill behind Canvas::FloodFill: scanline, 4-connected, without recursion. Its memory is
// one stack of row segments, so the deepest region costs heap, never call stack.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <cstdint>

namespace plat::raster {

// Fills from (x, y) with fillColor: with FillStyle::Border every 4-connected pixel that is not
// `color`; with FillStyle::Surface every 4-connected pixel that is `color`. A start outside the
// bitmap, or on a pixel that stops the fill, fills nothing. Pixels whose alpha byte is not 0xFF
// (which no platform call makes) stop the fill as a border would.
void SeedFill(Bitmap& bitmap, int x, int y, TColor color, FillStyle style, TColor fillColor);

} // namespace plat::raster
