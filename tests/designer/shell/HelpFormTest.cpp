// The help window on a small help document of its own: the back button only with a history, the
// scroll bar only when the topic overflows, unknown keys, and printing in the print face with the
// screen face back afterwards, also when the printer fails half-way.
#include "designer/shell/HelpForm.h"

#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "tests/platform/print/FailingPrinter.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace {

std::string HelpDocument() {
    std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Sans;}{\\f1 Serif;}}"
                      "#{\\footnote main}\\plain Help {\\uldb more}{\\v long}\\par\\page"
                      "#{\\footnote long}\\plain\\f1 ";
    for (int i = 0; i < 60; ++i)
        rtf += "Line " + std::to_string(i) + "\\par ";
    rtf += "\\page#{\\footnote key_print_v}\\plain Patterns\\par}";
    return rtf;
}

class HelpFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string cd = testing_support::MakeScratchDir("help-cd");
        testing_support::WriteHostFile(cd + "/Resource/Help/help.rtf", HelpDocument());
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd));
        previousBox_ = plat::SetMessageBoxHandler(
            [this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& text) {
                errors_.push_back(text);
                return plat::TModalResult::Ok;
            });
        previousDialog_ = plat::SetPrintDialogHandler([this](plat::Printer&) { return confirm_; });
        help_ = std::make_unique<THelpForm>();
    }
    void TearDown() override {
        plat::SetPrintDialogHandler(previousDialog_);
        plat::SetMessageBoxHandler(previousBox_);
    }

    std::vector<std::string> FontNames() {
        std::vector<std::string> names;
        for (const auto& f : help_->RtfView->View().Document.Fonts)
            names.push_back(f->Font.Name);
        return names;
    }

    std::unique_ptr<THelpForm> help_;
    std::vector<std::string> errors_;
    bool confirm_ = true;
    plat::MessageBoxHandler previousBox_;
    plat::PrintDialogHandler previousDialog_;
};

TEST_F(HelpFormTest, BackButtonOnlyWithHistoryScrollBarOnlyOnOverflow) {
    EXPECT_EQ(help_->Width(), 435);
    EXPECT_EQ(help_->Height(), 374);
    EXPECT_EQ(help_->lCaption->Caption, plat::Ru("Помощь"));
    EXPECT_EQ(help_->bPrint->Hint(), plat::Ru("Печатать помощь"));
    TrtfView& view = help_->RtfView->View();
    EXPECT_EQ(view.History, std::vector<std::string>{"main"});
    EXPECT_FALSE(help_->bMainTopic->Visible());
    EXPECT_FALSE(help_->ScrollBar->Visible());

    help_->ShowHelpTopic("long");
    EXPECT_TRUE(help_->bMainTopic->Visible());
    EXPECT_TRUE(help_->ScrollBar->Visible());

    help_->ShowHelpTopic("no such topic"); // the view stays where it was
    EXPECT_EQ(help_->HelpKey(), "no such topic");
    EXPECT_EQ(view.History.back(), "long");

    help_->MainTopicClick();
    EXPECT_EQ(view.History, std::vector<std::string>{"main"});
    EXPECT_FALSE(help_->bMainTopic->Visible());
    EXPECT_FALSE(help_->ScrollBar->Visible());
}

TEST_F(HelpFormTest, PrintsInThePrintFaceAndShowsTheScreenFaceAgain) {
    plat::PrinterList list;
    auto& recorder = list.Add<plat::RecordingPrinter>();
    plat::PrinterProviderGuard guard(list);
    help_->ShowHelpTopic("long");

    confirm_ = false; // cancelled: nothing printed
    help_->PrintClick();
    EXPECT_TRUE(recorder.Documents().empty());

    confirm_ = true;
    help_->PrintClick();
    ASSERT_EQ(recorder.Documents().size(), 1u);
    int texts = 0;
    for (const auto& page : recorder.Documents()[0].Pages) {
        for (const auto& call : page.Calls) {
            if (call.What != plat::CanvasCall::Kind::TextOut)
                continue;
            ++texts;
            EXPECT_EQ(call.Font.Name, kHelpPrintFace);
        }
    }
    EXPECT_GT(texts, 60);
    for (const std::string& name : FontNames())
        EXPECT_EQ(name, kScreenFace);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(HelpFormTest, ScreenFaceComesBackWhenThePrinterFails) {
    plat::PrinterList list;
    auto& recorder = list.Add<plat::RecordingPrinter>();
    recorder.SetFormat(plat::PageFormat::FromMillimetres(100, 60, 96, 24)); // a few lines a page
    list.Add<print_test::FailingPrinter>(recorder, 2);
    plat::PrinterProviderGuard guard(list);
    ASSERT_TRUE(plat::GlobalPrinter().SelectPrinter("Failing"));
    help_->ShowHelpTopic("long");
    help_->PrintClick();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "The printer stopped");
    for (const std::string& name : FontNames())
        EXPECT_EQ(name, kScreenFace);
    EXPECT_TRUE(help_->ScrollBar->Visible());
    plat::GlobalPrinter().SetPrinterIndex(-1);
}

} // namespace
