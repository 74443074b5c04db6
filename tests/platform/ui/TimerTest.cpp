#include "platform/ui/Timer.h"

#include "platform/ui/Control.h"
#include "tests/platform/ui/FakeClock.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

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

// Puts a recording waker in place of the application's for the test's lifetime.
struct RecordingWaker {
    RecordingWaker() : previous(SetTimerWaker([this](int64_t delay) { delays.push_back(delay); })) {}
    ~RecordingWaker() { SetTimerWaker(previous); }
    int64_t Last() const { return delays.empty() ? -2 : delays.back(); }
    std::vector<int64_t> delays;
    TimerWaker previous;
};

TEST(TimerTest, TheWakerIsAskedForTheEarliestDueTimeOnEveryChange) {
    FakeClockPlatform clock;
    PlatformGuard guard(clock);
    RecordingWaker waker;
    TTimer slow;
    slow.SetInterval(300);
    EXPECT_EQ(waker.Last(), 300);
    TTimer fast;
    fast.SetInterval(120);
    EXPECT_EQ(waker.Last(), 120);
    clock.Now += 20;
    EXPECT_EQ(MsUntilNextTimer(), 100);
    int fastTicks = 0;
    fast.OnTimer = [&] { ++fastTicks; };
    clock.Now += 100;
    const size_t before = waker.delays.size();
    RunDueTimers();
    EXPECT_EQ(fastTicks, 1);
    // One request after the whole batch: the next tick of `fast`, 120 from now, before `slow`'s 180.
    ASSERT_EQ(waker.delays.size(), before + 1);
    EXPECT_EQ(waker.Last(), 120);
    fast.SetEnabled(false);
    EXPECT_EQ(waker.Last(), 180);
    clock.Now += 500;
    EXPECT_EQ(MsUntilNextTimer(), 0) << "overdue";
    slow.SetInterval(0);
    EXPECT_EQ(waker.Last(), -1) << "nothing left to wake for";
}

TEST(TimerTest, RealTimerWakesAWaitingEventLoopNeverEarly) {
    // The modal loop sleeps until an event comes: only the timers' own wake-up can end it.
    TForm dialog;
    dialog.SetClientSize(20, 20);
    const uint64_t start = Platform::Current().TickCount();
    TTimer timer;
    timer.SetInterval(30);
    uint64_t firedAt = 0;
    timer.OnTimer = [&] {
        firedAt = Platform::Current().TickCount();
        dialog.SetModalResult(1);
    };
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_GE(firedAt - start, 30u);
}

} // namespace
} // namespace plat
