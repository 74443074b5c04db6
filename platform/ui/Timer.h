// Timers of the windowing layer. Every TTimer is due on the platform clock (Platform::TickCount),
// so a test installs a fake clock, moves it and calls RunDueTimers() instead of waiting; in a
// running program the application's pump calls RunDueTimers() from the event loop.
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

} // namespace plat
