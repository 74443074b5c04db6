// What every printer of the installed-printer list offers: a name, the page its next document gets
// (size, resolution, colour depth) and print jobs. The CUPS queues, the built-in PDF printer and
// the recording printer of the tests implement it; the Printer object (Printer.h) is what the rest
// of the system talks to.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/graphics/Canvas.h"

#include <memory>
#include <string>
#include <string_view>

namespace plat {

// A printer that refused a request, or a print-job call at the wrong time.
class EPrinter : public Exception {
    using Exception::Exception;
};

// The printable area of a page. Drawing coordinates are device pixels with (0, 0) at the top-left
// of the printable area, so a page has no margins other than the printer's unprintable border.
struct PageFormat {
    int Width = 0; // device pixels
    int Height = 0;
    double WidthMm = 0; // the same area in millimetres
    double HeightMm = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int BitsPerPixel = 0; // 1 for a monochrome printer, 24 for a colour one

    // A page of widthMm x heightMm at the given resolution, the pixel sizes rounded to nearest.
    static PageFormat FromMillimetres(double widthMm, double heightMm, int pixelsPerInch, int bitsPerPixel);
    bool operator==(const PageFormat&) const = default;
};

// One document being printed. Drawing goes to PageCanvas(); the canvas stays the same object for
// the whole document. Destroying a job that was neither finished nor aborted aborts it. A job
// must not outlive the printer that started it.
class PrintJob {
  public:
    virtual ~PrintJob() = default;

    virtual const PageFormat& Format() const = 0;
    virtual Canvas& PageCanvas() = 0;
    // Ends the current page and starts the next one.
    virtual void NewPage() = 0;
    // Completes the document; throws EPrinter when it could not be delivered (the printer's
    // queue refused it, the file could not be written).
    virtual void Finish() = 0;
    // Drops the document: nothing more is printed and a partly written output file is removed.
    virtual void Abort() = 0;
};

class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    // Name as the printer list shows it (cp1251).
    virtual std::string Name() const = 0;
    // The page the next document gets; a running job keeps the format it started with.
    virtual PageFormat Format() const = 0;
    // Starts a document named `title` (cp1251); throws EPrinter when the printer cannot take it.
    virtual std::unique_ptr<PrintJob> StartJob(std::string_view title) = 0;
};

} // namespace plat
