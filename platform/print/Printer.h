// The printer as the system's code uses it: the installed-printer list with a current printer,
// one print job at a time (BeginDoc, NewPage, EndDoc, Abort), the page's size and resolution, and
// one canvas to draw on. The canvas is the same object for the printer's whole life, so its pen,
// brush and font carry over between documents; between documents it measures text for the current
// printer and draws nothing. The list comes from the current PrinterProvider.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/print/ForwardingCanvas.h"
#include "platform/print/PrintDevice.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class PrintCanvas;
class PrinterProvider;

// Device capabilities of the current printer, by the names the system's code asks for them.
enum class DeviceCap {
    HorzSize,   // page width, millimetres (rounded)
    VertSize,   // page height, millimetres (rounded)
    HorzRes,    // page width, device pixels
    VertRes,    // page height, device pixels
    BitsPixel,  // 1 monochrome, 24 colour
    Planes,     // always 1
    LogPixelsX, // dots per inch
    LogPixelsY,
};

class Printer {
  public:
    Printer();
    // A document still printing is aborted.
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Names of the installed printers (cp1251), in list order.
    std::vector<std::string> Printers() const;
    // Index of the current printer: the one chosen, else the default one, else the first; -1 when
    // no printer is installed.
    int PrinterIndex() const;
    // Chooses a printer by index; -1 goes back to the default. Throws EPrinter for an index
    // outside the list, and while a document is printing.
    void SetPrinterIndex(int index);
    // Chooses the printer of this name (case-insensitive); false when no printer has it. Throws
    // EPrinter while a document is printing.
    bool SelectPrinter(std::string_view name);
    // Name of the current printer; empty when none is installed.
    std::string PrinterName() const;
    // The current printer; null when none is installed.
    PrintDevice* Device() const;

    // Starts a document on the current printer. Throws EPrinter when no printer is installed,
    // when a document is already printing, or when the printer refuses.
    void BeginDoc(std::string_view title);
    // Throws EPrinter when no document is printing.
    void NewPage();
    // Completes the document; throws EPrinter when no document is printing or the printer could
    // not take it (the document is over either way).
    void EndDoc();
    // Drops the document being printed. Without one it does nothing, so that it can run in any
    // clean-up path.
    void Abort();

    bool Printing() const { return job_ != nullptr; }
    bool Aborted() const { return aborted_; }
    // Page being drawn, from 1; 0 when no document is printing.
    int PageNumber() const { return job_ ? pageNumber_ : 0; }
    const std::string& Title() const { return title_; }

    // The page: of the running document, else of the next one on the current printer; all zero
    // when no printer is installed.
    PageFormat Format() const;
    int PageWidth() const { return Format().Width; }
    int PageHeight() const { return Format().Height; }
    double PageWidthMm() const { return Format().WidthMm; }
    double PageHeightMm() const { return Format().HeightMm; }
    int PixelsPerInchX() const { return Format().PixelsPerInchX; }
    int PixelsPerInchY() const { return Format().PixelsPerInchY; }
    int BitsPerPixel() const { return Format().BitsPerPixel; }
    int DeviceCaps(DeviceCap cap) const;

    Canvas& PageCanvas();

  private:
    std::vector<PrintDevice*> List() const;
    void RequirePrinting() const;
    void RetargetIdle();

    // Choice made in this provider's list; a different provider means nothing was chosen there.
    mutable PrinterProvider* chosenIn_ = nullptr;
    mutable int chosen_ = -1;
    std::unique_ptr<PrintJob> job_;
    int pageNumber_ = 0;
    bool aborted_ = false;
    std::string title_;
    ForwardingCanvas canvas_;
    std::unique_ptr<PrintCanvas> idleCanvas_;
};

// The printer object of the process.
Printer& GlobalPrinter();

} // namespace plat
