// Hint timing, as a plain state machine on the platform clock: the hint of the control under the
// mouse appears after the pause (1500 ms), disappears after the hide pause (60000 ms) or when the
// mouse leaves, and CancelHint hides it so that a changed text shows on the next pause. The window
// that shows hints is replaceable: the program installs its own skinned one.
#pragma once

#include "platform/graphics/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace plat {

constexpr unsigned kHintPause = 1500;
constexpr unsigned kHintHidePause = 60000;

// Shows one hint text at a screen point; made by the installed factory.
class THintWindow {
public:
    virtual ~THintWindow() = default;
    virtual void ActivateHint(TPoint screen, const std::string& text) = 0;
    virtual void ReleaseHint() = 0;
};

using HintWindowFactory = std::function<std::unique_ptr<THintWindow>()>;

class HintTimer {
public:
    // The mouse is over a control with this hint text at `screen` (empty text: no hint).
    void MouseOver(const void* control, const std::string& text, TPoint screen, uint64_t now);
    void MouseLeft(uint64_t now);
    // Hides the hint being shown; it shows again after a pause while the mouse stays.
    void Cancel(uint64_t now);
    // Advances the clock; returns true when the shown state changed.
    bool Tick(uint64_t now);
    // When Tick may next change the shown state; 0 when nothing is pending.
    uint64_t NextChange() const;

    bool Showing() const { return showing_; }
    const std::string& Text() const { return text_; }
    TPoint Where() const { return where_; }

private:
    const void* control_ = nullptr;
    std::string text_;
    TPoint where_;
    uint64_t since_ = 0;
    bool showing_ = false;
    bool expired_ = false;
};

// The application's hints. The windowing layer reports the mouse over controls; a timer shows
// and hides the hint window on the platform clock.
HintTimer& ApplicationHints();
// Replaces the class of the hint window (empty restores the plain one).
void SetHintWindowClass(HintWindowFactory factory);
// The hint window made by the installed class, null until a hint has been shown or hidden.
THintWindow* HintWindowInstance();
// Hides the hint on screen; it shows again after the pause while the mouse stays.
void CancelHint();
// Shows or hides the hint window as the clock says and arms the timer for the next change; called
// after every change of the mouse's hint and by that timer, or by tests.
void UpdateHintWindow();

} // namespace plat
