// The screen as the windowing layer sees it: its size, where the mouse pointer is, and the pixels
// shown in a rectangle of it (what a window that paints no background starts from). The answers
// come from a replaceable source: the real screen by default, a fake in tests, so that placement
// near the screen's edges and painting over a backdrop are tested on any machine.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace plat {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual TPoint CursorPos() const = 0;
    // The pixels shown in `rect` (screen coordinates); parts off the screen are black.
    virtual Bitmap Capture(const TRect& rect) const = 0;
};

int ScreenWidth();
int ScreenHeight();
TPoint CursorPos();
Bitmap CaptureScreen(const TRect& rect);

// Makes `source` answer the functions above (null restores the real screen); returns the
// previous one.
ScreenSource* SetScreenSource(ScreenSource* source);

// Installs a screen source for the lifetime of the guard.
class ScreenSourceGuard {
public:
    explicit ScreenSourceGuard(ScreenSource& source) : previous_(SetScreenSource(&source)) {}
    ~ScreenSourceGuard() { SetScreenSource(previous_); }
    ScreenSourceGuard(const ScreenSourceGuard&) = delete;
    ScreenSourceGuard& operator=(const ScreenSourceGuard&) = delete;

private:
    ScreenSource* previous_;
};

} // namespace plat
