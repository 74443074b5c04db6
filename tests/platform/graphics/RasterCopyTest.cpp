// Copies of RasterCanvas: the raster operations pixel by pixel, the white-transparent overlay
// built from them, white masks, and the pixel mapping of stretched, mirrored and clipped copies.
#include "platform/graphics/RasterCanvas.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>

using namespace plat;
using raster_test::Art;

namespace {

Bitmap Filled(int width, int height, TColor color) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, color);
    return bitmap;
}

struct RopCase {
    RasterOp op;
    TColor source;
    TColor dest;
    TColor expected;
};

TEST(RasterCopy, RasterOperationsPerPixel) {
    const RopCase cases[] = {
        {RasterOp::SrcCopy, 0x123456, 0xABCDEF, 0x123456},
        {RasterOp::SrcAnd, 0x0F0F0F, 0x3C3C3C, 0x0C0C0C},
        {RasterOp::SrcAnd, clWhite, 0x3C2211, 0x3C2211},
        {RasterOp::SrcPaint, 0x0F0F00, 0x30F0F0, 0x3FFFF0},
        {RasterOp::MergePaint, 0x0F0F0F, 0x100000, 0xF0F0F0 | 0x100000},
        {RasterOp::MergePaint, clWhite, 0x123456, 0x123456},
        {RasterOp::MergePaint, clBlack, 0x123456, clWhite},
        {RasterOp::NotSrcCopy, 0x0000FF, 0x777777, 0xFFFF00},
        {RasterOp::SrcInvert, 0xFF00FF, 0x0F0F0F, 0xF00FF0},
        {RasterOp::Blackness, 0x123456, 0x654321, clBlack},
        {RasterOp::Whiteness, 0x123456, 0x654321, clWhite},
    };
    for (const RopCase& c : cases) {
        Bitmap dest = Filled(3, 2, c.dest);
        RasterCanvas canvas(dest);
        canvas.CopyRect(Rect(1, 0, 3, 2), Filled(2, 2, c.source), Rect(0, 0, 2, 2), c.op);
        EXPECT_EQ(dest.GetPixel(0, 0), c.dest) << std::hex << static_cast<uint32_t>(c.op);
        EXPECT_EQ(dest.GetPixel(1, 0), c.expected) << std::hex << static_cast<uint32_t>(c.op);
        EXPECT_EQ(dest.GetPixel(2, 1), c.expected) << std::hex << static_cast<uint32_t>(c.op);
        EXPECT_EQ(dest.Bits()[1] >> 24, 0xFFu) << "alpha stays opaque";
    }
}

TEST(RasterCopy, DrawUsesTheCopyMode) {
    Bitmap dest = Filled(4, 1, 0x0000FF);
    RasterCanvas canvas(dest);
    canvas.CopyMode = RasterOp::SrcPaint;
    canvas.Draw(1, 0, Filled(2, 1, 0x00FF00));
    EXPECT_EQ(dest.GetPixel(0, 0), 0x0000FFu);
    EXPECT_EQ(dest.GetPixel(1, 0), 0x00FFFFu);
    EXPECT_EQ(dest.GetPixel(3, 0), 0x0000FFu);
}

TEST(RasterCopy, WhiteMask) {
    Bitmap source(4, 1);
    source.SetPixel(0, 0, clWhite);
    source.SetPixel(1, 0, 0xFEFFFF);
    source.SetPixel(2, 0, clBlack);
    source.SetPixel(3, 0, 0x7F7F7F);
    const Bitmap mask = MakeWhiteMask(source);
    EXPECT_EQ(Art(mask), ".XXX");
    EXPECT_TRUE(MakeWhiteMask(Bitmap()).Empty());
}

// The designer's white-transparent overlay: mask of the source, merge-painted onto the
// destination, then the source ANDed onto it.
void DrawTransparent(Bitmap& dest, int x, int y, const Bitmap& source) {
    RasterCanvas canvas(dest);
    const Bitmap mask = MakeWhiteMask(source);
    const TRect to = Bounds(x, y, source.Width(), source.Height());
    const TRect from = Rect(0, 0, source.Width(), source.Height());
    canvas.CopyRect(to, mask, from, RasterOp::MergePaint);
    canvas.CopyRect(to, source, from, RasterOp::SrcAnd);
}

TEST(RasterCopy, WhiteTransparentOverlayKeepsTheDestinationUnderWhite) {
    std::mt19937 random(9);
    auto randomColor = [&] { return random() % 3 == 0 ? clWhite : static_cast<TColor>(random() & 0xFFFFFF); };
    for (int n = 0; n < 50; ++n) {
        Bitmap dest(30, 20), source(12 + n % 5, 9);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x)
                dest.SetPixel(x, y, randomColor());
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                source.SetPixel(x, y, randomColor());
        const int ox = static_cast<int>(random() % 40) - 10, oy = static_cast<int>(random() % 30) - 10;
        Bitmap expected = dest;
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                if (source.GetPixel(x, y) != clWhite)
                    expected.SetPixel(ox + x, oy + y, source.GetPixel(x, y));
        DrawTransparent(dest, ox, oy, source);
        ASSERT_EQ(dest, expected) << n;
    }
}

