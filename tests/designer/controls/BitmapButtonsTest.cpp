// The region panel on an offscreen window: images shown while pressed and clicks on release.
#include "designer/controls/BitmapButtons.h"

#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>

namespace {

// Three images of 40x20 side by side, each one colour.
constexpr plat::TColor kImages[] = {plat::RGB(10, 10, 10), plat::RGB(20, 200, 20), plat::RGB(30, 30, 220)};

plat::Bitmap Skin() {
    plat::Bitmap b(120, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x)
            b.SetPixel(x, y, kImages[x / 40]);
    return b;
}

struct Panel {
    Panel() {
        form.SetClientSize(100, 60);
        panel.SetBounds(10, 10, 40, 20);
        panel.OrgImage = &skin;
        first.SetBounds(0, 0, 20, 20);
        first.Number = 1;
        second.SetBounds(20, 0, 20, 20);
        second.Number = 2;
        second.SetHint("second");
        first.OnLClick = [this](TItemBitmapButtons&) { ++firstClicks; };
        form.Show();
    }
    plat::Bitmap skin = Skin();
    plat::TForm form;
    TBitmapButtons& panel = form.Make<TBitmapButtons>();
    TItemBitmapButtons& first = panel.Make<TItemBitmapButtons>();
    TItemBitmapButtons& second = panel.Make<TItemBitmapButtons>();
    int firstClicks = 0;
};

TEST(BitmapButtons, PressShowsTheRegionsImageAndReleaseInsideClicks) {
    Panel p;
    EXPECT_EQ(p.panel.Snapshot().GetPixel(30, 5), kImages[0]);
    plat::SendMouse(p.panel, plat::TMouseAction::Press, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(p.panel.PressedItem(), &p.second);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(30, 5), kImages[2]);
    plat::SendMouse(p.panel, plat::TMouseAction::Release, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(p.panel.PressedItem(), nullptr);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(30, 5), kImages[0]);

    plat::SendMouse(p.panel, plat::TMouseAction::Press, plat::TMouseButton::Left, 5, 5);
    plat::SendMouse(p.panel, plat::TMouseAction::Release, plat::TMouseButton::Left, 5, 5);
    EXPECT_EQ(p.firstClicks, 1);
}

TEST(BitmapButtons, ReleaseOutsideTheRegionRaisesNoClickButReturnsToImage0) {
    Panel p;
    plat::SendMouse(p.panel, plat::TMouseAction::Press, plat::TMouseButton::Left, 5, 5);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(5, 5), kImages[1]);
    plat::SendMouse(p.panel, plat::TMouseAction::Release, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(p.firstClicks, 0);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(5, 5), kImages[0]);
}

TEST(BitmapButtons, StateIsTheImageShownAndTheClickSeesThePressedOne) {
    Panel p;
    p.panel.SetState(2);
    EXPECT_EQ(p.panel.State(), 2);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(5, 5), kImages[2]);

    int stateInClick = -1;
    plat::TColor shownInClick = 0;
    p.second.OnLClick = [&](TItemBitmapButtons&) {
        stateInClick = p.panel.State();
        shownInClick = p.panel.Snapshot().GetPixel(5, 5);
    };
    plat::SendMouse(p.panel, plat::TMouseAction::Press, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(p.panel.State(), 2);
    plat::SendMouse(p.panel, plat::TMouseAction::Release, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(stateInClick, 2);
    EXPECT_EQ(shownInClick, kImages[2]);
    EXPECT_EQ(p.panel.State(), 0);
    EXPECT_EQ(p.panel.Snapshot().GetPixel(5, 5), kImages[0]);
}

TEST(BitmapButtons, MovementSetsCursorAndHintOfTheRegion) {
    Panel p;
    plat::SendMouse(p.panel, plat::TMouseAction::Move, plat::TMouseButton::Left, 30, 5);
    EXPECT_EQ(p.panel.Cursor(), kRegionCursor);
    EXPECT_EQ(p.panel.Hint(), "second");
    p.second.SetBounds(20, 0, 10, 10);
    plat::SendMouse(p.panel, plat::TMouseAction::Move, plat::TMouseButton::Left, 35, 15);
    EXPECT_EQ(p.panel.Cursor(), plat::crDefault);
    EXPECT_EQ(p.panel.Hint(), "");
}

} // namespace
