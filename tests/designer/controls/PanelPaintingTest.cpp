#include "designer/controls/PanelPainting.h"

#include <gtest/gtest.h>

using plat::Bitmap;
using plat::Bounds;

namespace {

TEST(DrawPanelCaption, PlacedBetweenTheChildrenAroundTheMiddle) {
    // A 200-wide panel with a button at 0..30 and one at 150..190; the text is 40 wide.
    const std::vector<plat::TRect> children = {Bounds(0, 0, 30, 10), Bounds(150, 0, 40, 10),
                                               Bounds(90, 0, 20, 10)};
    struct Case {
        TAlignment alignment;
        int expected;
    };
    const Case cases[] = {{TAlignment::taLeftJustify, 32},
                          {TAlignment::taRightJustify, 108},
                          {TAlignment::taCenter, 30 + 60 - 20}};
    for (const Case& c : cases)
        EXPECT_EQ(DrawPanelCaptionLeft(children, 200, 40, c.alignment), c.expected);
    EXPECT_EQ(DrawPanelCaptionLeft({}, 200, 40, TAlignment::taRightJustify), 158);
}

TEST(DrawPanel, TilesThePictureOverTheWholePanel) {
    Bitmap tile(3, 2);
    tile.SetPixel(0, 0, plat::clRed);
    Bitmap surface(10, 5);
    TilePicture(surface, tile);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), (x % 3 == 0 && y % 2 == 0) ? plat::clRed : plat::clWhite);
    const Bitmap before = surface;
    TilePicture(surface, Bitmap());
    EXPECT_EQ(surface, before);
}

TEST(CaptionBarPlus, SkinBackgroundAndOutsideSkin) {
    Bitmap skin(50, 50);
    skin.SetPixel(10, 20, plat::clGreen);
    Bitmap bar(30, 10);
    PaintCaptionBarPlus(bar, {&skin, 10, 20, false}, "x", plat::TFont{});
    EXPECT_EQ(bar.GetPixel(0, 0), plat::clGreen);
    Bitmap untouched(30, 10);
    PaintCaptionBarPlus(untouched, {&skin, 40, 45, false}, "x", plat::TFont{});
    EXPECT_EQ(untouched, Bitmap(30, 10));
}

TEST(CaptionBarPlus, CaptionWithoutSkinIsWrittenInBlackAfterSixSpaces) {
    Bitmap bar(200, 30);
    plat::TFont font;
    font.Color = plat::clRed;
    font.Size = 12;
    PaintCaptionBarPlus(bar, {nullptr, 0, 0, true}, "Title", font);
    int black = 0, other = 0, firstInk = 200;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) {
            const plat::TColor c = bar.GetPixel(x, y);
            if (c == plat::clWhite)
                continue;
            firstInk = std::min(firstInk, x);
            (c == plat::clBlack ? black : other) += 1;
        }
    EXPECT_GT(black, 0);
    EXPECT_EQ(other, 0) << "black ink only, whatever the font's colour";
    EXPECT_GT(firstInk, 6) << "six spaces come first";
}

} // namespace
