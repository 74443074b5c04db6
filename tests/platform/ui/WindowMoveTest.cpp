// Moving a frameless window by hand: the window follows global pointer positions for as long as
// the button is held, whichever control took the press and wherever the pointer goes.
#include "platform/ui/Control.h"
#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

// A title strip that moves its window when pressed, as the caption bars do.
struct Strip : TControl {
    using TControl::TControl;
    void MouseDown(TMouseButton button, TShiftState, int, int) override {
        if (button == TMouseButton::Left)
            static_cast<TForm*>(Parent())->StartWindowMove();
    }
};

TPoint Where(const TForm& form) {
    return {form.Left(), form.Top()};
}

TEST(WindowMoveTest, PressOnAChildMovesTheWindowWithThePointerEvenFarOutsideIt) {
    TForm form;
    form.SetClientSize(200, 100);
    form.SetBounds(100, 100, 200, 100);
    auto& strip = form.Make<Strip>();
    strip.SetBounds(0, 0, 200, 20);
    form.Show();

    SendMouseAtScreen(strip, TMouseAction::Press, TMouseButton::Left, {110, 105});
    // A fast drag: the first move the window hears of is already far outside it.
    SendMouseAtScreen(strip, TMouseAction::Move, TMouseButton::Left, {400, 300});
    EXPECT_EQ(Where(form), (TPoint{390, 295}));
    SendMouseAtScreen(strip, TMouseAction::Move, TMouseButton::Left, {50, 60});
    EXPECT_EQ(Where(form), (TPoint{40, 55}));
    SendMouseAtScreen(strip, TMouseAction::Release, TMouseButton::Left, {50, 60});
    SendMouseAtScreen(strip, TMouseAction::Move, TMouseButton::Left, {300, 300});
    EXPECT_EQ(Where(form), (TPoint{40, 55})) << "the release ends the move";
}

TEST(WindowMoveTest, SurfaceDragMovesOnlyWhenAllowed) {
    TForm form;
    form.SetClientSize(80, 60);
    form.SetBounds(10, 10, 80, 60);
    form.Show();
    SendMouse(form, TMouseAction::Press, TMouseButton::Left, 5, 5);
    SendMouseAtScreen(form, TMouseAction::Move, TMouseButton::Left, {215, 115});
    SendMouseAtScreen(form, TMouseAction::Release, TMouseButton::Left, {215, 115});
    EXPECT_EQ(Where(form), (TPoint{210, 110}));

    form.DragMovesWindow = false;
    SendMouse(form, TMouseAction::Press, TMouseButton::Left, 5, 5);
    SendMouseAtScreen(form, TMouseAction::Move, TMouseButton::Left, {0, 0});
    SendMouseAtScreen(form, TMouseAction::Release, TMouseButton::Left, {0, 0});
    EXPECT_EQ(Where(form), (TPoint{210, 110}));
    // The right button never moves the window.
    form.DragMovesWindow = true;
    SendMouse(form, TMouseAction::Press, TMouseButton::Right, 5, 5);
    SendMouseAtScreen(form, TMouseAction::Move, TMouseButton::Right, {0, 0});
    SendMouseAtScreen(form, TMouseAction::Release, TMouseButton::Right, {0, 0});
    EXPECT_EQ(Where(form), (TPoint{210, 110}));
}

} // namespace
} // namespace plat
