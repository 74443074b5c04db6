// Turns a laid-out garment into the two picture files of its model: the card picture (front and
// back shading with their region maps, and the colour key) and the rack picture (the garment on a
// hanger, shading and region map).
//
// Shading pictures are grey: green 127 leaves a fabric as it is, darker greys shade it, and pure
// white (outside the garment) leaves the doll alone. Region maps show each piece's area in its
// region colour over a background that is neither white nor "none".
#pragma once

#include "data/artgen/GarmentDrawing.h"
#include "data/artgen/Garment.h"

#include <QImage>

#include <vector>

namespace art::garment {

struct ModelPictures {
    QImage Card;
    QImage Rack;
    std::vector<bool> Visible; // per piece: the piece shows in a card region map
};

ModelPictures PaintModel(const Garment& garment, const GarmentDrawing& drawing);

} // namespace art::garment
