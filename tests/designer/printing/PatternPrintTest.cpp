// The pattern print read back from paper: PDFs of the PDF printer at 300 dpi rendered by pdftoppm
// and measured (pieces, the test square and the tiles of a piece taller than the page at true
// size), the models chosen for a run, the status texts, and what a failing printer leaves behind.
#include "designer/printing/PatternPrint.h"

#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/text/Cp1251.h"
#include "tests/designer/printing/PdfPages.h"
#include "tests/designer/printing/PrintTestSupport.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace printing {
namespace {

using print_test::Box;
using print_test::PixelsToMm;

constexpr double kToleranceMm = 0.2;
constexpr int kMinLine = 100; // pixels: longer than any stroke of a letter

class PatternPrintTest : public ::testing::Test, public print_test::PdfPrinterFixture {
protected:
    void SetUp() override {
        if (!print_test::HavePdftoppm())
            GTEST_SKIP() << "pdftoppm is not installed";
    }

    std::vector<plat::Bitmap> PrintAndRender(const geom::TModel& model, const TPrintFactors& factors,
                                             geom::TTestSquare square,
                                             std::vector<std::string>* status = nullptr) {
        const TPrintOutcome outcome = PrintPatterns({&model}, printer_, factors, {TDescription::Left, square},
                                                    [&](const std::string& s) {
                                                        if (status)
                                                            status->push_back(plat::Cp1251ToUtf8(s));
                                                    });
        EXPECT_TRUE(outcome.AllPrinted()) << outcome.Error;
        return print_test::RenderPdf(pdf_.LastOutputFile());
    }
};

TEST_F(PatternPrintTest, PiecesAndTestSquareMeasureTrueSize) {
    struct Case {
        const char* Height;
        const char* BackWidth;
        double WidthMm, HeightMm; // of the 60 x 90 piece
    };
    for (const Case& c : {Case{"30.0", "6.5", 60, 90}, Case{"36", "13", 120, 108}}) {
        SCOPED_TRACE(c.BackWidth);
        const TMeasureCheck check = CheckMeasures({c.Height, c.BackWidth, "7.7", "13.8"});
        ASSERT_FALSE(check.Error);
        auto model = print_test::BoxModel("Proof", {{"Back", 60, 90}});
        const auto pages = PrintAndRender(*model, check.Factors, geom::TTestSquare::On);
        ASSERT_EQ(pages.size(), 1u);
        const print_test::PageLines lines = print_test::FindLines(pages[0], kMinLine);
        // The square first in the row, the piece right beside it, both hanging from one top line.
        ASSERT_EQ(lines.Columns.size(), 3u);
        ASSERT_EQ(lines.Rows.size(), 3u);
        EXPECT_NEAR(PixelsToMm(lines.Columns[1] - lines.Columns[0]), 50, kToleranceMm);
        EXPECT_NEAR(PixelsToMm(lines.Columns[2] - lines.Columns[1]), c.WidthMm, kToleranceMm);
        EXPECT_NEAR(PixelsToMm(lines.Rows[1] - lines.Rows[0]), 50, kToleranceMm);
        EXPECT_NEAR(PixelsToMm(lines.Rows[2] - lines.Rows[0]), c.HeightMm, kToleranceMm);
    }
}

TEST_F(PatternPrintTest, PieceTallerThanThePageIsTiledAtTrueSize) {
    auto model = print_test::BoxModel("Tall", {{"Long", 100, 320}});
    std::vector<std::string> status;
    const auto pages = PrintAndRender(*model, {1.0, 1.0}, geom::TTestSquare::Off, &status);
    // The title's page, then the piece alone on two pages of its own.
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(print_test::FindLines(pages[0], kMinLine).Columns.empty());
    const auto top = print_test::FindLines(pages[1], kMinLine);
    const auto bottom = print_test::FindLines(pages[2], kMinLine);
    ASSERT_FALSE(top.Columns.empty());
    ASSERT_FALSE(bottom.Columns.empty());
    // Both tiles have their right edge at the same place: 100 mm from the left edge of the sheet.
    const double right = top.Columns.back();
    EXPECT_NEAR(PixelsToMm(right), 100, kToleranceMm);
    EXPECT_NEAR(bottom.Columns.back(), right, 1.0);
    // Laid edge to edge, the top edge on the first tile and the bottom edge on the second are the
    // piece's height apart; the side runs down the whole first tile.
    ASSERT_FALSE(top.Rows.empty());
    ASSERT_FALSE(bottom.Rows.empty());
    EXPECT_NEAR(PixelsToMm(pages[1].Height() - top.Rows.front() + bottom.Rows.back()), 320, kToleranceMm);
    EXPECT_GE(print_test::LongestVerticalRun(pages[1], int(right)), pages[1].Height() - 2);
    EXPECT_EQ(status, (std::vector<std::string>{"Готовится страница 1", "Печатается страница 1",
                                                "Готовится страница 2", "Печатается страница 2",
                                                "Готовится страница 3", ""}));
}

TEST_F(PatternPrintTest, PdfAsksViewersNotToScale) {
    auto model = print_test::BoxModel("Proof", {{"Back", 60, 90}});
    PrintAndRender(*model, {1.0, 1.0}, geom::TTestSquare::Off);
    const std::string bytes = testing_support::ReadHostFile(pdf_.LastOutputFile());
    EXPECT_NE(bytes.find("/ViewerPreferences << /PrintScaling /None >>"), std::string::npos);
    // The update keeps the file readable: it still renders.
    EXPECT_EQ(print_test::RenderPdf(pdf_.LastOutputFile()).size(), 1u);
}

TEST_F(PatternPrintTest, FailureMidJobLeavesNoFileAndStopsTheRun) {
    print_test::FailingPrinter& failing = list_.Add<print_test::FailingPrinter>(pdf_, 2);
    ASSERT_TRUE(printer_.SelectPrinter(failing.Name()));
    // Two pieces that cannot share a page, so the first job breaks a page and fails there.
    auto first = print_test::BoxModel("First", {{"A", 150, 200}, {"B", 150, 200}});
    auto second = print_test::BoxModel("Second", {{"C", 10, 10}});
    std::vector<std::string> status;
    const TPrintOutcome outcome = PrintPatterns({first.get(), second.get()}, printer_, {1.0, 1.0},
                                                {TDescription::Left, geom::TTestSquare::On},
                                                [&](const std::string& s) { status.push_back(s); });
    EXPECT_FALSE(outcome.AllPrinted());
    EXPECT_EQ(outcome.Jobs, 0);
    EXPECT_EQ(outcome.Error, "The printer stopped");
    EXPECT_TRUE(print_test::FilesIn(Documents()).empty());
    EXPECT_FALSE(printer_.Printing());
    EXPECT_EQ(status.back(), "");
}

TEST(PatternModels, PanelOpenPrintsTheCurrentModelElseTheWornOnesWithoutShoes) {
    std::vector<std::unique_ptr<geom::TModel>> models;
    print_test::FakeMainWindow main;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        models.push_back(print_test::BoxModel("M" + std::to_string(layer), {{"P", 10, 10}}));
        main.Layers[layer] = models.back().get();
    }
    main.Layers[static_cast<int>(TLayer::Br)] = nullptr; // no trousers worn
    main.Current = models[3].get();

