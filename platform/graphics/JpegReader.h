// JPEG pictures, baseline and progressive. Our own code walks the marker structure first (sizes
// checked against the Bitmap limits before anything is decoded, the end-of-image marker required
// so that a cut file is not shown with a grey bottom); Qt's image reader decodes the pixels.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PictureLoader.h"

#include <string_view>

namespace plat {

// True when the bytes start with the JPEG start-of-image marker.
bool LooksLikeJpeg(std::string_view bytes);

// Decodes into `out` (opaque pixels, no palette, SourceBitsPerPixel 24). On failure `out` is empty.
PictureResult ReadJpeg(std::string_view bytes, Bitmap& out);

} // namespace plat
