// The flying message on an offscreen window with the fake clock: ticks, hiding, the click.
#include "designer/controls/FlyBitmap.h"

#include "platform/core/Platform.h"
#include "platform/ui/Synthetic.h"

#include <gtest/gtest.h>

namespace {

class Clock : public plat::Platform {
public:
    uint64_t TickCount() const override { return Now; }
    uint64_t Now = 1000;
};

TEST(FlyBitmap, FliesOnTheTimerAndHidesAfterTheLastTick) {
    Clock clock;
    plat::PlatformGuard guard(clock);
    plat::TForm form;
    form.SetClientSize(300, 200);
    auto& fly = form.Make<TFlyBitmap>();
    fly.SetBounds(40, 40, 220, 80);
    fly.SetStates(4, 10, 4);
    fly.SetInterval(50);
    fly.MainForm = &form;
    form.Show();
    fly.SetEnabled(true);
    EXPECT_TRUE(fly.Enabled());
    for (int tick = 1; tick <= 17; ++tick) {
        clock.Now += 50;
        plat::RunDueTimers();
        ASSERT_TRUE(fly.Enabled()) << tick;
    }
    EXPECT_EQ(fly.PictureRect(), plat::Bounds(82, 30, 55, 20)) << "tick 17: a quarter of the way out";
    clock.Now += 50;
    plat::RunDueTimers();
    EXPECT_FALSE(fly.Enabled());
}

TEST(FlyBitmap, ClickEndsTheFlightAndNoMainFormPaintsRed) {
    Clock clock;
    plat::PlatformGuard guard(clock);
    plat::TForm form;
    form.SetClientSize(300, 200);
    auto& fly = form.Make<TFlyBitmap>();
    fly.SetBounds(0, 0, 100, 50);
    fly.SetStates(4, 1, 0);
    form.Show();
    fly.SetEnabled(true);
    EXPECT_EQ(fly.Snapshot().GetPixel(50, 25), plat::clRed) << "tick 0: nothing over the red backdrop";
    fly.SetStates(0, 5, 0);
    EXPECT_EQ(fly.Snapshot().GetPixel(2, 2), plat::clBlue) << "no skin: the picture's rectangle is blue";
    plat::Click(fly, 10, 10);
    EXPECT_FALSE(fly.Enabled());
}

} // namespace
