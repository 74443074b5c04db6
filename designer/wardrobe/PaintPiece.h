// Painting a garment: a piece, its group (pieces whose group colour is the same and is not the
// "none" colour) or, with Shift, every piece, and then making again what shows the fabrics.
#pragma once

#include "designer/wardrobe/GarmentPictures.h"

namespace wardrobe {

// Where the fabric was dropped decides which images are made again at once.
enum class TPaintPlace { DollFront, DollBack, Rack, Panel };

// Piece p (-1: nothing, false) and its group, or every piece when `all`, get `material`; the
// sheet and rack image are drawn again and the side images as `place` says. True when painted.
bool PaintPiece(geom::TModel& model, int piece, int material, bool all, TPaintPlace place);

} // namespace wardrobe
