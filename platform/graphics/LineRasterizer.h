// Straight lines of the rasteriser. A line from (x0, y0) to (x1, y1) has one pixel per step along
// its major axis (x when |dx| >= |dy|); the minor coordinate is the one nearest the ideal line,
// halves rounded away from the start. The end pixel is not part of the line, so polylines join
// without drawing a vertex twice. Lines are 8-connected.
//
// The walk is clipped before it starts: only the steps whose pixel lies in the clip box are
// visited, so a line from -1e9 to +1e9 costs what its visible part costs, and no coordinate
// overflows (products are taken in 128 bits).
#pragma once

#include "platform/graphics/RasterMath.h"

#include <cstdint>

namespace plat::raster {

class LineWalk {
  public:
    LineWalk(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const ClipBox& clip);

    // Pixels of the whole line, end excluded (the visible ones are a part of these).
    int64_t Length() const { return major_; }

    // Calls visit(step, x, y) for every pixel of the line inside the clip box, in order from the
    // start; step is the pixel's index on the whole line (pen styles count from it).
    template <class Visit> void ForEach(Visit&& visit) const {
        if (first_ > last_)
            return;
        const int64_t twiceMajor = 2 * major_;
        const Int128 numerator = Int128(2) * first_ * minor_ + major_;
        int64_t k = static_cast<int64_t>(numerator / twiceMajor);
        int64_t rest = static_cast<int64_t>(numerator % twiceMajor);
        for (int64_t i = first_; i <= last_; ++i) {
            const int64_t a = majorStart_ + majorSign_ * i;
            const int64_t b = minorStart_ + minorSign_ * k;
            if (xMajor_)
                visit(i, a, b);
            else
                visit(i, b, a);
            rest += 2 * minor_;
            if (rest >= twiceMajor) {
                rest -= twiceMajor;
                ++k;
            }
        }
    }

  private:
    bool xMajor_ = true;
    int64_t majorStart_ = 0, minorStart_ = 0;
    int64_t majorSign_ = 1, minorSign_ = 1;
    int64_t major_ = 0, minor_ = 0; // absolute deltas
    int64_t first_ = 0, last_ = -1; // visible step range, inclusive
};

} // namespace plat::raster
