// Lines of RasterCanvas: pixel placement, clipping against a brute-force walk, far coordinates,
// pen styles and wide pens.
#include "platform/graphics/RasterCanvas.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

using namespace plat;
using raster_test::Art;

namespace {

std::string DrawLines(int width, int height, std::initializer_list<std::pair<TPoint, TPoint>> lines,
                      const TPen& pen = TPen{}) {
    Bitmap bitmap(width, height);
    RasterCanvas canvas(bitmap);
    canvas.Pen = pen;
    for (const auto& [from, to] : lines) {
        canvas.MoveTo(from.X, from.Y);
        canvas.LineTo(to.X, to.Y);
    }
    return Art(bitmap);
}

TEST(RasterLine, EndPixelIsNotDrawn) {
    EXPECT_EQ(DrawLines(8, 3, {{{1, 1}, {6, 1}}}), "........|.XXXXX..|........");
    EXPECT_EQ(DrawLines(3, 5, {{{1, 4}, {1, 0}}}), "...|.X.|.X.|.X.|.X.");
}

TEST(RasterLine, ShallowAndSteepLinesTakeTheNearestPixel) {
    // Slope 1/2: the minor step falls on the half, which goes away from the start.
    EXPECT_EQ(DrawLines(7, 3, {{{0, 0}, {6, 3}}}), "X......|.XX....|...XX..");
    EXPECT_EQ(DrawLines(3, 6, {{{0, 0}, {2, 6}}}), "X..|X..|.X.|.X.|.X.|..X");
}

TEST(RasterLine, PolylineClosesWithoutGaps) {
    EXPECT_EQ(DrawLines(6, 5, {{{1, 1}, {4, 1}}, {{4, 1}, {4, 3}}, {{4, 3}, {1, 3}}, {{1, 3}, {1, 1}}}),
              "......|.XXXX.|.X..X.|.XXXX.|......");
}

// The unclipped walk, straight from the rule: one pixel per major step, the minor offset rounded
// to nearest with halves away from the start.
raster_test::PixelSet ReferenceLine(int x0, int y0, int x1, int y1, int width, int height) {
    raster_test::PixelSet pixels;
    const int dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int major = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? std::abs(dy) : std::abs(dx);
    for (int i = 0; i < major; ++i) {
        const int k = (2 * i * minor + major) / (2 * major);
        const int a = i * ((xMajor ? dx : dy) < 0 ? -1 : 1);
        const int b = k * ((xMajor ? dy : dx) < 0 ? -1 : 1);
        const int x = x0 + (xMajor ? a : b), y = y0 + (xMajor ? b : a);
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels.insert({x, y});
    }
    return pixels;
}

TEST(RasterLine, ClippedWalkMatchesTheWholeWalk) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-70, 110);
    for (int n = 0; n < 3000; ++n) {
        const int x0 = coordinate(random), y0 = coordinate(random);
        const int x1 = coordinate(random), y1 = coordinate(random);
        Bitmap bitmap(40, 30);
        RasterCanvas canvas(bitmap);
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
        ASSERT_EQ(raster_test::PixelsOf(bitmap, clBlack), ReferenceLine(x0, y0, x1, y1, 40, 30))
            << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(RasterLine, FarCoordinatesDrawTheVisiblePart) {
    Bitmap bitmap(20, 10);
    RasterCanvas canvas(bitmap);
    canvas.MoveTo(INT_MIN, INT_MIN);
    canvas.LineTo(INT_MAX, INT_MAX); // a 45 degree diagonal through the origin
    raster_test::PixelSet diagonal;
    for (int i = 0; i < 10; ++i)
        diagonal.insert({i, i});
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clBlack), diagonal);

    Bitmap row(20, 10);
    RasterCanvas rowCanvas(row);
    rowCanvas.MoveTo(-1000000000, 5);
    rowCanvas.LineTo(1000000000, 5);
    EXPECT_EQ(raster_test::PixelsOf(row, clBlack).size(), 20u);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(row.GetPixel(x, 5), clBlack);

    // Lines that pass by the bitmap, and wide ones, draw nothing and return at once.
    Bitmap empty(20, 10);
    RasterCanvas emptyCanvas(empty);
    for (int width : {1, 3, RasterCanvas::kMaxPenWidth + 5}) {
        emptyCanvas.Pen.Width = width;
        emptyCanvas.MoveTo(INT_MIN, INT_MAX);
        emptyCanvas.LineTo(INT_MAX, INT_MAX);
        emptyCanvas.MoveTo(INT_MIN, -100000);
        emptyCanvas.LineTo(-1, -100000 + width);
    }
    EXPECT_TRUE(raster_test::PixelsOf(empty, clBlack).empty());
}

