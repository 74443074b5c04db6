// The printer object: the list and the current printer, the document's life, the no-printer paths
// and the one canvas that outlives documents. Recording printers stand in for real ones.
#include "platform/print/Printer.h"

#include "platform/print/PrinterProvider.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

using State = RecordedDocument::State;

class PrinterTest : public ::testing::Test {
  protected:
    PrinterTest()
        : office_(list_.Add<RecordingPrinter>("Office", PageFormat::FromMillimetres(210, 297, 150, 24))),
          label_(list_.Add<RecordingPrinter>(Ru("Этикетки"), PageFormat::FromMillimetres(100, 50, 203, 1))),
          guard_(list_) {}

    PrinterList list_;
    RecordingPrinter& office_;
    RecordingPrinter& label_;
    PrinterProviderGuard guard_;
    Printer printer_;
};

TEST_F(PrinterTest, CurrentPrinterIsChosenElseDefaultElseFirst) {
    EXPECT_EQ(printer_.Printers(), (std::vector<std::string>{"Office", Ru("Этикетки")}));
    EXPECT_EQ(printer_.PrinterIndex(), 0) << "no default: the first";
    list_.SetDefaultIndex(1);
    EXPECT_EQ(printer_.PrinterIndex(), 1);
    EXPECT_EQ(printer_.Device(), &label_);
    printer_.SetPrinterIndex(0);
    EXPECT_EQ(printer_.PrinterName(), "Office");
    printer_.SetPrinterIndex(-1);
    EXPECT_EQ(printer_.PrinterIndex(), 1) << "-1 goes back to the default";

    EXPECT_THROW(printer_.SetPrinterIndex(2), EPrinter);
    EXPECT_THROW(printer_.SetPrinterIndex(-2), EPrinter);
    EXPECT_EQ(printer_.PrinterIndex(), 1);

    EXPECT_TRUE(printer_.SelectPrinter(Ru("ЭТИКЕТКИ")));
    EXPECT_EQ(printer_.Device(), &label_);
    EXPECT_TRUE(printer_.SelectPrinter("office"));
    EXPECT_EQ(printer_.Device(), &office_);
    EXPECT_FALSE(printer_.SelectPrinter("Plotter"));
    EXPECT_EQ(printer_.Device(), &office_);
}

TEST_F(PrinterTest, ChoiceBelongsToTheListItWasMadeIn) {
    printer_.SetPrinterIndex(1);
    PrinterList other;
    other.Add<RecordingPrinter>("A");
    other.Add<RecordingPrinter>("B");
    {
        PrinterProviderGuard swap(other);
        EXPECT_EQ(printer_.PrinterName(), "A");
    }
    EXPECT_EQ(printer_.Device(), &label_);
}

TEST_F(PrinterTest, PageOfTheCurrentPrinter) {
    printer_.SetPrinterIndex(1);
    EXPECT_EQ(printer_.PageWidth(), 799); // 100 mm at 203 dpi
    EXPECT_EQ(printer_.PageHeight(), 400);
    EXPECT_EQ(printer_.BitsPerPixel(), 1);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::HorzSize), 100);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::VertSize), 50);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::HorzRes), 799);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::LogPixelsX), 203);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::BitsPixel), 1);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::Planes), 1);
    EXPECT_EQ(printer_.PageCanvas().Width(), 799);
    EXPECT_EQ(printer_.PageCanvas().BitsPerPixel(), 1);
}

