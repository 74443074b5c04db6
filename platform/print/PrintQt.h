// The Qt side of the printing library, shared by its .cpp files only: this header includes Qt and
// must never be included from outside platform/print (the public headers keep Qt out of sight).
#pragma once

#include "platform/print/CupsPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <string_view>

namespace plat {

// The painter of the page a job is drawing on; PrintCanvas draws through it.
struct PagePainter {
    QPainter Painter;
};

// The persistent Qt printer behind a CUPS queue; the print dialog edits it in place, so paper,
// copies and colour chosen there stay with the queue.
struct CupsPrinter::State {
    std::unique_ptr<QPrinter> Printer;
};

// System text (cp1251) for Qt, and host strings (UTF-8) for Qt.
QString ToQt(std::string_view cp1251);
QString HostToQt(std::string_view utf8);

} // namespace plat
