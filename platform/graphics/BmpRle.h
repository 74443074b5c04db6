// Run-length pixel data of BMP files: RLE8, RLE4 and the OS/2 RLE24 variant, with their
// end-of-line, end-of-picture and delta escapes.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpHeader.h"
#include "platform/graphics/PictureLoader.h"

#include <string_view>

namespace plat {

// Decodes `data` (the bytes from the pixel offset to the end of the file; `dataOffset` is where
// they start in the file, for messages) into `out`, which has the layout's size.
//
// Pixels the stream skips with delta or end-of-line/end-of-picture escapes are black: a skipped
// pixel has no colour of its own, and black is what a zeroed picture shows. On a fault (a run past
// the right edge, a jump past the last row, data past the last row) or when the data ends before
// the end-of-picture escape, the pixels decoded so far are kept, a run that crosses the right edge
// is clipped there, and every pixel the stream did not reach is white.
PictureResult DecodeBmpRle(std::string_view data, size_t dataOffset, const BmpLayout& layout, Bitmap& out);

} // namespace plat
