// The fabric catalogue: numbering across the two sheets, stretch and tiled painting, and the
// numbers and sheets that must paint black instead of reading outside a sheet.
#include "designer/wardrobe/Materials.h"

#include <gtest/gtest.h>

namespace wardrobe {
namespace {

// A sheet of cols x rows tiles, tile i filled with colour base + i.
plat::Bitmap Sheet(int cols, int rows, plat::TColor base, int extra = 0) {
    plat::Bitmap b(cols * 60 + extra, rows * 60 + extra);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixel(x, y, base + std::min(y / 60, rows - 1) * cols + std::min(x / 60, cols - 1));
    return b;
}

TEST(Materials, NumberingAndPainting) {
    TMaterialCatalogue cat;
    cat.SetSheets(Sheet(2, 2, 0x100, 30), Sheet(3, 1, 0x200));
    EXPECT_EQ(cat.CountS(), 4);
    EXPECT_EQ(cat.CountM(), 3);
    plat::Bitmap b(130, 70);
    cat.MaterialImage(b, 3); // stretch: the tile at column 1, row 1
    EXPECT_EQ(b.GetPixel(0, 0) & 0xFFFFFF, 0x103u);
    EXPECT_EQ(b.GetPixel(129, 69) & 0xFFFFFF, 0x103u);
    cat.MaterialImage(b, 5); // tiled: the second tile of the tiled sheet, repeated
    EXPECT_EQ(b.GetPixel(125, 65) & 0xFFFFFF, 0x201u);
    for (int k : {-1, 7, 127}) {
        cat.MaterialImage(b, k);
        EXPECT_EQ(b.GetPixel(60, 30) & 0xFFFFFF, 0u) << k;
    }
    cat.SetSheets(plat::Bitmap(59, 200), plat::Bitmap());
    EXPECT_EQ(cat.Total(), 0);
    cat.MaterialImage(b, 0);
    EXPECT_EQ(b.GetPixel(0, 0) & 0xFFFFFF, 0u);
}

} // namespace
} // namespace wardrobe
