// The built-in PDF printer: true sizes measured from the PDF it writes, real text, where the file
// goes and what it is called.
#include "platform/print/PdfPrinter.h"

#include "platform/core/Numeric.h"
#include "platform/core/Platform.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/print/PdfContent.h"
#include "tests/support/Scratch.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace plat {
namespace {

namespace fs = std::filesystem;
using print_test::ContentStreams;
using print_test::ParseContent;
using print_test::PdfContent;
using print_test::PdfRect;
using testing_support::MakeScratchDir;
using testing_support::ReadHostFile;

constexpr double kToleranceMm = 0.1;

int MmToPixels(double mm, int dpi) {
    return Round(dpi * mm / 25.4);
}

// Documents go to a folder of the test's own, which does not exist yet.
class DocumentsPlatform : public Platform {
  public:
    explicit DocumentsPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string DocumentsFolder() const override { return folder_; }

  private:
    std::string folder_;
};

class PdfPrinterTest : public ::testing::Test {
  protected:
    PdfPrinterTest()
        : documents_(MakeScratchDir("pdf") + "/My Documents"), platform_(documents_),
          platformGuard_(platform_), pdf_(list_.Add<PdfPrinter>()), providerGuard_(list_) {}

    // Prints a document of one page drawn by `draw` and returns the file's path.
    template <class Draw> std::string Print(std::string_view title, Draw draw) {
        printer_.BeginDoc(title);
        draw(printer_.PageCanvas());
        printer_.EndDoc();
        return pdf_.LastOutputFile();
    }

    PdfContent PageContent(const std::string& path) {
        const std::vector<std::string> contents = ContentStreams(ReadHostFile(path));
        EXPECT_EQ(contents.size(), 1u) << "one page, one content stream";
        return contents.empty() ? PdfContent{} : ParseContent(contents.front());
    }

