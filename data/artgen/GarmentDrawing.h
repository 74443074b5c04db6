// A garment laid out on the doll, seen from the front and from the back: the areas of its pieces
// in drawing order (a later area covers an earlier one), and the details that are only shading
// (buttons, seams, folds). The painter turns one view into a shading picture and a region map.
#pragma once

#include "data/artgen/Garment.h"

#include <QPainterPath>
#include <QPointF>

#include <vector>

namespace art::garment {

// How an area is shaded.
enum class Shade {
    Fitted, // rounded over the body
    Draped, // falls in folds
    Tube,   // round across (sleeves, legs)
    Band,   // narrow: belts, cuffs, straps, soles
    Flat,   // small flat parts: pockets, collars, bows
};

struct Zone {
    int Piece = -1;
    QPainterPath Path; // doll panel pixels
    Shade Kind = Shade::Fitted;
};

struct GarmentView {
    std::vector<Zone> Zones;
    std::vector<QPointF> Buttons;
    std::vector<QPainterPath> Seams;   // stitched lines drawn over the areas (centre front, flies)
    std::vector<QPainterPath> Folds;   // soft dark lines inside draped areas
    std::vector<QPainterPath> Soles;   // dark shapes of no piece (soles under shoes)
    QPainterPath Outline() const;      // the union of all areas
};

struct GarmentDrawing {
    GarmentView Front;
    GarmentView Back;
};

// Lays the garment out on the doll. Every piece that shows gets at least one area in a view;
// pieces that have no place (hidden ones, or parts of a kind the class has no place for) get none.
GarmentDrawing LayOut(const Garment& garment);

} // namespace art::garment
