// Drawing and hit-testing one worn layer.
#include "designer/wardrobe/ModelsItem.h"

#include "designer/shell/Pictures.h"
#include "platform/graphics/RasterCanvas.h"

namespace wardrobe {

void OverlayWhite(plat::Bitmap& target, int x, int y, const plat::Bitmap& source) {
    plat::RasterCanvas canvas(target);
    DrawTransparent(x, y, canvas, source);
}

void TModelsItem::DrawOnto(plat::Bitmap& buffer, TSide side) const {
    geom::TModel* model = Model();
    if (!model)
        return;
    OverlayWhite(buffer, Place.X, Place.Y, SideImage(*model, side));
}

int TModelsItem::HitPiece(int x, int y, TSide side) const {
    geom::TModel* model = Model();
    // The layer's own rectangle first: a point beside it is never read from the picture.
    if (!model || !Place.Contains(x, y))
        return -1;
    return HitCardPiece(*model, x - Place.X, y - Place.Y, side);
}

} // namespace wardrobe
