// Drawing of the primitives on any Canvas: the common frame (pen width, edit colours, inked end
// pixels, handles) and the shape of each kind.
#include "designer/geometry/Primitiv.h"
#include "platform/core/Numeric.h"
#include "platform/graphics/Color.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace geom {

namespace {

constexpr plat::TColor kSelectedLine = plat::RGB(0, 0, 255);
constexpr plat::TColor kSelectedHandle = plat::RGB(255, 0, 0);
constexpr plat::TColor kPlain = plat::RGB(0, 0, 0);

// Where the glue-label glyph lies in the skin picture.
constexpr plat::TRect kGlyphRect{1235, 463, 1235 + 40, 463 + 120};

int MapX(const TDrawParams& p, int offset, int32_t x) {
    return p.ScaleDenX > 0 ? MapCoordExact(offset, x, p.ScaleNumX, p.ScaleDenX) : MapCoord(offset, x, p.ScaleX);
}
int MapY(const TDrawParams& p, int offset, int32_t y) {
    return p.ScaleDenY > 0 ? MapCoordExact(offset, y, p.ScaleNumY, p.ScaleDenY) : MapCoord(offset, y, p.ScaleY);
}
int DevX(const TDrawParams& p, const TXY& pt) { return MapX(p, p.OffsetX, pt.X); }
int DevY(const TDrawParams& p, const TXY& pt) { return MapY(p, p.OffsetY, pt.Y); }

bool AnySelected(const std::vector<const TXY*>& pts) {
    return std::any_of(pts.begin(), pts.end(), [](const TXY* pt) { return pt->Selected; });
}

} // namespace

void TPrimitiv::SetEditPen(const TDrawParams& p) const {
    if (p.Mode == TTypeShow::tsEdit)
        p.Canvas->Pen.Color = AnySelected(Points()) ? kSelectedLine : kPlain;
}

void TPrimitiv::DrawHandles(const TDrawParams& p) const {
    if (p.Mode != TTypeShow::tsEdit)
        return;
    for (const TXY* pt : Points()) {
        int x = DevX(p, *pt), y = DevY(p, *pt);
        p.Canvas->Pen.Color = pt->Selected ? kSelectedHandle : kPlain;
        p.Canvas->Ellipse(x - 2, y - 2, x + 2, y + 2);
    }
}

// ---- lines -------------------------------------------------------------------------------------

void TPrimLine::Draw(const TDrawParams& p) const {
    if (p.Mode == TTypeShow::tsFill && !DrawnInFill())
        return;
    p.Canvas->Pen.Width = SolidKind() && p.Detailed ? 2 : 1;
    SetEditPen(p);
    DrawShape(p, DevX(p, P1), DevY(p, P1), DevX(p, P2), DevY(p, P2));
    DrawHandles(p);
}

void TPrimLine::Segment(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    plat::Canvas& c = *p.Canvas;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.SetPixel(x1, y1, c.Pen.Color);
    c.SetPixel(x2, y2, c.Pen.Color);
}

void TPrimLine::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    Segment(p, x1, y1, x2, y2);
}

void TPrimLineS::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    p.Canvas->Pen.Style = plat::PenStyle::Dot;
    Segment(p, x1, y1, x2, y2);
    p.Canvas->Pen.Style = plat::PenStyle::Solid;
}

void TPrimLineSg::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    // In the fill mask the fold line stays solid so that it closes the piece's outline.
    if (p.Mode == TTypeShow::tsFill) {
        Segment(p, x1, y1, x2, y2);
        return;
    }
    p.Canvas->Pen.Style = plat::PenStyle::Dash;
    Segment(p, x1, y1, x2, y2);
    p.Canvas->Pen.Style = plat::PenStyle::Solid;
}

void TPrimLineSp::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    p.Canvas->Pen.Style = plat::PenStyle::DashDotDot;
    Segment(p, x1, y1, x2, y2);
    p.Canvas->Pen.Style = plat::PenStyle::Solid;
    if (p.Detailed && p.Mode != TTypeShow::tsFill)
        DrawGlueLabel(p, x1, y1, x2, y2);
}

