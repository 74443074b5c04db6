#include "platform/graphics/EllipseRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plat::raster {

uint64_t ISqrt(UInt128 n) {
    auto root = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
    while (root > 0 && UInt128(root) * root > n)
        --root;
    while (UInt128(root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

namespace {

// Up to this side the shape test runs in exact 128-bit integers ((2^31)^4 = 2^124). Larger boxes
// only come from coordinates near the ends of the int range, of which a bitmap shows a sliver;
// they use long double, which is still deterministic and still gives closed outlines, because
// the border is derived from whatever row widths the test gives.
constexpr int64_t kExactSide = int64_t(1) << 31;

} // namespace

EllipseShape::EllipseShape(const Box& box) : box_(box) {
    a_ = box.Width() - 1;
    b_ = box.Height() - 1;
    exact_ = box.Width() <= kExactSide && box.Height() <= kExactSide;
}

int64_t EllipseShape::HalfWidth(int64_t row) const {
    if (row < 0 || row > b_)
        return -1;
    const int64_t v = std::llabs(2 * row - b_);
    const int64_t middle = b_ & 1;
    if (v == middle)
        return a_; // the middle row(s) span the whole box
    const int64_t w = box_.Width();
    const int64_t h = box_.Height();
    // Pixel centres inside the ellipse inscribed in the outer edges: u^2 h^2 <= (h^2 - v^2) w^2,
    // with u and v the doubled offsets of the centre from the middle of the box.
    int64_t u = 0;
    if (exact_) {
        const UInt128 rhs = (UInt128(h) * h - UInt128(v) * v) * (UInt128(w) * w);
        u = static_cast<int64_t>(ISqrt(rhs) / static_cast<uint64_t>(h));
    } else {
        const long double t = static_cast<long double>(v) / h;
        u = static_cast<int64_t>(std::floor(w * std::sqrt(std::max(0.0L, 1.0L - t * t))));
    }
    if (((u ^ a_) & 1) != 0)
        --u;                    // offsets of pixel centres have the parity of a_
    return std::max(u, a_ & 1); // the middle column(s) run the full height
}

int64_t EllipseShape::HalfInterior(int64_t row) const {
    const int64_t here = HalfWidth(row);
    if (here < 0)
        return -1;
    return std::min({here - 2, HalfWidth(row - 1), HalfWidth(row + 1)});
}

bool EllipseShape::Span(int64_t y, int64_t& left, int64_t& right) const {
    const int64_t half = HalfWidth(y - box_.Top);
    if (half < 0)
        return false;
    left = box_.Left + (a_ - half) / 2;
    right = box_.Left + (a_ + half) / 2;
    return true;
}

bool EllipseShape::InteriorSpan(int64_t y, int64_t& left, int64_t& right) const {
    const int64_t half = HalfInterior(y - box_.Top);
    if (half < 0)
        return false;
    left = box_.Left + (a_ - half) / 2;
    right = box_.Left + (a_ + half) / 2;
    return true;
}

ArcSector::ArcSector(const Box& box, int64_t startX, int64_t startY, int64_t endX, int64_t endY)
    : centreX2_(box.Left + box.Right - 1), centreY2_(box.Top + box.Bottom - 1) {
    start_ = DirectionOf(startX, startY);
    end_ = DirectionOf(endX, endY);
    full_ = !Before(start_, end_) && !Before(end_, start_);
    wraps_ = Before(end_, start_);
}

ArcSector::Direction ArcSector::DirectionOf(int64_t x, int64_t y) const {
    Direction d{2 * x - centreX2_, centreY2_ - 2 * y};
    if (d.X == 0 && d.Y == 0)
        return Direction{}; // the centre itself points along angle 0
    return d;
}

bool ArcSector::Before(const Direction& a, const Direction& b) {
    // Upper half-plane (angles [0, pi)) first, then the lower; within a half, by cross product.
    auto lowerHalf = [](const Direction& d) { return d.Y < 0 || (d.Y == 0 && d.X < 0); };
    if (lowerHalf(a) != lowerHalf(b))
        return !lowerHalf(a);
    return Int128(a.X) * b.Y - Int128(a.Y) * b.X > 0;
}

bool ArcSector::Contains(int64_t x, int64_t y) const {
    if (full_)
        return true;
    if (2 * x == centreX2_ && 2 * y == centreY2_)
        return true; // the centre pixel (boxes one pixel wide or high) belongs to every arc
    const Direction d = DirectionOf(x, y);
    const bool afterStart = !Before(d, start_);
    const bool beforeEnd = !Before(end_, d);
    return wraps_ ? (afterStart || beforeEnd) : (afterStart && beforeEnd);
}

bool ArcSector::AtOrAfterStart(int64_t x, int64_t y) const {
    return !Before(DirectionOf(x, y), start_);
}

} // namespace plat::raster
