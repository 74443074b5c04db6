// Rectangle copies between bitmaps, plain or stretched colour on colour, through a raster
// operation: Draw, StretchDraw and CopyRect of RasterCanvas all come here.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

namespace plat::raster {

// Each destination pixel of `dest` on the target takes the source pixel under its centre: column
// floor((2 i + 1) * |source width| / (2 * |dest width|)) of the source rectangle, rows alike, so
// rows and columns are repeated or dropped, never blended. A negative width or height of either
// rectangle mirrors that axis; a zero one copies nothing. Source pixels outside the source bitmap
// read as white. source and target must be different bitmaps.
void StretchBlit(Bitmap& target, const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                 RasterOp op);

} // namespace plat::raster