void TPrimLineSp::DrawGlueLabel(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    plat::Canvas& c = *p.Canvas;
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    int escapement = 0;
    if (x1 == x2)
        escapement = y1 < y2 ? -900 : 900;
    else
        escapement = -plat::Round(std::atan(double(y2 - y1) / double(x2 - x1)) / std::numbers::pi * 1800);
    const plat::TFont saved = c.Font;
    c.Font.Escapement = escapement;
    if (!p.PatternFontName.empty())
        c.Font.Name = p.PatternFontName;
    const std::string label = plat::Ru("линия склейки");
    const int th = c.TextHeight(label);
    const int len = c.TextWidth(label) + 3 * th;
    c.BackgroundMode = plat::BkMode::Transparent;
    if (x1 != x2 || std::abs(y2 - y1) < len) {
        c.TextOut(x1, y1, label);
        c.Font = saved;
        return;
    }
    int gx = 0, gy = 0, lx = 0, ly = 0;
    if (y1 < y2) {
        gx = x1 - th;
        gy = plat::DivTrunc(y1 + y2 - len, 2);
        lx = x1;
        ly = gy + 3 * th;
    } else {
        gx = x1 + 1;
        gy = plat::DivTrunc(y1 + y2 + len, 2) - 3 * th;
        lx = gx;
        ly = gy;
    }
    const bool glyphInSkin =
        p.Skin && p.Skin->Width() >= kGlyphRect.Right && p.Skin->Height() >= kGlyphRect.Bottom;
    if (glyphInSkin)
        c.CopyRect(plat::TRect{gx, gy, gx + th, gy + 3 * th}, *p.Skin, kGlyphRect, c.CopyMode);
    c.TextOut(lx, ly, label);
    c.Font = saved;
}

void TPrimNit::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    Segment(p, x1, y1, x2, y2);
    plat::Canvas& c = *p.Canvas;
    if (P1.X == P2.X) {
        int e = plat::DivTrunc(y2 - y1, 5), w = plat::DivTrunc(y2 - y1, 20);
        c.MoveTo(x2, y2);
        c.LineTo(x2 - w, y2 - e);
        c.MoveTo(x2, y2);
        c.LineTo(x2 + w, y2 - e);
        return;
    }
    int e = plat::DivTrunc(x2 - x1, 5), w = plat::DivTrunc(x2 - x1, 20);
    c.MoveTo(x2, y2);
    c.LineTo(x2 - e, y2 - w);
    c.MoveTo(x2, y2);
    c.LineTo(x2 - e, y2 + w);
}

void TPrimLip::DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const {
    plat::Canvas& c = *p.Canvas;
    c.Pen.Style = plat::PenStyle::Dot;
    c.Brush.Style = plat::BrushStyle::Clear;
    c.Rectangle(x1, y1, x2, y2);
    c.Pen.Style = plat::PenStyle::Solid;
}

// ---- curves ------------------------------------------------------------------------------------

void TPrimArc::DrawCurve(const TDrawParams& p, int offsetX, int offsetY) const {
    plat::Canvas& c = *p.Canvas;
    const int n = std::min<int>(int(Pts.size()) - 1, kMaxCurvePoints - 1);
    TDrawParams at = p;
    at.OffsetX = offsetX;
    at.OffsetY = offsetY;
    c.MoveTo(DevX(at, Pts.front()), DevY(at, Pts.front()));
    c.SetPixel(DevX(at, Pts.front()), DevY(at, Pts.front()), c.Pen.Color);
    double base[2][kMaxCurvePoints];
    for (int i = 0; i <= n; ++i) {
        base[0][i] = MapX(p, 0, Pts[i].X);
        base[1][i] = MapY(p, 0, Pts[i].Y);
    }
    const double step = 1.0 / (8.0 * n);
    // Counting the steps keeps the number of evaluations exact (8n + 1) where summing t would drift.
    for (int k = 0; k <= 8 * n; ++k) {
        const double t = k * step;
        double cx[kMaxCurvePoints], cy[kMaxCurvePoints];
        std::copy(base[0], base[0] + n + 1, cx);
        std::copy(base[1], base[1] + n + 1, cy);
        for (int level = n; level >= 1; --level)
            for (int i = 0; i < level; ++i) {
                cx[i] += t * (cx[i + 1] - cx[i]);
                cy[i] += t * (cy[i + 1] - cy[i]);
            }
        c.LineTo(offsetX + plat::Round(cx[0]), offsetY + plat::Round(cy[0]));
    }
    const int lx = DevX(at, Pts.back()), ly = DevY(at, Pts.back());
    c.LineTo(lx, ly);
    c.SetPixel(lx, ly, c.Pen.Color);
}

