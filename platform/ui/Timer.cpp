// The timer list and its scheduling on the platform clock.
#include "platform/ui/Timer.h"

#include "platform/core/Platform.h"

#include <algorithm>
#include <vector>

namespace plat {

namespace {

std::vector<TTimer*>& Timers() {
    static std::vector<TTimer*> timers;
    return timers;
}

uint64_t Now() {
    return Platform::Current().TickCount();
}

} // namespace

TTimer::TTimer() {
    Timers().push_back(this);
    Restart();
}

TTimer::~TTimer() {
    auto& timers = Timers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
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
}

void TTimer::FireIfDue(uint64_t now) {
    if (!enabled_ || interval_ == 0 || now < due_)
        return;
    due_ = now + interval_;
    if (OnTimer)
        OnTimer();
}

void RunDueTimers() {
    const uint64_t now = Now();
    // A handler may create or destroy timers: walk a copy and skip the ones gone meanwhile.
    const std::vector<TTimer*> snapshot = Timers();
    for (TTimer* timer : snapshot) {
        const auto& live = Timers();
        if (std::find(live.begin(), live.end(), timer) == live.end())
            continue;
        timer->FireIfDue(now);
    }
}

} // namespace plat
