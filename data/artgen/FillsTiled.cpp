// Resource\FillsM.bmp: the tiled materials, repeated at natural size over a pattern piece from
// its corner. This file lays out the sheet and paints the woven family; each weave is a
// function of the pixel position whose periods divide the tile side, which makes it seamless.
#include "data/artgen/FillsTiled.h"

#include "data/artgen/ArtRegistry.h"
#include "data/artgen/FabricPainter.h"

#include <cmath>
#include <numbers>

namespace art::fabric {
namespace {

constexpr double kPi = std::numbers::pi;

// Plain cloth: a faint over-under weave and a little slub so it reads as fabric, not paint.
QImage Plain(const QColor& base, uint64_t seed) {
    const SeamlessNoise slub(seed, 12);
    return PixelTile([&](int x, int y) {
        const double weave = ((x + y) % 2 ? 0.03 : -0.03) + (slub.At(x, y) - 0.5) * 0.08;
        return Shade(base, 1.0 + weave);
    });
}

QImage Stripes(const QColor& a, const QColor& b, int period, int widthA) {
    return PixelTile([=](int, int y) { return y % period < widthA ? a : b; });
}

QImage CandyDiagonal() {
    static const QColor colours[] = {{255, 110, 150}, {255, 240, 244}, {120, 200, 240}, {255, 240, 244}};
    return PixelTile([](int x, int y) { return colours[((x + y) % 20) / 5]; });
}

QImage RainbowColumns() {
    static const QColor colours[] = {{255, 110, 120}, {255, 190, 80}, {250, 230, 100},
                                     {110, 210, 150}, {100, 170, 240}, {170, 120, 230}};
    return PixelTile([](int x, int) { return colours[(x % 30) / 5]; });
}

// Gingham: the two thread colours cross, so a cell is base, half tone or full tone.
QImage Gingham(const QColor& base, const QColor& tone, int period) {
    return PixelTile([=](int x, int y) {
        const int crossings = (x % period < period / 2) + (y % period < period / 2);
        return Mix(base, tone, crossings * 0.5);
    });
}

QImage Tartan() {
    return PixelTile([](int x, int y) {
        auto band = [](int v) {
            const int p = v % 30;
            return p < 10 ? 0 : p < 12 ? 1 : p < 22 ? 2 : p < 24 ? 3 : 2;
        };
        static const QColor threads[] = {{30, 110, 70}, {250, 210, 70}, {30, 50, 120}, {220, 40, 50}};
        const QColor warp = threads[band(x)], weft = threads[band(y)];
        // Twill: alternate which thread lies on top along the diagonal.
        return (x + y) % 4 < 2 ? Mix(warp, weft, 0.35) : Mix(weft, warp, 0.35);
    });
}

QImage Chevron() {
    static const QColor colours[] = {{255, 170, 60}, {255, 236, 200}, {90, 190, 200}};
    return PixelTile([](int x, int y) {
        const int tri = std::abs((x % 20) - 10);
        return colours[((y + tri) % 30) / 10];
    });
}

QImage Denim(const QColor& warp, uint64_t seed) {
    const SeamlessNoise fade(seed, 6);
    const SeamlessNoise fleck(seed + 5, 30);
    const QColor weft(226, 232, 240);
    return PixelTile([&](int x, int y) {
        const bool warpOnTop = (x + y) % 4 != 3; // 3/1 twill lines climb to the right
        const QColor thread = warpOnTop ? warp : Mix(warp, weft, 0.35);
        const double light = 0.9 + 0.22 * fade.At(x, y) + (fleck.At(x * 1.0, y * 1.0) > 0.8 ? 0.12 : 0);
        return Shade(thread, light);
    });
}

// Stocking stitch: rows of little "V" loops.
QImage Knit(const QColor& main, const QColor& band) {
    return PixelTile([&](int x, int y) {
        const int row = y / 6;
        const QColor yarn = (row % 10 == 4 || row % 10 == 5) ? band : main;
        const double u = (x % 6) / 5.0 * 2 - 1;      // -1 ... 1 across the stitch
        const double v = (y % 6) / 5.0;              // 0 ... 1 down the stitch
        const double armCentre = 0.5 * (1 - v);      // the V's arms lean into the middle
        const double distance = std::abs(std::abs(u) - armCentre);
        const double light = 1.18 - distance * 0.9 - (std::abs(u) < 0.12 ? 0.25 : 0);
        return Shade(yarn, std::clamp(light, 0.6, 1.2));
    });
}

QImage Corduroy(const QColor& base) {
    return PixelTile([&](int x, int y) {
        const double rib = std::sin((x % 6) / 6.0 * kPi);
        return Shade(base, 0.78 + 0.34 * rib + ((y * 7 + x) % 13 == 0 ? 0.03 : 0));
    });
}

// Fur: strands run down-right; turbulence along the strand gives tufts.
QImage Fur(const QColor& tip, const QColor& root, uint64_t seed) {
    const auto octaves = MakeOctaves(seed);
    const SeamlessNoise strands(seed + 9, 30);
    return PixelTile([&](int x, int y) {
        const double tuft = Turbulence(octaves, x, y);
        const double strand = strands.At(x, std::fmod(y + x, 60.0)); // slanted, still 60-periodic
        return Mix(root, tip, std::clamp(tuft * 1.2 - 0.2 + (strand - 0.5) * 0.6, 0.0, 1.0));
    });
}

} // namespace

std::vector<QImage> WovenTiles() {
    return {
        Plain(QColor(230, 60, 70), 101),   Plain(QColor(255, 150, 190), 102),
        Plain(QColor(255, 214, 64), 103),  Plain(QColor(96, 176, 240), 104),
        Plain(QColor(96, 206, 160), 105),  Plain(QColor(168, 128, 226), 106),
        Stripes(QColor(40, 60, 130), QColor(248, 244, 232), 12, 5),
        CandyDiagonal(),
        RainbowColumns(),
        Gingham(QColor(252, 246, 240), QColor(226, 50, 60), 12),
        Gingham(QColor(250, 250, 246), QColor(60, 120, 220), 10),
        Tartan(),
        Chevron(),
        Denim(QColor(50, 80, 150), 201),
        Knit(QColor(220, 60, 70), QColor(250, 240, 220)),
        Corduroy(QColor(220, 160, 50)),
        Fur(QColor(250, 240, 220), QColor(200, 170, 140), 301),
        Fur(QColor(190, 130, 80), QColor(110, 66, 40), 302),
    };
}

namespace {

void MakeFillsM(const ArtContext& context) {
    std::vector<QImage> tiles = WovenTiles();
    for (QImage& tile : PrintedTiles())
        tiles.push_back(std::move(tile));
    SaveSheet(tiles, layout::kFabricTiledColumns, layout::kFabricTiledRows,
              context.resourceDir / "FillsM.bmp");
}

ArtRegistration reg("FillsM.bmp", &MakeFillsM);

} // namespace
} // namespace art::fabric
