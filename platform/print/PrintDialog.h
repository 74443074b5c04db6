// The print dialog and the printer set-up dialog: the system's dialogs for choosing a printer and
// its settings (paper, copies, colour, print to a file), started on the printer object's current
// printer. Both are replaceable handlers, so that tests answer them without a screen.
#pragma once

#include <functional>

namespace plat {

class Printer;

// Answers a dialog for `printer`: true when it was confirmed (the choice is then made on the
// printer object), false when cancelled.
using PrintDialogHandler = std::function<bool(Printer& printer)>;

// Shows the print dialog modally. When it is confirmed the chosen printer becomes the current one
// and keeps the chosen settings; printing to a file selects the PDF printer with that file for the
// next document. Returns false when it was cancelled, when no printer is installed, while a
// document is printing, and in a process without a widget application (nothing is shown then).
bool ExecPrintDialog(Printer& printer);
// The printer set-up dialog: the same choice of printer and paper, titled for setting up rather
// than printing, without printing to a file (that is chosen when printing).
bool ExecPrinterSetupDialog(Printer& printer);

// Install a replacement (empty restores the system's dialog); each returns the previous one.
PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler);
PrintDialogHandler SetPrinterSetupHandler(PrintDialogHandler handler);

} // namespace plat
