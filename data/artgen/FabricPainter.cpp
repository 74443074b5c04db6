#include "data/artgen/FabricPainter.h"

#include "data/artgen/ArtImage.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace art::fabric {

uint64_t TileRandom::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double TileRandom::Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

double TileRandom::Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

int TileRandom::Int(int lo, int hiInclusive) {
    return lo + int(Next() % uint64_t(hiInclusive - lo + 1));
}

QPointF TileRandom::Point(double lo, double hi) {
    const double x = Range(lo, hi);
    const double y = Range(lo, hi);
    return QPointF(x, y);
}

SeamlessNoise::SeamlessNoise(uint64_t seed, int cells) : cells_(cells) {
    if (cells <= 0 || kSide % cells != 0)
        throw std::invalid_argument("noise cells must divide the tile side");
    TileRandom random(seed);
    lattice_.resize(size_t(cells * cells));
    for (double& value : lattice_)
        value = random.Unit();
}

double SeamlessNoise::At(double x, double y) const {
    const double cell = double(kSide) / cells_;
    const double fx = x / cell, fy = y / cell;
    const double ix = std::floor(fx), iy = std::floor(fy);
    auto wrap = [this](double i) { return ((int(i) % cells_) + cells_) % cells_; };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const int x0 = wrap(ix), x1 = wrap(ix + 1), y0 = wrap(iy), y1 = wrap(iy + 1);
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    auto at = [this](int cx, int cy) { return lattice_[size_t(cy * cells_ + cx)]; };
    const double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
    const double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
    return top + (bottom - top) * ty;
}

std::vector<SeamlessNoise> MakeOctaves(uint64_t seed) {
    return {SeamlessNoise(seed, 3), SeamlessNoise(seed + 1, 6), SeamlessNoise(seed + 2, 12),
            SeamlessNoise(seed + 3, 30)};
}

double Turbulence(const std::vector<SeamlessNoise>& octaves, double x, double y) {
    double sum = 0, weight = 0, amplitude = 1;
    for (const SeamlessNoise& octave : octaves) {
        sum += octave.At(x, y) * amplitude;
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int p, int q) { return int(std::lround(p + (q - p) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

QColor Shade(const QColor& c, double factor) {
    if (factor >= 1)
        return Mix(c, QColor(252, 252, 252), factor - 1);
    return Mix(QColor(0, 0, 0), c, factor);
}

QImage NewTile(const QColor& fill) { return NewOpaque(kSide, kSide, fill); }

QImage PixelTile(const std::function<QColor(int x, int y)>& colourAt) {
    QImage tile(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            tile.setPixel(x, y, colourAt(x, y).rgb());
    return tile;
}

void PaintWrapped(QImage& tile, const std::function<void(QPainter&)>& draw) {
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int dy = -kSide; dy <= kSide; dy += kSide) {
        for (int dx = -kSide; dx <= kSide; dx += kSide) {
            painter.save();
            painter.translate(dx, dy);
            draw(painter);
            painter.restore();
        }
    }
}

QPainterPath HeartPath(double size) {
    const double s = size / 2;
    QPainterPath path;
    path.moveTo(0, s * 0.9);
    path.cubicTo(-s * 1.3, -s * 0.1, -s * 0.6, -s * 1.1, 0, -s * 0.4);
    path.cubicTo(s * 0.6, -s * 1.1, s * 1.3, -s * 0.1, 0, s * 0.9);
    return path;
}

QPainterPath StarPath(double outer, double inner) {
    return StarOutline(QPointF(0, 0), outer, inner);
}

void DrawFlower(QPainter& painter, double x, double y, double radius, int petals,
                const QColor& petal, const QColor& centre) {
    painter.save();
    painter.translate(x, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        painter.save();
        painter.rotate(360.0 * i / petals);
        painter.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.32, radius * 0.5);
        painter.restore();
    }
    painter.setBrush(centre);
    painter.drawEllipse(QPointF(0, 0), radius * 0.3, radius * 0.3);
    painter.restore();
}

void SaveSheet(const std::vector<QImage>& tiles, int columns, int rows,
               const std::filesystem::path& path) {
    if (int(tiles.size()) != columns * rows)
        throw std::runtime_error(path.filename().string() + ": " + std::to_string(tiles.size()) +
                                 " tiles for a sheet of " + std::to_string(columns * rows));
    QImage sheet = NewOpaque(columns * kSide, rows * kSide, QColor(0, 0, 0));
    QPainter painter(&sheet);
    for (size_t i = 0; i < tiles.size(); ++i) {
        if (tiles[i].size() != QSize(kSide, kSide))
            throw std::runtime_error(path.filename().string() + ": tile " + std::to_string(i) +
                                     " has the wrong size");
        painter.drawImage(int(i % size_t(columns)) * kSide, int(i / size_t(columns)) * kSide,
                          tiles[i]);
    }
    painter.end();
    RemovePureWhite(sheet);
    SaveBmp24(sheet, path);
}

} // namespace art::fabric
