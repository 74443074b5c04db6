// The headers of a BMP file read into one checked layout: file header, the info header in any of
// its sizes (OS/2 core 12, OS/2 2.x 16 and 64, Windows 40, 52, 56, 108, 124 bytes), colour masks
// and palette. Everything the pixel decoders rely on is validated here, so they only have to
// watch the pixel data itself.
#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/PictureLoader.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace plat {

enum class BmpCompression {
    None,
    Rle8,
    Rle4,
    Rle24, // OS/2 2.x: runs of 24-bit pixels
    Bitfields,
};

// One colour channel of a 16-, 24- or 32-bit pixel: a contiguous run of Bits bits at Shift.
struct BmpChannel {
    int Shift = 0;
    int Bits = 0;
};

struct BmpLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitsPerPixel = 0;
    BmpCompression Compression = BmpCompression::None;
    uint32_t PixelOffset = 0;
    // The colour channels of 16-, 24- and 32-bit pixels (the defaults when the file gives none).
    BmpChannel Red, Green, Blue;
    // Indexed pictures: the palette entries a pixel can reach (at most 2^bits), as TColor.
    std::vector<TColor> Palette;
    // Set when the file-size or image-size field promises more bytes than the file has: the file
    // was cut short, even if the pixels that are there happen to fill the picture.
    bool ShorterThanHeaderSays = false;
    std::string ShortnessMessage;
};

// Reads and checks the headers. Fails with BadHeader, Unsupported, TooLarge, BadPalette, BadMasks
// or Truncated (headers or palette cut off); the layout is meaningful only on success.
PictureResult ReadBmpLayout(std::string_view bytes, BmpLayout& layout);

} // namespace plat
