#include "platform/ui/Control.h"

#include "platform/core/ScreenCursor.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>
#include <vector>

namespace plat {
namespace {

// Fills itself with one colour and records the mouse.
class Filled : public TControl {
public:
    Filled(TControl* parent, TColor color, int* freed = nullptr)
        : TControl(parent), color_(color), freed_(freed) {}
    ~Filled() override {
        if (freed_)
            ++*freed_;
    }
    void Paint(Canvas& canvas) override {
        if (color_ == clWhite)
            return; // leaves whatever the buffer started with
        canvas.Brush.Color = color_;
        canvas.FillRect(Rect(0, 0, Width(), Height()));
    }
    void MouseDown(TMouseButton, TShiftState, int x, int y) override { Events.push_back({x, y}); }
    std::vector<TPoint> Events;

private:
    TColor color_;
    int* freed_;
};

TEST(ControlTest, OwnerFreesWhatItOwnsDepthFirst) {
    int freed = 0;
    {
        TForm form;
        auto& panel = form.Make<Filled>(clRed, &freed);
        panel.Make<Filled>(clBlue, &freed);
        panel.Make<Filled>(clBlue, &freed);
        auto& gone = form.Make<Filled>(clBlue, &freed);
        form.Free(gone);
        EXPECT_EQ(freed, 1);
        EXPECT_EQ(form.Controls().size(), 1u);
    }
    EXPECT_EQ(freed, 4);
}

TEST(ControlTest, PaintsChildrenOverParentAndTransparentSeesParentPixels) {
    TForm form;
    form.SetClientSize(40, 30);
    form.SetBounds(0, 0, 40, 30);
    auto& background = form.Make<Filled>(clGreen);
    background.SetBounds(0, 0, 40, 30);
    auto& opaque = background.Make<Filled>(clRed);
    opaque.SetBounds(2, 2, 5, 5);
    auto& seeThrough = background.Make<Filled>(clWhite);
    seeThrough.SetTransparent(true);
    seeThrough.SetBounds(20, 10, 6, 6);
    const Bitmap shot = form.Snapshot();
    ASSERT_EQ(shot.Width(), 40);
    EXPECT_EQ(shot.GetPixel(0, 0), clGreen);
    EXPECT_EQ(shot.GetPixel(2, 2), clRed);
    EXPECT_EQ(shot.GetPixel(6, 6), clRed);
    EXPECT_EQ(shot.GetPixel(7, 7), clGreen);
    EXPECT_EQ(shot.GetPixel(22, 12), clGreen); // parent's pixels, not the white fresh buffer
    EXPECT_EQ(seeThrough.BackBuffer().GetPixel(0, 0), clGreen);
}

TEST(ControlTest, ZeroSizeControlPaintsNothingAndDoesNotCrash) {
    TForm form;
    form.SetClientSize(10, 10);
    auto& empty = form.Make<Filled>(clRed);
    empty.SetBounds(3, 3, 0, -5);
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(form.Snapshot().GetPixel(3, 3), clWhite);
}

TEST(ControlTest, SyntheticMouseReachesTheControlWithLocalCoordinates) {
    TForm form;
    form.SetClientSize(50, 50);
    auto& target = form.Make<Filled>(clRed);
    target.SetBounds(10, 10, 20, 20);
    int clicks = 0;
    target.OnClick = [&](TControl&) { ++clicks; };
    Click(target, 4, 5);
    ASSERT_EQ(target.Events.size(), 1u);
    EXPECT_EQ(target.Events[0], (TPoint{4, 5}));
    EXPECT_EQ(clicks, 1);
    // Released outside: no click.
    SendMouse(target, TMouseAction::Press, TMouseButton::Left, 1, 1);
    SendMouse(target, TMouseAction::Release, TMouseButton::Left, 40, 40);
    EXPECT_EQ(clicks, 1);
}

TEST(ControlTest, StackingOrderDecidesWhatShows) {
    TForm form;
    form.SetClientSize(20, 20);
    auto& below = form.Make<Filled>(clRed);
    below.SetBounds(0, 0, 20, 20);
    auto& above = form.Make<Filled>(clBlue);
    above.SetBounds(0, 0, 20, 20);
    EXPECT_EQ(form.Snapshot().GetPixel(5, 5), clBlue);
    below.BringToFront();
    EXPECT_EQ(form.Snapshot().GetPixel(5, 5), clRed);
    below.SendToBack();
    EXPECT_EQ(form.Snapshot().GetPixel(5, 5), clBlue);
    above.Hide();
    EXPECT_EQ(form.Snapshot().GetPixel(5, 5), clRed);
}

TEST(ControlTest, CursorTableAndScreenCursor) {
    TForm form; // makes the application and installs the screen cursor sink
    Bitmap arrow(8, 8);
    arrow.SetPixel(0, 0, clBlack);
    RegisterCursor(crFirstCustom + 4, arrow, {0, 0});
    EXPECT_TRUE(CursorRegistered(crFirstCustom + 4));
    RegisterCursor(crFirstCustom + 4, Bitmap(), {0, 0});
    EXPECT_FALSE(CursorRegistered(crFirstCustom + 4));
    SetScreenCursor(crHourGlass);
    EXPECT_EQ(GetScreenCursor(), crHourGlass);
    SetScreenCursor(crDefault);
    EXPECT_EQ(GetScreenCursor(), crDefault);
}

} // namespace
} // namespace plat