    std::string documents_;
    DocumentsPlatform platform_;
    PlatformGuard platformGuard_;
    PrinterList list_;
    PdfPrinter& pdf_;
    PrinterProviderGuard providerGuard_;
    Printer printer_;
};

// The proof that matters to users: a piece printed at 60 x 90 mm measures 60 x 90 mm on paper, and
// its Cyrillic caption is text a reader can select and search.
TEST_F(PdfPrinterTest, PrintsTrueSizeAndRealText) {
    ASSERT_EQ(printer_.PixelsPerInchX(), 300);
    const int width = MmToPixels(60, 300);
    const int height = MmToPixels(90, 300);
    ASSERT_EQ(width, 709);
    ASSERT_EQ(height, 1063);
    const std::string caption = Ru("Платье для куклы: перед, 2 детали");

    const std::string path = Print(Ru("Выкройка"), [&](Canvas& canvas) {
        canvas.Pen.Width = 1;
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.Rectangle(100, 100, 100 + width, 100 + height);
        canvas.Brush = {clBlack, BrushStyle::Solid};
        canvas.FillRect(Bounds(1000, 100, width, height));
        canvas.Font.Size = 14;
        canvas.BackgroundMode = BkMode::Transparent;
        canvas.TextOut(100, 1300, caption);
    });

    ASSERT_EQ(fs::path(path).filename().string(), "Выкройка.pdf");
    const PdfContent content = PageContent(path);
    ASSERT_EQ(content.Rects.size(), 2u);
    // The outline runs through the centres of the box's edge pixels; its outer edges are the box.
    const PdfRect& outline = content.Rects[0];
    EXPECT_EQ(outline.Paint, "S");
    EXPECT_NEAR(outline.WidthMm() + outline.LineWidthMm(), 60, kToleranceMm);
    EXPECT_NEAR(outline.HeightMm() + outline.LineWidthMm(), 90, kToleranceMm);
    EXPECT_NEAR(outline.LineWidthMm(), 25.4 / 300, 0.001);
    const PdfRect& filled = content.Rects[1];
    EXPECT_EQ(filled.Paint, "f");
    EXPECT_NEAR(filled.WidthMm(), 60, kToleranceMm);
    EXPECT_NEAR(filled.HeightMm(), 90, kToleranceMm);

    EXPECT_EQ(content.TextObjects, 1);
    EXPECT_GE(content.TextShows, 1);
    EXPECT_EQ(content.Images, 0);
    const std::string file = ReadHostFile(path);
    EXPECT_NE(file.find("/FontFile2"), std::string::npos) << "the font is embedded";
    EXPECT_NE(file.find("/ToUnicode"), std::string::npos) << "the glyphs map back to characters";

    if (!fs::exists("/usr/bin/pdftotext"))
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the text was not extracted";
    const std::string extracted = documents_ + "/extracted.txt";
    const std::string command = "/usr/bin/pdftotext -enc UTF-8 '" + path + "' '" + extracted + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(ReadHostFile(extracted).find(Cp1251ToUtf8(caption)), std::string::npos);
}

// Shapes stay vectors: ellipses and arcs are curves, lines are paths, nothing becomes a picture.
TEST_F(PdfPrinterTest, ShapesAreVectors) {
    const std::string path = Print("Shapes", [](Canvas& canvas) {
        canvas.Pen.Width = 2;
        canvas.Ellipse(100, 100, 500, 300);
        canvas.Arc(600, 100, 900, 400, 900, 250, 750, 100);
        canvas.MoveTo(100, 600);
        canvas.LineTo(900, 700);
    });
    const PdfContent content = PageContent(path);
    EXPECT_GE(content.Curves, 4 + 1);
    EXPECT_EQ(content.Images, 0);
}

// Pictures go in unchanged: no lossy compression blurring a two-colour pattern into a third.
TEST_F(PdfPrinterTest, PicturesKeepTheirColours) {
    Bitmap checker(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            checker.SetPixel(x, y, (x + y) % 2 ? clRed : clBlue);
    }
    const std::string path =
        Print("Picture", [&](Canvas& canvas) { canvas.StretchDraw(Rect(0, 0, 400, 400), checker); });
    const std::string file = ReadHostFile(path);
    EXPECT_NE(file.find("/Subtype /Image"), std::string::npos);
    EXPECT_EQ(file.find("/DCTDecode"), std::string::npos);
    EXPECT_EQ(PageContent(path).Images, 1);
}

TEST_F(PdfPrinterTest, PageSizeFollowsTheResolution) {
    struct Case {
        int Dpi;
        int ExpectedWidth; // A4 is 595 x 842 points in the file
        int ExpectedHeight;
    };
    for (const Case& c : {Case{300, 2479, 3508}, Case{150, 1240, 1754}, Case{600, 4958, 7017}}) {
        SCOPED_TRACE(c.Dpi);
        pdf_.SetResolution(c.Dpi);
        const PageFormat format = printer_.Format();
        EXPECT_EQ(format.Width, c.ExpectedWidth);
        EXPECT_EQ(format.Height, c.ExpectedHeight);
        EXPECT_NEAR(format.WidthMm, 210, 0.2);
        EXPECT_NEAR(format.HeightMm, 297, 0.2);
        EXPECT_EQ(printer_.DeviceCaps(DeviceCap::HorzSize), 210);
        EXPECT_EQ(printer_.DeviceCaps(DeviceCap::LogPixelsY), c.Dpi);

        // A piece of 60 mm stays 60 mm whatever the resolution.
        const int side = MmToPixels(60, c.Dpi);
        const std::string path = Print("Resolution", [&](Canvas& canvas) {
            EXPECT_EQ(canvas.Width(), format.Width);
            EXPECT_EQ(canvas.Height(), format.Height);
            canvas.Brush.Color = clBlack;
            canvas.FillRect(Bounds(0, 0, side, side));
        });
        const PdfContent content = PageContent(path);
        ASSERT_EQ(content.Rects.size(), 1u);
        EXPECT_NEAR(content.Rects[0].WidthMm(), 60, 25.4 / c.Dpi);
    }
}

TEST_F(PdfPrinterTest, NeverOverwritesAndCreatesTheFolder) {
    ASSERT_FALSE(fs::exists(documents_));
    const auto blank = [](Canvas&) {};
    EXPECT_EQ(Print("Coat", blank), documents_ + "/Coat.pdf");
    EXPECT_EQ(Print("Coat", blank), documents_ + "/Coat (2).pdf");
    testing_support::WriteHostFile(documents_ + "/Coat (3).pdf", "someone else's file");
    EXPECT_EQ(Print("Coat", blank), documents_ + "/Coat (4).pdf");
    EXPECT_EQ(ReadHostFile(documents_ + "/Coat (3).pdf"), "someone else's file");
    EXPECT_EQ(ReadHostFile(documents_ + "/Coat.pdf").substr(0, 5), "%PDF-");
}

TEST_F(PdfPrinterTest, AbortRemovesThePartialFile) {
    printer_.BeginDoc("Dropped");
    const std::string path = pdf_.LastOutputFile();
    EXPECT_TRUE(fs::exists(path));
    printer_.PageCanvas().Rectangle(0, 0, 100, 100);
    printer_.NewPage();
    printer_.Abort();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(pdf_.LastOutputFile().empty());
    EXPECT_TRUE(printer_.Aborted());
}

TEST_F(PdfPrinterTest, PagesOfOneDocument) {
    printer_.BeginDoc("Pages");
    for (int page = 1; page <= 3; ++page) {
        if (page > 1)
            printer_.NewPage();
        printer_.PageCanvas().TextOut(100, 100, "Page " + std::to_string(page));
    }
    printer_.EndDoc();
    EXPECT_EQ(ContentStreams(ReadHostFile(pdf_.LastOutputFile())).size(), 3u);
}

TEST_F(PdfPrinterTest, UnwritableFolderFailsAtBeginDoc) {
    testing_support::WriteHostFile(documents_, "a file where the folder should be");
    EXPECT_THROW(printer_.BeginDoc("Nowhere"), EPrinter);
    EXPECT_FALSE(printer_.Printing());
}

TEST(PdfFileName, MadeFromTheTitle) {
    struct Case {
        std::string Title;    // cp1251
        std::string Expected; // UTF-8
    };
    const Case cases[] = {
        {"Coat", "Coat"},
        {Ru("Пальто"), "Пальто"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"tab\there", "tab_here"},
        {"  .hidden. ", "hidden"},
        {"", "Document"},
        {" ... ", "Document"},
        {"..", "Document"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PdfPrinter::FileNameFor(c.Title), c.Expected) << c.Title;

    // Long titles are cut at a character boundary, well under the file system's 255 bytes.
    const std::string longName =
        PdfPrinter::FileNameFor(std::string(300, static_cast<char>(0xC0))); // "А" x 300
    EXPECT_LE(longName.size(), 200u);
    EXPECT_EQ(longName.size() % 2, 0u);
    EXPECT_EQ(Utf8ToCp1251(longName), std::string(longName.size() / 2, static_cast<char>(0xC0)));
}

} // namespace
} // namespace plat
