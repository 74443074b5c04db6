#include "platform/text/Cp1251.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/StdInput.h"

#include <gtest/gtest.h>
#include <vector>

namespace plat {
namespace {

class Surface : public TForm {
public:
    void Paint(Canvas& canvas) override {
        canvas.Brush.Color = RGB(10, 200, 30);
        canvas.FillRect(Rect(0, 0, Width(), Height()));
    }
};

struct Window {
    Window() {
        form.SetClientSize(300, 200);
        form.Show();
        form.Activate();
    }
    Surface form;
};

TEST(StdControlsTest, EditReportsTypingAndFocusLossButNotItsOwnSetText) {
    Window w;
    auto& edit = w.form.Make<TEdit>();
    auto& other = w.form.Make<TEdit>();
    edit.SetBounds(10, 10, 200, 24);
    other.SetBounds(10, 40, 200, 24);
    std::vector<std::string> changes;
    int exits = 0;
    edit.OnChange = [&](TEdit& e) { changes.push_back(e.Text()); };
    edit.OnExit = [&](TEdit&) { ++exits; };

    edit.SetText(Ru("Маша"));
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(edit.Text(), Ru("Маша"));

    edit.SetText("");
    TypeText(edit, Ru("Яр"));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], Ru("Я"));
    EXPECT_EQ(changes[1], Ru("Яр"));
    SendKey(edit, VK_BACK);
    EXPECT_EQ(edit.Text(), Ru("Я"));
    EXPECT_EQ(changes.size(), 3u);

    EXPECT_TRUE(edit.Focused());
    other.SetFocus();
    EXPECT_EQ(exits, 1);

    edit.SetMaxLength(3);
    edit.SetText("");
    TypeText(edit, "abcdef");
    EXPECT_EQ(edit.Text(), "abc");
    edit.SetReadOnly(true);
    TypeText(edit, "x");
    EXPECT_EQ(edit.Text(), "abc");
}

TEST(StdControlsTest, ButtonRunsOnClickOnlyWhenEnabled) {
    Window w;
    auto& button = w.form.Make<TButton>(Ru("Далее >"));
    button.SetBounds(100, 150, 90, 26);
    int clicks = 0;
    button.OnClick = [&](TControl&) { ++clicks; };
    ClickMiddle(button);
    EXPECT_EQ(clicks, 1);
    button.Press();
    EXPECT_EQ(clicks, 2);
    button.SetEnabled(false);
    ClickMiddle(button);
    button.Press();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.Caption(), Ru("Далее >"));
}

TEST(StdControlsTest, LabelShowsItsParentsSurfaceAroundTheText) {
    Window w;
    auto& label = w.form.Make<TLabel>(Ru("Папка"));
    label.SetBounds(20, 20, 120, 40);
    const Bitmap shot = w.form.Snapshot();
    // The bottom right of the label holds no text: the form's green shows through.
    EXPECT_EQ(shot.GetPixel(20 + 115, 20 + 35), RGB(10, 200, 30));
    int dark = 0;
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 80; ++x)
            dark += GetGValue(shot.GetPixel(x, y)) < 100;
    EXPECT_GT(dark, 10) << "the caption is drawn";
    label.SetCaption("x");
    EXPECT_EQ(label.Caption(), "x");
}

TEST(StdControlsTest, ControlsAreFoundByName) {
    Window w;
    auto& edit = w.form.Make<TEdit>();
    auto& panel = w.form.Make<TControl>();
    auto& button = panel.Make<TButton>("OK");
    SetName(edit, "NameEdit");
    SetName(button, "NextButton");
    EXPECT_EQ(FindControl(w.form, "NameEdit"), &edit);
    EXPECT_EQ(FindControl(w.form, "NextButton"), &button);
    EXPECT_EQ(FindControl(w.form, "Nothing"), nullptr);
    EXPECT_EQ(NameOf(button), "NextButton");
}

} // namespace
} // namespace plat
