// The timer list, its scheduling on the platform clock, and the one wake-up it asks the event
// loop for.
#include "platform/ui/Timer.h"

#include "platform/core/Platform.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace plat {

namespace {

std::vector<TTimer*>& Timers() {
    static std::vector<TTimer*> timers;
    return timers;
}

TimerWaker& Waker() {
    static TimerWaker waker;
    return waker;
}

// While RunDueTimers walks the list, the handlers' changes are collected into one wake-up at the
// end instead of re-arming the loop's timer once per change.
bool& InBatch() {
    static bool running = false;
    return running;
}

uint64_t Now() {
    return Platform::Current().TickCount();
}

void Reschedule() {
    if (InBatch() || !Waker())
        return;
    Waker()(MsUntilNextTimer());
}

} // namespace

TTimer::TTimer() {
    Timers().push_back(this);
    Restart();
}

TTimer::~TTimer() {
    auto& timers = Timers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    Reschedule();
}

void TTimer::SetInterval(unsigned interval) {
    interval_ = interval;
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart() {
    due_ = Now() + interval_;
    Reschedule();
}

void TTimer::FireIfDue(uint64_t now) {
    if (!Running() || now < due_)
        return;
    due_ = now + interval_;
    if (OnTimer)
        OnTimer();
}

int64_t MsUntilNextTimer() {
    const uint64_t now = Now();
    int64_t soonest = -1;
    for (const TTimer* timer : Timers()) {
        if (!timer->Running())
            continue;
        const int64_t delay = timer->Due() > now ? static_cast<int64_t>(timer->Due() - now) : 0;
        if (soonest < 0 || delay < soonest)
            soonest = delay;
    }
    return soonest;
}

void RunDueTimers() {
    const uint64_t now = Now();
    // Re-armed once at the end, also when a handler throws through here.
    struct Batch {
        Batch() { InBatch() = true; }
        ~Batch() {
            InBatch() = false;
            Reschedule();
        }
    } batch;
    // A handler may create or destroy timers: walk a copy and skip the ones gone meanwhile.
    const std::vector<TTimer*> snapshot = Timers();
    for (TTimer* timer : snapshot) {
        const auto& live = Timers();
        if (std::find(live.begin(), live.end(), timer) == live.end())
            continue;
        timer->FireIfDue(now);
    }
}

TimerWaker SetTimerWaker(TimerWaker waker) {
    TimerWaker previous = std::exchange(Waker(), std::move(waker));
    Reschedule();
    return previous;
}

} // namespace plat
