#include "designer/controls/BitmapButtonLook.h"

#include <gtest/gtest.h>

using plat::Bitmap;
using plat::Bounds;
using plat::TColor;

namespace {

// Three frames of 64x32 side by side, each filled with its own colour and a pure white square
// plus a near-white square in its middle.
constexpr TColor kFrameColors[] = {plat::RGB(200, 0, 0), plat::RGB(0, 200, 0), plat::RGB(0, 0, 200)};

Bitmap Strip() {
    Bitmap b(192, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 192; ++x)
            b.SetPixel(x, y, kFrameColors[x / 64]);
    for (int f = 0; f < 3; ++f)
        for (int y = 10; y < 20; ++y)
            for (int x = 10; x < 20; ++x) {
                b.SetPixel(f * 64 + x, y, plat::clWhite);
                b.SetPixel(f * 64 + x + 20, y, plat::RGB(255, 255, 254));
            }
    return b;
}

// A checked parent so that anything showing through is recognisable.
Bitmap Parent() {
    Bitmap b(100, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            b.SetPixel(x, y, ((x + y) & 1) ? plat::RGB(1, 2, 3) : plat::RGB(9, 8, 7));
    return b;
}

TEST(BitmapButtonLook, FrameShownFollowsThePress) {
    const Bitmap strip = Strip();
    TBitmapButtonLook look;
    for (bool pressed : {false, true}) {
        Bitmap parent = Parent();
        PaintBitmapButton(parent, Bounds(10, 10, 64, 32), look, pressed, {&strip, 0, 0});
        EXPECT_EQ(parent.GetPixel(12, 12), kFrameColors[pressed ? 1 : 0]) << pressed;
        EXPECT_EQ(parent.GetPixel(9, 9), Parent().GetPixel(9, 9)) << "outside the button";
    }
    EXPECT_EQ(FrameRect(2, 64, 32, 0, 0).Left, 64);
    EXPECT_EQ(FrameRect(2, 64, 32, 5, 6), Bounds(69, 6, 64, 32));
}

TEST(BitmapButtonLook, PressStateZeroIsSunken) {
    const Bitmap strip = Strip();
    TBitmapButtonLook look;
    look.State = 2;
    look.PressState = 0;
    Bitmap parent = Parent();
    PaintBitmapButton(parent, Bounds(10, 10, 64, 32), look, /*pressed=*/true, {&strip, 0, 0});
    EXPECT_EQ(parent.GetPixel(40, 10), plat::clBlack) << "top edge";
    EXPECT_EQ(parent.GetPixel(10, 30), plat::clBlack) << "left edge";
    EXPECT_EQ(parent.GetPixel(11, 11), kFrameColors[1]);
    // Below the black edges the frame keeps its place: its pixel (x, y) lands at button (x, y).
    EXPECT_EQ(parent.GetPixel(10 + 10, 10 + 10), plat::clWhite);
    EXPECT_EQ(parent.GetPixel(10 + 9, 10 + 9), kFrameColors[1]);
}

TEST(BitmapButtonLook, TransparencyOnlyThroughPureWhite) {
    const Bitmap strip = Strip();
    TBitmapButtonLook look;
    look.Transparent = true;
    Bitmap parent = Parent();
    const Bitmap before = Parent();
    PaintBitmapButton(parent, Bounds(10, 10, 64, 32), look, false, {&strip, 0, 0});
    for (int y = 20; y < 30; ++y)
        for (int x = 20; x < 30; ++x)
            ASSERT_EQ(parent.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(parent.GetPixel(40, 25), plat::RGB(255, 255, 254)) << "near white is opaque";
    EXPECT_EQ(parent.GetPixel(12, 12), kFrameColors[0]);
}

TEST(BitmapButtonLook, BadSourcesDrawNoFrame) {
    const Bitmap strip = Strip();
    const Bitmap empty;
    struct Case {
        const char* what;
        TFrameSource source;
        int state;
        TColor expected;
    };
    const Case cases[] = {
        {"frame past the strip", {&strip, 0, 0}, 4, plat::RGB(9, 8, 7)},
        {"origin outside", {&strip, 500, 0}, 1, plat::RGB(9, 8, 7)},
        {"negative frame for sunken", {&strip, 0, 0}, -3, plat::RGB(9, 8, 7)},
        {"empty picture fills with Color", {&empty, 0, 0}, 1, plat::clSilver},
    };
    for (const Case& c : cases) {
        TBitmapButtonLook look;
        look.State = c.state;
        Bitmap parent = Parent();
        PaintBitmapButton(parent, Bounds(10, 10, 64, 32), look, false, c.source);
        EXPECT_EQ(parent.GetPixel(12, 12), c.expected) << c.what;
    }
    Bitmap parent = Parent();
    PaintBitmapButton(parent, Bounds(10, 10, 0, 0), TBitmapButtonLook{}, false, {&strip, 0, 0});
    EXPECT_EQ(parent, Parent()) << "zero-size button";
}

// The shadow's offset is the difference between the caption's ink with and without a shadow.
TEST(BitmapButtonLook, ShadowDirections) {
    struct Case {
        TShadowPosition pos;
        int dx, dy;
    };
    const Case cases[] = {{TShadowPosition::spLeftTop, -2, -2},
                          {TShadowPosition::spLeftBottom, -2, 2},
                          {TShadowPosition::spRightBottom, 2, 2},
                          {TShadowPosition::spRightTop, 2, -2}};
    for (const Case& c : cases) {
        TBitmapButtonLook look;
        look.Caption = "W";
        look.Color = plat::clWhite;
        look.Font.Size = 14;
        look.Font.Color = plat::clWhite;
        look.ShadowColor = plat::clBlack;
        look.ShadowSize = 2;
        look.ShadowPos = c.pos;
        Bitmap shadowOnly(64, 32);
        PaintBitmapButton(shadowOnly, Bounds(0, 0, 64, 32), look, false, {});
        look.ShadowSize = 0;
        look.Font.Color = plat::clBlack;
        Bitmap textOnly(64, 32);
        PaintBitmapButton(textOnly, Bounds(0, 0, 64, 32), look, false, {});
        // Every black pixel of the shadow is a black pixel of the plain text moved by (dx, dy),
        // except where the white text covered it.
        int matched = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x) {
                if (textOnly.GetPixel(x, y) != plat::clBlack)
                    continue;
                if (shadowOnly.GetPixel(x + c.dx, y + c.dy) == plat::clBlack)
                    ++matched;
                else
                    EXPECT_EQ(textOnly.GetPixel(x + c.dx, y + c.dy), plat::clBlack) << x << "," << y;
            }
        EXPECT_GT(matched, 0) << static_cast<int>(c.pos);
    }
}

} // namespace
