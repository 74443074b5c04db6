// The posted message queue: one FIFO for the UI thread.
#include "platform/ui/Messages.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace plat {

namespace {

struct Posted {
    TMessageTarget* Target;
    TMessage Message;
};

struct Queue {
    std::deque<Posted> Pending;
    std::vector<TMessageTarget*> Live;
    std::function<void()> Waker;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

} // namespace

TMessageTarget::TMessageTarget() {
    TheQueue().Live.push_back(this);
}

TMessageTarget::~TMessageTarget() {
    Queue& queue = TheQueue();
    queue.Live.erase(std::remove(queue.Live.begin(), queue.Live.end(), this), queue.Live.end());
    std::erase_if(queue.Pending, [this](const Posted& p) { return p.Target == this; });
}

void PostMessage(TMessageTarget* target, unsigned msg, intptr_t wParam, intptr_t lParam) {
    Queue& queue = TheQueue();
    if (!target || std::find(queue.Live.begin(), queue.Live.end(), target) == queue.Live.end())
        return;
    const bool wasEmpty = queue.Pending.empty();
    queue.Pending.push_back({target, {msg, wParam, lParam}});
    if (wasEmpty && queue.Waker)
        queue.Waker();
}

int DrainPostedMessages() {
    Queue& queue = TheQueue();
    int handled = 0;
    while (!queue.Pending.empty()) {
        const Posted next = queue.Pending.front();
        queue.Pending.pop_front();
        next.Target->HandleMessage(next.Message);
        ++handled;
    }
    return handled;
}

void SetPostedMessageWaker(std::function<void()> waker) {
    TheQueue().Waker = std::move(waker);
}

} // namespace plat
