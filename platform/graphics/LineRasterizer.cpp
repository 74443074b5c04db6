#include "platform/graphics/LineRasterizer.h"

#include <algorithm>
#include <cstdlib>

namespace plat::raster {

namespace {

// Steps i for which start + sign * i lies in [lo, hi].
void StepsWithin(int64_t start, int64_t sign, int64_t lo, int64_t hi, int64_t& first, int64_t& last) {
    if (sign > 0) {
        first = lo - start;
        last = hi - start;
        return;
    }
    first = start - hi;
    last = start - lo;
}

} // namespace

LineWalk::LineWalk(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const ClipBox& clip) {
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    xMajor_ = std::llabs(dx) >= std::llabs(dy);
    const int64_t dMajor = xMajor_ ? dx : dy;
    const int64_t dMinor = xMajor_ ? dy : dx;
    majorStart_ = xMajor_ ? x0 : y0;
    minorStart_ = xMajor_ ? y0 : x0;
    majorSign_ = dMajor < 0 ? -1 : 1;
    minorSign_ = dMinor < 0 ? -1 : 1;
    major_ = std::llabs(dMajor);
    minor_ = std::llabs(dMinor);
    if (major_ == 0 || clip.Empty())
        return;

    int64_t first = 0;
    int64_t last = major_ - 1;
    int64_t lo = 0, hi = 0;
    StepsWithin(majorStart_, majorSign_, xMajor_ ? clip.Left : clip.Top, xMajor_ ? clip.Right : clip.Bottom,
                lo, hi);
    first = std::max(first, lo);
    last = std::min(last, hi);

    // The minor offset at step i is k(i) = floor((2 i minor + major) / (2 major)), which never
    // decreases; the clip bounds on k become bounds on i by solving that for i.
    int64_t kLo = 0, kHi = 0;
    StepsWithin(minorStart_, minorSign_, xMajor_ ? clip.Top : clip.Left, xMajor_ ? clip.Bottom : clip.Right,
                kLo, kHi);
    if (minor_ == 0) {
        if (kLo > 0 || kHi < 0)
            return;
    } else {
        const Int128 twiceMajor = Int128(2) * major_;
        const Int128 twiceMinor = Int128(2) * minor_;
        const Int128 iLo = CeilDiv(twiceMajor * kLo - major_, twiceMinor);
        const Int128 iHi = FloorDiv(twiceMajor * (Int128(kHi) + 1) - major_ - 1, twiceMinor);
        if (iLo > last || iHi < first)
            return;
        // Both bounds may lie far outside 64 bits; they are compared before narrowing.
        if (iLo > first)
            first = static_cast<int64_t>(iLo);
        if (iHi < last)
            last = static_cast<int64_t>(iHi);
    }
    first_ = first;
    last_ = last;
}

} // namespace plat::raster
