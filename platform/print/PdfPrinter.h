// The built-in PDF printer: every document becomes "<title>.pdf" in the user's documents folder
// (Platform::DocumentsFolder(), created when missing). A file of that name is never overwritten:
// the document gets " (2)", " (3)", ... instead. Pages are A4 without margins at 300 dpi unless set
// otherwise, in colour; lines and text are PDF vectors and text (with the fonts embedded).
#pragma once

#include "platform/print/PrintDevice.h"

#include <string>

namespace plat {

class PdfPrinter : public PrintDevice {
  public:
    static constexpr int kDefaultResolution = 300;
    // Resolutions outside this range are brought into it.
    static constexpr int kMinResolution = 72;
    static constexpr int kMaxResolution = 2400;
    static constexpr double kA4WidthMm = 210;
    static constexpr double kA4HeightMm = 297;

    explicit PdfPrinter(std::string name = "PDF");

    std::string Name() const override { return name_; }
    PageFormat Format() const override;
    std::unique_ptr<PrintJob> StartJob(std::string_view title) override;

    void SetResolution(int pixelsPerInch);
    int Resolution() const { return resolution_; }
    // Paper size in millimetres (portrait when width < height); non-positive sizes are ignored.
    void SetPaperSize(double widthMm, double heightMm);

    // The next document goes to this host file (overwriting it) instead of one named after its
    // title; used once. This is the print dialog's "print to file".
    void SetNextOutputFile(std::string hostPath) { nextOutput_ = std::move(hostPath); }
    // Host path of the file the last document started went to; empty when it was aborted.
    const std::string& LastOutputFile() const { return lastOutput_; }

    // The file name a document of this title gets (cp1251 in, UTF-8 out, without the folder):
    // characters a file name cannot hold become '_', blanks and dots at the ends go, long titles
    // are shortened, and an empty title gives "Document".
    static std::string FileNameFor(std::string_view title);

  private:
    friend class PdfJob;

    std::string name_;
    int resolution_ = kDefaultResolution;
    double paperWidthMm_ = kA4WidthMm;
    double paperHeightMm_ = kA4HeightMm;
    std::string nextOutput_;
    std::string lastOutput_;
};

} // namespace plat
