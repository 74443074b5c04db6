// The picture caches a garment model carries for the wardrobe: its two picture files as loaded
// and the three images composed from them. The wardrobe fills and releases them; geometry only
// keeps them with the model, so that a model and its pictures live and die together.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <cstdint>
#include <vector>

namespace geom {

struct TModelPictures {
    plat::Bitmap Card;      // <model>.bmp: front shading, front map, back shading, back map
    plat::Bitmap Rack;      // <model>v.bmp: shading and map of the garment on the rack
    plat::Bitmap Front;     // composed front image, one card panel wide
    plat::Bitmap Back;      // composed back image
    plat::Bitmap RackImage; // composed rack image, half the rack picture wide
    // A file is read once until released: a missing picture is not looked for on every paint.
    bool CardRead = false;
    bool RackRead = false;
    // The colour key of the card picture (pixel words), kept when the card itself is released:
    // piece i's region colour, its group colour, and the "none" colour.
    std::vector<uint32_t> Regions;
    std::vector<uint32_t> Groups;
    uint32_t None = 0;
    bool KeyRead = false;
    // Changes whenever the front or back image is made or dropped, so that whoever laid them
    // into a picture of its own (the dressed doll) knows to lay them again.
    uint64_t SideStamp = 0;

    void Release() { *this = TModelPictures(); }
};

} // namespace geom
