// One pattern piece: its name, place and size on the sheet, its primitives, its fill mask and
// its material; rendering in the display modes, hit testing and the true printed size.
#pragma once

#include "designer/geometry/MaterialSource.h"
#include "designer/geometry/ModelReader.h"
#include "designer/geometry/Primitiv.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace geom {

struct TPrintSize {
    int Width = 0;  // millimetres
    int Height = 0; // millimetres
};

class TDetal {
public:
    // Reads the piece header and body from `file`; the scales are the owning model's.
    TDetal(TModelFile& file, const double& sheetScaleY, const double& sheetScaleX, int material);

    std::string Name;
    std::vector<std::unique_ptr<TPrimitiv>> Primitives;
    int32_t X0 = 0, Y0 = 0, SizeX = 0, SizeY = 0;
    plat::Bitmap Mask;
    int Material = -1;

    std::string Caption() const;
    // Draws into `target` (may be none in tsUnVisible) and/or the mask. `skin` gives the glue glyph.
    void Render(plat::Bitmap* target, TTypeShow mode, const TMaterialSource* materials,
                const plat::Bitmap* skin = nullptr);
    int SheetX() const;
    int SheetY() const;
    bool HitTest(int32_t x, int32_t y) const;
    void SetMaterial(int n) { Material = n; }
    TPrintSize PrintSize(double heightFactor, double widthFactor) const;
    // Draws the piece on a printer page at (left, top) stretched to pw x ph device pixels.
    void PrintAt(plat::Canvas& canvas, int left, int top, int pw, int ph, const plat::Bitmap* skin) const;

private:
    void RenderEdit(plat::Bitmap& target, const plat::Bitmap* skin);
    void RenderContur(plat::Bitmap& target, const plat::Bitmap* skin);
    void RenderFill(plat::Bitmap& target, const TMaterialSource* materials);
    TDrawParams Params(plat::Canvas& canvas, TTypeShow mode, const plat::Bitmap* skin) const;
    const double& scaleX_;
    const double& scaleY_;
};

} // namespace geom
