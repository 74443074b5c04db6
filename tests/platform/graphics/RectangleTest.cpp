// Rectangles and FillRect of RasterCanvas: which edges are drawn and filled, wide and styled pens,
// clear pens and brushes, far coordinates.
#include "platform/graphics/RasterCanvas.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <climits>
#include <gtest/gtest.h>

using namespace plat;
using raster_test::Art;

namespace {

struct RectangleCase {
    const char* name;
    TPen pen;
    BrushStyle brush;
    TRect box;
    const char* art;
};

class RasterRectangle : public testing::TestWithParam<RectangleCase> {};

TEST_P(RasterRectangle, Draws) {
    const RectangleCase& c = GetParam();
    Bitmap bitmap(9, 7);
    RasterCanvas canvas(bitmap);
    canvas.Pen = c.pen;
    canvas.Brush = TBrush{clRed, c.brush};
    canvas.BackgroundMode = BkMode::Transparent;
    canvas.Rectangle(c.box.Left, c.box.Top, c.box.Right, c.box.Bottom);
    EXPECT_EQ(Art(bitmap), c.art);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RasterRectangle,
    testing::Values(RectangleCase{"SolidPenAndBrush", TPen{}, BrushStyle::Solid, Rect(1, 1, 7, 6),
                                  ".........|.XXXXXX..|.XrrrrX..|.XrrrrX..|.XrrrrX..|.XXXXXX..|........."},
                    RectangleCase{"CornersInAnyOrder", TPen{}, BrushStyle::Clear, Rect(7, 6, 1, 1),
                                  ".........|.XXXXXX..|.X....X..|.X....X..|.X....X..|.XXXXXX..|........."},
                    RectangleCase{"ClearPenFillsTheWholeBox", TPen{clBlack, 1, PenStyle::Clear},
                                  BrushStyle::Solid, Rect(1, 1, 7, 6),
                                  ".........|.rrrrrr..|.rrrrrr..|.rrrrrr..|.rrrrrr..|.rrrrrr..|........."},
                    RectangleCase{"WidePenCoversAThinBox", TPen{clBlack, 3}, BrushStyle::Solid,
                                  Rect(2, 2, 7, 5),
                                  ".........|.XXXXXXX.|.XXXXXXX.|.XXXXXXX.|.XXXXXXX.|.XXXXXXX.|........."},
                    RectangleCase{"EvenPenReachesOutward", TPen{clBlack, 2}, BrushStyle::Solid,
                                  Rect(2, 2, 7, 5),
                                  ".........|.XXXXXXX.|.XXXXXXX.|.XXrrrXX.|.XXXXXXX.|.XXXXXXX.|........."},
                    RectangleCase{"DottedPenRunsClockwise", TPen{clBlack, 1, PenStyle::Dot},
                                  BrushStyle::Clear, Rect(0, 0, 9, 7),
                                  "XXX...XXX|.........|X........|X........|X.......X|........X|..XXX...X"},
                    RectangleCase{"OnePixelHigh", TPen{}, BrushStyle::Solid, Rect(1, 3, 8, 4),
                                  ".........|.........|.........|.XXXXXXX.|.........|.........|........."},
                    RectangleCase{"EmptyBox", TPen{}, BrushStyle::Solid, Rect(3, 1, 3, 6),
                                  ".........|.........|.........|.........|.........|.........|........."}),
    [](const testing::TestParamInfo<RectangleCase>& info) { return info.param.name; });

TEST(RasterFillRect, FillsLeftAndTopEdgesOnly) {
    Bitmap bitmap(5, 4);
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clBlue;
    canvas.FillRect(Rect(1, 1, 4, 3));
    canvas.FillRect(Rect(4, 3, 2, 0)); // right before left: empty
    EXPECT_EQ(Art(bitmap), ".....|.bbb.|.bbb.|.....");
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.FillRect(Rect(0, 0, 5, 4));
    EXPECT_EQ(bitmap.GetPixel(0, 0), clWhite);
}

TEST(RasterRectangle, FarCoordinatesAreClipped) {
    Bitmap bitmap(6, 5);
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clRed;
    canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clRed).size(), 30u);
    canvas.Pen.Width = RasterCanvas::kMaxPenWidth * 4;
    canvas.Rectangle(INT_MIN, 2, INT_MAX, 2);
    canvas.Pen.Width = 1;
    canvas.Pen.Style = PenStyle::DashDot;
    canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    canvas.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clRed).size(), 30u);
    // The left side of a box that starts on the bitmap and runs far off it.
    canvas.Pen.Style = PenStyle::Solid;
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Rectangle(2, 1, INT_MAX, INT_MAX);
    EXPECT_EQ(Art(bitmap), "rrrrrr|rrXXXX|rrXrrr|rrXrrr|rrXrrr");
}

} // namespace
