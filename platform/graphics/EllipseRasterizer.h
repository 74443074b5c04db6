// Ellipses and arcs of the rasteriser.
//
// The shape of a box is the set of pixels whose centres lie inside the ellipse inscribed in the
// box's outer edges, plus the box's middle row(s) and middle column(s), so that the shape always
// reaches all four sides of its box (a 2 x 100 box gives two full columns, not two short ones).
// The test is exact integer arithmetic on doubled coordinates, so the shape is symmetric about
// both axes of its box, and a circle's shape is symmetric about its diagonals too.
//
// The outline is the border of the shape: its pixels that have a 4-neighbour outside it. Any
// 4-connected path from inside the shape to outside crosses the border, so a 4-connected flood
// fill never leaks through an outline, and for these row- and column-convex shapes the border is
// one 8-connected closed curve. Arcs are the border pixels whose direction from the centre lies
// in the arc's angular range; the border meets every ray from the centre in one monotone run, so
// an arc is 8-connected too.
//
// Everything works row by row: a row's span costs one integer square root, so a shape is drawn in
// the time of its visible rows, however large its box.
#pragma once

#include "platform/graphics/RasterMath.h"

#include <cstdint>

namespace plat::raster {

class EllipseShape {
  public:
    // box must not be empty.
    explicit EllipseShape(const Box& box);

    const Box& Bounds() const { return box_; }

    // The pixels of the shape in row y: [left, right]; false when the row has none.
    bool Span(int64_t y, int64_t& left, int64_t& right) const;
    // The pixels of the shape in row y whose four neighbours belong to the shape too.
    bool InteriorSpan(int64_t y, int64_t& left, int64_t& right) const;

    // Calls visit(x, y) for each border pixel inside clip, counter-clockwise on screen from the
    // rightmost middle pixel (angle 0), once each.
    template <class Visit> void ForEachBorderPixelInOrder(const ClipBox& clip, Visit&& visit) const;

  private:
    // Half the width of row `row` (0 = top row of the box) in doubled units: the row holds the
    // pixels with |2 (x - Left) - a_| <= the result; -1 when the row is outside the box.
    int64_t HalfWidth(int64_t row) const;
    int64_t HalfInterior(int64_t row) const;

    template <class Visit>
    void VisitRow(int64_t row, bool leftward, int quadrant, const ClipBox& clip, Visit& visit) const;

    Box box_;
    int64_t a_ = 0; // width - 1: doubled distance from the centre to the outermost pixel centres
    int64_t b_ = 0; // height - 1
    bool exact_ = true;
};

// The angular range of an arc: counter-clockwise on screen from the direction of the start point
// to the direction of the end point, both seen from the centre of the box; both ends included.
// A start and end in the same direction make the full ellipse. Directions are compared exactly.
class ArcSector {
  public:
    ArcSector(const Box& box, int64_t startX, int64_t startY, int64_t endX, int64_t endY);

    bool Full() const { return full_; }
    bool Contains(int64_t x, int64_t y) const;
    // Whether the direction of (x, y) comes at or after the start direction, counting from angle 0.
    bool AtOrAfterStart(int64_t x, int64_t y) const;

  private:
    struct Direction {
        int64_t X = 1; // doubled pixel units, Y up
        int64_t Y = 0;
    };
    Direction DirectionOf(int64_t x, int64_t y) const;
    static bool Before(const Direction& a, const Direction& b); // angle(a) < angle(b) in [0, 2 pi)

    int64_t centreX2_ = 0, centreY2_ = 0;
    Direction start_, end_;
    bool full_ = false;
    bool wraps_ = false; // the range passes angle 0
};

template <class Visit>
void EllipseShape::VisitRow(int64_t row, bool leftward, int quadrant, const ClipBox& clip,
                            Visit& visit) const {
    const int64_t y = box_.Top + row;
    if (y < clip.Top || y > clip.Bottom)
        return;
    int64_t left = 0, right = 0;
    if (!Span(y, left, right))
        return;
    int64_t innerLeft = right + 1, innerRight = right;
    if (!InteriorSpan(y, innerLeft, innerRight))
        innerLeft = right + 1, innerRight = right;
    // Pixel ownership by quadrant keeps the axes' pixels from being visited twice:
    // 0: u > 0 (or the centre), 1: u <= 0, 2: u < 0, 3: u >= 0, with u = 2 (x - Left) - a_.
    const int64_t rowV = 2 * row - b_;
    auto owned = [&](int64_t x) {
        const int64_t u = 2 * (x - box_.Left) - a_;
        switch (quadrant) {
        case 0:
            return u > 0 || (u == 0 && rowV == 0);
        case 1:
            return u <= 0;
        case 2:
            return u < 0;
        default:
            return u >= 0;
        }
    };
    auto run = [&](int64_t from, int64_t to) { // inclusive, from <= to
        from = from < clip.Left ? clip.Left : from;
        to = to > clip.Right ? clip.Right : to;
        if (leftward) {
            for (int64_t x = to; x >= from; --x)
                if (owned(x))
                    visit(x, y);
            return;
        }
        for (int64_t x = from; x <= to; ++x)
            if (owned(x))
                visit(x, y);
    };
    const bool hollow = innerLeft <= innerRight;
    if (!hollow)
        return run(left, right);
    if (leftward) {
        run(innerRight + 1, right);
        return run(left, innerLeft - 1);
    }
    run(left, innerLeft - 1);
    run(innerRight + 1, right);
}

template <class Visit>
void EllipseShape::ForEachBorderPixelInOrder(const ClipBox& clip, Visit&& visit) const {
    const int64_t rows = box_.Height();
    const int64_t upperLast = b_ / 2;        // rows 0 .. upperLast have v >= 0 (Y up)
    const int64_t lowerFirst = (b_ + 1) / 2; // rows lowerFirst .. rows-1 have v <= 0
    // Rows outside the clip are skipped without visiting them, so a huge shape costs its
    // visible rows only.
    auto rowFrom = [&](int64_t r) { return r < clip.Top - box_.Top ? clip.Top - box_.Top : r; };
    auto rowTo = [&](int64_t r) { return r > clip.Bottom - box_.Top ? clip.Bottom - box_.Top : r; };
    for (int64_t r = rowTo(upperLast); r >= rowFrom(0); --r) // quadrant I: up, leftward
        VisitRow(r, /*leftward=*/true, 0, clip, visit);
    for (int64_t r = rowFrom(0); r <= rowTo(lowerFirst - 1); ++r) // II: down, leftward
        if (2 * r < b_)
            VisitRow(r, /*leftward=*/true, 1, clip, visit);
    for (int64_t r = rowFrom(lowerFirst); r <= rowTo(rows - 1); ++r) // III: down, rightward
        VisitRow(r, /*leftward=*/false, 2, clip, visit);
    for (int64_t r = rowTo(rows - 1); r >= rowFrom(upperLast + 1); --r) // IV: up, rightward
        if (2 * r > b_)
            VisitRow(r, /*leftward=*/false, 3, clip, visit);
}

} // namespace plat::raster
