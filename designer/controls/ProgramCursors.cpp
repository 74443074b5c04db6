// The cursor pictures are built from a few filled shapes: a pixel inside a shape with a neighbour
// outside every shape is drawn black, the rest of the inside in near-white, so that the cursor
// shows white with a black outline while pure white stays transparent. Details (dividing lines,
// handles, paint) are inked in solid black on top.
#include "designer/controls/ProgramCursors.h"

#include "platform/ui/Cursors.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Pure white would be transparent; the inside of a cursor is one step off it.
constexpr plat::TColor kInside = 0xFEFEFE;

using TShape = std::function<bool(int, int)>;

// A convex or concave polygon, by the even-odd rule at the pixel's centre.
TShape Polygon(std::vector<plat::TPoint> points) {
    return [points = std::move(points)](int x, int y) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto& a = points[i];
            const auto& b = points[j];
            if ((a.Y > py) != (b.Y > py) &&
                px < a.X + (py - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y))
                inside = !inside;
        }
        return inside;
    };
}

TShape Box(int left, int top, int right, int bottom) {
    return [=](int x, int y) { return x >= left && x < right && y >= top && y < bottom; };
}

// The points within `halfWidth` of the segment from (x0, y0) to (x1, y1): strokes at any angle.
TShape Segment(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](int x, int y) {
        const double px = x + 0.5 - x0;
        const double py = y + 0.5 - y0;
        const double dx = x1 - x0;
        const double dy = y1 - y0;
        const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double ex = px - t * dx;
        const double ey = py - t * dy;
        return ex * ex + ey * ey <= halfWidth * halfWidth;
    };
}

// A ring between two radii around a centre, optionally only where `keep` says; with scales it
// is an elliptic ring, the radii multiplied by `scaleX` across and `scaleY` down.
TShape Ring(double cx, double cy, double outer, double inner, std::function<bool(int, int)> keep = nullptr,
            double scaleX = 1, double scaleY = 1) {
    return [=](int x, int y) {
        const double dx = (x + 0.5 - cx) / scaleX;
        const double dy = (y + 0.5 - cy) / scaleY;
        const double d2 = dx * dx + dy * dy;
        return d2 <= outer * outer && d2 >= inner * inner && (!keep || keep(x, y));
    };
}

TShape Oval(double cx, double cy, double rx, double ry) {
    return Ring(cx, cy, 1, 0, nullptr, rx, ry);
}

TShape Disc(double cx, double cy, double radius) {
    return Ring(cx, cy, radius, 0);
}

// A finger pointing up: a bar with a round top.
TShape Finger(int left, int right, int top, int bottom) {
    const double r = (right - left) / 2.0;
    return [=](int x, int y) {
        if (x < left || x >= right || y >= bottom || y < top)
            return false;
        if (y + 0.5 >= top + r)
            return true;
        const double dx = x + 0.5 - (left + r);
        const double dy = y + 0.5 - (top + r);
        return dx * dx + dy * dy <= r * r;
    };
}

// `shapes` make the cursor's body: white with a one-pixel black outline. `ink` is drawn solid
// black over it and may reach outside it (handles, drips, dividing lines).
plat::Bitmap Draw(const std::vector<TShape>& shapes, const std::vector<TShape>& ink = {}) {
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kCursorSize || y >= kCursorSize)
            return false;
        for (const auto& shape : shapes)
            if (shape(x, y))
                return true;
        return false;
    };
    plat::Bitmap picture(kCursorSize, kCursorSize);
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge = x == 0 || y == 0 || x == kCursorSize - 1 || y == kCursorSize - 1 ||
                              !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                              !inside(x, y + 1);
            picture.SetPixel(x, y, edge ? plat::clBlack : kInside);
        }
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x)
            for (const auto& shape : ink)
                if (shape(x, y))
                    picture.SetPixel(x, y, plat::clBlack);
    return picture;
}

// A paint brush held diagonally: a slim handle up right, a metal band, and the bristles down
// left, their tip wet with black paint; the tip is the hot spot.
std::vector<TShape> BrushShapes() {
    return {Segment(28, 3, 18, 13, 2.2), Segment(18, 13, 13, 18, 3.2),
            Polygon({{10, 15}, {16, 21}, {8, 28}, {1, 31}, {3, 24}})};
}

std::vector<TShape> BrushInk() {
    return {Segment(15.5, 10.5, 20.5, 15.5, 0.6), Polygon({{4, 24}, {8, 28}, {1, 31}}), Box(1, 28, 3, 31)};
}

