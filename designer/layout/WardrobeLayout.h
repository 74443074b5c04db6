// The two pictures of every garment model: the card picture `<model>.bmp` (front shading, front
// region map, back shading, back region map, side by side) and the rack picture `<model>v.bmp`
// (shading and region map of the garment as it hangs). The wardrobe slices them by these rules,
// the picture generator paints them to these sizes and the checker holds the CD image to them.
//
// The colour key lives in the top rows of the card picture's first panel: pixel (i, 0) is piece
// i's region colour, pixel (i, 1) its group colour, pixel (0, 2) the "none" colour. The rack
// picture repeats the key so that its pixel (0, 2) carries the same "none" colour.
#pragma once

#include "designer/layout/StripLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace layout::wardrobe {

// --- Card picture: four panels of one layer's size ---------------------------------------------
inline constexpr int kCardPanels = 4;      // fixed: front shading, front map, back shading, back map
inline constexpr int kFrontShadingPanel = 0;
inline constexpr int kFrontMapPanel = 1;
inline constexpr int kBackShadingPanel = 2;
inline constexpr int kBackMapPanel = 3;

inline constexpr int kKeyRegionRow = 0;    // fixed: pixel (i, 0) is piece i's region colour
inline constexpr int kKeyGroupRow = 1;     // fixed: pixel (i, 1) is piece i's group colour
inline constexpr int kKeyNoneRow = 2;      // fixed: pixel (0, 2) is the "none" colour
inline constexpr int kKeyRows = 3;         // garments are drawn below these rows
inline constexpr int kMaxPieces = 64;      // fixed: a model holds at most 64 pieces

// The garment classes in wardrobe order, with the file name prefixes the wardrobe searches.
enum class GarmentClass : int { Wn = 0, Pl, Br, Bl, Hl, Yu, Sh, Tf };
inline constexpr int kClassCount = 8;
inline constexpr std::array<const char*, kClassCount> kClassPrefix{"wn", "pl", "br", "bl",
                                                                   "hl", "yu", "sh", "tf"};

// fixed: a layer is as big as the doll, except hats and shoes; each card panel is its layer.
constexpr Box LayerBox(GarmentClass c) {
    if (c == GarmentClass::Sh)
        return doll::kHatLayer;
    if (c == GarmentClass::Tf)
        return doll::kShoeLayer;
    return {0, 0, doll::kPanelWidth, doll::kPanelHeight};
}
constexpr int CardWidth(GarmentClass c) {
    return kCardPanels * LayerBox(c).Width;
}
constexpr int CardHeight(GarmentClass c) {
    return LayerBox(c).Height;
}

// --- Rack picture: shading panel and region map panel -------------------------------------------
inline constexpr int kRackPanels = 2;      // fixed: shading, then region map
// ours: one panel is the size the view shows it at rest, so the current model needs no stretching:
// the rack's CurrentRect for the six clothing classes, the whole view for hats and shoes.
inline constexpr int kHatViewWidth = 117;  // fixed: the hats view, 117 x 86
inline constexpr int kHatViewHeight = 86;
inline constexpr int kShoeViewWidth = 47;  // fixed: the shoes view, 47 x 71
inline constexpr int kShoeViewHeight = 71;
constexpr int RackPanelWidth(GarmentClass c) {
    if (c == GarmentClass::Sh)
        return kHatViewWidth;
    if (c == GarmentClass::Tf)
        return kShoeViewWidth;
    return rack::kCurrentRect.Width;
}
constexpr int RackPanelHeight(GarmentClass c) {
    if (c == GarmentClass::Sh)
        return kHatViewHeight;
    if (c == GarmentClass::Tf)
        return kShoeViewHeight;
    return rack::kCurrentRect.Height;
}
constexpr int RackWidth(GarmentClass c) {
    return kRackPanels * RackPanelWidth(c);
}
constexpr int RackHeight(GarmentClass c) {
    return RackPanelHeight(c);
}
// ours: a hanging garment ends above the bottom of the shortest clothing view (165 high).
inline constexpr int kRackGarmentBottom = 160;

// --- Key colours ---------------------------------------------------------------------------------
// ours: "none" is a mid grey whose green is 127, the shading value that leaves a colour unchanged,
// so the key pixel (0, 2), which the composition does not blank, never marks the doll.
inline constexpr Rgb kNoneColour{127, 127, 127};
// ours: what a region map shows where no piece is. Never white (the composition keeps a piece's
// fabric wherever its map is white), never "none" (a hidden piece would answer every hit test).
inline constexpr Rgb kMapBackground{192, 192, 192};

// Region colours are saturated and stay distinct when a 16-bit screen drops the low bits (every
// channel is a multiple of 8); group colours come from the same list, counted from its end.
constexpr std::array<Rgb, kMaxPieces> MakeRegionColours() {
    constexpr std::array<Rgb, 16> strong{{
        {232, 0, 0},   {0, 160, 0},   {0, 0, 232},   {232, 200, 0}, {200, 0, 200}, {0, 184, 200},
        {240, 120, 0}, {120, 0, 200}, {0, 96, 64},   {128, 64, 0},  {248, 96, 160}, {96, 200, 64},
        {64, 96, 248}, {160, 0, 64},  {0, 64, 128},  {200, 160, 96},
    }};
    std::array<Rgb, kMaxPieces> out{};
    std::size_t n = 0;
    for (const Rgb& c : strong)
        out[n++] = c;
    // The rest: channels from {0, 64, 128, 248}, skipping greys and the colours above.
    constexpr std::array<uint8_t, 4> level{0, 64, 128, 248};
    for (int r = 0; r < 4 && n < out.size(); ++r)
        for (int g = 0; g < 4 && n < out.size(); ++g)
            for (int b = 0; b < 4 && n < out.size(); ++b) {
                Rgb c{level[std::size_t(r)], level[std::size_t(g)], level[std::size_t(b)]};
                bool taken = r == g && g == b;
                for (const Rgb& s : strong)
                    taken = taken || s == c;
                if (!taken)
                    out[n++] = c;
            }
    return out;
}
inline constexpr std::array<Rgb, kMaxPieces> kRegionColours = MakeRegionColours();

constexpr Rgb RegionColour(int piece) {
    return kRegionColours[std::size_t(piece)];
}
constexpr Rgb GroupColour(int group) {
    return RegionColour(kMaxPieces - 1 - group);
}

constexpr bool KeyColoursDistinct() {
    for (int i = 0; i < kMaxPieces; ++i) {
        Rgb a = RegionColour(i);
        if (a == kNoneColour || a == kMapBackground || a == Rgb{255, 255, 255})
            return false;
        for (int j = 0; j < i; ++j)
            if (RegionColour(j) == a)
                return false;
    }
    return true;
}
static_assert(KeyColoursDistinct());

} // namespace layout::wardrobe
