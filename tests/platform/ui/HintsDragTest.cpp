#include "platform/ui/DragDrop.h"
#include "platform/ui/Hints.h"

#include <gtest/gtest.h>
#include <string>

namespace plat {
namespace {

TEST(HintTimerTest, PauseShowHidePauseAndCancel) {
    HintTimer hints;
    int control = 0;
    hints.MouseOver(&control, "Hint", {5, 5}, 0);
    EXPECT_FALSE(hints.Tick(kHintPause - 1));
    EXPECT_TRUE(hints.Tick(kHintPause));
    EXPECT_TRUE(hints.Showing());
    // Moving over the same control with the same text keeps it.
    hints.MouseOver(&control, "Hint", {6, 6}, kHintPause + 10);
    EXPECT_TRUE(hints.Showing());
    hints.Cancel(2000);
    EXPECT_FALSE(hints.Showing());
    EXPECT_TRUE(hints.Tick(2000 + kHintPause));
    EXPECT_TRUE(hints.Tick(2000 + kHintPause + kHintHidePause));
    EXPECT_FALSE(hints.Showing());
    // Expired: not shown again while the mouse stays.
    hints.MouseOver(&control, "Hint", {7, 7}, 200000);
    EXPECT_FALSE(hints.Tick(400000));
    // A new text starts over.
    hints.MouseOver(&control, "Other", {7, 7}, 400000);
    EXPECT_TRUE(hints.Tick(400000 + kHintPause));
    EXPECT_EQ(hints.Text(), "Other");
    hints.MouseLeft(500000);
    EXPECT_FALSE(hints.Showing());
    EXPECT_FALSE(hints.Tick(600000));
}

struct Source : TDragSource {
    void EndDrag(TDragTarget* target, int, int) override {
        ++ends;
        endedOn = target;
    }
    int ends = 0;
    TDragTarget* endedOn = nullptr;
};

struct Target : TDragTarget {
    explicit Target(bool accepts, TCursor cursor) : accepts(accepts), cursor(cursor) {}
    bool DragOver(const std::any& data, int, int, TCursor& shown) override {
        shown = cursor;
        return accepts && std::any_cast<std::string>(data) == "model";
    }
    void DragDrop(const std::any&, int x, int y) override {
        dropped = {x, y};
        ++drops;
    }
    bool accepts;
    TCursor cursor;
    int drops = 0;
    TPoint dropped;
};

TEST(DragDropTest, OverCursorsDropAndRefusal) {
    SetScreenCursor(crDefault);
    Source source;
    Target doll(true, crFirstCustom + 5);
    Target wall(false, crFirstCustom + 4);
    auto& drag = DragManager::Instance();
    drag.BeginDrag(source, std::string("model"));
    EXPECT_EQ(drag.Move(&doll, 1, 1, crDefault), crFirstCustom + 5);
    EXPECT_EQ(GetScreenCursor(), crFirstCustom + 5);
    EXPECT_EQ(drag.Move(&wall, 1, 1, crDefault), crNoDrop);
    EXPECT_EQ(drag.Move(nullptr, 1, 1, crDefault), crNoDrop);
    drag.Drop(&wall, 3, 4);
    EXPECT_EQ(wall.drops, 0);
    EXPECT_EQ(source.ends, 1);
    EXPECT_EQ(source.endedOn, nullptr);
    EXPECT_EQ(GetScreenCursor(), crDefault);
    EXPECT_FALSE(drag.Dragging());

    drag.BeginDrag(source, std::string("model"));
    drag.Drop(&doll, 7, 8);
    EXPECT_EQ(doll.drops, 1);
    EXPECT_EQ(doll.dropped, (TPoint{7, 8}));
    EXPECT_EQ(source.endedOn, &doll);
    // A drop with no drag in progress does nothing.
    drag.Drop(&doll, 0, 0);
    EXPECT_EQ(doll.drops, 1);
}

} // namespace
} // namespace plat
