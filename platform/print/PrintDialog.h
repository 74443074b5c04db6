// The print dialog: the system's dialog for choosing a printer and its settings (paper, copies,
// colour, print to a file), started on the printer object's current printer.
#pragma once

namespace plat {

class Printer;

// Shows the dialog modally. When it is confirmed the chosen printer becomes the current one and
// keeps the chosen settings; printing to a file selects the PDF printer with that file for the
// next document. Returns false when it was cancelled, when no printer is installed, while a
// document is printing, and in a process without a widget application (nothing is shown then).
bool ExecPrintDialog(Printer& printer);

} // namespace plat
