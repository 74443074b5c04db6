// The painted scroll bar: range and position, the thumb's geometry, line and page steps, dragging,
// the repeat of a held arrow or page area, and the widget's own painting replaced by its owner's.
#include "designer/controls/PaintScrollBar.h"

#include "platform/core/Platform.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// A bar 17 wide and 117 high: arrows of 17, a track of 83 from 17 to 100, a thumb of 17.
TScrollBarTrack Bar(int min, int max) {
    TScrollBarTrack bar;
    bar.SetSize(17, 117);
    bar.SetMin(min);
    bar.SetMax(max);
    return bar;
}

TEST(ScrollBarTrack, PositionStaysInTheRangeAndBadRangesCollapse) {
    TScrollBarTrack bar = Bar(0, 10);
    EXPECT_TRUE(bar.SetPosition(7));
    EXPECT_FALSE(bar.SetPosition(7)) << "no change, no notice";
    EXPECT_TRUE(bar.SetPosition(25));
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_TRUE(bar.SetPosition(-3));
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(8);
    EXPECT_TRUE(bar.SetMax(5));
    EXPECT_EQ(bar.Position(), 5);
    EXPECT_TRUE(bar.SetMin(6));
    EXPECT_EQ(bar.Min(), 6);
    EXPECT_EQ(bar.Max(), 6);
    EXPECT_EQ(bar.Position(), 6);
    bar.SetMax(-100);
    EXPECT_EQ(bar.Max(), 6);
    bar.SetLargeChange(0);
    bar.SetSmallChange(-4);
    EXPECT_EQ(bar.LargeChange(), 1);
    EXPECT_EQ(bar.SmallChange(), 1);
}

TEST(ScrollBarTrack, ThumbMovesAlongTheTrackWithThePosition) {
    TScrollBarTrack bar = Bar(0, 66);
    EXPECT_EQ(bar.UpArrow(), plat::Bounds(0, 0, 17, 17));
    EXPECT_EQ(bar.DownArrow(), plat::Bounds(0, 100, 17, 17));
    EXPECT_EQ(bar.Track(), plat::Rect(0, 17, 17, 100));
    EXPECT_EQ(bar.Thumb(), plat::Bounds(0, 17, 17, 17));
    bar.SetPosition(66);
    EXPECT_EQ(bar.Thumb(), plat::Bounds(0, 83, 17, 17));
    bar.SetPosition(33);
    EXPECT_EQ(bar.Thumb(), plat::Bounds(0, 50, 17, 17));
}

TEST(ScrollBarTrack, NothingToScrollOrNoRoomShowsNoThumb) {
    TScrollBarTrack empty = Bar(0, 0);
    EXPECT_EQ(empty.Thumb().Height(), 0);
    EXPECT_EQ(empty.HitTest(8, 50), TScrollPart::None);
    EXPECT_FALSE(empty.Press(8, 5));
    EXPECT_FALSE(empty.Press(8, 110));
    TScrollBarTrack tiny = Bar(0, 10);
    tiny.SetSize(17, 20);
    EXPECT_EQ(tiny.UpArrow(), plat::Bounds(0, 0, 17, 10));
    EXPECT_EQ(tiny.DownArrow(), plat::Bounds(0, 10, 17, 10));
    EXPECT_EQ(tiny.Thumb().Height(), 0);
    TScrollBarTrack none = Bar(0, 10);
    none.SetSize(0, 0);
    EXPECT_EQ(none.HitTest(0, 0), TScrollPart::None);
    EXPECT_EQ(none.Thumb().Height(), 0);
}

TEST(ScrollBarTrack, ArrowsStepALineAndTheTrackAPage) {
    TScrollBarTrack bar = Bar(0, 100);
    bar.SetSmallChange(2);
    bar.SetLargeChange(30);
    EXPECT_EQ(bar.HitTest(8, 3), TScrollPart::LineUp);
    EXPECT_EQ(bar.HitTest(8, 110), TScrollPart::LineDown);
    EXPECT_EQ(bar.HitTest(8, 20), TScrollPart::Thumb);
    EXPECT_EQ(bar.HitTest(8, 60), TScrollPart::PageDown);
    EXPECT_EQ(bar.HitTest(17, 60), TScrollPart::None);
    EXPECT_TRUE(bar.Press(8, 110));
    EXPECT_EQ(bar.Position(), 2);
    EXPECT_TRUE(bar.Press(8, 60));
    EXPECT_EQ(bar.Position(), 32);
    const int thumbTop = bar.Thumb().Top;
    EXPECT_EQ(bar.HitTest(8, thumbTop - 1), TScrollPart::PageUp);
    EXPECT_TRUE(bar.Press(8, thumbTop - 1));
    EXPECT_EQ(bar.Position(), 2);
    EXPECT_TRUE(bar.Press(8, 3));
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_FALSE(bar.Press(8, 3)) << "already at the top";
    EXPECT_FALSE(bar.Dragging()) << "steps do not grab the thumb";
}

