#include "platform/print/RecordingPrinter.h"

#include "platform/print/PrintCanvas.h"
#include "platform/print/PrintQt.h"

#include <QImage>
#include <utility>

namespace plat {

namespace {

constexpr int kDefaultResolution = 96;

// Logs every drawing call on the current page of its document.
class RecordingCanvas : public ForwardingCanvas {
  public:
    explicit RecordingCanvas(RecordedDocument& document) : document_(&document) {}
    void SetDocument(RecordedDocument& document) { document_ = &document; }

  protected:
    void Forwarded(const CanvasCall& call) override { document_->Pages.back().Calls.push_back(call); }

  private:
    RecordedDocument* document_;
};

} // namespace

class RecordingJob : public PrintJob {
  public:
    RecordingJob(RecordingPrinter& printer, size_t index)
        : printer_(printer), index_(index), format_(Document().Format), drawing_(format_, &painter_),
          measuring_(format_, nullptr), recording_(Document()) {
        StartPage();
    }
    ~RecordingJob() override { End(RecordedDocument::State::Aborted); }

    const PageFormat& Format() const override { return format_; }
    Canvas& PageCanvas() override { return recording_; }

    void NewPage() override {
        EndPage();
        StartPage();
    }
    void Finish() override { End(RecordedDocument::State::Finished); }
    void Abort() override { End(RecordedDocument::State::Aborted); }

  private:
    // The printer's list may grow (and move) while the job runs, so the document is found anew.
    RecordedDocument& Document() { return printer_.documents_[index_]; }

    void StartPage() {
        RecordedDocument& document = Document();
        document.Pages.push_back({{}, Bitmap(format_.Width, format_.Height)});
        recording_.SetDocument(document);
        Bitmap& image = document.Pages.back().Image;
        recording_.SetTarget(&measuring_);
        if (image.Empty())
            return;
        page_ = QImage(reinterpret_cast<uchar*>(image.Bits()), image.Width(), image.Height(),
                       static_cast<qsizetype>(image.Width()) * 4, QImage::Format_RGB32);
        if (painter_.Painter.begin(&page_))
            recording_.SetTarget(&drawing_);
    }

    void EndPage() {
        if (painter_.Painter.isActive())
            painter_.Painter.end();
        page_ = QImage();
    }

    void End(RecordedDocument::State outcome) {
        if (Document().Outcome != RecordedDocument::State::Printing)
            return;
        EndPage();
        Document().Outcome = outcome;
    }

    RecordingPrinter& printer_;
    size_t index_;
    PageFormat format_;
    PagePainter painter_;
    QImage page_;
    PrintCanvas drawing_;
    PrintCanvas measuring_;
    RecordingCanvas recording_;
};

PageFormat RecordingPrinter::DefaultFormat() {
    return PageFormat::FromMillimetres(210, 297, kDefaultResolution, 24);
}

RecordingPrinter::RecordingPrinter(std::string name, PageFormat format)
    : name_(std::move(name)), format_(format) {}

RecordingPrinter::~RecordingPrinter() = default;

std::unique_ptr<PrintJob> RecordingPrinter::StartJob(std::string_view title) {
    if (!failure_.empty())
        throw EPrinter(std::exchange(failure_, {}));
    documents_.push_back({std::string(title), format_, {}, RecordedDocument::State::Printing});
    return std::make_unique<RecordingJob>(*this, documents_.size() - 1);
}

std::vector<std::string> RecordingPrinter::Texts(int document) const {
    std::vector<std::string> texts;
    for (const RecordedPage& page : documents_.at(static_cast<size_t>(document)).Pages) {
        for (const CanvasCall& call : page.Calls) {
            if (call.What == CanvasCall::Kind::TextOut)
                texts.push_back(call.Text);
        }
    }
    return texts;
}

} // namespace plat
