// The raster operations of the canvas: ApplyRasterOp is the one place where an operation is
// applied to a pixel; the row loop and every copy, stretch and mask of RasterCanvas go through it.
// Pixels are bitmap words (0xFFRRGGBB). The operations work on the colour bits only, so their
// results are the same whether read as TColor or as pixel words, and every result keeps the
// alpha byte at 0xFF (NOT source would otherwise clear it).
#pragma once

#include "platform/graphics/Canvas.h"

#include <cstddef>
#include <cstdint>

namespace plat {

constexpr uint32_t kOpaqueAlpha = 0xFF000000u;

// dest := op(source, dest) for one pixel word.
constexpr uint32_t ApplyRasterOp(RasterOp op, uint32_t source, uint32_t dest) {
    switch (op) {
    case RasterOp::SrcCopy:
        return source | kOpaqueAlpha;
    case RasterOp::SrcAnd:
        return (source & dest) | kOpaqueAlpha;
    case RasterOp::SrcPaint:
        return (source | dest) | kOpaqueAlpha;
    case RasterOp::MergePaint:
        return ~source | dest | kOpaqueAlpha;
    case RasterOp::NotSrcCopy:
        return ~source | kOpaqueAlpha;
    case RasterOp::SrcInvert:
        return (source ^ dest) | kOpaqueAlpha;
    case RasterOp::Blackness:
        return kOpaqueAlpha;
    case RasterOp::Whiteness:
        return 0xFFFFFFFFu;
    }
    // A code outside the enumeration (a number cast by a caller) copies, as SrcCopy.
    return source | kOpaqueAlpha;
}

// dest[i] := op(source[i], dest[i]) for i in [0, count). source may equal dest, not overlap it
// otherwise.
void ApplyRasterOpRow(RasterOp op, const uint32_t* source, uint32_t* dest, size_t count);

} // namespace plat