    std::vector<const geom::TModel*> expected;
    for (int layer : {0, 1, 3, 4, 5, 6})
        expected.push_back(models[layer].get());
    EXPECT_EQ(ChoosePatternModels(main), expected);

    main.PanelOpen = true;
    EXPECT_EQ(ChoosePatternModels(main), std::vector<const geom::TModel*>{models[3].get()});

    // Only shoes worn: nothing to print, and a run of nothing is not "all printed".
    main.PanelOpen = false;
    main.Layers = {};
    main.Layers[static_cast<int>(TLayer::Tf)] = models[7].get();
    EXPECT_TRUE(ChoosePatternModels(main).empty());
    EXPECT_FALSE(TPrintOutcome{}.AllPrinted());
}

TEST(PatternJobs, EachModelIsOneJobTitledWithItsName) {
    print_test::UseWidgets();
    plat::PrinterList list;
    auto& recorder = list.Add<plat::RecordingPrinter>();
    plat::PrinterProviderGuard guard(list);
    plat::Printer printer;
    auto a = print_test::BoxModel("Alpha", {{"P", 10, 10}});
    auto b = print_test::BoxModel("Beta", {{"P", 10, 10}});
    const TPrintOutcome outcome = PrintPatterns({a.get(), b.get()}, printer, {1.0, 1.0},
                                                {TDescription::Left, geom::TTestSquare::On}, nullptr);
    EXPECT_TRUE(outcome.AllPrinted());
    ASSERT_EQ(recorder.Documents().size(), 2u);
    EXPECT_EQ(recorder.Documents()[0].Title, "Alpha");
    EXPECT_EQ(recorder.Documents()[1].Title, "Beta");
    const auto texts = recorder.Texts(0);
    ASSERT_EQ(texts.size(), 2u); // the title and the square's label; the piece has no labels
    EXPECT_EQ(texts[0], "Alpha");
    EXPECT_EQ(texts[1], plat::Ru("5 см"));
}

} // namespace
} // namespace printing

namespace printing {
namespace {

// Descriptions on a scratch CD: the model's own with size words, none for a second model, so the
// fallback is printed for it and never the first model's text.
TEST(PatternDescriptions, PrintedAboveThePiecesWithSizeWordsScaledAndNeverAnotherModels) {
    print_test::UseWidgets();
    const std::string cd = testing_support::MakeScratchDir("describe-cd");
    testing_support::WriteHostFile(
        cd + "/models/coat.rtf", "{\\rtf1{\\fonttbl{\\f0 Sans;}}#{\\footnote c}\\plain Width !X10 cm\\par}");
    testing_support::WriteHostFile(cd + "/resource/describe.rtf",
                                   "{\\rtf1{\\fonttbl{\\f0 Sans;}}#{\\footnote d}\\plain Generic\\par}");
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd));
    plat::PrinterList list;
    auto& recorder = list.Add<plat::RecordingPrinter>();
    plat::PrinterProviderGuard guard(list);
    plat::Printer printer;
    auto coat = print_test::BoxModel("Coat", {{"P", 10, 10}}, "models\\coat");
    auto cape = print_test::BoxModel("Cape", {{"P", 10, 10}}, "models\\cape");
    const TPrintOutcome outcome = PrintPatterns({coat.get(), cape.get()}, printer, {1.0, 2.0},
                                                {TDescription::Printed, geom::TTestSquare::Off}, nullptr);
    ASSERT_TRUE(outcome.AllPrinted()) << outcome.Error;
    EXPECT_EQ(recorder.Texts(0), (std::vector<std::string>{"Coat", "Width", "20", "cm"}));
    EXPECT_EQ(recorder.Texts(1), (std::vector<std::string>{"Cape", "Generic"}));
    for (const auto& call : recorder.Documents()[0].Pages[0].Calls) {
        if (call.What == plat::CanvasCall::Kind::TextOut && call.Text == "20")
            EXPECT_EQ(call.Font.Name, kPrintFace);
    }
}

} // namespace
} // namespace printing
