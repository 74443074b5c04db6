// The seven drawn cursors: registered under their numbers, 32 x 32, white transparent with a black
// outline, and a hot spot inside the picture.
#include "designer/controls/ProgramCursors.h"

#include "platform/ui/Cursors.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

TEST(ProgramCursors, EachIsAnOutlinedPictureWithItsHotSpotInside) {
    for (int n = 1; n <= 7; ++n) {
        const plat::TCursor number = plat::crFirstCustom + n;
        SCOPED_TRACE(number);
        const TCursorPicture cursor = ProgramCursorPicture(number);
        ASSERT_EQ(cursor.Picture.Width(), 32);
        ASSERT_EQ(cursor.Picture.Height(), 32);
        EXPECT_GE(cursor.HotSpot.X, 0);
        EXPECT_LT(cursor.HotSpot.X, 32);
        EXPECT_GE(cursor.HotSpot.Y, 0);
        EXPECT_LT(cursor.HotSpot.Y, 32);
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const plat::TColor pixel = cursor.Picture.GetPixel(x, y);
                black += pixel == plat::clBlack;
                white += pixel == plat::clWhite;
                // Every drawn pixel that touches the transparent surroundings is outline.
                if (pixel != plat::clWhite && pixel != plat::clBlack) {
                    EXPECT_NE(cursor.Picture.GetPixel(x - 1, y), plat::clWhite) << x << "," << y;
                    EXPECT_NE(cursor.Picture.GetPixel(x + 1, y), plat::clWhite) << x << "," << y;
                    EXPECT_NE(cursor.Picture.GetPixel(x, y - 1), plat::clWhite) << x << "," << y;
                    EXPECT_NE(cursor.Picture.GetPixel(x, y + 1), plat::clWhite) << x << "," << y;
                }
            }
        EXPECT_GT(black, 20) << "an outline is drawn";
        EXPECT_GT(white, 32 * 32 / 4) << "the surroundings stay transparent";
    }
}

TEST(ProgramCursors, ThePointingCursorsPointWithADrawnPixel) {
    // The rotate cursor's hot spot is the centre of its circle; the others act at a tip.
    for (const plat::TCursor number : {crBrush, crContur, crFill, crHand, crModel, crBrushS}) {
        const TCursorPicture cursor = ProgramCursorPicture(number);
        EXPECT_NE(cursor.Picture.GetPixel(cursor.HotSpot.X, cursor.HotSpot.Y), plat::clWhite) << number;
    }
    const TCursorPicture rotate = ProgramCursorPicture(crRotate);
    EXPECT_EQ(rotate.HotSpot, (plat::TPoint{16, 16}));
}

TEST(ProgramCursors, TheSevenPicturesDifferAndOtherNumbersHaveNone) {
    std::set<std::vector<plat::TColor>> pictures;
    for (const plat::TCursor number : kProgramCursors) {
        const plat::Bitmap picture = ProgramCursorPicture(number).Picture;
        std::vector<plat::TColor> pixels;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                pixels.push_back(picture.GetPixel(x, y));
        pictures.insert(pixels);
    }
    EXPECT_EQ(pictures.size(), 7u);
    EXPECT_TRUE(ProgramCursorPicture(plat::crFirstCustom).Picture.Empty());
    EXPECT_TRUE(ProgramCursorPicture(plat::crFirstCustom + 8).Picture.Empty());
    EXPECT_TRUE(ProgramCursorPicture(plat::crHourGlass).Picture.Empty());
}

TEST(ProgramCursors, RegisteringPutsAllSevenInTheTable) {
    for (const plat::TCursor number : kProgramCursors)
        plat::RegisterCursor(number, plat::Bitmap(), {});
    RegisterProgramCursors();
    for (int n = 1; n <= 7; ++n)
        EXPECT_TRUE(plat::CursorRegistered(plat::crFirstCustom + n)) << n;
    EXPECT_FALSE(plat::CursorRegistered(plat::crFirstCustom + 8));
}

} // namespace