TEST(ScrollBarTrack, DraggingTheThumbFollowsTheMouseWithinTheTrack) {
    TScrollBarTrack bar = Bar(0, 66);
    EXPECT_FALSE(bar.Drag(50)) << "not held";
    EXPECT_FALSE(bar.Press(8, 20));
    EXPECT_TRUE(bar.Dragging());
    // Grabbed 3 pixels below the thumb's top: the thumb's top goes to 50, half way.
    EXPECT_TRUE(bar.Drag(53));
    EXPECT_EQ(bar.Position(), 33);
    EXPECT_EQ(bar.Thumb().Top, 50);
    EXPECT_TRUE(bar.Drag(500));
    EXPECT_EQ(bar.Position(), 66);
    EXPECT_TRUE(bar.Drag(-500));
    EXPECT_EQ(bar.Position(), 0);
    bar.Release();
    EXPECT_FALSE(bar.Drag(53));
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ScrollBarTrack, RepeatStepsTheHeldPartOnlyWhileThePointerIsOverIt) {
    TScrollBarTrack bar = Bar(0, 100);
    bar.SetLargeChange(20);
    EXPECT_FALSE(bar.Repeat()) << "nothing held";
    bar.Press(8, 110);
    EXPECT_EQ(bar.Held(), TScrollPart::LineDown);
    EXPECT_TRUE(bar.Repeat());
    EXPECT_EQ(bar.Position(), 2);
    bar.MovePointer(8, 60);
    EXPECT_FALSE(bar.Repeat()) << "off the arrow: paused";
    bar.MovePointer(8, 112);
    EXPECT_TRUE(bar.Repeat());
    bar.Release();
    EXPECT_FALSE(bar.Repeat());
    EXPECT_EQ(bar.Position(), 3);
    // A held page area steps until the thumb arrives under the pointer, then stops.
    bar.SetPosition(0);
    bar.Press(8, 90);
    EXPECT_EQ(bar.Held(), TScrollPart::PageDown);
    int repeats = 0;
    while (bar.Repeat())
        ++repeats;
    EXPECT_TRUE(bar.Thumb().Contains(8, 90)) << "thumb at " << bar.Thumb().Top;
    EXPECT_LT(repeats, 5);
    // The thumb is not a repeating part.
    bar.Release();
    bar.Press(8, bar.Thumb().Top + 1);
    EXPECT_EQ(bar.Held(), TScrollPart::None);
}

struct FakeClock : plat::Platform {
    uint64_t TickCount() const override { return Now; }
    uint64_t Now = 1000;
};

TEST(PaintScrollBar, HeldArrowRepeatsAfterADelayAtASteadyRate) {
    FakeClock clock;
    plat::PlatformGuard guard(clock);
    plat::TForm form;
    form.SetClientSize(40, 140);
    auto& bar = form.Make<TPaintScrollBar>();
    bar.SetBounds(0, 0, 17, 117);
    bar.SetMax(100);
    form.Show();
    auto advance = [&](uint64_t ms) {
        clock.Now += ms;
        plat::RunDueTimers();
    };
    using plat::TMouseAction;
    using plat::TMouseButton;
    plat::SendMouse(bar, TMouseAction::Press, TMouseButton::Left, 8, 110);
    EXPECT_EQ(bar.Position(), 1);
    advance(kScrollRepeatDelay - 1);
    EXPECT_EQ(bar.Position(), 1) << "a click is not a hold";
    advance(1);
    EXPECT_EQ(bar.Position(), 2);
    advance(kScrollRepeatInterval - 1);
    EXPECT_EQ(bar.Position(), 2);
    advance(1);
    EXPECT_EQ(bar.Position(), 3);
    advance(kScrollRepeatInterval);
    EXPECT_EQ(bar.Position(), 4);
    // Off the arrow the repeat pauses, back on it goes on.
    plat::SendMouse(bar, TMouseAction::Move, TMouseButton::Left, 30, 110);
    advance(kScrollRepeatInterval);
    EXPECT_EQ(bar.Position(), 4);
    plat::SendMouse(bar, TMouseAction::Move, TMouseButton::Left, 8, 110);
    advance(kScrollRepeatInterval);
    EXPECT_EQ(bar.Position(), 5);
    plat::SendMouse(bar, TMouseAction::Release, TMouseButton::Left, 8, 110);
    advance(10 * kScrollRepeatDelay);
    EXPECT_EQ(bar.Position(), 5);
    // Hidden while held, it never sees the release: the repeat stops by itself.
    plat::SendMouse(bar, TMouseAction::Press, TMouseButton::Left, 8, 3);
    EXPECT_EQ(bar.Position(), 4);
    bar.Hide();
    advance(kScrollRepeatDelay);
    advance(kScrollRepeatInterval);
    EXPECT_EQ(bar.Position(), 4);
    plat::SendMouse(bar, TMouseAction::Release, TMouseButton::Left, 8, 3);
}

