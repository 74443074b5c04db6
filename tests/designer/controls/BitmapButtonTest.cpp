// The picture button on a real (offscreen) window, driven by synthetic mouse events.
#include "designer/controls/BitmapButton.h"

#include "designer/controls/DrawPanel.h"
#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>

using plat::Bitmap;

namespace {

constexpr plat::TColor kFrames[] = {plat::RGB(200, 0, 0), plat::RGB(0, 200, 0)};

Bitmap Strip() {
    Bitmap b(128, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 128; ++x)
            b.SetPixel(x, y, kFrames[x / 64]);
    return b;
}

TEST(BitmapButton, PressShowsPressStateAndReleaseOverTheButtonClicks) {
    plat::TForm form;
    form.SetClientSize(200, 100);
    auto& button = form.Make<TBitmapButton>();
    button.SetPicture(Strip());
    button.SetBounds(20, 20, button.Width(), button.Height());
    EXPECT_EQ(button.Width(), 64);
    EXPECT_EQ(button.Height(), 30);
    form.Show();
    int clicks = 0;
    button.OnClick = [&](plat::TControl&) { ++clicks; };

    EXPECT_EQ(button.Snapshot().GetPixel(5, 5), kFrames[0]);
    plat::SendMouse(button, plat::TMouseAction::Press, plat::TMouseButton::Left, 5, 5);
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(button.Snapshot().GetPixel(5, 5), kFrames[1]);
    plat::SendMouse(button, plat::TMouseAction::Release, plat::TMouseButton::Left, 5, 5);
    EXPECT_EQ(button.Snapshot().GetPixel(5, 5), kFrames[0]);
    EXPECT_EQ(clicks, 1);

    plat::SendMouse(button, plat::TMouseAction::Press, plat::TMouseButton::Left, 5, 5);
    plat::SendMouse(button, plat::TMouseAction::Release, plat::TMouseButton::Left, 150, 5);
    EXPECT_EQ(clicks, 1) << "released outside";
    EXPECT_FALSE(button.Pressed());
}

TEST(BitmapButton, StateChangeRaisesOnChangeStateAndAssignCopiesTheLook) {
    plat::TForm form;
    form.SetClientSize(200, 100);
    auto& a = form.Make<TBitmapButton>();
    auto& b = form.Make<TBitmapButton>();
    a.SetPicture(Strip());
    int changes = 0;
    a.OnChangeState = [&](TBitmapButton&) { ++changes; };
    a.SetState(1);
    a.SetState(2);
    EXPECT_EQ(changes, 1);
    b.Assign(a);
    EXPECT_EQ(b.Look().State, 2);
    b.SetState(1);
    EXPECT_EQ(changes, 2) << "the event binding was copied too";
}

} // namespace

namespace {

TEST(BitmapButton, TransparentButtonShowsItsParentThroughPureWhite) {
    plat::TForm form;
    form.SetClientSize(200, 100);
    auto& back = form.Make<TDrawPanel>();
    back.SetBounds(0, 0, 200, 100);
    back.Picture = Bitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            back.Picture.SetPixel(x, y, plat::clGreen);
    Bitmap strip(192, 32); // white frames: everything shows the parent
    auto& button = back.Make<TBitmapButton>();
    button.SetNumBitmaps(3);
    button.SetResImage(&strip, 0, 0);
    button.SetBounds(20, 20, 96, 32);
    TBitmapButtonLook look = button.Look();
    look.Caption = "Transparent";
    look.Transparent = true;
    button.SetLook(look);
    form.Show();
    EXPECT_EQ(form.Snapshot().GetPixel(30, 30), plat::clGreen);
}

} // namespace
