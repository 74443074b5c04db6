// Printing one model: the title, the description, the test square, then every piece at true size
// for the doll's measurements, left to right in rows, rows top to bottom, new pages as needed.
// Pieces larger than the page are printed alone as tiles with their row and column and with marks
// where the neighbouring tiles join.
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
constexpr int kTileLabelFontSize = 8;
// The tile label stands this far inside the tile: clear of the join marks and of the outline and
// seam lines that run along a piece's edges.
constexpr int kLabelInsetMm = 10;

void Show(const TStatus& status, const char* utf8, int page) {
    if (status)
        status(plat::Ru(utf8) + plat::IntToStr(page));
}

void BreakPage(plat::Printer& printer, const TStatus& status) {
    Show(status, "Печатается страница ", printer.PageNumber());
    printer.NewPage();
    Show(status, "Готовится страница ", printer.PageNumber());
}

// Every piece and label starts from the same pen, brush and font, whatever the description or
// the previous piece left on the canvas.
void ResetCanvas(plat::Canvas& c) {
    c.Pen = {plat::clBlack, 1, plat::PenStyle::Solid};
    c.Brush = {plat::clWhite, plat::BrushStyle::Clear};
    c.BackgroundMode = plat::BkMode::Transparent;
    c.Font = plat::TFont{};
    c.Font.Name = Settings().PatternFontName;
    c.Font.Size = kPieceFontSize;
}

// New row, then new page, as a box of pw x ph needs; answers with the layout where it goes.
void Place(plat::Printer& printer, TPrintLayout& layout, int pw, int ph, const TStatus& status) {
    if (int64_t(printer.PageWidth()) < int64_t(layout.CurX) + pw) {
        layout.CurX = 0;
        layout.CurY = layout.RowBottom;
    }
    if (int64_t(printer.PageHeight()) < int64_t(layout.CurY) + ph) {
        BreakPage(printer, status);
        layout = {};
    }
}

void Advance(TPrintLayout& layout, int pw, int ph) {
    layout.CurX += pw;
    layout.RowBottom = std::max(layout.RowBottom, layout.CurY + ph);
}

bool Fresh(const TPrintLayout& layout) {
    return layout.CurX == 0 && layout.CurY == 0 && layout.RowBottom == 0;
}

// Short marks across the join edges of tile (row, col), at the same distances from the piece's
// corner on both tiles of a join, so that the sheets are laid edge to edge by them.
void DrawJoinMarks(plat::Canvas& c, const TTileGrid& grid, int row, int col, int pageW, int pageH, int pw,
                   int ph, int dpiX, int dpiY) {
    const int stepX = std::max(1, MmToPixels(kTileMarkStepMm, dpiX));
    const int stepY = std::max(1, MmToPixels(kTileMarkStepMm, dpiY));
    const int lenX = MmToPixels(kTileMarkLengthMm, dpiX), lenY = MmToPixels(kTileMarkLengthMm, dpiY);
    const int originX = col * pageW, originY = row * pageH;
    const int tileW = std::min(pageW, pw - originX), tileH = std::min(pageH, ph - originY);
    c.Pen = {plat::clBlack, 1, plat::PenStyle::Solid};
    for (int y = (originY + stepY - 1) / stepY * stepY; y < originY + tileH; y += stepY) {
        const int ty = y - originY;
        if (col > 0) {
            c.MoveTo(0, ty);
            c.LineTo(lenX, ty);
        }
        if (col + 1 < grid.Columns) {
            c.MoveTo(pageW - lenX, ty);
            c.LineTo(pageW, ty);
        }
    }
    for (int x = (originX + stepX - 1) / stepX * stepX; x < originX + tileW; x += stepX) {
        const int tx = x - originX;
        if (row > 0) {
            c.MoveTo(tx, 0);
            c.LineTo(tx, lenY);
        }
        if (row + 1 < grid.Rows) {
            c.MoveTo(tx, pageH - lenY);
            c.LineTo(tx, pageH);
        }
    }
}

void DrawTileLabel(plat::Canvas& c, const TDetal& piece, const TTileGrid& grid, int row, int col, int dpiX,
                   int dpiY) {
    c.Font.Size = kTileLabelFontSize;
    const std::string text = piece.Caption() + plat::Ru(": ряд ") + plat::IntToStr(row + 1) +
                             plat::Ru(" из ") + plat::IntToStr(grid.Rows) + plat::Ru(", столбец ") +
                             plat::IntToStr(col + 1) + plat::Ru(" из ") + plat::IntToStr(grid.Columns);
    c.TextOut(MmToPixels(kLabelInsetMm, dpiX), MmToPixels(kLabelInsetMm, dpiY), text);
    c.Font.Size = kPieceFontSize;
}

