// One layer of the doll: the garment of one class that the doll wears (or nothing), where it lies
// on the doll, and the layers dressing it takes off.
#pragma once

#include "designer/layout/StripLayout.h"
#include "designer/wardrobe/ClassModels.h"
#include "designer/wardrobe/GarmentPictures.h"

#include <array>

namespace plat {
class Bitmap;
}

namespace wardrobe {

class TModelsItem {
public:
    TClassModels* ClassModels = nullptr;
    int NumModel = -1;
    std::array<int, 5> Bad{-1, -1, -1, -1, -1}; // layer indices taken off when this one is dressed
    layout::Box Place{0, 0, 200, 360};          // inside the doll

    // The worn model; none when the class is empty or NumModel out of range.
    geom::TModel* Model() const { return ClassModels ? ClassModels->ModelAt(NumModel) : nullptr; }
    bool Worn() const { return Model() != nullptr; }
    // Lays the side's image over `buffer` (doll-sized) at the layer's place, white transparent.
    void DrawOnto(plat::Bitmap& buffer, TSide side) const;
    // Piece under a point of the doll, or -1.
    int HitPiece(int x, int y, TSide side) const;
    void TakeOff() { NumModel = -1; }
};

// White-transparent overlay of `source` onto `target` at (x, y), clipped to the target.
void OverlayWhite(plat::Bitmap& target, int x, int y, const plat::Bitmap& source);

} // namespace wardrobe
