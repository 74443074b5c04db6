// The parts of the drawing interface that every canvas shares: the font's pixel height and the
// white mask of a picture.
#include "platform/graphics/Canvas.h"

#include "platform/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plat {

namespace {

// Glyphs taller than this are drawn this tall: a font of 200 points on a 600 dpi printer is 1667
// pixels, and a wild size must not make the glyph cache rasterise gigabyte glyphs.
constexpr int kMaxFontPixelHeight = 4096;

} // namespace

int Canvas::FontPixelHeight() const {
    const double pixels = std::abs(static_cast<double>(Font.Size)) * PixelsPerInchY() / 72.0;
    return std::clamp(Round(std::min(pixels, double(kMaxFontPixelHeight))), 1, kMaxFontPixelHeight);
}

Bitmap MakeWhiteMask(const Bitmap& source) {
    Bitmap mask(source.Width(), source.Height(), Bitmap::Uninitialized{}); // every pixel is written below
    const size_t count = static_cast<size_t>(source.Width()) * source.Height();
    const uint32_t* from = source.Bits();
    uint32_t* to = mask.Bits();
    for (size_t i = 0; i < count; ++i)
        to[i] = (from[i] & 0x00FFFFFFu) == 0x00FFFFFFu ? 0xFFFFFFFFu : 0xFF000000u;
    mask.SetPalette({clBlack, clWhite});
    mask.SetSourceBitsPerPixel(1);
    return mask;
}

} // namespace plat