TEST(PaintScrollBar, ReportsOnlyRealChanges) {
    plat::TForm form;
    form.SetClientSize(40, 140);
    auto& bar = form.Make<TPaintScrollBar>();
    bar.SetBounds(0, 0, 17, 117);
    form.Show();
    int changes = 0;
    TPaintScrollBar& view = bar;
    view.SetOnChange([&] { ++changes; });
    view.SetMin(0);
    view.SetMax(66);
    view.SetLargeChange(10);
    view.SetPosition(0);
    EXPECT_EQ(changes, 0);
    view.SetPosition(12);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view.Position(), 12);
    plat::Click(bar, 8, 110);
    EXPECT_EQ(bar.Position(), 13);
    EXPECT_EQ(changes, 2);
    plat::Click(bar, 8, 95);
    EXPECT_EQ(bar.Position(), 23);
    const int thumbTop = bar.State().Thumb().Top;
    plat::SendMouse(bar, plat::TMouseAction::Press, plat::TMouseButton::Left, 8, thumbTop + 2);
    plat::SendMouse(bar, plat::TMouseAction::Move, plat::TMouseButton::Left, 8, 500);
    plat::SendMouse(bar, plat::TMouseAction::Release, plat::TMouseButton::Left, 8, 500);
    EXPECT_EQ(bar.Position(), 66);
    view.SetMax(0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes, 5);
}

TEST(PaintScrollBar, OwnerPaintingAndErasingReplaceTheBarsOwn) {
    plat::TForm form;
    form.SetClientSize(40, 140);
    auto& bar = form.Make<TPaintScrollBar>();
    bar.SetBounds(0, 0, 17, 117);
    form.Show();
    bar.SetMax(10);
    const plat::Bitmap own = bar.Snapshot();
    EXPECT_EQ(own.GetPixel(8, 60), 0xE0E0E0u) << "the track";
    EXPECT_EQ(own.GetPixel(5, 20), 0xC0C0C0u) << "the thumb at the top";
    EXPECT_EQ(own.GetPixel(0, 0), plat::clWhite) << "the arrow's light edge";
    EXPECT_EQ(own.GetPixel(16, 16), 0x808080u) << "the arrow's dark edge";
    bool erased = false;
    bar.OnErase = [&](TPaintScrollBar&, plat::Canvas& c) {
        erased = true;
        c.Brush = plat::TBrush{plat::clRed, plat::BrushStyle::Solid};
        c.FillRect(plat::Bounds(0, 0, 17, 117));
    };
    const plat::Bitmap erasedByOwner = bar.Snapshot();
    EXPECT_TRUE(erased);
    EXPECT_EQ(erasedByOwner.GetPixel(8, 60), plat::clRed);
    EXPECT_EQ(erasedByOwner.GetPixel(5, 20), 0xC0C0C0u) << "the bar still paints its parts";
    bar.OnPaint = [](TPaintScrollBar&, plat::Canvas& c) { c.SetPixel(5, 20, plat::clBlue); };
    const plat::Bitmap painted = bar.Snapshot();
    EXPECT_EQ(painted.GetPixel(5, 20), plat::clBlue);
    EXPECT_EQ(painted.GetPixel(5, 21), plat::clRed) << "no thumb of its own";
    EXPECT_EQ(painted.GetPixel(0, 0), plat::clRed) << "no arrows of its own";
}

} // namespace
