#include "platform/print/PdfPrinter.h"

#include "platform/core/Platform.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/print/PdfNoScaling.h"
#include "platform/print/PrintCanvas.h"
#include "platform/print/PrintQt.h"
#include "platform/text/Cp1251.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

namespace plat {

namespace {

// File names stay well under the 255 bytes Linux file systems allow, with room for " (9999).pdf".
constexpr size_t kMaxTitleBytes = 200;
constexpr int kMaxSameNames = 9999;
constexpr int kBitsPerPixel = 24;

QPageLayout LayoutFor(double widthMm, double heightMm) {
    return QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// The page in pixels as the PDF writer lays it out; the millimetres follow from the pixels, so
// that they describe exactly the area drawing can reach.
PageFormat FormatFor(const QPageLayout& layout, int resolution) {
    const QRect pixels = layout.paintRectPixels(resolution);
    PageFormat format;
    format.Width = pixels.width();
    format.Height = pixels.height();
    format.WidthMm = format.Width * 25.4 / resolution;
    format.HeightMm = format.Height * 25.4 / resolution;
    format.PixelsPerInchX = resolution;
    format.PixelsPerInchY = resolution;
    format.BitsPerPixel = kBitsPerPixel;
    return format;
}

void TrimEnds(std::string& name) {
    const auto trimmed = [](char c) { return c == ' ' || c == '.'; };
    while (!name.empty() && trimmed(name.back()))
        name.pop_back();
    const auto first = std::find_if_not(name.begin(), name.end(), trimmed);
    name.erase(name.begin(), first);
}

std::string CandidateName(const std::string& base, int number) {
    if (number == 1)
        return base + ".pdf";
    return base + " (" + std::to_string(number) + ").pdf";
}

// Creates the next free "<base>.pdf", "<base> (2).pdf", ... in the folder. Creating the file is
// what claims the name, so a file that appears meanwhile is never overwritten.
std::unique_ptr<QFile> ClaimFile(const std::string& folder, const std::string& base, std::string& path) {
    for (int number = 1; number <= kMaxSameNames; ++number) {
        path = folder + "/" + CandidateName(base, number);
        auto file = std::make_unique<QFile>(HostToQt(path));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file;
        if (!file->exists())
            throw EPrinter("Cannot create the file " + Utf8ToCp1251(path));
    }
    throw EPrinter("Cannot create a new file for \"" + Utf8ToCp1251(base) + "\" in " + Utf8ToCp1251(folder));
}

std::unique_ptr<QFile> OpenFile(const std::string& path) {
    auto file = std::make_unique<QFile>(HostToQt(path));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EPrinter("Cannot create the file " + Utf8ToCp1251(path));
    return file;
}

std::string DocumentsFolder() {
    const std::string folder = Platform::Current().DocumentsFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        throw EPrinter("Cannot create the folder " + Utf8ToCp1251(folder));
    return folder;
}

} // namespace

class PdfJob : public PrintJob {
  public:
    PdfJob(PdfPrinter& printer, std::unique_ptr<QFile> file, std::string path, std::string_view title)
        : printer_(printer), file_(std::move(file)), path_(std::move(path)), writer_(file_.get()),
          format_(FormatFor(LayoutFor(printer.paperWidthMm_, printer.paperHeightMm_), printer.resolution_)),
          canvas_(format_, &painter_) {
        writer_.setResolution(printer.resolution_);
        writer_.setPageLayout(LayoutFor(printer.paperWidthMm_, printer.paperHeightMm_));
        writer_.setTitle(ToQt(title));
        writer_.setCreator(QStringLiteral("Velmora"));
        if (!painter_.Painter.begin(&writer_)) {
            Discard();
            throw EPrinter("Cannot write the file " + Utf8ToCp1251(path_));
        }
        printer_.lastOutput_ = path_;
    }
    ~PdfJob() override { Abort(); }

    const PageFormat& Format() const override { return format_; }
    Canvas& PageCanvas() override { return canvas_; }

    void NewPage() override {
        if (!writer_.newPage())
            throw EPrinter("Cannot start a new page in " + Utf8ToCp1251(path_));
    }

    void Finish() override {
        if (!painter_.Painter.isActive())
            return;
        const bool ended = painter_.Painter.end();
        file_->close(); // flushes; a failed write shows in error()
        // A pattern must come out at true size: the file asks viewers not to fit it to the paper.
        if (ended && file_->error() == QFileDevice::NoError &&
            AddNoScalingPreference(path_) != NoScalingResult::IoError)
            return;
        Discard();
        throw EPrinter("Cannot write the file " + Utf8ToCp1251(path_));
    }

    void Abort() override {
        if (!painter_.Painter.isActive())
            return;
        painter_.Painter.end();
        Discard();
    }

  private:
    void Discard() {
        file_->close();
        file_->remove();
        printer_.lastOutput_.clear();
    }

    PdfPrinter& printer_;
    std::unique_ptr<QFile> file_;
    std::string path_;
    QPdfWriter writer_;
    PageFormat format_;
    PagePainter painter_;
    PrintCanvas canvas_;
};

PdfPrinter::PdfPrinter(std::string name) : name_(std::move(name)) {}

PageFormat PdfPrinter::Format() const {
    return FormatFor(LayoutFor(paperWidthMm_, paperHeightMm_), resolution_);
}

void PdfPrinter::SetResolution(int pixelsPerInch) {
    resolution_ = std::clamp(pixelsPerInch, kMinResolution, kMaxResolution);
}

void PdfPrinter::SetPaperSize(double widthMm, double heightMm) {
    if (!(widthMm > 0) || !(heightMm > 0))
        return;
    paperWidthMm_ = widthMm;
    paperHeightMm_ = heightMm;
}

std::string PdfPrinter::FileNameFor(std::string_view title) {
    std::string name = Cp1251ToUtf8(title);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || std::strchr("/\\:*?\"<>|", c))
            c = '_';
    }
    TrimEnds(name);
    if (name.size() > kMaxTitleBytes) {
        size_t cut = kMaxTitleBytes; // back to the start of a UTF-8 character
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
        TrimEnds(name);
    }
    return name.empty() ? "Document" : name;
}

std::unique_ptr<PrintJob> PdfPrinter::StartJob(std::string_view title) {
    EnsureGuiApplication();
    std::string path;
    std::unique_ptr<QFile> file;
    if (!nextOutput_.empty()) {
        path = std::exchange(nextOutput_, {});
        file = OpenFile(path);
    } else {
        file = ClaimFile(DocumentsFolder(), FileNameFor(title), path);
    }
    return std::make_unique<PdfJob>(*this, std::move(file), std::move(path), title);
}

} // namespace plat
