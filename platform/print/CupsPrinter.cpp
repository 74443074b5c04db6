#include "platform/print/CupsPrinter.h"

#include "platform/graphics/GuiApplication.h"
#include "platform/print/PrintCanvas.h"
#include "platform/print/PrintQt.h"
#include "platform/text/Cp1251.h"

#include <QPrintEngine>
#include <QPrinterInfo>

namespace plat {

namespace {

int BitsPerPixelOf(const QPrinter& printer) {
    const QPrinterInfo info(printer);
    const bool colour =
        info.supportedColorModes().contains(QPrinter::Color) && printer.colorMode() == QPrinter::Color;
    return colour ? 24 : 1;
}

PageFormat FormatOf(const QPrinter& printer) {
    const QRectF millimetres = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    PageFormat format;
    format.Width = printer.width();
    format.Height = printer.height();
    format.WidthMm = millimetres.width();
    format.HeightMm = millimetres.height();
    format.PixelsPerInchX = printer.logicalDpiX();
    format.PixelsPerInchY = printer.logicalDpiY();
    format.BitsPerPixel = BitsPerPixelOf(printer);
    return format;
}

// Qt's CUPS engine takes job options as a property outside its public keys (a list of name, value
// pairs); the print dialog puts its own there, so ours are merged in.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Patterns are printed at true size: the queue must not fit the page to the paper, and the page
// is the size the printer reported when the layout was made.
void AskForNoScaling(QPrinter& printer) {
    QPrintEngine* engine = printer.printEngine();
    if (!engine)
        return;
    const QStringList wanted = {QStringLiteral("print-scaling"), QStringLiteral("none"),
                                QStringLiteral("fit-to-page"), QStringLiteral("false")};
    const QStringList old = engine->property(kCupsOptionsKey).toStringList();
    QStringList merged;
    for (qsizetype i = 0; i + 1 < old.size(); i += 2) {
        if (!wanted.contains(old[i]))
            merged << old[i] << old[i + 1];
    }
    engine->setProperty(kCupsOptionsKey, merged + wanted);
}

class CupsJob : public PrintJob {
public:
    CupsJob(QPrinter& printer, const std::string& name)
        : printer_(printer), name_(name), format_(FormatOf(printer)), canvas_(format_, &painter_) {
        AskForNoScaling(printer_);
        if (!painter_.Painter.begin(&printer_))
            throw EPrinter("The printer \"" + name_ + "\" cannot start a document");
    }
    ~CupsJob() override { Abort(); }

    const PageFormat& Format() const override { return format_; }
    Canvas& PageCanvas() override { return canvas_; }

    void NewPage() override {
        if (!printer_.newPage())
            throw EPrinter("The printer \"" + name_ + "\" cannot start a new page");
    }

    void Finish() override {
        if (!painter_.Painter.isActive())
            return;
        const bool ended = painter_.Painter.end();
        if (!ended || printer_.printerState() == QPrinter::Error)
            throw EPrinter("The printer \"" + name_ + "\" did not take the document");
    }

    void Abort() override {
        if (!painter_.Painter.isActive())
            return;
        printer_.abort();
        painter_.Painter.end();
    }

private:
    QPrinter& printer_;
    std::string name_;
    PageFormat format_;
    PagePainter painter_;
    PrintCanvas canvas_;
};

} // namespace

CupsPrinter::CupsPrinter(std::string queueName) : queue_(std::move(queueName)) {}

CupsPrinter::~CupsPrinter() = default;

std::string CupsPrinter::Name() const {
    return Utf8ToCp1251(queue_);
}

CupsPrinter::State& CupsPrinter::QtState() const {
    if (state_)
        return *state_;
    EnsureGuiApplication();
    state_ = std::make_unique<State>();
    state_->Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    state_->Printer->setPrinterName(HostToQt(queue_));
    return *state_;
}

PageFormat CupsPrinter::Format() const {
    return FormatOf(*QtState().Printer);
}

std::unique_ptr<PrintJob> CupsPrinter::StartJob(std::string_view title) {
    QPrinter& printer = *QtState().Printer;
    // Qt turns a printer whose queue has gone into a PDF file writer; refuse instead.
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        throw EPrinter("The printer \"" + Name() + "\" is not available");
    printer.setDocName(ToQt(title));
    return std::make_unique<CupsJob>(printer, Name());
}

} // namespace plat
