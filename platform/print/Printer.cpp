#include "platform/print/Printer.h"

#include "platform/core/Numeric.h"
#include "platform/print/PrintCanvas.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"

namespace plat {

Printer::Printer() = default;

Printer::~Printer() {
    if (job_)
        job_->Abort();
}

std::vector<PrintDevice*> Printer::List() const {
    return CurrentPrinterProvider().Printers();
}

std::vector<std::string> Printer::Printers() const {
    std::vector<std::string> names;
    for (const PrintDevice* device : List())
        names.push_back(device->Name());
    return names;
}

int Printer::PrinterIndex() const {
    PrinterProvider& provider = CurrentPrinterProvider();
    const int count = static_cast<int>(provider.Printers().size());
    if (chosenIn_ == &provider && chosen_ >= 0 && chosen_ < count)
        return chosen_;
    const int defaultIndex = provider.DefaultIndex();
    if (defaultIndex >= 0 && defaultIndex < count)
        return defaultIndex;
    return count > 0 ? 0 : -1;
}

void Printer::SetPrinterIndex(int index) {
    if (job_)
        throw EPrinter("Printing in progress");
    PrinterProvider& provider = CurrentPrinterProvider();
    if (index < -1 || index >= static_cast<int>(provider.Printers().size()))
        throw EPrinter("Printer selected is not valid");
    chosenIn_ = &provider;
    chosen_ = index;
    RetargetIdle();
}

bool Printer::SelectPrinter(std::string_view name) {
    const std::vector<PrintDevice*> list = List();
    for (size_t i = 0; i < list.size(); ++i) {
        if (SameText(list[i]->Name(), name)) {
            SetPrinterIndex(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

PrintDevice* Printer::Device() const {
    const int index = PrinterIndex();
    return index < 0 ? nullptr : List()[static_cast<size_t>(index)];
}

std::string Printer::PrinterName() const {
    const PrintDevice* device = Device();
    return device ? device->Name() : std::string();
}

void Printer::BeginDoc(std::string_view title) {
    if (job_)
        throw EPrinter("Printing in progress");
    PrintDevice* device = Device();
    if (!device)
        throw EPrinter("No printer is installed");
    job_ = device->StartJob(title);
    title_ = std::string(title);
    pageNumber_ = 1;
    aborted_ = false;
    canvas_.MoveTo(0, 0);
    canvas_.SetTarget(&job_->PageCanvas());
}

void Printer::RequirePrinting() const {
    if (!job_)
        throw EPrinter("Printer is not currently printing");
}

void Printer::NewPage() {
    RequirePrinting();
    job_->NewPage();
    ++pageNumber_;
}

void Printer::EndDoc() {
    RequirePrinting();
    std::unique_ptr<PrintJob> job = std::move(job_);
    RetargetIdle();
    job->Finish();
}

void Printer::Abort() {
    if (!job_)
        return;
    std::unique_ptr<PrintJob> job = std::move(job_);
    RetargetIdle();
    job->Abort();
    aborted_ = true;
}

PageFormat Printer::Format() const {
    if (job_)
        return job_->Format();
    const PrintDevice* device = Device();
    return device ? device->Format() : PageFormat{};
}

int Printer::DeviceCaps(DeviceCap cap) const {
    const PageFormat format = Format();
    switch (cap) {
    case DeviceCap::HorzSize:
        return Round(format.WidthMm);
    case DeviceCap::VertSize:
        return Round(format.HeightMm);
    case DeviceCap::HorzRes:
        return format.Width;
    case DeviceCap::VertRes:
        return format.Height;
    case DeviceCap::BitsPixel:
        return format.BitsPerPixel;
    case DeviceCap::Planes:
        return 1;
    case DeviceCap::LogPixelsX:
        return format.PixelsPerInchX;
    case DeviceCap::LogPixelsY:
        return format.PixelsPerInchY;
    }
    return 0;
}

Canvas& Printer::PageCanvas() {
    if (!job_)
        RetargetIdle();
    return canvas_;
}

// Between documents the canvas measures for the current printer's next page.
void Printer::RetargetIdle() {
    const PageFormat format = Format();
    if (!idleCanvas_ || !(idleCanvas_->Format() == format))
        idleCanvas_ = std::make_unique<PrintCanvas>(format, nullptr);
    canvas_.SetTarget(idleCanvas_.get());
}

Printer& GlobalPrinter() {
    // Never destroyed: a document left printing at exit must not be torn down after Qt is gone.
    static Printer* printer = new Printer();
    return *printer;
}

} // namespace plat
