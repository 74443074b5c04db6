// PNG pictures, as help files carry them in "\pngblip" picture groups. Our own code walks the chunk
// structure first (lengths and checksums checked, the size taken from the header and held to the
// Bitmap limits before anything is decoded, the end chunk required); Qt's image reader decodes the
// pixels.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PictureLoader.h"

#include <string_view>

namespace plat {

// True when the bytes start with the eight-byte PNG signature.
bool LooksLikePng(std::string_view bytes);

// Decodes into `out`: opaque pixels, translucent ones laid over white; no palette even for indexed
// files; SourceBitsPerPixel is the file's bits per pixel, at most 32. On failure `out` is empty.
PictureResult ReadPng(std::string_view bytes, Bitmap& out);

} // namespace plat
