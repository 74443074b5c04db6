// The two printing windows hosted alone on an offscreen display: the measurement fields and their
// recomputation, the printer line, the no-printer message, refusing bad measurements, the jobs a
// print click starts, and the flying message only after every job succeeded.
#include "designer/printing/PCForm.h"
#include "designer/printing/SForm.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StdInput.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/printing/PrintTestSupport.h"

#include <gtest/gtest.h>

namespace printing {
namespace {

class PrintForms : public ::testing::Test {
protected:
    PrintForms() {
        print_test::UseWidgets();
        previousBox_ =
            plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& t) {
                messages_.push_back(plat::Cp1251ToUtf8(t));
                return plat::TModalResult::Ok;
            });
        previousSetup_ = plat::SetPrinterSetupHandler([this](plat::Printer& printer) {
            ++setupDialogs_;
            return printer.SelectPrinter("Second");
        });
    }
    ~PrintForms() override {
        plat::SetPrinterSetupHandler(previousSetup_);
        plat::SetMessageBoxHandler(previousBox_);
        plat::GlobalPrinter().SetPrinterIndex(-1);
    }

    std::vector<std::string> messages_;
    int setupDialogs_ = 0;
    plat::MessageBoxHandler previousBox_;
    plat::PrintDialogHandler previousSetup_;
    print_test::FakeMainWindow main_;
};

TEST_F(PrintForms, LeavingAWidthFieldRecomputesTheOthersAndShowingFollowsTheBackWidth) {
    TSForm form(&main_);
    form.Show();
    EXPECT_EQ(form.Width(), 405);
    EXPECT_EQ(form.Texts(), (TMeasureTexts{"30.0", "6.5", "7.7", "13.8"}));
    form.sW1->SetText("");
    plat::TypeText(*form.sW1, "13");
    form.sH->SetFocus(); // leaving sW1 the way a user does
    EXPECT_EQ(form.Texts(), (TMeasureTexts{"30.0", "13", "15.4", "27.6"}));

    form.sW2->SetText("10");
    form.sW2Exit();
    EXPECT_EQ(form.Texts(), (TMeasureTexts{"30.0", "8.4", "10", "17.9"}));

    form.SetTexts({"36", "13", "1", "1"});
    form.FormShow();
    EXPECT_EQ(form.Texts(), (TMeasureTexts{"36", "13", "15.4", "27.6"}));
    form.SetStandardClick();
    EXPECT_EQ(form.Texts(), (TMeasureTexts{"30.0", "6.5", "7.7", "13.8"}));
}

TEST_F(PrintForms, NoPrinterGivesTheMessageAndNothingElse) {
    plat::PrinterList empty;
    plat::PrinterProviderGuard guard(empty);
    auto model = print_test::BoxModel("Coat", {{"P", 10, 10}});
    main_.Layers[0] = model.get();
    TSForm patterns(&main_);
    patterns.FormShow();
    EXPECT_EQ(patterns.NamePrinter->Caption(), "");
    patterns.PrintClick();
    patterns.SetupPrintClick();
    TPCForm doll(&main_);
    doll.PrintClick();
    doll.SetupPrintClick();
    EXPECT_EQ(messages_, std::vector<std::string>(4, "Ни один принтер не установлен в системе"));
    EXPECT_EQ(setupDialogs_, 0);
    EXPECT_FALSE(patterns.FlyBitmap->Enabled());
    EXPECT_FALSE(doll.FlyBitmap->Enabled());
}

TEST_F(PrintForms, HelpButtonsOpenTheirWindowsTopics) {
    std::vector<std::string> keys;
    TSForm patterns(&main_);
    TPCForm doll(&main_);
    patterns.OpenHelp = doll.OpenHelp = [&](const std::string& key) { keys.push_back(key); };
    plat::Click(*patterns.bHelp, 5, 5);
    plat::Click(*doll.bHelp, 5, 5);
    EXPECT_EQ(keys, (std::vector<std::string>{"key_print_v", "key_print_d"}));
}

