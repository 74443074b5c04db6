// The two fabric sheets, Resource\FillsS.bmp (stretched materials) and Resource\FillsM.bmp (tiled
// materials): square tiles laid row by row, left to right. The picture generator paints them to
// these sizes and the checker holds the CD image to them; the designer itself only needs the
// tile side, since it counts the tiles from the size of the sheet it loads.
#pragma once

namespace layout {

inline constexpr int kFabricTileSide = 60;

inline constexpr int kFabricStretchColumns = 4;
inline constexpr int kFabricStretchRows = 4;
inline constexpr int kFabricStretchCount = kFabricStretchColumns * kFabricStretchRows;

inline constexpr int kFabricTiledColumns = 6;
inline constexpr int kFabricTiledRows = 5;
inline constexpr int kFabricTiledCount = kFabricTiledColumns * kFabricTiledRows;

// A piece stores its material as one signed byte, so the whole catalogue must stay within 0 … 127.
static_assert(kFabricStretchCount + kFabricTiledCount <= 128);

} // namespace layout
