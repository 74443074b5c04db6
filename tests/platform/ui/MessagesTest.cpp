#include "platform/ui/Messages.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace plat {
namespace {

class Recorder : public TMessageTarget {
public:
    void HandleMessage(const TMessage& message) override {
        Log.push_back(message.Msg - WM_USER);
        if (OnMessage)
            OnMessage(message);
    }
    std::vector<unsigned> Log;
    std::function<void(const TMessage&)> OnMessage;
};

TEST(MessagesTest, DeliveredInOrderOnlyWhenDrained) {
    Recorder target;
    PostMessage(&target, WM_USER + 1);
    PostMessage(&target, WM_USER + 2, 7, 8);
    EXPECT_TRUE(target.Log.empty());
    EXPECT_EQ(DrainPostedMessages(), 2);
    EXPECT_EQ(target.Log, (std::vector<unsigned>{1, 2}));
}

TEST(MessagesTest, MessagesPostedByAHandlerComeAfterThoseAlreadyQueued) {
    Recorder a;
    Recorder b;
    a.OnMessage = [&](const TMessage& m) {
        if (m.Msg == WM_USER + 1)
            PostMessage(&a, WM_USER + 3);
    };
    PostMessage(&a, WM_USER + 1);
    PostMessage(&b, WM_USER + 2);
    DrainPostedMessages();
    EXPECT_EQ(a.Log, (std::vector<unsigned>{1, 3}));
    EXPECT_EQ(b.Log, (std::vector<unsigned>{2}));
}

TEST(MessagesTest, TargetDestroyedBeforeDeliveryLosesItsMessages) {
    auto doomed = std::make_unique<Recorder>();
    Recorder other;
    Recorder* raw = doomed.get();
    PostMessage(raw, WM_USER + 1);
    PostMessage(&other, WM_USER + 2);
    doomed.reset();
    PostMessage(raw, WM_USER + 4); // a dangling address is refused, not stored
    EXPECT_EQ(DrainPostedMessages(), 1);
    EXPECT_EQ(other.Log, (std::vector<unsigned>{2}));
}

TEST(MessagesTest, HandlerDestroyingALaterTargetDropsItsMessage) {
    auto later = std::make_unique<Recorder>();
    Recorder first;
    first.OnMessage = [&](const TMessage&) { later.reset(); };
    PostMessage(&first, WM_USER);
    PostMessage(later.get(), WM_USER + 1);
    EXPECT_EQ(DrainPostedMessages(), 1);
}

} // namespace
} // namespace plat
