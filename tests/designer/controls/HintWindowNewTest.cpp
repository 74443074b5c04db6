// The skinned hint as a real window over a fake screen: shown by the application's hint timing
// after the pause, placed above the mouse near the bottom of the screen, painted as a glow over
// the captured backdrop with the text in its middle, and never taking the activation.
#include "designer/controls/HintWindowNew.h"

#include "designer/controls/HintGlow.h"
#include "platform/core/Numeric.h"
#include "platform/core/Platform.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

namespace {

constexpr plat::TColor kBackdrop = plat::RGB(0, 200, 0);

struct FakeScreen : plat::ScreenSource {
    int Width() const override { return 640; }
    int Height() const override { return 480; }
    plat::TPoint CursorPos() const override { return Cursor; }
    plat::Bitmap Capture(const plat::TRect& rect) const override {
        Captured = rect;
        plat::Bitmap shot(rect.Width(), rect.Height());
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                shot.SetPixel(x, y, kBackdrop);
        return shot;
    }
    plat::TPoint Cursor;
    mutable plat::TRect Captured;
};

struct FakeClock : plat::Platform {
    uint64_t TickCount() const override { return Now; }
    uint64_t Now = 1000;
};

uint32_t Toward(uint32_t from, int to, double t) {
    return static_cast<uint32_t>(static_cast<int>(from) + plat::Round(t * (to - static_cast<int>(from))));
}

TEST(HintWindowNew, NearTheBottomItShowsAboveTheMouseAsAGlowWithoutTakingTheActivation) {
    FakeClock clock;
    plat::PlatformGuard clockGuard(clock);
    FakeScreen screen;
    plat::ScreenSourceGuard screenGuard(screen);
    InstallHintWindowNew();

    plat::TForm form;
    form.SetClientSize(300, 60);
    form.SetBounds(200, 420, 300, 60);
    auto& button = form.Make<plat::TControl>();
    button.SetBounds(0, 0, 300, 60);
    button.SetHint("Print the patterns");
    button.SetShowHint(true);
    form.Show();
    form.Activate();
    plat::ProcessMessages();
    ASSERT_TRUE(form.WindowActive());

    screen.Cursor = {300, 470};
    plat::SendMouseAtScreen(button, plat::TMouseAction::Move, plat::TMouseButton::Left, screen.Cursor);
    clock.Now += plat::kHintPause - 1;
    plat::RunDueTimers();
    auto* hint = dynamic_cast<THintWindowNew*>(plat::HintWindowInstance());
    EXPECT_TRUE(hint == nullptr || !hint->Visible()) << "not before the pause";
    clock.Now += 1;
    plat::RunDueTimers();
    hint = dynamic_cast<THintWindowNew*>(plat::HintWindowInstance());
    ASSERT_NE(hint, nullptr) << "the installed class shows the hints";
    plat::ProcessMessages();
    ASSERT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(), "Print the patterns");

    // Asked for below the pointer, pushed up by the screen's bottom into the pointer's row, and
    // so put right above the pointer.
    const plat::TRect size = hint->CalcHintRect(640, "Print the patterns");
    const plat::TRect placed = hint->BoundsRect();
    EXPECT_EQ(placed, plat::Bounds(300, 470 - size.Height(), size.Width(), size.Height()));
    EXPECT_EQ(screen.Captured, placed) << "the backdrop is what the screen shows there";
    EXPECT_TRUE(form.WindowActive());
    EXPECT_FALSE(hint->WindowActive());

    const plat::Bitmap shown = hint->Snapshot();
    const int cx = placed.Width() / 2;
    const int cy = placed.Height() / 2;
    EXPECT_EQ(shown.GetPixel(0, 0), kBackdrop) << "outside the ellipse the backdrop stays";
    // A quarter of the way in from the left on the middle row, left of the text: weight 1 - 0.75².
    const plat::TColor glow = shown.GetPixel(cx / 4, cy);
    const double t = 1.0 - (cx - cx / 4) * (cx - cx / 4) / static_cast<double>(cx * cx);
    EXPECT_EQ(plat::GetRValue(glow), Toward(0, 72, t));
    EXPECT_EQ(plat::GetGValue(glow), Toward(200, 83, t));
    EXPECT_EQ(plat::GetBValue(glow), Toward(0, 186, t));
    int textPixels = 0;
    const plat::TRect text = HintTextRect(placed.Width(), placed.Height());
    for (int y = text.Top; y < text.Bottom; ++y)
        for (int x = text.Left; x < text.Right; ++x)
            textPixels += shown.GetPixel(x, y) == kHintTextColor;
    EXPECT_GT(textPixels, 10) << "the text is written in the hint colour inside its rectangle";

    // Leaving the control hides it.
    auto& other = form.Make<plat::TControl>();
    other.SetBounds(0, 0, 10, 10);
    plat::SendMouse(other, plat::TMouseAction::Move, plat::TMouseButton::Left, 1, 1);
    EXPECT_FALSE(hint->Visible());
    plat::SetHintWindowClass(nullptr);
}

TEST(HintWindowNew, MeasuredInTheBigFontTextInHalfOfIt) {
    THintWindowNew hint;
    EXPECT_EQ(hint.HintFont().Size, HintFontSize(plat::Platform::Current().ScreenPixelsPerInch()));
    EXPECT_EQ(hint.HintFont().Color, kHintTextColor);
    const plat::TRect one = hint.CalcHintRect(640, "Save");
    const plat::TRect two = hint.CalcHintRect(640, "Save\r\nthe outfit");
    EXPECT_GT(one.Width(), 6);
    EXPECT_GT(two.Height() - 2, 2 * (one.Height() - 2) - 1) << "two lines are twice as high";
    // Too narrow for two words on a line: wrapped.
    const plat::TRect narrow = hint.CalcHintRect(one.Width(), "Save Save");
    EXPECT_EQ(narrow.Height(), two.Height());
}

} // namespace
