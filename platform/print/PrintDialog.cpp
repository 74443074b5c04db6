#include "platform/print/PrintDialog.h"

#include "platform/core/Platform.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/PrintQt.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"

#include <QApplication>
#include <QPrintDialog>
#include <utility>

namespace plat {

namespace {

// What the dialog may change on a queue. Page ranges are not offered: documents always print whole.
void CopySettings(const QPrinter& from, QPrinter& to) {
    to.setPageLayout(from.pageLayout());
    to.setColorMode(from.colorMode());
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setPageOrder(from.pageOrder());
}

// The first printer of the list that matches, or null.
template <class Device, class Match> Device* Find(Match matches) {
    for (PrintDevice* device : CurrentPrinterProvider().Printers()) {
        auto* found = dynamic_cast<Device*>(device);
        if (found && matches(*found))
            return found;
    }
    return nullptr;
}

void Select(Printer& printer, const PrintDevice& device) {
    const std::vector<PrintDevice*> list = CurrentPrinterProvider().Printers();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] == &device)
            printer.SetPrinterIndex(static_cast<int>(i));
    }
}

PrintDialogHandler& PrintHandler() {
    static PrintDialogHandler handler;
    return handler;
}

PrintDialogHandler& SetupHandler() {
    static PrintDialogHandler handler;
    return handler;
}

enum class DialogKind { Print, Setup };

bool ExecSystemDialog(Printer& printer, DialogKind kind);

} // namespace

bool ExecPrintDialog(Printer& printer) {
    if (PrintHandler())
        return PrintHandler()(printer);
    return ExecSystemDialog(printer, DialogKind::Print);
}

bool ExecPrinterSetupDialog(Printer& printer) {
    if (SetupHandler())
        return SetupHandler()(printer);
    return ExecSystemDialog(printer, DialogKind::Setup);
}

PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler) {
    return std::exchange(PrintHandler(), std::move(handler));
}

PrintDialogHandler SetPrinterSetupHandler(PrintDialogHandler handler) {
    return std::exchange(SetupHandler(), std::move(handler));
}

namespace {

bool ExecSystemDialog(Printer& printer, DialogKind kind) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    PrintDevice* current = printer.Device();
    if (!current || printer.Printing())
        return false;

    // The dialog edits a copy, so that choosing another queue leaves the current one as it was.
    QPrinter edited(QPrinter::HighResolution);
    const QString suggestedFile = HostToQt(Platform::Current().DocumentsFolder() + "/Document.pdf");
    if (auto* cups = dynamic_cast<CupsPrinter*>(current)) {
        edited.setPrinterName(HostToQt(cups->QueueName()));
        CopySettings(*cups->QtState().Printer, edited);
    } else {
        edited.setOutputFormat(QPrinter::PdfFormat);
        edited.setOutputFileName(suggestedFile);
    }
    QPrintDialog dialog(&edited);
    if (kind == DialogKind::Setup) {
        dialog.setWindowTitle(ToQt(Ru("Установки принтера")));
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    } else {
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;

    if (edited.outputFormat() == QPrinter::PdfFormat) {
        PdfPrinter* pdf = Find<PdfPrinter>([](const PdfPrinter&) { return true; });
        if (!pdf)
            return false;
        Select(printer, *pdf);
        // The suggested name stays a suggestion: the usual naming then avoids overwriting.
        const QString file = edited.outputFileName();
        if (!file.isEmpty() && file != suggestedFile)
            pdf->SetNextOutputFile(file.toStdString());
        return true;
    }
    const std::string queue = edited.printerName().toStdString();
    CupsPrinter* cups =
        Find<CupsPrinter>([&](const CupsPrinter& found) { return found.QueueName() == queue; });
    if (!cups)
        return false;
    Select(printer, *cups);
    CopySettings(edited, *cups->QtState().Printer);
    return true;
}

} // namespace

} // namespace plat
