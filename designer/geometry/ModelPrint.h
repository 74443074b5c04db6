// Printing one model on a print job: the title, the description (given by the caller), a test
// square, then every piece at true size for the doll's measurements, left to right in rows, rows
// top to bottom, new pages as needed, with the page status shown through a callback. A piece
// larger than the page is never scaled down: it gets pages of its own, as a grid of tiles that
// join at true size. A failure in the middle of a job aborts it, so no partial document is left.
#pragma once

#include "designer/geometry/Model.h"

#include <functional>
#include <string>

namespace plat {
class Printer;
class Canvas;
} // namespace plat

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

// The side of the ruler check printed before the first piece, and the step of the marks along
// the edges where two tiles of a large piece join.
inline constexpr int kTestSquareMm = 50;
inline constexpr int kTileMarkStepMm = 30;
inline constexpr int kTileMarkLengthMm = 5;

enum class TTestSquare { Off, On };

// A grid of tiles for a piece of pw x ph device pixels on pages of pageW x pageH; 1 x 1 when it
// fits a page.
struct TTileGrid {
    int Columns = 1;
    int Rows = 1;
    bool Tiled() const { return Columns > 1 || Rows > 1; }
};
TTileGrid TilesFor(int pw, int ph, int pageW, int pageH);

// Millimetres to device pixels at `dpi`: round(dpi x mm / 25.4).
int MmToPixels(double mm, int dpi);

// One print job: BeginDoc, title, description, test square, pieces, EndDoc. Any error aborts the
// job (the printer drops what it has) and is raised again.
void PrintModel(const TModel& model, plat::Printer& printer, const TDescribe& describe, const TStatus& status,
                double heightFactor, double widthFactor, TTestSquare testSquare = TTestSquare::Off);
// Places one piece (new row, new page as needed) and draws it; a piece larger than the page is
// printed as tiles on pages of its own, and the next piece starts on a fresh page.
void PrintPiece(const TModel& model, const TDetal& piece, plat::Printer& printer, TPrintLayout& layout,
                const TStatus& status, double heightFactor, double widthFactor);
// Places and draws the 50 x 50 mm square labelled "5 см" in the row flow.
void PrintTestSquare(plat::Printer& printer, TPrintLayout& layout, const TStatus& status);

} // namespace geom
