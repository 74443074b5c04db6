#include "platform/text/Cp1251.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ChooserDialogs.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/StdInput.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

struct Window {
    Window() {
        form.SetClientSize(400, 300);
        form.Show();
        form.Activate();
    }
    TForm form;
};

TEST(StdControlsMoreTest, OptionButtonsOfOneParentExcludeEachOtherCheckBoxesDoNot) {
    Window w;
    auto& panel = w.form.Make<TControl>();
    panel.SetBounds(0, 0, 200, 100);
    auto& a = panel.Make<TRadioButton>("a");
    auto& b = panel.Make<TRadioButton>("b");
    auto& elsewhere = w.form.Make<TRadioButton>("c");
    auto& box = panel.Make<TCheckBox>(Ru("Шрифты"));
    a.SetBounds(0, 0, 100, 20);
    b.SetBounds(0, 20, 100, 20);
    box.SetBounds(0, 40, 100, 20);
    elsewhere.SetBounds(0, 120, 100, 20);
    int clicks = 0;
    b.OnClick = [&](TControl&) { ++clicks; };
    a.SetChecked(true);
    elsewhere.SetChecked(true);
    EXPECT_EQ(clicks, 0) << "setting the state is no click";
    ClickMiddle(b);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(elsewhere.Checked()) << "another parent is another group";
    ClickMiddle(b);
    EXPECT_TRUE(b.Checked()) << "clicking the chosen button keeps it chosen";

    int boxClicks = 0;
    box.OnClick = [&](TControl&) { ++boxClicks; };
    ClickMiddle(box);
    EXPECT_TRUE(box.Checked());
    ClickMiddle(box);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(boxClicks, 2);
    EXPECT_EQ(box.Caption(), Ru("Шрифты"));
}

TEST(StdControlsMoreTest, ListAndComboReportPicksAndKeepCp1251Items) {
    Window w;
    auto& list = w.form.Make<TListBox>();
    list.SetBounds(0, 0, 200, 120);
    list.SetItems({Ru("Игры"), Ru("Стандартные"), "Velmora"});
    EXPECT_EQ(list.ItemIndex(), -1);
    int picks = 0;
    list.OnClick = [&](TControl&) { ++picks; };
    list.SetItemIndex(2);
    EXPECT_EQ(picks, 0);
    list.SetItemIndex(-1);
    EXPECT_EQ(list.ItemIndex(), -1);
    ClickAt(list, 20, 5); // the first row
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.Item(0), Ru("Игры"));
    EXPECT_EQ(list.Items().size(), 3u);

    auto& combo = w.form.Make<TComboBox>(TComboStyle::DropDownList);
    combo.SetBounds(0, 150, 200, 24);
    combo.SetItems({"Word 6.0", "Word 97"});
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Text(), "Word 97");
    combo.SetText("Word 6.0");
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(combo.Count(), 2);
}

TEST(StdControlsMoreTest, MemoKeepsLinesAndAppendsThem) {
    Window w;
    auto& memo = w.form.Make<TMemo>();
    memo.SetBounds(0, 0, 300, 200);
    int changes = 0;
    memo.OnChange = [&](TMemo&) { ++changes; };
    memo.SetText(Ru("Строка 1\r\nСтрока 2\r\n\r\nконец"));
    EXPECT_EQ(changes, 0);
    ASSERT_EQ(memo.Lines().size(), 4u);
    EXPECT_EQ(memo.Lines()[1], Ru("Строка 2"));
    EXPECT_EQ(memo.Lines()[2], "");
    EXPECT_EQ(memo.Text(), Ru("Строка 1\r\nСтрока 2\r\n\r\nконец"));
    memo.AppendLines({"a", "b"});
    EXPECT_EQ(memo.Lines().size(), 6u);
    EXPECT_EQ(memo.Lines().back(), "b");
    memo.SetLines({});
    EXPECT_TRUE(memo.Lines().empty());
    TypeText(memo, "x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(memo.Text(), "x");
}

TEST(StdControlsMoreTest, ProgressBarClampsToItsRangeOfAnySize) {
    Window w;
    auto& bar = w.form.Make<TProgressBar>();
    bar.SetRange(0, int64_t{5} << 40);
    bar.SetPosition(int64_t{1} << 40);
    EXPECT_EQ(bar.Position(), int64_t{1} << 40);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(int64_t{9} << 40);
    EXPECT_EQ(bar.Position(), bar.Max());
}

TEST(StdControlsMoreTest, PagesShowOneAtATimeAndReportChanges) {
    Window w;
    auto& pages = w.form.Make<TPageControl>();
    pages.SetBounds(0, 0, 400, 300);
    int changes = 0;
    pages.OnChange = [&](TPageControl&) { ++changes; };
    TTabSheet& first = pages.AddPage(Ru("Общие"));
    TTabSheet& second = pages.AddPage(Ru("Тексты"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    pages.SetActivePageIndex(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(&pages.Page(0), &first);
    EXPECT_EQ(&pages.Page(1), &second);
    EXPECT_EQ(pages.PageCount(), 2);
}

TEST(StdControlsMoreTest, ChoosersAndCaptionedBoxesGoThroughReplaceableHandlers) {
    SetFolderBrowserHandler([](const std::string& title, const std::string& start) {
        return std::optional<std::string>(title + "|" + start);
    });
    EXPECT_EQ(BrowseForFolder("T", "C:\\x"), "T|C:\\x");
    SetFolderBrowserHandler({});
    SetColorChooserHandler([](TColor initial) { return std::optional<TColor>(initial ^ 0xFF); });
    EXPECT_EQ(ChooseColor(0x123456), 0x1234A9u);
    SetColorChooserHandler({});

    std::string seen;
    SetMessageBoxHandler([&](TMsgDlgType, TMsgDlgButtons, const std::string& text) {
        seen = text;
        return TModalResult::Yes;
    });
    EXPECT_EQ(MessageDlgCaptioned("Setup", "Abort?", TMsgDlgType::Confirmation, TMsgDlgButtons::YesNo),
              TModalResult::Yes);
    EXPECT_EQ(seen, "Abort?");
    EXPECT_EQ(LastBoxCaption(), "Setup");
    SetMessageBoxHandler({});
}

} // namespace
} // namespace plat
