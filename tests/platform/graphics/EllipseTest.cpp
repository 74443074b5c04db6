// Ellipses and arcs of RasterCanvas: golden shapes, and the properties the designer relies on for
// many boxes: symmetry about both axes (and the diagonals for circles), one 8-connected closed
// outline that a flood fill cannot cross, arcs that are connected pieces of that outline.
#include "platform/graphics/RasterCanvas.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <random>

using namespace plat;
using raster_test::Art;
using raster_test::PixelSet;

namespace {

constexpr int kMargin = 3; // white frame around the box, for leak checks

struct Shape {
    Bitmap bitmap;
    TRect box; // inside the bitmap, kMargin from its edges
};

// An outline in black on white with a clear brush; pen width and style as given.
Shape DrawEllipse(int width, int height, int penWidth = 1, PenStyle style = PenStyle::Solid) {
    Shape shape{Bitmap(width + 2 * kMargin, height + 2 * kMargin), Bounds(kMargin, kMargin, width, height)};
    RasterCanvas canvas(shape.bitmap);
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Pen.Width = penWidth;
    canvas.Pen.Style = style;
    canvas.BackgroundMode = BkMode::Transparent;
    canvas.Ellipse(shape.box.Left, shape.box.Top, shape.box.Right, shape.box.Bottom);
    return shape;
}

// The ellipse filling its bitmap; a clear brush unless a colour is given.
std::string EllipseArt(int width, int height, std::optional<TColor> brush = {}) {
    Bitmap bitmap(width, height);
    RasterCanvas canvas(bitmap);
    canvas.Brush.Style = brush ? BrushStyle::Solid : BrushStyle::Clear;
    canvas.Brush.Color = brush.value_or(clWhite);
    canvas.Ellipse(0, 0, width, height);
    return Art(bitmap);
}

TEST(RasterEllipse, SmallShapes) {
    EXPECT_EQ(EllipseArt(5, 5), ".XXX.|X...X|X...X|X...X|.XXX.");
    EXPECT_EQ(EllipseArt(4, 4), ".XX.|X..X|X..X|.XX.");
    EXPECT_EQ(EllipseArt(9, 7), "..XXXXX..|.X.....X.|X.......X|X.......X|X.......X|.X.....X.|..XXXXX..");
}

TEST(RasterEllipse, BrushFillsInsideTheOutline) {
    EXPECT_EQ(EllipseArt(7, 7, clRed), "..XXX..|.XrrrX.|XrrrrrX|XrrrrrX|XrrrrrX|.XrrrX.|..XXX..");
}

TEST(RasterEllipse, ThinBoxesReachAllFourSides) {
    EXPECT_EQ(EllipseArt(1, 4), "X|X|X|X");
    EXPECT_EQ(EllipseArt(5, 1), "XXXXX");
    EXPECT_EQ(EllipseArt(2, 6), "XX|XX|XX|XX|XX|XX");
    EXPECT_EQ(EllipseArt(12, 2), "XXXXXXXXXXXX|XXXXXXXXXXXX");
    EXPECT_EQ(EllipseArt(15, 3), "..XXXXXXXXXXX..|XX...........XX|..XXXXXXXXXXX..");
}

TEST(RasterEllipse, EmptyBoxDrawsNothingAndCornersMayComeInAnyOrder) {
    EXPECT_EQ(EllipseArt(0, 5), "||||");
    Bitmap normal(8, 6), swapped(8, 6);
    RasterCanvas(normal).Ellipse(1, 1, 7, 5);
    RasterCanvas(swapped).Ellipse(7, 5, 1, 1);
    EXPECT_EQ(Art(swapped), Art(normal));
    Bitmap flat(8, 6);
    RasterCanvas(flat).Ellipse(3, 2, 3, 5);
    EXPECT_TRUE(raster_test::PixelsOf(flat, clBlack).empty());
}

PixelSet Mirrored(const PixelSet& pixels, const TRect& box, bool horizontal) {
    PixelSet result;
    for (auto [x, y] : pixels)
        result.insert(horizontal ? std::pair{box.Left + box.Right - 1 - x, y}
                                 : std::pair{x, box.Top + box.Bottom - 1 - y});
    return result;
}

PixelSet Transposed(const PixelSet& pixels, const TRect& box) {
    PixelSet result;
    for (auto [x, y] : pixels)
        result.insert({box.Left + (y - box.Top), box.Top + (x - box.Left)});
    return result;
}

// Fills from the box's centre with red and checks that no red reaches the frame around the box.
// Returns false when the centre is on the outline (no inside to fill).
bool FillStaysInside(Shape& shape) {
    const int cx = (shape.box.Left + shape.box.Right - 1) / 2;
    const int cy = (shape.box.Top + shape.box.Bottom - 1) / 2;
    if (shape.bitmap.GetPixel(cx, cy) != clWhite)
        return false;
    RasterCanvas canvas(shape.bitmap);
    canvas.Brush.Color = clRed;
    canvas.FloodFill(cx, cy, clBlack, FillStyle::Border);
    for (int y = 0; y < shape.bitmap.Height(); ++y)
        for (int x = 0; x < shape.bitmap.Width(); ++x)
            if (!shape.box.Contains(x, y) && shape.bitmap.GetPixel(x, y) != clWhite)
                ADD_FAILURE() << "leak at " << x << "," << y;
    return true;
}

TEST(RasterEllipse, OutlinesAreSymmetricConnectedAndClosed) {
    int filled = 0;
    for (int width = 1; width <= 48; ++width) {
        for (int height = 1; height <= 48; height += (width % 5) + 1) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            Shape shape = DrawEllipse(width, height);
            const PixelSet outline = raster_test::PixelsOf(shape.bitmap, clBlack);
            ASSERT_TRUE(raster_test::EightConnected(outline));
            EXPECT_EQ(Mirrored(outline, shape.box, true), outline);
            EXPECT_EQ(Mirrored(outline, shape.box, false), outline);
            // The outline touches every side of its box and stays inside it.
            int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
            for (auto [x, y] : outline) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
            EXPECT_EQ(Rect(left, top, right + 1, bottom + 1), shape.box);
            if (FillStaysInside(shape))
                ++filled;
        }
    }
    EXPECT_GT(filled, 300);
}

