// Printing one model: the title, the description, then every piece at true size for the doll's
// measurements, left to right in rows, rows top to bottom, new pages as needed.
#include "designer/geometry/ModelPrint.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/print/Printer.h"
#include "platform/text/Cp1251.h"

#include <algorithm>

namespace geom {

namespace {

constexpr double kInchPerMm = 0.03937007874;
constexpr int kTitleFontSize = 20;
constexpr int kPieceFontSize = 10;

void Show(const TStatus& status, const char* utf8, int page) {
    if (status)
        status(plat::Ru(utf8) + plat::IntToStr(page));
}

} // namespace

void PrintModel(const TModel& model, plat::Printer& printer, const TDescribe& describe, const TStatus& status,
                double heightFactor, double widthFactor) {
    printer.BeginDoc(model.Name);
    Show(status, "Готовится страница ", printer.PageNumber());
    plat::Canvas& c = printer.PageCanvas();
    c.MoveTo(0, 0);
    c.BackgroundMode = plat::BkMode::Transparent;
    c.Font.Name = Settings().PatternFontName;
    c.Font.Size = kTitleFontSize;
    c.TextOut(plat::DivTrunc(printer.PageWidth() - c.TextWidth(model.Name), 2), 0, model.Name);
    int y = c.TextHeight(model.Name);
    if (describe)
        y = describe(c, y);
    c.Font.Size = kPieceFontSize;
    TPrintLayout layout{0, y, y};
    for (const auto& piece : model.Pieces)
        PrintPiece(model, *piece, printer, layout, status, heightFactor, widthFactor);
    if (status)
        status("");
    printer.EndDoc();
}

void PrintPiece(const TModel& model, const TDetal& piece, plat::Printer& printer, TPrintLayout& layout,
                const TStatus& status, double heightFactor, double widthFactor) {
    const TPrintSize mm = piece.PrintSize(heightFactor, widthFactor);
    plat::Canvas& c = printer.PageCanvas();
    const int pw = MapCoord(0, mm.Width, c.PixelsPerInchX() * kInchPerMm);
    const int ph = MapCoord(0, mm.Height, c.PixelsPerInchY() * kInchPerMm);
    if (int64_t(printer.PageWidth()) < int64_t(layout.CurX) + pw) {
        layout.CurX = 0;
        layout.CurY = layout.RowBottom;
    }
    if (int64_t(printer.PageHeight()) < int64_t(layout.CurY) + ph) {
        Show(status, "Печатается страница ", printer.PageNumber());
        printer.NewPage();
        Show(status, "Готовится страница ", printer.PageNumber());
        layout = {};
    }
    piece.PrintAt(printer.PageCanvas(), layout.CurX, layout.CurY, pw, ph, model.Skin);
    layout.CurX += pw;
    layout.RowBottom = std::max(layout.RowBottom, layout.CurY + ph);
}

} // namespace geom
