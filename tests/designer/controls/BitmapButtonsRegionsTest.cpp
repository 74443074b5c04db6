#include "designer/controls/BitmapButtonsRegions.h"

#include <gtest/gtest.h>

using plat::Bounds;

namespace {

TBitmapButtonsRegions Panel() {
    TBitmapButtonsRegions p;
    p.Regions = {{Bounds(0, 0, 20, 20), 1, "coats"},
                 {Bounds(10, 0, 20, 20), 2, "dresses"},
                 {Bounds(40, 0, 10, 10), 3, ""}};
    return p;
}

TEST(BitmapButtonsRegions, PressAndReleaseInsideClicks) {
    TBitmapButtonsRegions p = Panel();
    EXPECT_EQ(p.Press(45, 5), 2);
    EXPECT_EQ(p.State(), 3);
    EXPECT_EQ(p.Release(46, 6), 2);
    EXPECT_EQ(p.State(), 0);
}

TEST(BitmapButtonsRegions, ReleaseOutsideTheRegionRaisesNoClickButReturnsToImage0) {
    TBitmapButtonsRegions p = Panel();
    p.Press(45, 5);
    EXPECT_EQ(p.Release(45, 15), -1);
    EXPECT_EQ(p.State(), 0);
    EXPECT_EQ(p.PressedItem(), -1);
}

TEST(BitmapButtonsRegions, OverlapPressTakesTheLastMoveTheFirst) {
    TBitmapButtonsRegions p = Panel();
    EXPECT_EQ(p.RegionAt(15, 5), 0);
    EXPECT_EQ(p.Press(15, 5), 1);
    EXPECT_EQ(p.State(), 2);
    EXPECT_EQ(p.Release(100, 100), -1);
    EXPECT_EQ(p.Press(100, 100), -1);
    EXPECT_EQ(p.State(), 0);
    EXPECT_EQ(p.Release(100, 100), -1);
}

TEST(BitmapButtonsRegions, ImageOrigins) {
    EXPECT_EQ(PanelImageOrigin(2, 30, 40, 5, 7, /*horizontal=*/true), (plat::TPoint{65, 7}));
    EXPECT_EQ(PanelImageOrigin(2, 30, 40, 5, 7, /*horizontal=*/false), (plat::TPoint{5, 87}));
}

} // namespace
