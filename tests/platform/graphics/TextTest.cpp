// Text of RasterCanvas through Qt: glyphs land on the bitmap's own pixels in exact colours, the
// cell and its background, escapement, Cyrillic from cp1251, and the font's pixel height.
#include "platform/graphics/GuiApplication.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace plat;

namespace {

class RasterText : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        EnsureGuiApplication();
    }
};

struct Ink {
    int count = 0;
    TRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    int otherColours = 0; // pixels neither background nor ink colour
};

Ink InkOf(const Bitmap& bitmap, TColor ink, TColor background = clWhite) {
    Ink result;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.GetPixel(x, y);
            if (c == background)
                continue;
            if (c != ink) {
                ++result.otherColours;
                continue;
            }
            ++result.count;
            result.bounds.Left = std::min(result.bounds.Left, x);
            result.bounds.Top = std::min(result.bounds.Top, y);
            result.bounds.Right = std::max(result.bounds.Right, x + 1);
            result.bounds.Bottom = std::max(result.bounds.Bottom, y + 1);
        }
    return result;
}

TEST_F(RasterText, GlyphsInkTheCellInTheFontColourOnly) {
    Bitmap bitmap(160, 50);
    RasterCanvas canvas(bitmap);
    canvas.Font.Size = 14;
    canvas.Font.Color = clRed;
    canvas.BackgroundMode = BkMode::Transparent;
    canvas.TextOut(7, 5, "Hello, Mary");
    const Ink ink = InkOf(bitmap, clRed);
    EXPECT_GT(ink.count, 50);
    EXPECT_EQ(ink.otherColours, 0);
    const TRect cell = Bounds(7, 5, canvas.TextWidth("Hello, Mary"), canvas.TextHeight("Hello, Mary"));
    EXPECT_GE(ink.bounds.Left, cell.Left);
    EXPECT_GE(ink.bounds.Top, cell.Top);
    EXPECT_LE(ink.bounds.Right, cell.Right);
    EXPECT_LE(ink.bounds.Bottom, cell.Bottom);
}

TEST_F(RasterText, CyrillicComesFromCp1251) {
    auto draw = [](const std::string& text) {
        Bitmap bitmap(120, 40);
        RasterCanvas canvas(bitmap);
        canvas.Font.Size = 16;
        canvas.TextOut(2, 2, text);
        return bitmap;
    };
    const std::string word = Ru("Жилет");
    ASSERT_EQ(word.size(), 5u); // one byte a letter
    const Bitmap cyrillic = draw(word);
    EXPECT_GT(InkOf(cyrillic, clBlack).count, 40);
    EXPECT_NE(cyrillic, draw("?????"));
    EXPECT_NE(draw(Ru("Ж")), draw("?"));
}

TEST_F(RasterText, OpaqueModeFillsTheCell) {
    Bitmap bitmap(80, 40);
    RasterCanvas canvas(bitmap);
    canvas.BackgroundMode = BkMode::Opaque;
    canvas.BackgroundColor = clBlue;
    canvas.TextOut(3, 4, "Ab");
    const TRect cell = Bounds(3, 4, canvas.TextWidth("Ab"), canvas.TextHeight("Ab"));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.GetPixel(x, y);
            if (cell.Contains(x, y))
                ASSERT_TRUE(c == clBlue || c == clBlack) << x << "," << y;
            else
                ASSERT_EQ(c, clWhite) << x << "," << y;
        }
    EXPECT_GT(InkOf(bitmap, clBlack, clBlue).count, 10);
}

TEST_F(RasterText, EscapementTurnsAboutTheOrigin) {
    struct Case {
        int escapement;
        bool upward; // text runs up the bitmap (else down... or left)
        bool leftward;
    };
    for (const Case c : {Case{900, true, false}, Case{1800, false, true}, Case{-900, false, false}}) {
        Bitmap bitmap(160, 160);
        RasterCanvas canvas(bitmap);
        canvas.Font.Size = 12;
        canvas.Font.Escapement = c.escapement;
        canvas.BackgroundMode = BkMode::Transparent;
        const std::string text = "WWWWWW";
        const int width = canvas.TextWidth(text), height = canvas.TextHeight(text);
        ASSERT_GT(width, 2 * height);
        canvas.TextOut(80, 80, text);
        const Ink ink = InkOf(bitmap, clBlack);
        SCOPED_TRACE(c.escapement);
        EXPECT_EQ(ink.otherColours, 0);
        if (c.escapement == 1800) { // upside down, to the left of and above the origin
            EXPECT_LE(ink.bounds.Right, 81);
            EXPECT_LE(ink.bounds.Bottom, 81);
            EXPECT_GT(ink.bounds.Width(), ink.bounds.Height());
            continue;
        }
        EXPECT_GT(ink.bounds.Height(), ink.bounds.Width()); // standing on end
        if (c.upward) {                                     // reading bottom to top, right of the origin
            EXPECT_LE(ink.bounds.Bottom, 81);
            EXPECT_GE(ink.bounds.Left, 79);
        } else { // reading top to bottom, left of the origin
            EXPECT_GE(ink.bounds.Top, 79);
            EXPECT_LE(ink.bounds.Right, 81);
        }
    }
}

