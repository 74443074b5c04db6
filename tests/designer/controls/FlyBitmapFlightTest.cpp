#include "designer/controls/FlyBitmapFlight.h"

#include <gtest/gtest.h>

using plat::Bounds;
using plat::TRect;

namespace {

TFlyBitmapFlight Flight(int before, int stay, int after) {
    TFlyBitmapFlight f;
    f.StateBefore = before;
    f.StateStatic = stay;
    f.StateAfter = after;
    f.Start();
    return f;
}

TEST(FlyBitmapFlight, RectanglesOverTheThreePhases) {
    // Start 20,10 of 20x10, end 0,0 of 220x80 (the whole control).
    const TRect start = Bounds(20, 10, 20, 10);
    const TRect end = Bounds(0, 0, 220, 80);
    const TRect half = Bounds(10, 5, 120, 45);
    TFlyBitmapFlight f = Flight(4, 10, 4);
    struct Case {
        int tick;
        TRect expected;
    };
    const Case cases[] = {{0, start}, {2, half}, {4, end}, {9, end}, {13, end}, {16, half}};
    for (const Case& c : cases) {
        f.Tick = c.tick;
        EXPECT_EQ(f.PictureRect(start, end, 220, 80), c.expected) << "tick " << c.tick;
    }
}

TEST(FlyBitmapFlight, HidesAtTheLastTickAndNotBefore) {
    TFlyBitmapFlight f = Flight(4, 10, 4);
    for (int tick = 1; tick < 18; ++tick)
        ASSERT_TRUE(f.Advance()) << "tick " << tick;
    EXPECT_FALSE(f.Advance());
    EXPECT_EQ(f.Tick, 18);
    EXPECT_FALSE(f.Advance()) << "a stopped flight stays stopped";
}

TEST(FlyBitmapFlight, GrowsFromTheCentreWithoutAStartMarker) {
    TFlyBitmapFlight f = Flight(4, 0, 0);
    EXPECT_EQ(f.PictureRect(FlyCentrePoint(220, 80), Bounds(0, 0, 220, 80), 220, 80), Bounds(110, 40, 0, 0));
}

TEST(FlyBitmapFlight, NoPhasesShowTheWholeAreaForOneTick) {
    TFlyBitmapFlight f = Flight(0, 0, 0);
    EXPECT_EQ(f.PictureRect(Bounds(5, 5, 1, 1), Bounds(9, 9, 2, 2), 30, 20), Bounds(0, 0, 30, 20));
    EXPECT_FALSE(f.Advance());
}

TEST(FlyBitmapFlight, FrameComposition) {
    plat::Bitmap snapshot(40, 20);
    snapshot.SetPixel(0, 0, plat::clBlack);
    const plat::Bitmap blue = ComposeFlyFrame(snapshot, nullptr, {}, Bounds(10, 5, 4, 4));
    EXPECT_EQ(blue.GetPixel(11, 6), plat::clBlue);
    EXPECT_EQ(blue.GetPixel(14, 6), plat::clWhite);
    // A skin whose left half is red and right half pure white: only the red half covers.
    plat::Bitmap skin(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            skin.SetPixel(x, y, plat::clRed);
    const plat::Bitmap framed = ComposeFlyFrame(snapshot, &skin, Bounds(0, 0, 20, 10), Bounds(0, 0, 40, 20));
    EXPECT_EQ(framed.GetPixel(5, 5), plat::clRed);
    EXPECT_EQ(framed.GetPixel(30, 5), plat::clWhite);
    EXPECT_EQ(framed.GetPixel(0, 0), plat::clRed) << "the skin covers the snapshot's black pixel";
    EXPECT_EQ(ComposeFlyFrame(snapshot, &skin, Bounds(15, 0, 20, 10), Bounds(0, 0, 40, 20)), snapshot)
        << "a skin rectangle outside the skin draws nothing";
}

} // namespace
