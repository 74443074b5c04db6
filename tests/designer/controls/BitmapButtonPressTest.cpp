#include "designer/controls/BitmapButtonPress.h"

#include <gtest/gtest.h>

namespace {

TEST(BitmapButtonPress, PressRepaintsOnlyWhenTheFramesDiffer) {
    TBitmapButtonPress b;
    EXPECT_TRUE(b.MouseDown().Repaint);
    EXPECT_TRUE(b.Pressed());
    EXPECT_TRUE(b.MouseUp().Repaint);
    b.Look.PressState = b.Look.State;
    EXPECT_FALSE(b.MouseDown().Repaint);
    EXPECT_FALSE(b.MouseUp().Repaint);
    EXPECT_FALSE(b.Pressed());
}

TEST(BitmapButtonPress, StateAndPressStateSetters) {
    TBitmapButtonPress b;
    const TButtonChange same = b.SetState(1);
    EXPECT_FALSE(same.Repaint || same.ChangeState);
    const TButtonChange changed = b.SetState(3);
    EXPECT_TRUE(changed.Repaint && changed.ChangeState);
    EXPECT_FALSE(b.SetPressState(4).Repaint) << "not pressed";
    b.MouseDown();
    EXPECT_TRUE(b.SetPressState(5).Repaint);
}

TEST(BitmapButtonPress, SizeFromThePicture) {
    int w = 64, h = 32;
    EXPECT_TRUE(TBitmapButtonPress::SizeForPicture(192, 40, 3, w, h));
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 40);
    EXPECT_FALSE(TBitmapButtonPress::SizeForPicture(192, 40, 0, w, h));
    EXPECT_EQ(w, 64);
}

} // namespace