TEST(RasterEllipse, CirclesAreSymmetricAboutTheDiagonals) {
    for (int size = 1; size <= 80; ++size) {
        const Shape shape = DrawEllipse(size, size);
        const PixelSet outline = raster_test::PixelsOf(shape.bitmap, clBlack);
        EXPECT_EQ(Transposed(outline, shape.box), outline) << size;
    }
}

TEST(RasterEllipse, WidePensStaySymmetricAndClosed) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> side(1, 60);
    for (int n = 0; n < 200; ++n) {
        const int width = side(random), height = side(random), pen = 2 + n % 6;
        SCOPED_TRACE(testing::Message() << width << " x " << height << " pen " << pen);
        // A wide pen reaches pen / 2 outside the box: draw in a box moved in by that much.
        Shape shape{Bitmap(width + 2 * kMargin + pen, height + 2 * kMargin + pen), {}};
        shape.box = Bounds(kMargin + pen / 2, kMargin + pen / 2, width, height);
        RasterCanvas canvas(shape.bitmap);
        canvas.Pen.Width = pen;
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.Ellipse(shape.box.Left, shape.box.Top, shape.box.Right, shape.box.Bottom);
        const PixelSet outline = raster_test::PixelsOf(shape.bitmap, clBlack);
        ASSERT_TRUE(raster_test::EightConnected(outline));
        EXPECT_EQ(Mirrored(outline, shape.box, true), outline);
        EXPECT_EQ(Mirrored(outline, shape.box, false), outline);
        const TRect reach = Rect(shape.box.Left - pen / 2, shape.box.Top - pen / 2, shape.box.Right + pen / 2,
                                 shape.box.Bottom + pen / 2);
        for (auto [x, y] : outline)
            ASSERT_TRUE(reach.Contains(x, y)) << x << "," << y;
        shape.box = reach;
        FillStaysInside(shape);
    }
}

// Outline pixels of an arc drawn alone in black on white.
PixelSet ArcPixels(const TRect& box, TPoint start, TPoint end, int penWidth = 1) {
    Bitmap bitmap(box.Right + kMargin + penWidth, box.Bottom + kMargin + penWidth);
    RasterCanvas canvas(bitmap);
    canvas.Pen.Width = penWidth;
    canvas.Arc(box.Left, box.Top, box.Right, box.Bottom, start.X, start.Y, end.X, end.Y);
    return raster_test::PixelsOf(bitmap, clBlack);
}

TEST(RasterArc, QuarterArcGoesCounterClockwise) {
    Bitmap bitmap(9, 9);
    RasterCanvas canvas(bitmap);
    // From the right (0 degrees) to the top (90 degrees): the upper right quarter.
    canvas.Arc(0, 0, 9, 9, 20, 4, 4, -20);
    EXPECT_EQ(Art(bitmap),
              "....XXX..|.......X.|........X|........X|........X|.........|.........|.........|.........");
}

