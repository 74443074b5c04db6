// The basic shapes the wardrobe is cut from, computed from the doll's measurements: halves of
// bodices and tunics, drop-shoulder sleeves, skirt panels, circle rings, bands, trouser legs and
// kimono halves. Edges that are sewn together carry the same seam name.
#pragma once

#include "PatternPiece.h"

#include <string>

namespace gen {

// Half of a top (blouse, dress, coat, tunic), centre line at x = 0, shoulder at y = 0.
struct TTopSpec {
    std::string Name;
    int Count = 1;
    bool Front = true;       // front halves are side A of the shoulder and side seams
    double CentreExt = -1;   // < 0: the centre is a fold; >= 0: a cut edge that far beyond the centre
    double NeckW = 11, NeckDepth = 12;
    double ShoulderX = 36, ShoulderDrop = 3;
    bool Sleeveless = false; // scooped armhole (hemmed) instead of a straight one for a sleeve
    double ArmY = 33, ChestX = 36;
    double WaistY = 0, WaistX = 0; // shaping through the waist when WaistY > 0
    double Length = 80, HemX = 40;
    bool NeckSeam = false;   // the neckline is sewn to a collar or hood (seam "neck")
    bool HemWaistSeam = false; // the lower edge is sewn to a skirt (seam "waist", side A)
};
TPiece TopHalf(const TTopSpec& s);
double ArmholeLength(const TTopSpec& s);

// Half a sleeve cut on the fold along its middle; its top meets the straight armhole.
TPiece SleeveHalf(const std::string& name, double top, double length, double endHalf);

// Half a skirt panel, centre at x = 0.
struct TSkirtSpec {
    std::string Name;
    int Count = 1;
    bool Front = true;
    double CentreExt = -1; // as in TTopSpec
    double WaistX = 24, HipX = 40, HipY = 35, Length = 80, HemX = 44;
    bool Flared = false;   // curved hem that keeps the side seam square to it
};
TPiece SkirtHalf(const TSkirtSpec& s);

// Pieces of one ring (circle skirts, capes), each a quarter or a half of it. A piece's radius
// edges are a fold or cut (sewn or hemmed; they take 3 mm of the inner seam line). All pieces of
// a ring share one radius, so that their radius edges meet; it is chosen so that the inner seam
// lines together measure `innerTarget`.
struct TRingPart {
    std::string Name;
    int Count = 1;
    int Quarters = 2;
    bool Fold = true;    // the radius that ends the outer edge is a fold
    bool Velcro = false; // a velcro patch at the neck end of the other radius (cape fronts)
};
std::vector<TPiece> RingPieces(const std::vector<TRingPart>& parts, double innerTarget, double width,
                               const std::string& innerSeam, char side);

// A straight band cut on the fold along its length: `seamLen` is sewn (or glued) to the garment,
// `extra` more overlaps for the fastening; `width` is the finished width (the cut is twice it).
TPiece Band(const std::string& name, int count, double seamLen, double width, double extra,
            const std::string& seam, char side, int times);

// One trouser leg, cut twice, on the fold along the outer side.
struct TTrouserSpec {
    std::string Name;
    double Length = 170, HemX = 28;
    double Channel = 8; // the elastic channel folded down at the waist
    bool CuffSeam = false;
};
TPiece TrouserHalf(const TTrouserSpec& s);

// Half of a kimono-sleeved robe or gown, centre at x = 0.
struct TKimonoSpec {
    std::string Name;
    int Count = 1;
    bool Front = true;
    double CentreExt = -1;  // wrap fronts: the centre edge lies this far beyond the centre
    double WrapNeckY = 0;   // wrap fronts: the neckline runs straight down to this depth
    double NeckW = 11, NeckDepth = 12;
    double SleeveEnd = 80, SleeveDrop = 10, SleeveW = 34;
    double ChestX = 40, Length = 200, HemX = 52;
};
TPiece KimonoHalf(const TKimonoSpec& s);

} // namespace gen
