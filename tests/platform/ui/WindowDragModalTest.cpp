#include "platform/ui/Control.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>
#include <string>

namespace plat {
namespace {

struct Source : TControl, TDragSource {
    using TControl::TControl;
    void MouseDown(TMouseButton, TShiftState, int, int) override {
        DragManager::Instance().BeginDrag(*this, std::string("model"));
    }
    void EndDrag(TDragTarget* target, int, int) override {
        ++ends;
        endedOn = target;
    }
    int ends = 0;
    TDragTarget* endedOn = nullptr;
};

struct Target : TControl, TDragTarget {
    Target(TControl* parent, bool accepts) : TControl(parent), accepts(accepts) {}
    bool DragOver(const std::any&, int, int, TCursor&) override { return accepts; }
    void DragDrop(const std::any&, int x, int y) override {
        dropped = {x, y};
        ++drops;
    }
    bool accepts;
    int drops = 0;
    TPoint dropped;
};

TEST(WindowDragTest, TargetUnderTheMouseDecidesCursorAndDrop) {
    TForm form;
    form.SetClientSize(100, 40);
    form.SetBounds(0, 0, 100, 40);
    form.DragMovesWindow = false;
    auto& source = form.Make<Source>();
    source.SetBounds(0, 0, 20, 20);
    auto& doll = form.Make<Target>(true);
    doll.SetBounds(30, 0, 20, 20);
    doll.SetCursor(crFirstCustom + 5);
    auto& wall = form.Make<Target>(false);
    wall.SetBounds(60, 0, 20, 20);
    form.Show();
    SetScreenCursor(crDefault);

    SendMouse(source, TMouseAction::Press, TMouseButton::Left, 5, 5);
    ASSERT_TRUE(DragManager::Instance().Dragging());
    EXPECT_EQ(GetScreenCursor(), crNoDrop);
    SendMouse(source, TMouseAction::Move, TMouseButton::Left, 35, 5);
    EXPECT_EQ(GetScreenCursor(), crFirstCustom + 5);
    SendMouse(source, TMouseAction::Move, TMouseButton::Left, 65, 5);
    EXPECT_EQ(GetScreenCursor(), crNoDrop);
    // Refused: dropped on the wall.
    SendMouse(source, TMouseAction::Release, TMouseButton::Left, 65, 5);
    EXPECT_EQ(wall.drops, 0);
    EXPECT_EQ(source.ends, 1);
    EXPECT_EQ(source.endedOn, nullptr);
    EXPECT_EQ(GetScreenCursor(), crDefault);

    SendMouse(source, TMouseAction::Press, TMouseButton::Left, 5, 5);
    SendMouse(source, TMouseAction::Release, TMouseButton::Left, 38, 6);
    EXPECT_EQ(doll.drops, 1);
    EXPECT_EQ(doll.dropped, (TPoint{8, 6}));
    EXPECT_EQ(source.endedOn, static_cast<TDragTarget*>(&doll));
}

TEST(ModalTest, ShowModalReturnsTheResultSetFromAnEvent) {
    TForm dialog;
    dialog.SetClientSize(30, 30);
    TTimer closer;
    closer.SetInterval(10);
    closer.OnTimer = [&] { dialog.SetModalResult(6); };
    EXPECT_EQ(dialog.ShowModal(), 6);
    EXPECT_FALSE(dialog.Visible());
}

} // namespace
} // namespace plat
