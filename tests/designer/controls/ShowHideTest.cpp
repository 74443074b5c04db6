#include "designer/controls/ShowHide.h"

#include "designer/shell/Busy.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Stand-ins for the doll and the pattern panel: they record the calls in one journal.
struct Journal {
    std::vector<std::string> Calls;
};

class FakeDoll : public TShowHideDoll {
public:
    explicit FakeDoll(Journal& j) : j_(j) {}
    void StartHide(bool animate) override { j_.Calls.push_back(animate ? "doll dissolve out" : "doll hide"); }
    void StartShow(bool animate) override { j_.Calls.push_back(animate ? "doll dissolve in" : "doll show"); }
    void PrepareTimers() override { j_.Calls.push_back("doll prepare"); }
    void ReleaseTimers() override { j_.Calls.push_back("doll release"); }

private:
    Journal& j_;
};

class FakePanel : public TShowHidePanel {
public:
    explicit FakePanel(Journal& j) : j_(j) {}
    void StartOpen() override { j_.Calls.push_back("panel open"); }
    void StartClose() override { j_.Calls.push_back("panel close"); }
    void PrepareTimers() override { j_.Calls.push_back("panel prepare"); }
    void ReleaseTimers() override { j_.Calls.push_back("panel release"); }

private:
    Journal& j_;
};

class ShowHideTest : public ::testing::Test {
protected:
    ShowHideTest() {
        sh.Models = &doll;
        sh.ModelShow = &panel;
        AnimationsEnabled = true;
        sh.Start();
        journal.Calls.clear();
    }
    ~ShowHideTest() override { AnimationsEnabled = false; }
    Journal journal;
    FakeDoll doll{journal};
    FakePanel panel{journal};
    TShowHide sh;
};

TEST_F(ShowHideTest, FullExchangeKeepsTheBusyCursorBalanced) {
    const int before = BusyDepth();
    sh.HandleMessage(1);
    EXPECT_EQ(BusyDepth(), before + 1);
    sh.HandleMessage(3);
    sh.HandleMessage(5);
    EXPECT_EQ(BusyDepth(), before);
    EXPECT_TRUE(sh.Shown());
    sh.HandleMessage(2);
    EXPECT_EQ(BusyDepth(), before + 1);
    sh.HandleMessage(4);
    sh.HandleMessage(6);
    EXPECT_EQ(BusyDepth(), before);
    EXPECT_FALSE(sh.Shown());
    const std::vector<std::string> expected = {"doll dissolve out", "panel open", "panel close",
                                               "doll dissolve in"};
    EXPECT_EQ(journal.Calls, expected);
}

TEST_F(ShowHideTest, TwoShowMessagesStartTheExchangeOnce) {
    const int before = BusyDepth();
    sh.HandleMessage(1);
    sh.HandleMessage(1);
    EXPECT_EQ(journal.Calls, std::vector<std::string>{"doll dissolve out"});
    EXPECT_EQ(BusyDepth(), before + 1);
    sh.HandleMessage(3);
    sh.HandleMessage(5);
    EXPECT_EQ(BusyDepth(), before);
}

TEST_F(ShowHideTest, HideWhileNotShownAndStrayCompletionsDoNothing) {
    const int before = BusyDepth();
    sh.HandleMessage(2);
    sh.HandleMessage(5);
    sh.HandleMessage(6);
    EXPECT_TRUE(journal.Calls.empty());
    EXPECT_EQ(BusyDepth(), before);
    EXPECT_FALSE(sh.HandleMessage(7));
    EXPECT_FALSE(sh.HandleMessage(0));
}

TEST_F(ShowHideTest, WithoutAnimationsTheDollHidesAtOnce) {
    AnimationsEnabled = false;
    sh.HandleMessage(1);
    EXPECT_EQ(journal.Calls, std::vector<std::string>{"doll hide"});
    sh.HandleMessage(3);
    sh.HandleMessage(5);
}

} // namespace
