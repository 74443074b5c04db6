// The cursor pictures are built from a few filled shapes: a pixel inside a shape with a neighbour
// outside every shape is drawn black, the rest of the inside in near-white, so that the cursor
// shows white with a black outline while pure white stays transparent.
#include "designer/controls/ProgramCursors.h"

#include "platform/ui/Cursors.h"

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

// A ring between two radii around a centre, optionally open where `gap` says.
TShape Ring(double cx, double cy, double outer, double inner, std::function<bool(int, int)> gap = nullptr) {
    return [=](int x, int y) {
        const double dx = x + 0.5 - cx;
        const double dy = y + 0.5 - cy;
        const double d2 = dx * dx + dy * dy;
        return d2 <= outer * outer && d2 >= inner * inner && !(gap && gap(x, y));
    };
}

plat::Bitmap Draw(const std::vector<TShape>& shapes, const std::vector<plat::TRect>& blackLines = {}) {
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
    for (const auto& line : blackLines)
        for (int y = line.Top; y < line.Bottom; ++y)
            for (int x = line.Left; x < line.Right; ++x)
                picture.SetPixel(x, y, plat::clBlack);
    return picture;
}

// A brush held diagonally: the handle up right, the bristles down left ending at the tip, which
// is drawn solid so that the hot spot is on the picture.
const plat::TRect kBrushTip = plat::Rect(1, 28, 3, 31);

std::vector<TShape> BrushShapes() {
    return {Polygon({{22, 2}, {29, 9}, {16, 20}, {12, 16}}), Polygon({{12, 14}, {18, 20}, {14, 24}, {8, 18}}),
            Polygon({{9, 18}, {14, 23}, {6, 29}, {1, 30}, {2, 25}})};
}

TCursorPicture Brush() {
    return {Draw(BrushShapes(), {kBrushTip}), {1, 30}};
}

// The brush with a small plus beside it, the variant used while Shift is held.
TCursorPicture BrushS() {
    auto shapes = BrushShapes();
    shapes.push_back(Box(22, 19, 32, 25));
    shapes.push_back(Box(24, 17, 30, 27));
    return {Draw(shapes, {kBrushTip, plat::Rect(23, 21, 31, 23), plat::Rect(26, 18, 28, 26)}), {1, 30}};
}

// A pencil drawing the outline, its point at the bottom left.
TCursorPicture Contur() {
    return {Draw({Polygon({{24, 1}, {31, 8}, {10, 29}, {3, 22}}),
                  Polygon({{3, 22}, {10, 29}, {1, 31}, {0, 31}, {0, 30}})},
                 {plat::Rect(0, 29, 3, 32)}),
            {0, 31}};
}

// A tipped paint bucket pouring from its lip at the bottom left.
TCursorPicture Fill() {
    return {Draw({Polygon({{14, 4}, {29, 15}, {20, 28}, {5, 17}}),
                  Ring(17, 9, 8, 6, [](int, int y) { return y > 9; }),
                  Polygon({{5, 17}, {8, 19}, {3, 28}, {1, 26}})},
                 {plat::Rect(1, 28, 4, 31)}),
            {2, 30}};
}

// A hand pointing up with the index finger; the finger's tip is the hot spot.
TCursorPicture Hand() {
    return {Draw({Box(10, 1, 16, 20), Box(16, 10, 21, 22), Box(21, 12, 26, 22), Box(26, 14, 30, 24),
                  Polygon({{3, 16}, {7, 14}, {11, 20}, {11, 24}}), Box(8, 19, 30, 30)}),
            {12, 1}};
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
                 {plat::Rect(11, 12, 21, 14)}),
            {16, 3}};
}

// An almost closed circle with an arrow head: the doll turns.
TCursorPicture Rotate() {
    return {Draw({Ring(16, 16, 13, 8, [](int x, int y) { return x > 16 && y < 10; }),
                  Polygon({{16, 0}, {26, 8}, {16, 16}})}),
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
