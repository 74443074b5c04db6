// Timers of the windowing layer. Every TTimer is due on the platform clock (Platform::TickCount),
// so a test installs a fake clock, moves it and calls RunDueTimers() instead of waiting. In a
// running program the application arms one precise wake-up for the earliest due timer (see
// SetTimerWaker), so a tick comes on its millisecond rather than on the next poll.
#pragma once

#include <cstdint>
#include <functional>

namespace plat {

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    // Milliseconds between ticks; 0 keeps the timer silent however it is enabled.
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

    // Enabled with a non-zero interval.
    bool Running() const { return enabled_ && interval_ > 0; }
    // Platform clock time of the next tick.
    uint64_t Due() const { return due_; }
    // Used by the scheduler: fires once if due at `now` and schedules the next tick.
    void FireIfDue(uint64_t now);

private:
    void Restart();

    unsigned interval_ = 1000;
    bool enabled_ = true;
    uint64_t due_ = 0;
};

// Fires every enabled timer whose time has come on the platform clock, each at most once per
// call. Timers created or destroyed by a handler are handled safely.
void RunDueTimers();

// Milliseconds from now until the earliest enabled timer is due (0 when one is overdue); -1 when
// no timer is running.
int64_t MsUntilNextTimer();

// The waker is told the delay of MsUntilNextTimer() whenever it may have changed (a timer made,
// started, stopped, retimed or fired); it must arrange for RunDueTimers() to run after that delay,
// replacing any earlier request. -1 means nothing needs waking. Installed by the application;
// returns the previous waker.
using TimerWaker = std::function<void(int64_t delayMs)>;
TimerWaker SetTimerWaker(TimerWaker waker);

} // namespace plat
