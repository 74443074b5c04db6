// The dash patterns of styled pens, counted in pixels along the outline: a dash of 18 and a gap
// of 6; dots of 3 with gaps of 3; dash 9, gap 6, dot 3, gap 6; dash 9 and two dots of 3, each
// followed by a gap of 3. Patterns apply to pens one pixel wide only; wider pens draw solid.
#pragma once

#include "platform/graphics/Canvas.h"

#include <array>
#include <cstdint>

namespace plat::raster {

class PenPattern {
  public:
    PenPattern(PenStyle style, int width) {
        if (width > 1)
            return;
        switch (style) {
        case PenStyle::Dash:
            Set({18, 6});
            return;
        case PenStyle::Dot:
            Set({3, 3});
            return;
        case PenStyle::DashDot:
            Set({9, 6, 3, 6});
            return;
        case PenStyle::DashDotDot:
            Set({9, 3, 3, 3, 3, 3});
            return;
        case PenStyle::Solid:
        case PenStyle::Clear:
            return;
        }
    }

    bool Styled() const { return period_ > 0; }
    int Period() const { return period_ > 0 ? period_ : 1; }

    // Whether the pixel at `index` (>= 0) along the outline is a dash (true) or a gap.
    bool On(int64_t index) const {
        if (period_ == 0)
            return true;
        const int position = static_cast<int>(index % period_);
        return onMask_[position];
    }

  private:
    template <size_t N> void Set(const int (&lengths)[N]) {
        int at = 0;
        for (size_t i = 0; i < N; ++i)
            for (int k = 0; k < lengths[i]; ++k)
                onMask_[at++] = (i % 2) == 0;
        period_ = at;
    }

    std::array<bool, 32> onMask_{};
    int period_ = 0;
};

} // namespace plat::raster
