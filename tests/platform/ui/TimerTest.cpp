#include "platform/ui/Timer.h"

#include "tests/platform/ui/FakeClock.h"

#include <gtest/gtest.h>
#include <memory>

namespace plat {
namespace {

using velmora::test::FakeClockPlatform;

TEST(TimerTest, FiresOncePerIntervalOnTheInjectedClock) {
    FakeClockPlatform clock;
    PlatformGuard guard(clock);
    TTimer timer;
    timer.SetInterval(100);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    clock.Now += 99;
    RunDueTimers();
    EXPECT_EQ(ticks, 0);
    clock.Now += 1;
    RunDueTimers();
    RunDueTimers();
    EXPECT_EQ(ticks, 1);
    clock.Now += 100;
    RunDueTimers();
    EXPECT_EQ(ticks, 2);
}

TEST(TimerTest, DisabledOrZeroIntervalNeverFires) {
    FakeClockPlatform clock;
    PlatformGuard guard(clock);
    TTimer disabled;
    disabled.SetInterval(10);
    disabled.SetEnabled(false);
    TTimer zero;
    zero.SetInterval(0);
    int ticks = 0;
    disabled.OnTimer = zero.OnTimer = [&] { ++ticks; };
    clock.Now += 1000;
    RunDueTimers();
    EXPECT_EQ(ticks, 0);
}

TEST(TimerTest, EnablingRestartsTheInterval) {
    FakeClockPlatform clock;
    PlatformGuard guard(clock);
    TTimer timer;
    timer.SetInterval(50);
    timer.SetEnabled(false);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    clock.Now += 500;
    timer.SetEnabled(true);
    clock.Now += 49;
    RunDueTimers();
    EXPECT_EQ(ticks, 0);
    clock.Now += 1;
    RunDueTimers();
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, HandlerDestroyingAnotherTimerIsSafe) {
    FakeClockPlatform clock;
    PlatformGuard guard(clock);
    auto victim = std::make_unique<TTimer>();
    TTimer killer;
    killer.SetInterval(10);
    victim->SetInterval(10);
    int victimTicks = 0;
    victim->OnTimer = [&] { ++victimTicks; };
    killer.OnTimer = [&] { victim.reset(); };
    clock.Now += 10;
    RunDueTimers();
    // Whichever ran first, the destroyed timer is never touched afterwards.
    EXPECT_LE(victimTicks, 1);
    EXPECT_EQ(victim, nullptr);
}

} // namespace
} // namespace plat
