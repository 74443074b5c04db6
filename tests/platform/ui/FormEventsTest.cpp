// Form events, keyboard, double click, programmatic click, the close query, hints per window and
// the hint-position hook, minimising the application.
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Synthetic.h"

#include "FakeClock.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace plat {
namespace {

class Recorder : public TControl {
public:
    using TControl::TControl;
    std::vector<std::string> Log;
};

TEST(FormEventsTest, ShowHideFollowTheProgramAndActivationTheWindowManager) {
    TForm form;
    form.SetClientSize(50, 40);
    std::vector<std::string> log;
    form.OnShow = [&](TForm&) { log.push_back("show"); };
    form.OnHide = [&](TForm&) { log.push_back("hide"); };
    form.OnActivate = [&](TForm&) { log.push_back("activate"); };
    form.Show();
    form.Activate();
    for (int i = 0; i < 20 && !form.WindowActive(); ++i)
        ProcessMessages();
    form.Hide();
    form.Show();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "show");
    EXPECT_EQ(std::count(log.begin(), log.end(), "show"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "hide"), 1);
    if (form.WindowActive())
        EXPECT_GE(std::count(log.begin(), log.end(), "activate"), 1);
    form.Hide();
}

TEST(FormEventsTest, EveryCloseAsksTheCloseQueryAndARefusalKeepsTheWindow) {
    TForm form;
    form.SetClientSize(50, 40);
    int asked = 0;
    int closed = 0;
    bool allow = false;
    form.OnCloseQuery = [&](TForm&, bool& canClose) {
        ++asked;
        canClose = allow;
    };
    form.OnClose = [&](TForm&) { ++closed; };
    form.Show();
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Visible());
    SendWindowClose(form); // the window manager's close and Alt+F4 take this way
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(closed, 0);

    allow = true;
    SendWindowClose(form);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Visible());

    form.Show();
    EXPECT_TRUE(form.Close());
    EXPECT_EQ(closed, 2);
}

TEST(FormEventsTest, AThrowingCloseQueryKeepsTheWindowOpen) {
    std::string shown;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](TMsgDlgType, TMsgDlgButtons, const std::string& text) {
            shown = text;
            return TModalResult::Ok;
        });
    TForm form;
    form.SetClientSize(20, 20);
    form.OnCloseQuery = [](TForm&, bool&) { throw std::runtime_error("boom"); };
    form.Show();
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(shown, "boom");
    form.OnCloseQuery = nullptr;
    EXPECT_TRUE(form.Close());
    SetMessageBoxHandler(previous);
}

TEST(FormEventsTest, KeysReachTheFocusedControlAfterThePreviewingWindowAndConsumedKeysTypeNothing) {
    TForm form;
    form.SetClientSize(60, 40);
    auto& edit = form.Make<Recorder>();
    edit.SetBounds(0, 0, 30, 20);
    std::vector<std::string> log;
    edit.OnKeyDown = [&](TControl&, TKey& key, TShiftState shift) {
        log.push_back("down " + std::to_string(key) + (shift.Shift ? " shift" : ""));
    };
    edit.OnKeyUp = [&](TControl&, TKey& key, TShiftState) { log.push_back("up " + std::to_string(key)); };
    edit.OnKeyPress = [&](TControl&, char& c) { log.push_back(std::string("press ") + c); };
    form.Show();
    edit.SetFocus();

    SendKey(edit, 'A', {.Shift = true}, "A");
    EXPECT_EQ(log, (std::vector<std::string>{"down 65 shift", "press A", "up 65"}));

    // A Cyrillic letter arrives in cp1251.
    log.clear();
    char got = 0;
    edit.OnKeyPress = [&](TControl&, char& c) { got = c; };
    SendKey(edit, 0, {}, "\xD0\xB6"); // "ж" in UTF-8
    EXPECT_EQ(static_cast<unsigned char>(got), 0xE6u);

    // The window previews the keys and consumes Escape: the control never sees it.
    form.KeyPreview = true;
    form.OnKeyDown = [&](TControl&, TKey& key, TShiftState) {
        if (key == VK_ESCAPE)
            key = 0;
        log.push_back("form");
    };
    log.clear();
    got = 0;
    SendKey(edit, VK_ESCAPE, {}, "\x1b");
    EXPECT_EQ(log, (std::vector<std::string>{"form", "up 27"}));
    EXPECT_EQ(got, 0);
    SendKey(edit, VK_F1);
    EXPECT_EQ(log.back(), "up 112");
    EXPECT_EQ(log[log.size() - 2], "down 112");
    form.Hide();
}

TEST(FormEventsTest, DoubleClickRaisesPressesClicksAndOneDblClickAndClickCanBeCalled) {
    TForm form;
    form.SetClientSize(60, 40);
    auto& button = form.Make<Recorder>();
    button.SetBounds(10, 10, 20, 20);
    int presses = 0, clicks = 0, doubles = 0;
    button.OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int, int) { ++presses; };
    button.OnClick = [&](TControl&) { ++clicks; };
    button.OnDblClick = [&](TControl&) { ++doubles; };
    form.Show();
    DoubleClick(button, 5, 5);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 1);
    button.Click();
    EXPECT_EQ(clicks, 3);
    form.Hide();
}

TEST(FormEventsTest, HintsOffForAWindowHideItsHintAndTheHookPlacesIt) {
    velmora::test::FakeClockPlatform clock;
    PlatformGuard guard(clock);
    TForm form;
    form.SetClientSize(100, 80);
    form.SetBounds(0, 0, 100, 80);
    auto& item = form.Make<Recorder>();
    item.SetBounds(20, 20, 40, 30);
    item.SetHint("hint");
    item.SetShowHint(true);
    item.OnHintPosition = [](TControl& c, int, int, TPoint& screen) {
        screen = c.ClientToScreen({0, c.Height()});
    };
    form.Show();
    SendMouse(item, TMouseAction::Move, TMouseButton::Left, 5, 5);
    clock.Now += kHintPause;
    UpdateHintWindow();
    ASSERT_TRUE(ApplicationHints().Showing());
    EXPECT_EQ(ApplicationHints().Where(), item.ClientToScreen({0, 30}));

    form.SetHintsEnabled(false);
    EXPECT_FALSE(ApplicationHints().Showing());
    SendMouse(item, TMouseAction::Move, TMouseButton::Left, 6, 6);
    clock.Now += kHintPause;
    UpdateHintWindow();
    EXPECT_FALSE(ApplicationHints().Showing());

    form.SetHintsEnabled(true);
    SendMouse(item, TMouseAction::Move, TMouseButton::Left, 7, 7);
    clock.Now += kHintPause;
    UpdateHintWindow();
    EXPECT_TRUE(ApplicationHints().Showing());
    ApplicationHints().MouseLeft(clock.Now);
    UpdateHintWindow();
    form.Hide();
}

TEST(FormEventsTest, MinimisingTheApplicationMinimisesEveryVisibleWindow) {
    TForm main;
    main.SetClientSize(40, 40);
    TForm other;
    other.SetClientSize(20, 20);
    main.Show();
    other.Show();
    EXPECT_FALSE(ApplicationMinimized());
    MinimizeApplication();
    EXPECT_TRUE(main.Minimized());
    EXPECT_TRUE(other.Minimized());
    EXPECT_TRUE(ApplicationMinimized());
    main.Hide();
    other.Hide();
}

} // namespace
} // namespace plat