// Source columns taken by each destination column of a one-row stretch.
std::string StretchedRow(int sourceWidth, TRect dest, TRect sourceRect, int destWidth = 12) {
    const char names[] = "abcdefghijklmnopqrstuvwxyz";
    Bitmap source(sourceWidth, 1);
    for (int x = 0; x < sourceWidth; ++x)
        source.SetPixel(x, 0, static_cast<TColor>(x + 1));
    Bitmap target(destWidth, 1);
    RasterCanvas canvas(target);
    canvas.CopyRect(dest, source, sourceRect, RasterOp::SrcCopy);
    std::string row;
    for (int x = 0; x < destWidth; ++x) {
        const TColor c = target.GetPixel(x, 0);
        row += c == clWhite ? '.' : c >= 1 && c <= 26 ? names[c - 1] : '?';
    }
    return row;
}

TEST(RasterCopy, StretchMapsEachPixelToTheSourceUnderItsCentre) {
    struct Case {
        int sourceWidth;
        TRect dest, source;
        const char* row;
    };
    const Case cases[] = {
        {3, Rect(0, 0, 6, 1), Rect(0, 0, 3, 1), "aabbcc......"},
        {3, Rect(0, 0, 7, 1), Rect(0, 0, 3, 1), "aabbbcc....."}, // repeated columns are spread evenly
        {6, Rect(0, 0, 3, 1), Rect(0, 0, 6, 1), "bdf........."}, // dropped columns too
        {5, Rect(2, 0, 4, 1), Rect(0, 0, 5, 1), "..bd........"},
        {4, Rect(0, 0, 4, 1), Rect(0, 0, 4, 1), "abcd........"},
        {4, Rect(4, 0, 0, 1), Rect(0, 0, 4, 1), "dcba........"}, // negative width mirrors
        {4, Rect(0, 0, 4, 1), Rect(4, 0, 0, 1), "dcba........"},
        {4, Rect(4, 0, 0, 1), Rect(4, 0, 0, 1), "abcd........"},  // mirrored twice
        {4, Rect(-2, 0, 6, 1), Rect(0, 0, 4, 1), "bbccdd......"}, // off the left edge
        {4, Rect(0, 0, 6, 1), Rect(-1, 0, 5, 1), ".abcd......."}, // off the source reads white
        {4, Rect(0, 0, 0, 1), Rect(0, 0, 4, 1), "............"},  // zero sizes copy nothing
        {4, Rect(0, 0, 4, 1), Rect(2, 0, 2, 1), "............"},
        {4, Rect(0, 0, 4, 0), Rect(0, 0, 4, 1), "............"},
        {4, Rect(INT_MIN, 0, INT_MAX, 1), Rect(0, 0, 4, 1), "cccccccccccc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StretchedRow(c.sourceWidth, c.dest, c.source), c.row)
            << c.dest.Left << ".." << c.dest.Right << " from " << c.source.Left << ".." << c.source.Right;
}

TEST(RasterCopy, StretchRowsFollowTheSameMapping) {
    Bitmap source(2, 2);
    source.SetPixel(0, 0, clRed);
    source.SetPixel(1, 0, clGreen);
    source.SetPixel(0, 1, clBlue);
    source.SetPixel(1, 1, clBlack);
    Bitmap target(5, 4);
    RasterCanvas canvas(target);
    canvas.StretchDraw(Rect(0, 4, 5, 0), source); // bottom above top: upside down
    EXPECT_EQ(Art(target), "bbXXX|bbXXX|rrggg|rrggg");
}

TEST(RasterCopy, CopyWithinOneBitmapReadsTheOriginal) {
    Bitmap bitmap(4, 4);
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clRed;
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.CopyRect(Rect(1, 1, 4, 4), bitmap, Rect(0, 0, 3, 3), RasterOp::SrcCopy);
    EXPECT_EQ(Art(bitmap), "rr..|rrr.|.rr.|....");
}

TEST(RasterCopy, EmptyBitmapsOnEitherSide) {
    Bitmap empty;
    RasterCanvas onEmpty(empty);
    onEmpty.Draw(0, 0, Filled(3, 3, clRed));
    onEmpty.StretchDraw(Rect(0, 0, 10, 10), Filled(3, 3, clRed));
    Bitmap target(3, 2);
    RasterCanvas canvas(target);
    canvas.Draw(0, 0, empty);
    canvas.Draw(INT_MAX, INT_MAX, Filled(3, 3, clRed));
    EXPECT_EQ(Art(target), "...|...");
    canvas.StretchDraw(Rect(0, 0, 3, 2), empty); // a zero-size source copies nothing
    EXPECT_EQ(Art(target), "...|...");
}

} // namespace
