// Posted user messages (WM_USER + n): a window posts to a target and the message is handled after
// the current event, in the order posted. A target that is destroyed before its messages are
// handled loses them. Tests call DrainPostedMessages() instead of running the event loop.
#pragma once

#include <cstdint>
#include <functional>

namespace plat {

constexpr unsigned WM_USER = 0x0400;

struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
};

// Something that receives posted messages. Registration lasts as long as the object.
class TMessageTarget {
public:
    TMessageTarget();
    virtual ~TMessageTarget();
    TMessageTarget(const TMessageTarget&) = delete;
    TMessageTarget& operator=(const TMessageTarget&) = delete;

    virtual void HandleMessage(const TMessage& message) = 0;
};

void PostMessage(TMessageTarget* target, unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0);
// Handles every message posted so far and the ones those handlers post; returns how many ran.
int DrainPostedMessages();
// Called with true when the queue goes from empty to non-empty; the application uses it to
// schedule a drain after the current event.
void SetPostedMessageWaker(std::function<void()> waker);

} // namespace plat
