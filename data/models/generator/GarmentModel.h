// One garment model as the generator makes it: its file name, Russian name, class, conflicts, the
// hat flag, its pieces laid out on a sheet, its description (how to cut, sew or glue it) and the
// look the picture painter draws it by.
#pragma once

#include "PatternPiece.h"

#include <string>
#include <vector>

namespace gen {

// The garment as it looks on the doll (for the pictures of the card and the rack).
struct TGarmentLook {
    std::string Silhouette; // fitted, straight, a-line, flared, full, wrap, cape, ...
    std::string Top;        // where it starts: head, shoulders, chest, waist, hips, foot
    std::string Length;     // crown, brim, hip, thigh, knee, calf, ankle, floor, ankle-boot, shoe
    std::string Sleeves;    // none, straps, cap, short, elbow, long, kimono-long, kimono-elbow
    std::string Neck;       // round, v, scoop, boat, collar, hood, none
    std::string Closure;    // back-velcro, front-velcro, wrap-belt, elastic, pull-on, glued
    std::string Fabric;     // cotton, knit, felt, fleece, fur, satin, ...
};

struct TModelDef {
    std::string File;  // base name the class's file mask finds: "pl01"
    std::string Name;  // UTF-8
    std::string Class; // Wn Pl Br Bl Hl Yu Sh Tf
    std::vector<std::string> Conflicts;
    bool Hat = false;
    std::vector<TPiece> Pieces;
    TGarmentLook Look;
    std::string Intro;              // UTF-8, one paragraph
    std::string FabricText;         // UTF-8: which fabric and how much
    std::vector<std::string> Steps; // UTF-8, size words like !X4.5 separated by blanks
};

struct TSheetLayout {
    int Width = 0, Height = 0;
    std::vector<std::pair<int, int>> Origins; // per piece
};

// The length along the seam line of one side of a seam, over the given pieces.
double SeamTotal(const std::vector<TPiece>& pieces, const std::string& seam, char side);

// Shelf packing of the finished pieces into a sheet close to the pattern panel's proportions.
TSheetLayout LayOut(const TModelDef& model);
// The model file as UTF-8 lines (the writer converts them to the designer's code page).
std::vector<std::string> ModelFileLines(const TModelDef& model);
// The description in the help topic style, UTF-8 (converted when written).
std::string DescriptionRtf(const TModelDef& model);
// The fallback description.
std::string FallbackDescriptionRtf();
// The garment's entry of garments.txt.
std::vector<std::string> GarmentEntry(const TModelDef& model);
// The size word for a length in millimetres along the doll's width ("!X4.5") or height ("!Y4.5").
std::string SizeWord(char axis, double mm);

} // namespace gen