TEST_F(PrintForms, SetupDialogChangesThePrinterLine) {
    plat::PrinterList list;
    list.Add<plat::RecordingPrinter>("First");
    list.Add<plat::RecordingPrinter>("Second");
    plat::PrinterProviderGuard guard(list);
    TPCForm form(&main_);
    form.FormShow();
    EXPECT_EQ(form.NamePrinter->Caption(), "First");
    form.SetupPrintClick();
    EXPECT_EQ(setupDialogs_, 1);
    EXPECT_EQ(form.NamePrinter->Caption(), "Second");
}

class PatternWindowPrint : public PrintForms, public print_test::PdfPrinterFixture {
protected:
    PatternWindowPrint() {
        coat_ = print_test::BoxModel("Coat", {{"P", 60, 90}});
        dress_ = print_test::BoxModel("Dress", {{"P", 60, 90}});
        shoes_ = print_test::BoxModel("Shoes", {{"P", 20, 10}});
        main_.Layers[int(TLayer::Wn)] = coat_.get();
        main_.Layers[int(TLayer::Pl)] = dress_.get();
        main_.Layers[int(TLayer::Tf)] = shoes_.get();
        main_.Current = dress_.get();
    }
    std::unique_ptr<geom::TModel> coat_, dress_, shoes_;
};

TEST_F(PatternWindowPrint, EachWornModelBecomesItsOwnPdfAndTheMessageFlies) {
    TSForm form(&main_);
    form.Show();
    form.PrintClick();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(print_test::FilesIn(Documents()), (std::vector<std::string>{"Coat.pdf", "Dress.pdf"}));
    EXPECT_TRUE(form.FlyBitmap->Enabled());
    EXPECT_EQ(form.Info->Caption(), "");

    // With the pattern panel open only the model it shows.
    form.FlyBitmap->SetEnabled(false);
    main_.PanelOpen = true;
    form.PrintClick();
    EXPECT_EQ(print_test::FilesIn(Documents()),
              (std::vector<std::string>{"Coat.pdf", "Dress (2).pdf", "Dress.pdf"}));
}

TEST_F(PatternWindowPrint, BadMeasurementIsRefusedBeforeAnyJob) {
    TSForm form(&main_);
    form.SetTexts({"30.0", "0", "7.7", "13.8"});
    form.PrintClick();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("Ширина спинки"), std::string::npos);
    EXPECT_TRUE(print_test::FilesIn(Documents()).empty());
    EXPECT_FALSE(form.FlyBitmap->Enabled());
}

TEST_F(PatternWindowPrint, FailingPrinterShowsTheErrorAndTheMessageDoesNotFly) {
    auto& failing = list_.Add<print_test::FailingPrinter>(pdf_, 2);
    ASSERT_TRUE(printer_.SelectPrinter(failing.Name()));
    plat::GlobalPrinter().SelectPrinter(failing.Name());
    // A piece too tall for one page: the first job breaks a page and fails there.
    main_.Layers[int(TLayer::Wn)] = nullptr;
    auto tall = print_test::BoxModel("Tall", {{"P", 60, 400}});
    main_.Layers[int(TLayer::Pl)] = tall.get();
    TSForm form(&main_);
    form.Show();
    form.PrintClick();
    EXPECT_EQ(messages_, std::vector<std::string>{"The printer stopped"});
    EXPECT_TRUE(print_test::FilesIn(Documents()).empty());
    EXPECT_FALSE(form.FlyBitmap->Enabled());
}

TEST_F(PatternWindowPrint, OnlyShoesWornPrintsNothingAndNoMessageFlies) {
    main_.Layers = {};
    main_.Layers[int(TLayer::Tf)] = shoes_.get();
    TSForm form(&main_);
    form.Show();
    form.PrintClick();
    EXPECT_TRUE(print_test::FilesIn(Documents()).empty());
    EXPECT_FALSE(form.FlyBitmap->Enabled());
}

TEST_F(PatternWindowPrint, DollWindowPrintsOnePageAndTheMessageFlies) {
    auto hat = print_test::BoxModel("Hat", {{"P", 10, 10}});
    main_.Layers[int(TLayer::Sh)] = hat.get();
    TPCForm form(&main_);
    form.Show();
    form.PrintClick();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(print_test::FilesIn(Documents()), std::vector<std::string>{"Кукла.pdf"});
    EXPECT_TRUE(form.FlyBitmap->Enabled());
}

} // namespace
} // namespace printing