void TPrimArc::Draw(const TDrawParams& p) const {
    p.Canvas->Pen.Width = p.Detailed ? 2 : 1;
    SetEditPen(p);
    DrawCurve(p, p.OffsetX, p.OffsetY);
    DrawHandles(p);
}

void TPrimArc2y::Draw(const TDrawParams& p) const {
    plat::Canvas& c = *p.Canvas;
    c.Pen.Width = p.Detailed ? 2 : 1;
    SetEditPen(p);
    DrawCurve(p, p.OffsetX, p.OffsetY);
    if (p.Mode != TTypeShow::tsFill) {
        c.Pen.Style = plat::PenStyle::Dot;
        c.Pen.Width = 1;
        DrawCurve(p, p.OffsetX + CopyDx(), p.OffsetY + CopyDy());
        c.Pen.Style = plat::PenStyle::Solid;
    }
    DrawHandles(p);
}

// ---- text, fill seed, ellipses -----------------------------------------------------------------

void TPrimText::Draw(const TDrawParams& p) const {
    if (p.Detailed) {
        plat::Canvas& c = *p.Canvas;
        c.BackgroundMode = plat::BkMode::Transparent;
        int x = DevX(p, P1), y = DevY(p, P1);
        for (const auto& line : Lines(p.PieceCaption)) {
            c.TextOut(x, y, line);
            y += c.TextHeight(line);
        }
    }
    DrawHandles(p);
}

void TPrimPointFill::Draw(const TDrawParams& p) const {
    if (p.Mode != TTypeShow::tsEdit)
        return;
    plat::Canvas& c = *p.Canvas;
    c.Pen.Color = P1.Selected ? kSelectedHandle : kPlain;
    int x = DevX(p, P1), y = DevY(p, P1);
    c.MoveTo(x - 2, y);
    c.LineTo(x + 3, y);
    c.MoveTo(x, y - 2);
    c.LineTo(x, y + 3);
}

void TPrimEllipse::Draw(const TDrawParams& p) const {
    plat::Canvas& c = *p.Canvas;
    c.Pen.Width = p.Detailed ? 2 : 1;
    SetEditPen(p);
    const int x1 = DevX(p, P1), y1 = DevY(p, P1), x2 = DevX(p, P2), y2 = DevY(p, P2);
    c.Brush.Style = plat::BrushStyle::Clear;
    c.Ellipse(x1, y1, x2, y2);
    if (p.Mode == TTypeShow::tsEdit)
        c.SetPixel(plat::DivTrunc(x1 + x2, 2), plat::DivTrunc(y1 + y2, 2), c.Pen.Color);
    DrawHandles(p);
}

void TPrimEllipse2::Draw(const TDrawParams& p) const {
    plat::Canvas& c = *p.Canvas;
    const int width = p.Detailed ? 2 : 1;
    c.Pen.Width = width;
    SetEditPen(p);
    const int x1 = DevX(p, P1), y1 = DevY(p, P1), x2 = DevX(p, P2), y2 = DevY(p, P2);
    const int x3 = DevX(p, P3), y3 = DevY(p, P3), x4 = DevX(p, P4), y4 = DevY(p, P4);
    c.Arc(x1, y1, x2, y2, x3, y3, x4, y4);
    if (p.Mode != TTypeShow::tsFill && Allowance != 0) {
        const int64_t a = Allowance;
        auto clamp32 = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        TXY lo{clamp32(P1.X - a), clamp32(P1.Y - a)}, hi{clamp32(P2.X + a), clamp32(P2.Y + a)};
        c.Pen.Style = plat::PenStyle::Dot;
        c.Pen.Width = 1;
        c.Arc(DevX(p, lo), DevY(p, lo), DevX(p, hi), DevY(p, hi), x3, y3, x4, y4);
        c.Pen.Style = plat::PenStyle::Solid;
        c.Pen.Width = width;
    }
    if (p.Mode == TTypeShow::tsEdit)
        c.SetPixel(plat::DivTrunc(x1 + x2, 2), plat::DivTrunc(y1 + y2, 2), c.Pen.Color);
    DrawHandles(p);
}

} // namespace geom
