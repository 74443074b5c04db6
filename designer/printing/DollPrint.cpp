#include "designer/printing/DollPrint.h"

#include "designer/geometry/Model.h"
#include "designer/geometry/ModelPrint.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/print/Printer.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cmath>

namespace printing {

namespace {

constexpr int kTenthsMmPerPixel = 4; // 0.4 mm for each screen pixel of the doll

void DrawViews(const IDollSource& doll, plat::Canvas& c, const TDollPageLayout& l, int pageWidth) {
    c.CopyMode = plat::RasterOp::SrcCopy;
    const plat::Bitmap front = doll.DollView(/*back=*/false);
    c.StretchDraw({l.Gap, 0, l.Gap + l.Width, l.Height}, front);
    const plat::Bitmap back = doll.DollView(/*back=*/true);
    const int left = pageWidth - l.Width - l.Gap;
    c.StretchDraw({left, 0, left + l.Width, l.Height}, back);
}

void DrawNames(const IDollSource& doll, plat::Printer& printer, const TDollPageLayout& l) {
    plat::Canvas& c = printer.PageCanvas();
    c.MoveTo(0, 0);
    c.BackgroundMode = plat::BkMode::Transparent;
    c.Font = plat::TFont{};
    c.Font.Name = Settings().PatternFontName;
    c.Font.Size = kDollNameFontSize;
    int y = l.Height + geom::MmToPixels(kNamesBelowMm, printer.PixelsPerInchY());
    for (TLayer layer : kDollNameOrder) {
        const geom::TModel* model = doll.Worn(layer);
        if (!model)
            continue;
        const int h = c.TextHeight(model->Name);
        if (printer.PageHeight() < y + h) {
            printer.NewPage();
            y = 0;
        }
        printer.PageCanvas().TextOut(l.Gap, y, model->Name);
        y += h;
    }
}

} // namespace

TDollPageLayout LayoutDollPage(int dollWidth, int dollHeight, int pageWidth, int pageHeight, int dpiX,
                               int dpiY) {
    TDollPageLayout l;
    l.Width = geom::MmToPixels(plat::DivTrunc(dollWidth * kTenthsMmPerPixel, 10), dpiX);
    l.Height = geom::MmToPixels(plat::DivTrunc(dollHeight * kTenthsMmPerPixel, 10), dpiY);
    if (l.Width > 0 && l.Height > 0) {
        const double ratio =
            std::min({1.0, double(pageWidth) / (2.0 * l.Width), double(pageHeight) / l.Height});
        if (ratio < 1.0) {
            l.Width = static_cast<int>(std::floor(l.Width * ratio));
            l.Height = static_cast<int>(std::floor(l.Height * ratio));
        }
    }
    l.Gap = plat::DivTrunc(pageWidth - 2 * l.Width, 3);
    return l;
}

void PrintDoll(const IDollSource& doll, plat::Printer& printer) {
    printer.BeginDoc(plat::Ru("Кукла"));
    try {
        const TDollPageLayout l =
            LayoutDollPage(doll.DollWidth(), doll.DollHeight(), printer.PageWidth(), printer.PageHeight(),
                           printer.PixelsPerInchX(), printer.PixelsPerInchY());
        DrawViews(doll, printer.PageCanvas(), l, printer.PageWidth());
        DrawNames(doll, printer, l);
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
}

} // namespace printing
