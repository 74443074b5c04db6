// Cutting the material sheets into tiles and painting materials.
#include "designer/wardrobe/Materials.h"

#include "platform/graphics/RasterCanvas.h"

#include <algorithm>

namespace wardrobe {

void TMaterialCatalogue::SetSheets(plat::Bitmap stretch, plat::Bitmap tiled) {
    stretch_ = std::move(stretch);
    tiled_ = std::move(tiled);
}

int TMaterialCatalogue::Count(const plat::Bitmap& sheet) {
    return (sheet.Width() / kTileSide) * (sheet.Height() / kTileSide);
}

plat::TRect TMaterialCatalogue::Tile(const plat::Bitmap& sheet, int index) {
    const int columns = sheet.Width() / kTileSide;
    const int x = (index % columns) * kTileSide, y = (index / columns) * kTileSide;
    return {x, y, x + kTileSide, y + kTileSide};
}

void TMaterialCatalogue::MaterialImage(plat::Bitmap& target, int material) const {
    if (target.Empty())
        return;
    plat::RasterCanvas c(target);
    const int w = target.Width(), h = target.Height();
    // Outside the catalogue there is no tile to address: black, as for "no material".
    if (material < 0 || material >= Total()) {
        std::fill(target.Bits(), target.Bits() + size_t(w) * h, 0u);
        return;
    }
    if (material < CountS()) {
        c.CopyRect({0, 0, w, h}, stretch_, Tile(stretch_, material), plat::RasterOp::SrcCopy);
        return;
    }
    const plat::TRect tile = Tile(tiled_, material - CountS());
    for (int y = 0; y <= h; y += kTileSide)
        for (int x = 0; x <= w; x += kTileSide)
            c.CopyRect({x, y, x + kTileSide, y + kTileSide}, tiled_, tile, plat::RasterOp::SrcCopy);
}

} // namespace wardrobe