TEST_F(PrinterTest, DocumentLifecycle) {
    printer_.BeginDoc("Dress");
    EXPECT_TRUE(printer_.Printing());
    EXPECT_EQ(printer_.PageNumber(), 1);
    EXPECT_EQ(printer_.Title(), "Dress");
    EXPECT_THROW(printer_.BeginDoc("Again"), EPrinter);
    EXPECT_THROW(printer_.SetPrinterIndex(1), EPrinter) << "no changing printers mid-document";
    printer_.PageCanvas().TextOut(10, 10, "one");
    printer_.NewPage();
    EXPECT_EQ(printer_.PageNumber(), 2);
    printer_.PageCanvas().TextOut(10, 10, "two");
    printer_.EndDoc();
    EXPECT_FALSE(printer_.Printing());
    EXPECT_FALSE(printer_.Aborted());
    EXPECT_EQ(printer_.PageNumber(), 0);

    ASSERT_EQ(office_.Documents().size(), 1u);
    const RecordedDocument& document = office_.Documents()[0];
    EXPECT_EQ(document.Title, "Dress");
    EXPECT_EQ(document.Outcome, State::Finished);
    ASSERT_EQ(document.Pages.size(), 2u);
    EXPECT_EQ(office_.Texts(0), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(document.Pages[1].Calls.size(), 1u);
}

TEST_F(PrinterTest, CallsAtTheWrongTime) {
    EXPECT_THROW(printer_.NewPage(), EPrinter);
    EXPECT_THROW(printer_.EndDoc(), EPrinter);
    EXPECT_NO_THROW(printer_.Abort()) << "abort is safe in any clean-up path";
    EXPECT_FALSE(printer_.Aborted());

    printer_.BeginDoc("Skirt");
    printer_.Abort();
    EXPECT_FALSE(printer_.Printing());
    EXPECT_TRUE(printer_.Aborted());
    EXPECT_EQ(office_.Documents()[0].Outcome, State::Aborted);
    printer_.BeginDoc("Skirt");
    EXPECT_FALSE(printer_.Aborted()) << "a new document clears the flag";
}

TEST_F(PrinterTest, RefusedDocumentLeavesThePrinterIdle) {
    office_.FailNextStart("Printer is offline");
    try {
        printer_.BeginDoc("Hat");
        FAIL() << "BeginDoc should have thrown";
    } catch (const EPrinter& error) {
        EXPECT_EQ(error.Message(), "Printer is offline");
    }
    EXPECT_FALSE(printer_.Printing());
    printer_.BeginDoc("Hat");
    printer_.EndDoc();
    EXPECT_EQ(office_.Documents().size(), 1u);
}

TEST_F(PrinterTest, NoPrinterInstalled) {
    list_.Clear();
    EXPECT_TRUE(printer_.Printers().empty());
    EXPECT_EQ(printer_.PrinterIndex(), -1);
    EXPECT_EQ(printer_.Device(), nullptr);
    EXPECT_EQ(printer_.PrinterName(), "");
    EXPECT_EQ(printer_.PageWidth(), 0);
    EXPECT_EQ(printer_.DeviceCaps(DeviceCap::LogPixelsY), 0);
    EXPECT_THROW(printer_.SetPrinterIndex(0), EPrinter);
    EXPECT_NO_THROW(printer_.SetPrinterIndex(-1));
    EXPECT_THROW(printer_.BeginDoc("Coat"), EPrinter);
    EXPECT_FALSE(printer_.Printing());
    // The canvas is still usable: it draws nothing and measures nothing.
    Canvas& canvas = printer_.PageCanvas();
    canvas.TextOut(0, 0, "nothing");
    canvas.LineTo(10, 10);
}

// Pen, brush and font set between documents are the ones the document draws with, and text
// measured before BeginDoc measures the same during the document.
TEST_F(PrinterTest, CanvasStateCarriesIntoTheDocument) {
    Canvas& canvas = printer_.PageCanvas();
    canvas.Font.Size = 20;
    canvas.Font.Bold = true;
    canvas.Pen = {clRed, 2, PenStyle::Solid};
    canvas.BackgroundMode = BkMode::Transparent;
    const int widthBefore = canvas.TextWidth(Ru("Рукав"));
    const int heightBefore = canvas.TextHeight(Ru("Рукав"));
    EXPECT_GT(widthBefore, 0);
    canvas.MoveTo(50, 50);

    printer_.BeginDoc("Sleeve");
    EXPECT_EQ(&printer_.PageCanvas(), &canvas);
    EXPECT_EQ(canvas.PenPos(), (TPoint{0, 0})) << "a document starts with the pen at the origin";
    EXPECT_EQ(canvas.TextWidth(Ru("Рукав")), widthBefore);
    EXPECT_EQ(canvas.TextHeight(Ru("Рукав")), heightBefore);
    canvas.TextOut(5, 5, Ru("Рукав"));
    canvas.LineTo(100, 0);
    printer_.EndDoc();

    const std::vector<CanvasCall>& calls = office_.Documents()[0].Pages[0].Calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].What, CanvasCall::Kind::TextOut);
    EXPECT_EQ(calls[0].Font.Size, 20);
    EXPECT_TRUE(calls[0].Font.Bold);
    EXPECT_EQ(calls[0].BackgroundMode, BkMode::Transparent);
    EXPECT_EQ(calls[1].What, CanvasCall::Kind::LineTo);
    EXPECT_EQ(calls[1].Args, (std::vector<int>{0, 0, 100, 0}));
    EXPECT_EQ(calls[1].Pen.Color, clRed);
    EXPECT_EQ(canvas.PenPos(), (TPoint{100, 0}));
    EXPECT_EQ(canvas.Font.Size, 20) << "state stays after the document";
}

TEST_F(PrinterTest, MeasuresForTheCurrentPrinter) {
    Canvas& canvas = printer_.PageCanvas();
    canvas.Font.Size = 12;
    const int at150 = canvas.TextHeight("Hem");
    printer_.SetPrinterIndex(1);
    const int at203 = printer_.PageCanvas().TextHeight("Hem");
    EXPECT_NEAR(static_cast<double>(at203) / at150, 203.0 / 150.0, 0.1);
}

} // namespace
} // namespace plat
