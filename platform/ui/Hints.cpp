// The hint timing state machine.
#include "platform/ui/Hints.h"

namespace plat {

void HintTimer::MouseOver(const void* control, const std::string& text, TPoint screen, uint64_t now) {
    if (control == control_ && text == text_)
        return;
    control_ = control;
    text_ = text;
    where_ = screen;
    since_ = now;
    showing_ = false;
    expired_ = false;
}

void HintTimer::MouseLeft(uint64_t now) {
    MouseOver(nullptr, {}, {}, now);
}

void HintTimer::Cancel(uint64_t now) {
    showing_ = false;
    expired_ = false;
    since_ = now;
}

bool HintTimer::Tick(uint64_t now) {
    if (!control_ || text_.empty() || expired_)
        return false;
    const uint64_t elapsed = now - since_;
    if (!showing_ && elapsed >= kHintPause) {
        showing_ = true;
        since_ = now;
        return true;
    }
    if (showing_ && elapsed >= kHintHidePause) {
        showing_ = false;
        // Stays hidden until the mouse moves to another control or the text changes.
        expired_ = true;
        return true;
    }
    return false;
}

uint64_t HintTimer::NextChange() const {
    if (!control_ || text_.empty() || expired_)
        return 0;
    return since_ + (showing_ ? kHintHidePause : kHintPause);
}

} // namespace plat
