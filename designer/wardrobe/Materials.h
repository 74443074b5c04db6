// The fabric catalogue: the stretch and tiled material sheets cut into 60 x 60 tiles, numbered
// stretch first, and the painting of a material over a bitmap of any size.
#pragma once

#include "designer/geometry/MaterialSource.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace wardrobe {

class TMaterialCatalogue : public geom::TMaterialSource {
public:
    static constexpr int kTileSide = 60; // the size of the swatch images that hold the sheets

    // The sheets as loaded from Resource\FillsS.bmp and Resource\FillsM.bmp.
    void SetSheets(plat::Bitmap stretch, plat::Bitmap tiled);

    int CountS() const { return Count(stretch_); }
    int CountM() const { return Count(tiled_); }
    int Total() const { return CountS() + CountM(); }

    // Fills `target` with material k: a stretch tile scaled over it, a tiled one repeated from its
    // top-left corner. A negative number, one beyond the catalogue, or a sheet without a whole
    // tile paints black.
    void MaterialImage(plat::Bitmap& target, int material) const override;

private:
    static int Count(const plat::Bitmap& sheet);
    static plat::TRect Tile(const plat::Bitmap& sheet, int index);
    plat::Bitmap stretch_;
    plat::Bitmap tiled_;
};

} // namespace wardrobe