TEST(RasterLine, PenStylesDashTheLine) {
    struct Case {
        PenStyle style;
        const char* row;
    };
    const Case cases[] = {
        {PenStyle::Solid, "XXXXXXXXXXXXXXXXXXXXXXXXXXXX."},
        {PenStyle::Dot, "XXX...XXX...XXX...XXX...XXX.."},
        {PenStyle::Dash, "XXXXXXXXXXXXXXXXXX......XXXX."},
        {PenStyle::DashDot, "XXXXXXXXX......XXX......XXXX."},
        {PenStyle::DashDotDot, "XXXXXXXXX...XXX...XXX...XXXX."},
        {PenStyle::Clear, "............................."},
    };
    for (const Case& c : cases) {
        TPen pen;
        pen.Style = c.style;
        Bitmap bitmap(29, 1);
        RasterCanvas canvas(bitmap);
        canvas.Pen = pen;
        canvas.BackgroundMode = BkMode::Transparent;
        canvas.MoveTo(0, 0);
        canvas.LineTo(28, 0);
        EXPECT_EQ(Art(bitmap), std::string("") + c.row) << static_cast<int>(c.style);
    }
}

TEST(RasterLine, OpaqueBackgroundFillsTheGaps) {
    Bitmap bitmap(13, 1);
    RasterCanvas canvas(bitmap);
    canvas.Pen.Style = PenStyle::Dot;
    canvas.BackgroundMode = BkMode::Opaque;
    canvas.BackgroundColor = clRed;
    canvas.MoveTo(0, 0);
    canvas.LineTo(12, 0);
    EXPECT_EQ(Art(bitmap), "XXXrrrXXXrrr.");
}

TEST(RasterLine, PatternContinuesAlongAPolyline) {
    TPen dotted;
    dotted.Style = PenStyle::Dot;
    const std::string whole = DrawLines(16, 1, {{{0, 0}, {15, 0}}}, dotted);
    EXPECT_EQ(
        DrawLines(16, 1, {{{0, 0}, {2, 0}}, {{2, 0}, {4, 0}}, {{4, 0}, {11, 0}}, {{11, 0}, {15, 0}}}, dotted),
        whole);
    // A line that starts elsewhere starts the pattern afresh.
    EXPECT_EQ(DrawLines(16, 2, {{{0, 0}, {4, 0}}, {{4, 1}, {15, 1}}}, dotted),
              "XXX.............|....XXX...XXX...");
}

TEST(RasterLine, WidePensAreSolidAndCentred) {
    TPen pen;
    pen.Width = 3;
    pen.Style = PenStyle::Dot; // wider than one pixel: drawn solid
    EXPECT_EQ(DrawLines(12, 7, {{{2, 3}, {9, 3}}}, pen),
              "............|............|.XXXXXXXXX..|.XXXXXXXXX..|.XXXXXXXXX..|............|............");
    pen.Width = 5; // round tip: the corners of the 5 x 5 square stay clear
    EXPECT_EQ(DrawLines(9, 7, {{{4, 3}, {5, 3}}}, pen),
              ".........|...XXX...|..XXXXX..|..XXXXX..|..XXXXX..|...XXX...|.........");
}

TEST(RasterLine, WidthBelowOneDrawsOnePixel) {
    TPen pen;
    pen.Width = 0;
    EXPECT_EQ(DrawLines(4, 1, {{{0, 0}, {3, 0}}}, pen), "XXX.");
    pen.Width = -7;
    EXPECT_EQ(DrawLines(4, 1, {{{0, 0}, {3, 0}}}, pen), "XXX.");
}

TEST(RasterLine, LineToMovesThePen) {
    Bitmap bitmap(4, 4);
    RasterCanvas canvas(bitmap);
    canvas.Pen.Style = PenStyle::Clear;
    canvas.MoveTo(1, 1);
    canvas.LineTo(3, 2);
    EXPECT_EQ(canvas.PenPos(), (TPoint{3, 2}));
    EXPECT_TRUE(raster_test::PixelsOf(bitmap, clBlack).empty());
}

} // namespace