void PrintTiled(const TModel& model, const TDetal& piece, plat::Printer& printer, TPrintLayout& layout,
                const TStatus& status, int pw, int ph) {
    const int pageW = printer.PageWidth(), pageH = printer.PageHeight();
    const TTileGrid grid = TilesFor(pw, ph, pageW, pageH);
    if (!Fresh(layout))
        BreakPage(printer, status);
    for (int row = 0; row < grid.Rows; ++row) {
        for (int col = 0; col < grid.Columns; ++col) {
            if (row > 0 || col > 0)
                BreakPage(printer, status);
            plat::Canvas& c = printer.PageCanvas();
            ResetCanvas(c);
            piece.PrintAt(c, -col * pageW, -row * pageH, pw, ph, model.Skin);
            ResetCanvas(c);
            DrawJoinMarks(c, grid, row, col, pageW, pageH, pw, ph, printer.PixelsPerInchX(),
                          printer.PixelsPerInchY());
            DrawTileLabel(c, piece, grid, row, col, printer.PixelsPerInchX(), printer.PixelsPerInchY());
        }
    }
    // The page of the last tile is the piece's own: whatever follows starts on a fresh page.
    layout = {0, pageH, pageH};
}

} // namespace

int MmToPixels(double mm, int dpi) {
    return plat::Round(dpi * mm * kInchPerMm);
}

TTileGrid TilesFor(int pw, int ph, int pageW, int pageH) {
    if (pageW <= 0 || pageH <= 0)
        return {};
    return {std::max(1, (pw + pageW - 1) / pageW), std::max(1, (ph + pageH - 1) / pageH)};
}

void PrintModel(const TModel& model, plat::Printer& printer, const TDescribe& describe, const TStatus& status,
                double heightFactor, double widthFactor, TTestSquare testSquare) {
    printer.BeginDoc(model.Name);
    try {
        Show(status, "Готовится страница ", printer.PageNumber());
        plat::Canvas& c = printer.PageCanvas();
        ResetCanvas(c);
        c.MoveTo(0, 0);
        c.Font.Size = kTitleFontSize;
        c.TextOut(plat::DivTrunc(printer.PageWidth() - c.TextWidth(model.Name), 2), 0, model.Name);
        int y = c.TextHeight(model.Name);
        if (describe)
            y = describe(c, y);
        TPrintLayout layout{0, y, y};
        if (testSquare == TTestSquare::On)
            PrintTestSquare(printer, layout, status);
        for (const auto& piece : model.Pieces)
            PrintPiece(model, *piece, printer, layout, status, heightFactor, widthFactor);
        if (status)
            status("");
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        if (status)
            status("");
        throw;
    }
}

void PrintPiece(const TModel& model, const TDetal& piece, plat::Printer& printer, TPrintLayout& layout,
                const TStatus& status, double heightFactor, double widthFactor) {
    // A piece without an extent has no scale to print at.
    if (piece.SizeX <= 0 || piece.SizeY <= 0)
        return;
    const TPrintSize mm = piece.PrintSize(heightFactor, widthFactor);
    const int pw = MmToPixels(mm.Width, printer.PixelsPerInchX());
    const int ph = MmToPixels(mm.Height, printer.PixelsPerInchY());
    if (pw <= 0 || ph <= 0)
        return;
    if (TilesFor(pw, ph, printer.PageWidth(), printer.PageHeight()).Tiled()) {
        PrintTiled(model, piece, printer, layout, status, pw, ph);
        return;
    }
    Place(printer, layout, pw, ph, status);
    plat::Canvas& c = printer.PageCanvas();
    ResetCanvas(c);
    piece.PrintAt(c, layout.CurX, layout.CurY, pw, ph, model.Skin);
    Advance(layout, pw, ph);
}

void PrintTestSquare(plat::Printer& printer, TPrintLayout& layout, const TStatus& status) {
    const int pw = MmToPixels(kTestSquareMm, printer.PixelsPerInchX());
    const int ph = MmToPixels(kTestSquareMm, printer.PixelsPerInchY());
    Place(printer, layout, pw, ph, status);
    plat::Canvas& c = printer.PageCanvas();
    ResetCanvas(c);
    const int x = layout.CurX, y = layout.CurY;
    c.MoveTo(x, y);
    c.LineTo(x + pw, y);
    c.LineTo(x + pw, y + ph);
    c.LineTo(x, y + ph);
    c.LineTo(x, y);
    const std::string label = plat::Ru("5 см");
    c.TextOut(x + plat::DivTrunc(pw - c.TextWidth(label), 2), y + plat::DivTrunc(ph - c.TextHeight(label), 2),
              label);
    Advance(layout, pw, ph);
}

} // namespace geom