TEST(RasterArc, ComplementaryArcsMakeTheEllipse) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> side(1, 50), point(-30, 90);
    for (int n = 0; n < 400; ++n) {
        const TRect box = Bounds(kMargin, kMargin, side(random), side(random));
        const TPoint a{point(random), point(random)}, b{point(random), point(random)};
        const int pen = n % 4 == 0 ? 3 : 1;
        SCOPED_TRACE(testing::Message() << box.Width() << " x " << box.Height() << " from " << a.X << ","
                                        << a.Y << " to " << b.X << "," << b.Y << " pen " << pen);
        const PixelSet first = ArcPixels(box, a, b, pen);
        const PixelSet second = ArcPixels(box, b, a, pen);
        const PixelSet whole = ArcPixels(box, a, a, pen); // equal directions: the full outline
        if (pen == 1) {
            if (!first.empty())
                EXPECT_TRUE(raster_test::EightConnected(first));
            if (!second.empty())
                EXPECT_TRUE(raster_test::EightConnected(second));
        }
        PixelSet both = first;
        both.insert(second.begin(), second.end());
        EXPECT_EQ(both, whole);

        Bitmap reference(box.Right + kMargin + pen, box.Bottom + kMargin + pen);
        RasterCanvas canvas(reference);
        canvas.Pen.Width = pen;
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
        EXPECT_EQ(whole, raster_test::PixelsOf(reference, clBlack));
    }
}

TEST(RasterArc, HalfArcAndItsChordCloseARegion) {
    for (int width = 3; width <= 61; width += 2) {
        for (int height = 3; height <= 41; height += 2) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            Shape shape{Bitmap(width + 2 * kMargin, height + 2 * kMargin),
                        Bounds(kMargin, kMargin, width, height)};
            const TRect& box = shape.box;
            const int middle = (box.Top + box.Bottom - 1) / 2;
            RasterCanvas canvas(shape.bitmap);
            // Upper half from the rightmost to the leftmost middle pixel, closed by the middle row.
            canvas.Arc(box.Left, box.Top, box.Right, box.Bottom, box.Right + 5, middle, box.Left - 5, middle);
            canvas.MoveTo(box.Left, middle);
            canvas.LineTo(box.Right, middle);
            const int seedX = (box.Left + box.Right - 1) / 2;
            const int seedY = middle - 1;
            if (shape.bitmap.GetPixel(seedX, seedY) != clWhite)
                continue;
            canvas.Brush.Color = clRed;
            canvas.FloodFill(seedX, seedY, clBlack, FillStyle::Border);
            for (int y = middle + 1; y < shape.bitmap.Height(); ++y)
                for (int x = 0; x < shape.bitmap.Width(); ++x)
                    ASSERT_NE(shape.bitmap.GetPixel(x, y), clRed) << "leak at " << x << "," << y;
            ASSERT_EQ(shape.bitmap.GetPixel(0, 0), clWhite);
        }
    }
}

TEST(RasterArc, StyledArcIsPartOfTheSolidArc) {
    const TRect box = Bounds(kMargin, kMargin, 40, 30);
    const PixelSet solid = ArcPixels(box, {100, 0}, {0, 100});
    Bitmap bitmap(box.Right + kMargin, box.Bottom + kMargin);
    RasterCanvas canvas(bitmap);
    canvas.Pen.Style = PenStyle::Dot;
    canvas.BackgroundMode = BkMode::Opaque;
    canvas.BackgroundColor = clRed;
    canvas.Arc(box.Left, box.Top, box.Right, box.Bottom, 100, 0, 0, 100);
    PixelSet styled = raster_test::PixelsOf(bitmap, clBlack);
    const PixelSet gaps = raster_test::PixelsOf(bitmap, clRed);
    EXPECT_FALSE(gaps.empty());
    styled.insert(gaps.begin(), gaps.end());
    EXPECT_EQ(styled, solid);
}

TEST(RasterEllipse, FarBoxesCostTheirVisiblePart) {
    Bitmap bitmap(50, 40);
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clRed;
    canvas.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clRed).size(), 50u * 40u); // inside, far from the outline
    canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    canvas.Pen.Width = 9;
    canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    canvas.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MIN);
    canvas.Pen.Width = 1;
    canvas.Pen.Style = PenStyle::Dot;
    canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    canvas.Arc(-40000, -40000, 40000, 40000, 0, 0, INT_MAX, INT_MIN);
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clRed).size(), 50u * 40u);

    // A box 50 wide and two billion high: its middle rows are on the bitmap, as two columns.
    Bitmap tall(50, 40);
    RasterCanvas tallCanvas(tall);
    tallCanvas.Brush.Style = BrushStyle::Clear;
    tallCanvas.Ellipse(0, -1000000000, 50, 1000000000);
    PixelSet sides;
    for (int y = 0; y < 40; ++y)
        sides.insert({{0, y}, {49, y}});
    EXPECT_EQ(raster_test::PixelsOf(tall, clBlack), sides);
}

} // namespace
