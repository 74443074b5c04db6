// Our BMP decoder: checks the headers (BmpHeader), then decodes uncompressed rows of 1, 2, 4, 8,
// 16, 24 or 32 bits or run-length data (BmpRle) into a Bitmap, keeping the palette of indexed
// pictures and the source depth. The semantics of failures are those of PictureLoader.h.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PictureLoader.h"

#include <string_view>

namespace plat {

// True when the bytes start with the BMP signature "BM".
bool LooksLikeBmp(std::string_view bytes);

PictureResult ReadBmp(std::string_view bytes, Bitmap& out);

} // namespace plat