TCursorPicture Brush() {
    return {Draw(BrushShapes(), BrushInk()), {1, 30}};
}

// The brush with a plus beside it, the variant used while Shift is held.
TCursorPicture BrushS() {
    auto shapes = BrushShapes();
    shapes.push_back(Box(22, 19, 32, 25));
    shapes.push_back(Box(24, 17, 30, 27));
    auto ink = BrushInk();
    ink.push_back(Box(23, 21, 31, 23));
    ink.push_back(Box(26, 18, 28, 26));
    return {Draw(shapes, ink), {1, 30}};
}

// A pencil drawing the outline: its body up right with a band at the eraser's end, the sharpened
// wood and the lead at the bottom left.
TCursorPicture Contur() {
    return {Draw({Polygon({{24, 1}, {31, 8}, {10, 29}, {3, 22}}),
                  Polygon({{3, 22}, {10, 29}, {1, 31}, {0, 31}, {0, 30}})},
                 {Segment(20.5, 4.5, 27.5, 11.5, 0.7), Segment(3.5, 22.5, 10.5, 29.5, 0.7),
                  Polygon({{0, 27}, {4, 31}, {0, 32}}), Box(0, 29, 3, 32)}),
            {0, 31}};
}

// A paint bucket brimming with black paint, its handle arched over it, the paint running over
// the left rim down into a drop, which is the hot spot.
TCursorPicture Fill() {
    auto above = [](int, int y) { return y < 10; };
    return {Draw({Polygon({{12, 10}, {28, 10}, {26, 27}, {14, 27}}), Oval(20, 10, 8, 3), Oval(20, 27, 6, 2)},
                 {Oval(20, 10.5, 6, 1.6), Ring(20, 10, 1, 0.86, above, 9.5, 8.5), Segment(13, 10, 7, 17, 1.2),
                  Segment(7, 17, 4, 25, 1.2), Disc(3.5, 27.5, 2.6)}),
            {3, 29}};
}

// A hand pointing up with the index finger, whose tip is the hot spot; the other fingers are
// curled, the thumb lies against the palm.
TCursorPicture Hand() {
    return {Draw({Finger(10, 16, 0, 18), Finger(16, 21, 9, 20), Finger(21, 26, 11, 21),
                  Finger(26, 30, 14, 22), Polygon({{3, 16}, {6, 14}, {11, 18}, {11, 25}, {8, 25}}),
                  Box(10, 17, 30, 27), Box(12, 27, 28, 32)},
                 {Box(16, 11, 17, 18), Box(21, 13, 22, 19), Box(26, 16, 27, 20), Box(12, 27, 28, 28)}),
            {13, 1}};
}

// A dress: the garment being carried to the doll, held at its neckline.
TCursorPicture Model() {
    return {Draw({Polygon({{11, 2},
                           {21, 2},
                           {26, 8},
                           {22, 11},
                           {21, 13},
                           {29, 30},
                           {3, 30},
                           {11, 13},
                           {10, 11},
                           {6, 8}})},
                 {Box(11, 12, 21, 14)}),
            {16, 3}};
}

// A circular arrow going round clockwise: the doll turns. The hot spot is the circle's centre.
TCursorPicture Rotate() {
    // The ring is open in the upper right, between the arrow head and 15 degrees above the
    // horizontal.
    auto open = [](int x, int y) {
        const double angle = std::atan2(16 - (y + 0.5), x + 0.5 - 16) * 180 / 3.14159265358979;
        return !(angle > 15 && angle < 72);
    };
    return {Draw({Ring(16, 16, 12, 7.5, open), Polygon({{21, 1}, {27, 10}, {17, 12}})}, {Disc(16, 16, 1.6)}),
            {16, 16}};
}

} // namespace

TCursorPicture ProgramCursorPicture(plat::TCursor number) {
    switch (number) {
    case crBrush:
        return Brush();
    case crContur:
        return Contur();
    case crFill:
        return Fill();
    case crHand:
        return Hand();
    case crModel:
        return Model();
    case crRotate:
        return Rotate();
    case crBrushS:
        return BrushS();
    default:
        return {};
    }
}

void RegisterProgramCursors() {
    for (const plat::TCursor number : kProgramCursors) {
        const TCursorPicture cursor = ProgramCursorPicture(number);
        plat::RegisterCursor(number, cursor.Picture, cursor.HotSpot);
    }
}
