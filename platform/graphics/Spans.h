// Clipped writes of the rasteriser: every pixel the shapes put on a bitmap goes through here, so
// nothing is ever written outside it, whatever 64-bit coordinates a shape produces.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/RasterMath.h"

#include <algorithm>
#include <cstdint>

namespace plat::raster {

inline ClipBox BitmapClip(const Bitmap& bitmap) {
    return ClipBox{0, 0, int64_t(bitmap.Width()) - 1, int64_t(bitmap.Height()) - 1};
}

// Pixels [left, right] of row y, inclusive, as far as they lie on the bitmap.
inline void FillSpan(Bitmap& bitmap, int64_t y, int64_t left, int64_t right, uint32_t pixel) {
    if (y < 0 || y >= bitmap.Height())
        return;
    left = std::max<int64_t>(left, 0);
    right = std::min<int64_t>(right, int64_t(bitmap.Width()) - 1);
    if (left > right)
        return;
    uint32_t* row = bitmap.Row(static_cast<int>(y));
    std::fill(row + left, row + right + 1, pixel);
}

inline void PutPixel(Bitmap& bitmap, int64_t x, int64_t y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height())
        return;
    bitmap.Row(static_cast<int>(y))[x] = pixel;
}

// Row y of a ring: the span [left, right] without the hole [holeLeft, holeRight] (which may be
// empty, holeLeft > holeRight, or reach past the span).
inline void FillSpanAround(Bitmap& bitmap, int64_t y, int64_t left, int64_t right, int64_t holeLeft,
                           int64_t holeRight, uint32_t pixel) {
    if (holeLeft > holeRight)
        return FillSpan(bitmap, y, left, right, pixel);
    FillSpan(bitmap, y, left, std::min(right, holeLeft - 1), pixel);
    FillSpan(bitmap, y, std::max(left, holeRight + 1), right, pixel);
}

} // namespace plat::raster

namespace plat::raster {

// Every pixel of a box (right and bottom excluded) that lies on the bitmap.
inline void FillBox(Bitmap& bitmap, const Box& box, uint32_t pixel) {
    const int64_t top = std::max<int64_t>(box.Top, 0);
    const int64_t bottom = std::min<int64_t>(box.Bottom, bitmap.Height());
    for (int64_t y = top; y < bottom; ++y)
        FillSpan(bitmap, y, box.Left, box.Right - 1, pixel);
}

} // namespace plat::raster
