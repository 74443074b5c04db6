// Pattern piece: reading, rendering into the sheet and the fill mask, hit test, printing.
#include "designer/geometry/Detal.h"

#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/RasterCanvas.h"

#include <algorithm>

namespace geom {

namespace {

constexpr plat::TColor kFrame = plat::RGB(150, 150, 150);

int32_t ReadSize(const std::vector<std::string>& words, size_t i, bool positive) {
    const int32_t v = plat::StrToIntDecimal(i < words.size() ? words[i] : "");
    if (positive && (v <= 0 || v > kMaxSheetUnits))
        throw plat::EConvertError("piece size " + plat::IntToStr(v) + " outside 1.." +
                                  plat::IntToStr(kMaxSheetUnits));
    return v;
}

// A pixel count from model units, bounded by what a bitmap can hold.
int PixelSize(int32_t units, double scale) {
    return std::clamp(MapCoord(0, units, scale), 0, plat::Bitmap::kMaxSide);
}

} // namespace

TDetal::TDetal(TModelFile& file, const double& sheetScaleY, const double& sheetScaleX, int material)
    : Material(material), scaleX_(sheetScaleX), scaleY_(sheetScaleY) {
    auto header = ParseNamedNumbers(file.ReadLine());
    Name = header.Name;
    X0 = ReadSize(header.Words, 0, false);
    Y0 = ReadSize(header.Words, 1, false);
    SizeX = ReadSize(header.Words, 2, true);
    SizeY = ReadSize(header.Words, 3, true);
    while (!file.Eof()) {
        const std::string line = file.ReadLine();
        if (!line.empty() && line.front() == '}')
            break;
        if (auto prim = PrimitiveFromLine(line))
            Primitives.push_back(std::move(prim));
    }
}

std::string TDetal::Caption() const {
    if (Name.size() >= 2 && Name[0] == '!' && (Name[1] == 'r' || Name[1] == 'x' || Name[1] == 'y'))
        return Name.substr(2);
    return Name;
}

int TDetal::SheetX() const {
    return MapCoord(0, X0, scaleX_);
}
int TDetal::SheetY() const {
    return MapCoord(0, Y0, scaleY_);
}

TDrawParams TDetal::Params(plat::Canvas& canvas, TTypeShow mode, const plat::Bitmap* skin) const {
    TDrawParams p;
    p.Canvas = &canvas;
    p.Mode = mode;
    p.ScaleX = scaleX_;
    p.ScaleY = scaleY_;
    p.PieceCaption = Caption();
    p.Skin = skin;
    p.PatternFontName = Settings().PatternFontName;
    return p;
}

void TDetal::Render(plat::Bitmap* target, TTypeShow mode, const TMaterialSource* materials,
                    const plat::Bitmap* skin) {
    if (mode == TTypeShow::tsUnVisible || !target) {
        Mask.Clear();
        return;
    }
    const int w = PixelSize(SizeX, scaleX_), h = PixelSize(SizeY, scaleY_);
    if (!target->SetSize(w, h) || !Mask.SetSize(w, h) || w == 0 || h == 0)
        return;
    if (mode == TTypeShow::tsEdit)
        RenderEdit(*target, skin);
    else if (mode == TTypeShow::tsContur)
        RenderContur(*target, skin);
    else
        RenderFill(*target, materials);
}

void TDetal::RenderEdit(plat::Bitmap& target, const plat::Bitmap* skin) {
    plat::RasterCanvas c(target);
    c.Font.Name = Settings().PatternFontName;
    c.Font.Size = 8;
    c.BackgroundMode = plat::BkMode::Transparent;
    c.Brush = {plat::clWhite, plat::BrushStyle::Solid};
    c.Pen = {kFrame, 1, plat::PenStyle::Solid};
    c.Rectangle(0, 0, target.Width(), target.Height());
    c.Brush.Style = plat::BrushStyle::Clear;
    const TDrawParams p = Params(c, TTypeShow::tsEdit, skin);
    for (const auto& prim : Primitives)
        prim->Draw(p);
    const int x = MapCoord(0, 2, scaleX_), y = MapCoord(0, 2, scaleY_);
    c.Pen.Color = plat::clBlack;
    c.Ellipse(x - 2, y - 2, x + 2, y + 2);
}

void TDetal::RenderContur(plat::Bitmap& target, const plat::Bitmap* skin) {
    plat::RasterCanvas c(target);
    c.Font.Name = Settings().PatternFontName;
    c.Font.Size = 8;
    c.BackgroundMode = plat::BkMode::Transparent;
    c.Brush = {plat::clWhite, plat::BrushStyle::Solid};
    c.FillRect({0, 0, target.Width(), target.Height()});
    c.Pen = {plat::clBlack, 1, plat::PenStyle::Solid};
    c.Brush.Style = plat::BrushStyle::Clear;
    const TDrawParams p = Params(c, TTypeShow::tsContur, skin);
    for (const auto& prim : Primitives)
        prim->Draw(p);
}

void TDetal::RenderFill(plat::Bitmap& target, const TMaterialSource* materials) {
    plat::RasterCanvas m(Mask);
    m.Brush = {plat::clWhite, plat::BrushStyle::Solid};
    m.FillRect({0, 0, Mask.Width(), Mask.Height()});
    m.Pen = {plat::clBlack, 1, plat::PenStyle::Solid};
    m.Brush.Style = plat::BrushStyle::Clear;
    const TDrawParams p = Params(m, TTypeShow::tsFill, nullptr);
    for (const auto& prim : Primitives)
        prim->Draw(p);
    m.Brush = {plat::clBlack, plat::BrushStyle::Solid};
    for (const auto& prim : Primitives)
        if (const TXY* seed = prim->FillPoint()) {
            const int x = MapCoord(0, seed->X, scaleX_), y = MapCoord(0, seed->Y, scaleY_);
            if (x >= 0 && y >= 0 && x < Mask.Width() && y < Mask.Height())
                m.FloodFill(x, y, plat::clBlack, plat::FillStyle::Border);
        }
    if (materials)
        materials->MaterialImage(target, Material);
    else
        std::fill(target.Bits(), target.Bits() + size_t(target.Width()) * target.Height(), 0u);
    plat::RasterCanvas t(target);
    t.CopyRect({0, 0, Mask.Width(), Mask.Height()}, Mask, {0, 0, Mask.Width(), Mask.Height()},
               plat::RasterOp::SrcPaint);
}

bool TDetal::HitTest(int32_t x, int32_t y) const {
    if (int64_t(x) < X0 || int64_t(x) >= int64_t(X0) + SizeX || int64_t(y) < Y0 ||
        int64_t(y) >= int64_t(Y0) + SizeY)
        return false;
    const int px = MapCoord(0, int32_t(int64_t(x) - X0), scaleX_);
    const int py = MapCoord(0, int32_t(int64_t(y) - Y0), scaleY_);
    if (px < 0 || py < 0 || px >= Mask.Width() || py >= Mask.Height())
        return false;
    return (Mask.GetPixel(px, py) & 0xFFFFFF) == plat::clBlack;
}

TPrintSize TDetal::PrintSize(double heightFactor, double widthFactor) const {
    double fx = widthFactor, fy = heightFactor;
    if (Name.size() >= 2 && Name[0] == '!') {
        if (Name[1] == 'r')
            fx = heightFactor, fy = widthFactor;
        else if (Name[1] == 'x')
            fy = widthFactor;
        else if (Name[1] == 'y')
            fx = heightFactor;
    }
    return {MapCoord(0, SizeX, fx), MapCoord(0, SizeY, fy)};
}

void TDetal::PrintAt(plat::Canvas& canvas, int left, int top, int pw, int ph,
                     const plat::Bitmap* skin) const {
    canvas.Pen = {plat::clBlack, 1, plat::PenStyle::Solid};
    canvas.Brush.Style = plat::BrushStyle::Clear;
    TDrawParams p = Params(canvas, TTypeShow::tsContur, skin);
    p.Detailed = true;
    p.OffsetX = left;
    p.OffsetY = top;
    p.ScaleX = double(pw) / SizeX;
    p.ScaleY = double(ph) / SizeY;
    p.ScaleNumX = pw, p.ScaleDenX = SizeX;
    p.ScaleNumY = ph, p.ScaleDenY = SizeY;
    for (const auto& prim : Primitives)
        prim->Draw(p);
}

} // namespace geom
