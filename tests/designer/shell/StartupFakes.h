// What the start-up tests control: the clock and the screen's depth, the screen's size, and a
// clock-driven stand-in for waiting on events.
#pragma once

#include "platform/core/Platform.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"

namespace velmora::test {

class FakeMachine : public plat::Platform {
public:
    uint64_t TickCount() const override { return Now; }
    int ScreenBitsPerPixel() const override { return BitsPerPixel; }
    uint64_t Now = 1000;
    int BitsPerPixel = 32;

    // Moves the clock `ms` in 1 ms steps, firing timers and handling posted messages.
    void Run(uint64_t ms) {
        for (uint64_t t = 0; t < ms; ++t) {
            ++Now;
            plat::RunDueTimers();
            plat::DrainPostedMessages();
        }
    }
};

struct FakeScreen : plat::ScreenSource {
    int Width() const override { return W; }
    int Height() const override { return H; }
    plat::TPoint CursorPos() const override { return {}; }
    plat::Bitmap Capture(const plat::TRect& rect) const override {
        return plat::Bitmap(rect.Width(), rect.Height());
    }
    int W = 640;
    int H = 480;
};

} // namespace velmora::test