TEST_F(RasterText, MetricsFollowTheFont) {
    Bitmap bitmap; // measuring needs no pixels
    RasterCanvas canvas(bitmap, 96);
    canvas.Font.Size = 10;
    EXPECT_EQ(canvas.FontPixelHeight(), 13);
    const int height = canvas.TextHeight("x");
    EXPECT_GE(height, 13);
    EXPECT_LE(height, 20);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    EXPECT_EQ(canvas.TextWidth("abc"), canvas.TextWidth("a") + canvas.TextWidth("b") + canvas.TextWidth("c"));
    const int regular = canvas.TextWidth("Dress");
    canvas.Font.Size = 20;
    EXPECT_GT(canvas.TextWidth("Dress"), regular * 3 / 2);
    EXPECT_GT(canvas.TextHeight("x"), height * 3 / 2);
}

TEST_F(RasterText, StyleAndQualityChangeTheGlyphs) {
    auto draw = [](auto setUp) {
        Bitmap bitmap(140, 40);
        RasterCanvas canvas(bitmap);
        canvas.Font.Size = 14;
        canvas.BackgroundMode = BkMode::Transparent;
        setUp(canvas.Font);
        canvas.TextOut(4, 4, "Skirt 42");
        return InkOf(bitmap, clBlack);
    };
    const Ink regular = draw([](TFont&) {});
    EXPECT_GT(draw([](TFont& f) { f.Bold = true; }).count, regular.count + 10);
    EXPECT_GT(draw([](TFont& f) { f.Underline = true; }).count, regular.count + 30);
    EXPECT_EQ(draw([](TFont& f) { f.Quality = FontQuality::NonAntialiased; }).otherColours, 0);
    EXPECT_GT(draw([](TFont& f) { f.Quality = FontQuality::Antialiased; }).otherColours, 10);
}

TEST_F(RasterText, FarOriginsAndEmptyBitmapsDrawNothing) {
    Bitmap bitmap(30, 20);
    RasterCanvas canvas(bitmap);
    for (int escapement : {0, 450, 900, -1350})
        for (TPoint at :
             {TPoint{INT_MIN, INT_MIN}, TPoint{INT_MAX, INT_MAX}, TPoint{INT_MAX, 0}, TPoint{0, INT_MIN}}) {
            canvas.Font.Escapement = escapement;
            canvas.TextOut(at.X, at.Y, "far away");
        }
    EXPECT_EQ(InkOf(bitmap, clBlack).count, 0);
    Bitmap empty;
    RasterCanvas(empty).TextOut(0, 0, "nothing");
    canvas.Font.Size = INT_MAX; // drawn at the largest glyph height instead
    canvas.TextOut(0, 0, "A");
}

TEST(RasterFontHeight, RoundsPointsAtThePixelsPerInch) {
    struct Case {
        int size, ppi, pixels;
    };
    const Case cases[] = {
        {10, 96, 13},  {12, 96, 16},   {8, 96, 11},
        {10, 120, 17}, {12, 600, 100}, {1, 108, 2}, // 1.5: halves to even
        {3, 60, 2},                                 // 2.5: halves to even
        {-12, 96, 16}, {0, 96, 1},     {INT_MAX, 96, 4096},
    };
    Bitmap bitmap;
    for (const Case& c : cases) {
        RasterCanvas canvas(bitmap, c.ppi);
        canvas.Font.Size = c.size;
        EXPECT_EQ(canvas.FontPixelHeight(), c.pixels) << c.size << " pt at " << c.ppi;
    }
}

} // namespace
