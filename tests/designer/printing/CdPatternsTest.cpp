// Every model of the CD image printed from the pattern-print window to the PDF printer, read back
// at 300 dpi: each job is one PDF named after the model, and its first page carries the test square
// at 50 x 50 mm below the description, so a parent's ruler check holds for every garment.
#include "designer/printing/SForm.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/print/PdfPrinter.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "tests/designer/printing/PdfPages.h"
#include "tests/designer/printing/PrintTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace printing {
namespace {

namespace fs = std::filesystem;

class CdPatterns : public ::testing::Test, public print_test::PdfPrinterFixture {};

TEST_F(CdPatterns, EveryModelPrintsFromTheWindowWithATrueTestSquare) {
    const fs::path cd = VELMORA_CD_DIR;
    if (!fs::is_directory(cd / "models") || !print_test::HavePdftoppm())
        GTEST_SKIP() << "no CD image or no pdftoppm";
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd.string()));
    Settings().PatternFontName = kPrintFace;
    plat::RegisterFontFile((cd / "metip___.ttf").string(), kPrintFace);
    std::vector<std::string> errors;
    const auto previous =
        plat::SetMessageBoxHandler([&](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& t) {
            errors.push_back(t);
            return plat::TModalResult::Ok;
        });
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(cd / "models")) {
        if (entry.path().extension() == ".mdl")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_FALSE(names.empty());
    const double square = 50 * print_test::kReadDpi / 25.4;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        geom::TModel model("models\\" + name, nullptr, 239, 212, geom::TTypeShow::tsUnVisible, nullptr, "");
        print_test::FakeMainWindow main;
        main.PanelOpen = true;
        main.Current = &model;
        TSForm form(&main);
        form.PrintClick();
        ASSERT_TRUE(errors.empty()) << plat::Cp1251ToUtf8(errors.front());
        const std::string file = pdf_.LastOutputFile();
        EXPECT_EQ(fs::path(file).filename().string(), plat::Cp1251ToUtf8(model.Name) + ".pdf");
        const auto pages = print_test::RenderPdf(file, 1);
        ASSERT_EQ(pages.size(), 1u);
        // The bottom edge of the square stands alone at the left edge; the top edge may run on
        // into the piece beside it, so the square's height is checked from the bottom up.
        const auto rows = print_test::LeftEdgeRuns(pages[0], int(square) - 6, int(square) + 6);
        ASSERT_FALSE(rows.empty());
        const double bottom = rows.back();
        EXPECT_NEAR(print_test::PixelsToMm(print_test::LongestVerticalRun(pages[0], int(square))), 50, 0.3);
        EXPECT_GT(bottom, square);
        fs::remove(file);
    }
    plat::SetMessageBoxHandler(previous);
}

} // namespace
} // namespace printing
