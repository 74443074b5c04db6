// Garment model: reading the model file, fitting and drawing the pattern sheet, hit tests,
// stored materials and compatibility.
#include "designer/geometry/Model.h"

#include "platform/core/Numeric.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"

#include <algorithm>

namespace geom {

namespace {

constexpr plat::TColor kFrame = plat::RGB(150, 150, 150);
constexpr plat::TColor kGrid = plat::RGB(240, 240, 240);
constexpr int kGridStep = 10; // model units: 1 cm on the standard doll

int32_t CheckSheetSide(int32_t v, const char* what) {
    // A side of 0 would make the scale divide by zero; the header must give a real sheet.
    if (v <= 0 || v > kMaxSheetUnits)
        throw plat::EConvertError(std::string("sheet ") + what + " " + plat::IntToStr(v) + " outside 1.." +
                                  plat::IntToStr(kMaxSheetUnits));
    return v;
}

} // namespace

TModel::TModel(std::string modelPath, const TMaterialSource* materials, int availWidth, int availHeight,
               TTypeShow typeShow, plat::TRegIniFile* registry, std::string_view section)
    : ModelPath(std::move(modelPath)), AvailWidth(availWidth), AvailHeight(availHeight), Materials(materials) {
    TModelFile file(ModelFileName(ModelPath));
    Read(file);
    if (registry)
        ReadMaterials(*registry, section);
    TypeShow = typeShow;
    ComputeScale();
    if (TypeShow != TTypeShow::tsUnVisible)
        RenderSheet();
}

TModel::TModel(TModelFile& file, std::string modelPath, const TMaterialSource* materials, int availWidth,
               int availHeight, TTypeShow typeShow)
    : ModelPath(std::move(modelPath)), AvailWidth(availWidth), AvailHeight(availHeight), Materials(materials) {
    Read(file);
    TypeShow = typeShow;
    ComputeScale();
    if (TypeShow != TTypeShow::tsUnVisible)
        RenderSheet();
}

void TModel::Read(TModelFile& file) {
    try {
        TModelHeader header = ParseModelHeader(file.ReadLine());
        Name = header.Name;
        SheetWidth = CheckSheetSide(header.Width, "width");
        SheetHeight = CheckSheetSide(header.Height, "height");
        Conflicts = std::move(header.Conflicts);
        HatFlag = header.HatFlag;
        while (!file.Eof()) {
            if (int(Pieces.size()) == kMaxPieces)
                throw plat::EConvertError("more than " + plat::IntToStr(kMaxPieces) + " pieces");
            Pieces.push_back(std::make_unique<TDetal>(file, SheetScaleY, SheetScaleX, -1));
        }
    } catch (const EModelFileError&) {
        throw;
    } catch (const plat::EConvertError& e) {
        throw EModelFileError(e.what(), file.Name(), file.LineNumber());
    }
}

void TModel::SetTypeShow(TTypeShow mode) {
    if (mode == TypeShow)
        return;
    TypeShow = mode;
    RenderSheet();
}

void TModel::ComputeScale() {
    // Sides are positive (checked when read); an empty area gives the smallest scale below.
    double scale = std::min(double(AvailWidth) / SheetWidth, double(AvailHeight) / SheetHeight);
    if (scale <= 0)
        scale = 0.0001;
    SheetScaleX = SheetScaleY = scale;
    SheetLeft = plat::DivTrunc(AvailWidth - MapCoord(0, SheetWidth, scale), 2);
    SheetTop = plat::DivTrunc(AvailHeight - MapCoord(0, SheetHeight, scale), 2);
}

void TModel::RenderSheet() {
    if (TypeShow == TTypeShow::tsUnVisible) {
        Sheet.Clear();
        for (auto& piece : Pieces)
            piece->Render(nullptr, TTypeShow::tsUnVisible, Materials);
        return;
    }
    ComputeScale();
    const int w = std::clamp(MapCoord(0, SheetWidth, SheetScaleX), 0, plat::Bitmap::kMaxSide);
    const int h = std::clamp(MapCoord(0, SheetHeight, SheetScaleY), 0, plat::Bitmap::kMaxSide);
    if (!Sheet.SetSize(w, h))
        return;
    plat::RasterCanvas c(Sheet);
    c.Pen = {TypeShow == TTypeShow::tsEdit ? kFrame : plat::clWhite, 1, plat::PenStyle::Solid};
    c.Brush = {plat::clWhite, plat::BrushStyle::Solid};
    c.Rectangle(0, 0, w, h);
    if (TypeShow == TTypeShow::tsEdit) {
        c.Pen.Color = kGrid;
        // Below one pixel per step many k land on the same line: draw each line once.
        for (int k = 0, last = -1;; ++k) {
            const int x = plat::Round(kGridStep * double(k) * SheetScaleX);
            if (x > w)
                break;
            if (x == last)
                continue;
            last = x;
            c.MoveTo(x, 0);
            c.LineTo(x, h);
        }
        for (int k = 0, last = -1;; ++k) {
            const int y = plat::Round(kGridStep * double(k) * SheetScaleY);
            if (y > h)
                break;
            if (y == last)
                continue;
            last = y;
            c.MoveTo(0, y);
            c.LineTo(w, y);
        }
    }
    plat::Bitmap scratch;
    for (auto& piece : Pieces) {
        piece->Render(&scratch, TypeShow, Materials, Skin);
        if (scratch.Empty())
            continue;
        c.CopyRect({piece->SheetX(), piece->SheetY(), piece->SheetX() + scratch.Width(),
                    piece->SheetY() + scratch.Height()},
                   scratch, {0, 0, scratch.Width(), scratch.Height()}, plat::RasterOp::SrcAnd);
    }
}

int TModel::PieceAt(int32_t x, int32_t y) const {
    for (size_t i = 0; i < Pieces.size(); ++i)
        if (Pieces[i]->HitTest(x, y))
            return int(i);
    return -1;
}

TDetal* TModel::PieceByIndex(int i) const {
    if (i < 0 || i >= int(Pieces.size()))
        return nullptr;
    return Pieces[size_t(i)].get();
}

int32_t TModel::ToModelX(int px) const { return plat::Round(std::clamp(px / SheetScaleX, -2e9, 2e9)); }
int32_t TModel::ToModelY(int py) const { return plat::Round(std::clamp(py / SheetScaleY, -2e9, 2e9)); }

std::string TModel::MaterialsName() const {
    constexpr std::string_view kPrefix = "models\\";
    if (ModelPath.size() >= kPrefix.size() && plat::SameText(std::string_view(ModelPath).substr(0, kPrefix.size()), kPrefix))
        return ModelPath.substr(kPrefix.size());
    return ModelPath;
}

void TModel::ReadMaterials(plat::TRegIniFile& registry, std::string_view section) {
    for (auto& piece : Pieces)
        piece->Material = -1;
    std::vector<int8_t> bytes(Pieces.size());
    // ReadBinaryData raises "Invalid data type for '%s'" for a longer value or another type.
    const int n = registry.ReadBinaryData(section, MaterialsName(), bytes.data(), int(bytes.size()));
    for (int i = 0; i < n; ++i)
        Pieces[size_t(i)]->Material = bytes[size_t(i)];
}

void TModel::SaveMaterials(plat::TRegIniFile& registry, std::string_view section) const {
    std::vector<uint8_t> bytes;
    for (const auto& piece : Pieces)
        bytes.push_back(uint8_t(piece->Material & 0xFF));
    registry.WriteBinaryData(section, MaterialsName(), bytes.data(), int(bytes.size()));
}

std::string TModel::FileName() const {
    const size_t slash = ModelPath.find_last_of("\\/:");
    return slash == std::string::npos ? ModelPath : ModelPath.substr(slash + 1);
}

bool Compatible(const TModel& a, const TModel& b) {
    const auto names = [](const TModel& m, const std::string& other) {
        return std::any_of(m.Conflicts.begin(), m.Conflicts.end(),
                           [&](const std::string& c) { return plat::SameText(c, other); });
    };
    return !names(a, b.FileName()) && !names(b, a.FileName());
}

} // namespace geom
