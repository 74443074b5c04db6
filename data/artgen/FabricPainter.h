// Tools the fabric sheets are painted with. A tiled fabric repeats every 60 pixels on the
// child's garment, so its tile must be seamless: everything here treats the tile as a torus.
// Per-pixel patterns use periods that divide the tile side; motifs are painted nine times,
// shifted by a whole tile each way, so a motif crossing one edge comes back on the opposite one;
// noise uses a lattice that wraps around. Random choices come from one fixed-seed generator so
// every build paints the same cloth.
#pragma once

#include "data/artgen/ArtPainting.h"

#include "designer/layout/FabricLayout.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace art::fabric {

inline constexpr int kSide = layout::kFabricTileSide;

// splitmix64: small, fast and the same on every machine and standard library.
class TileRandom {
public:
    explicit TileRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    double Unit();                   // [0, 1)
    double Range(double lo, double hi);
    int Int(int lo, int hiInclusive);
    // x first, then y: spelled out because the order of evaluating call arguments is not fixed.
    QPointF Point(double lo, double hi);

private:
    uint64_t state_;
};

// Smooth value noise in [0, 1] that repeats every tile side; `cells` must divide the side.
class SeamlessNoise {
public:
    SeamlessNoise(uint64_t seed, int cells);
    double At(double x, double y) const;

private:
    int cells_;
    std::vector<double> lattice_;
};

// Sum of a few noise octaves (cells 3, 6, 12, 30 by default weights), still seamless.
double Turbulence(const std::vector<SeamlessNoise>& octaves, double x, double y);
std::vector<SeamlessNoise> MakeOctaves(uint64_t seed);

QColor Mix(const QColor& a, const QColor& b, double t);
// factor > 1 lightens towards white (never reaching it), < 1 darkens.
QColor Shade(const QColor& c, double factor);

QImage NewTile(const QColor& fill);
// Fills every pixel from a function of its position.
QImage PixelTile(const std::function<QColor(int x, int y)>& colourAt);
// Runs `draw` nine times, translated by -side, 0, +side in x and y, with antialiasing on.
void PaintWrapped(QImage& tile, const std::function<void(QPainter&)>& draw);

// A heart, a five-pointed star and a small flower centred on (0, 0), for motifs.
QPainterPath HeartPath(double size);
QPainterPath StarPath(double outer, double inner);
void DrawFlower(QPainter& painter, double x, double y, double radius, int petals,
                const QColor& petal, const QColor& centre);

// Lays the tiles out row by row into one sheet, makes sure no pixel is pure white (white is
// transparent to the designer's compositions) and writes it as a 24-bit BMP. Throws when the
// tile list does not match the sheet's size.
void SaveSheet(const std::vector<QImage>& tiles, int columns, int rows,
               const std::filesystem::path& path);

} // namespace art::fabric
