// Caption bars on an offscreen window: buttons only while active, the skin per state, and the
// window following a drag of the bar.
#include "designer/controls/DrawPanel.h"

#include "designer/controls/BitmapButton.h"
#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionBarPlus, ShowsItsButtonsOnlyWhileActive) {
    plat::Bitmap skin(100, 40);
    for (int x = 0; x < 100; ++x)
        for (int y = 20; y < 40; ++y)
            skin.SetPixel(x, y, plat::clGreen);
    plat::TForm form;
    form.SetClientSize(200, 100);
    auto& bar = form.Make<TCaptionBarPlus>();
    bar.SetBounds(0, 0, 100, 20);
    bar.BkActiv = &skin;
    bar.YBkActiv = 20;
    bar.BkPassiv = &skin;
    auto& close = bar.Make<TBitmapButton>();
    form.Show();
    EXPECT_TRUE(close.Visible()) << "a button keeps its visibility until the mouse first comes";
    bar.MouseEnter();
    EXPECT_TRUE(bar.Active());
    EXPECT_TRUE(close.Visible());
    EXPECT_EQ(bar.Snapshot().GetPixel(80, 10), plat::clGreen);
    bar.MouseLeave();
    EXPECT_FALSE(close.Visible());
    EXPECT_EQ(bar.Snapshot().GetPixel(80, 10), plat::clWhite);
}

TEST(CaptionBar, DraggingTheBarMovesItsWindowWhereverThePointerGoes) {
    plat::TForm form;
    form.SetClientSize(200, 100);
    form.SetBounds(50, 50, 200, 100);
    auto& panel = form.Make<TDrawPanel>();
    panel.SetBounds(0, 0, 200, 100);
    auto& bar = panel.Make<TCaptionBar>();
    bar.SetBounds(0, 0, 200, 20);
    form.Show();
    using plat::TMouseAction;
    using plat::TMouseButton;
    plat::SendMouseAtScreen(bar, TMouseAction::Press, TMouseButton::Left, {60, 55});
    // Far off the bar and the window at once, as a quick flick of the mouse gives.
    plat::SendMouseAtScreen(bar, TMouseAction::Move, TMouseButton::Left, {500, 400});
    EXPECT_EQ(form.Left(), 490);
    EXPECT_EQ(form.Top(), 395);
    plat::SendMouseAtScreen(bar, TMouseAction::Release, TMouseButton::Left, {500, 400});
    plat::SendMouseAtScreen(bar, TMouseAction::Move, TMouseButton::Left, {0, 0});
    EXPECT_EQ(form.Left(), 490);
    // The right button does not move it.
    plat::SendMouseAtScreen(bar, TMouseAction::Press, TMouseButton::Right, {500, 400});
    plat::SendMouseAtScreen(bar, TMouseAction::Move, TMouseButton::Right, {100, 100});
    plat::SendMouseAtScreen(bar, TMouseAction::Release, TMouseButton::Right, {100, 100});
    EXPECT_EQ(form.Left(), 490);
}

TEST(DrawPanel, OnPaintReplacesThePictureAndAnEmptyPicturePaintsPlain) {
    plat::TForm form;
    form.SetClientSize(50, 50);
    auto& panel = form.Make<TDrawPanel>();
    panel.SetBounds(0, 0, 20, 20);
    form.Show();
    EXPECT_EQ(panel.Snapshot().GetPixel(5, 5), plat::clSilver);
    panel.OnPaint = [](TDrawPanel&, plat::Canvas& c) { c.SetPixel(5, 5, plat::clRed); };
    EXPECT_EQ(panel.Snapshot().GetPixel(5, 5), plat::clRed);
}

} // namespace
