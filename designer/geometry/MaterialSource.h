// What a pattern piece needs from the fabric catalogue: a w x h picture of a material. The
// catalogue itself (designer/wardrobe) implements it, so geometry does not depend on wardrobe.
#pragma once

#include "platform/graphics/Bitmap.h"

namespace geom {

class TMaterialSource {
public:
    virtual ~TMaterialSource() = default;
    // Fills `target` (already w x h) with material `material`; -1 or unknown = black.
    virtual void MaterialImage(plat::Bitmap& target, int material) const = 0;
};

} // namespace geom
