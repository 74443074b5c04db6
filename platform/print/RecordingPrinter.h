// A printer for tests: it keeps every document with its pages, each page as the list of drawing
// calls it received and as the picture they make (drawn by the same PrintCanvas as real printers,
// onto a white bitmap of the page's size). Tests put it in a PrinterList and install that as the
// printer provider. A page too large for a Bitmap keeps its calls and an empty picture.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/print/ForwardingCanvas.h"
#include "platform/print/PrintDevice.h"

#include <string>
#include <vector>

namespace plat {

struct RecordedPage {
    std::vector<CanvasCall> Calls;
    Bitmap Image;
};

struct RecordedDocument {
    enum class State { Printing, Finished, Aborted };
    std::string Title;
    PageFormat Format;
    std::vector<RecordedPage> Pages;
    State Outcome = State::Printing;
};

class RecordingPrinter : public PrintDevice {
  public:
    // An A4 page (210 x 297 mm) at 96 dpi in colour.
    static PageFormat DefaultFormat();

    explicit RecordingPrinter(std::string name = "Recorder", PageFormat format = DefaultFormat());
    ~RecordingPrinter() override;

    std::string Name() const override { return name_; }
    PageFormat Format() const override { return format_; }
    std::unique_ptr<PrintJob> StartJob(std::string_view title) override;

    void SetFormat(const PageFormat& format) { format_ = format; }
    // The next StartJob throws EPrinter with this message (once), as a printer that is offline.
    void FailNextStart(std::string message) { failure_ = std::move(message); }

    const std::vector<RecordedDocument>& Documents() const { return documents_; }
    // Every text drawn in a document, in drawing order (convenience for tests).
    std::vector<std::string> Texts(int document) const;

  private:
    friend class RecordingJob;

    std::string name_;
    PageFormat format_;
    std::string failure_;
    std::vector<RecordedDocument> documents_;
};

} // namespace plat
