#include "platform/ui/Control.h"
#include "platform/ui/Hints.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"
#include "tests/platform/ui/FakeClock.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace plat {
namespace {

TEST(PopupMenuTest, OnlyEnabledNonSeparatorItemsRun) {
    int clicked = -1;
    TPopupMenu menu;
    menu.Items = {{"Open", true, true, [&] { clicked = 0; }},
                  {"-", true, false, nullptr},
                  {"Gone", false, false, [&] { clicked = 2; }}};
    int answer = 0;
    std::vector<TMenuItem> seen;
    auto previous = SetPopupChooser([&](const std::vector<TMenuItem>& items, TPoint) {
        seen = items;
        return answer;
    });
    struct Case {
        int Answer;
        int Result;
        int Clicked;
    };
    for (const Case c :
         {Case{0, 0, 0}, Case{1, -1, -1}, Case{2, -1, -1}, Case{7, -1, -1}, Case{-1, -1, -1}}) {
        clicked = -1;
        answer = c.Answer;
        EXPECT_EQ(menu.Popup({0, 0}), c.Result) << c.Answer;
        EXPECT_EQ(clicked, c.Clicked) << c.Answer;
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].Default);
    EXPECT_TRUE(seen[1].IsSeparator());
    SetPopupChooser(previous);
}

TEST(FontFaceTest, EveryControlWithAFontTakesTheFace) {
    TForm form;
    TFont font;
    font.Name = "Arial";
    font.Size = 16;
    form.SetFont(font);
    auto& panel = form.Make<TControl>();
    auto& label = panel.Make<TControl>();
    label.SetFont(font);
    SetFontFace(form, "Vizo");
    EXPECT_EQ(form.Font().Name, "Vizo");
    EXPECT_EQ(form.Font().Size, 16);
    EXPECT_FALSE(panel.HasFont());
    EXPECT_EQ(label.Font().Name, "Vizo");
}

struct RecordingHint : THintWindow {
    explicit RecordingHint(std::vector<std::string>& log) : log(log) {}
    void ActivateHint(TPoint, const std::string& text) override { log.push_back("show " + text); }
    void ReleaseHint() override { log.push_back("hide"); }
    std::vector<std::string>& log;
};

TEST(HintWindowTest, ReplacedWindowShowsAfterThePauseAndCancels) {
    velmora::test::FakeClockPlatform clock;
    PlatformGuard guard(clock);
    std::vector<std::string> log;
    SetHintWindowClass([&] { return std::make_unique<RecordingHint>(log); });
    TForm form;
    form.SetClientSize(50, 50);
    auto& button = form.Make<TControl>();
    button.SetBounds(0, 0, 20, 20);
    button.SetHint("Exit");
    button.SetShowHint(true);
    SendMouse(button, TMouseAction::Move, TMouseButton::Left, 5, 5);
    clock.Now += kHintPause - 1;
    UpdateHintWindow();
    EXPECT_TRUE(log.empty());
    clock.Now += 1;
    UpdateHintWindow();
    EXPECT_EQ(log, (std::vector<std::string>{"show Exit"}));
    CancelHint();
    EXPECT_EQ(log.back(), "hide");
    // After a cancel the hint comes back with the next pause, this time from the hint's own timer.
    clock.Now += kHintPause;
    RunDueTimers();
    EXPECT_EQ(log.back(), "show Exit");
    // The mouse moving on to a control without a hint takes the hint off the screen.
    auto& plain = form.Make<TControl>();
    plain.SetBounds(30, 0, 20, 20);
    SendMouse(plain, TMouseAction::Move, TMouseButton::Left, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"show Exit", "hide", "show Exit", "hide"}));
    SetHintWindowClass(nullptr);
    ApplicationHints().MouseLeft(clock.Now);
}

} // namespace
} // namespace plat
