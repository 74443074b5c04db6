// Printing one model on a print job: the title, the description (given by the caller), then every
// piece at true size for the doll's measurements, left to right in rows, rows top to bottom, new
// pages as needed, with the page status shown through a callback.
#pragma once

#include "designer/geometry/Model.h"

#include <functional>
#include <string>

namespace plat {
class Printer;
}

namespace geom {

// Prints the description at y on the page and answers the y below it.
using TDescribe = std::function<int(plat::Canvas& canvas, int y)>;
// Shows a status text; "" clears it.
using TStatus = std::function<void(const std::string& text)>;

// Where the next piece goes on the printer page.
struct TPrintLayout {
    int CurX = 0;
    int CurY = 0;
    int RowBottom = 0;
};

// One print job: BeginDoc, title, description, pieces, EndDoc.
void PrintModel(const TModel& model, plat::Printer& printer, const TDescribe& describe, const TStatus& status,
                double heightFactor, double widthFactor);
// Places one piece (new row, new page as needed) and draws it.
void PrintPiece(const TModel& model, const TDetal& piece, plat::Printer& printer, TPrintLayout& layout,
                const TStatus& status, double heightFactor, double widthFactor);

} // namespace geom
