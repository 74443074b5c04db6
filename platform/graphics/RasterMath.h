// Integer helpers of the rasteriser. Shapes take int coordinates anywhere in the int range, so
// differences need 33 bits and their products up to 66: those are computed in 128 bits, which
// keeps every shape exact and free of overflow whatever the caller passes.
#pragma once

#include <cstdint>

namespace plat::raster {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// Division rounding toward minus and plus infinity; denominator > 0.
constexpr Int128 FloorDiv(Int128 numerator, Int128 denominator) {
    const Int128 q = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? q - 1 : q;
}
constexpr Int128 CeilDiv(Int128 numerator, Int128 denominator) {
    const Int128 q = numerator / denominator;
    return (numerator % denominator != 0 && numerator > 0) ? q + 1 : q;
}

// floor(sqrt(n)) for n < 2^126.
uint64_t ISqrt(UInt128 n);

// An inclusive rectangle of pixels that drawing may touch (the bitmap, grown by a pen's reach).
struct ClipBox {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = -1;
    int64_t Bottom = -1;
    bool Empty() const { return Left > Right || Top > Bottom; }
    bool Contains(int64_t x, int64_t y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};

// A box of pixels with the right and bottom edges excluded, in 64 bits so that growing it by a
// pen's width never overflows.
struct Box {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = 0;
    int64_t Bottom = 0;
    int64_t Width() const { return Right - Left; }
    int64_t Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    Box Grown(int64_t by) const { return Box{Left - by, Top - by, Right + by, Bottom + by}; }
};

// The box of two corners in any order.
inline Box NormalBox(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    return Box{x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, x1 < x2 ? x2 : x1, y1 < y2 ? y2 : y1};
}

} // namespace plat::raster
