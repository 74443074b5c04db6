// Resource\FillsS.bmp: the stretched materials. Each tile is scaled over a whole pattern piece,
// so these are single pictures rather than repeats: soft gradients, sheens, one big flower or
// heart, a sky, a sunset. Shapes are bold and colours blend slowly, so they still look good
// when a 60-pixel tile is blown up to a skirt.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/FabricPainter.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace art::fabric {
namespace {

constexpr double kPi = std::numbers::pi;

QImage Gradient(const QColor& from, const QColor& to, double angleDegrees) {
    const double a = angleDegrees * kPi / 180, ca = std::cos(a), sa = std::sin(a);
    return PixelTile([&](int x, int y) {
        const double t = ((x - 29.5) * ca + (y - 29.5) * sa) / 60 + 0.5;
        return Mix(from, to, t);
    });
}

QImage Rainbow() {
    static const QColor bands[] = {{255, 120, 130}, {255, 176, 96}, {255, 226, 110}, {140, 220, 130},
                                   {110, 190, 245}, {150, 140, 235}, {205, 140, 225}};
    return PixelTile([](int, int y) {
        const double pos = (y + 0.5) / 60 * 7 - 0.5;
        const int band = std::clamp(int(std::floor(pos)), 0, 6);
        const int next = std::min(band + 1, 6);
        const double t = std::clamp((pos - band - 0.7) / 0.3, 0.0, 1.0);
        return Mix(bands[band], bands[next], t);
    });
}

QImage SkyWithClouds() {
    QImage tile = Gradient(QColor(90, 170, 240), QColor(190, 228, 255), 90);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 251, 253));
    for (QPointF c : {QPointF(16, 18), QPointF(42, 38)}) {
        painter.drawEllipse(c, 10, 6);
        painter.drawEllipse(c + QPointF(8, -3), 8, 7);
        painter.drawEllipse(c + QPointF(-8, 1), 6, 5);
    }
    return tile;
}

QImage Sunflower() {
    QImage tile = NewTile(QColor(120, 200, 255));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        painter.save();
        painter.translate(30, 30);
        painter.rotate(360.0 * i / 14);
        painter.setBrush(i % 2 ? QColor(255, 206, 40) : QColor(255, 184, 30));
        painter.drawEllipse(QPointF(0, -18), 5.5, 11);
        painter.restore();
    }
    painter.setBrush(QColor(140, 84, 40));
    painter.drawEllipse(QPointF(30, 30), 11, 11);
    painter.setBrush(QColor(100, 58, 26));
    for (int i = 0; i < 12; ++i) {
        const double a = i * 2.4, r = 1.8 * std::sqrt(i + 1.0);
        painter.drawEllipse(QPointF(30 + r * std::cos(a), 30 + r * std::sin(a)), 1.2, 1.2);
    }
    return tile;
}

QImage TieDye() {
    return PixelTile([](int x, int y) {
        const double dx = x - 29.5, dy = y - 29.5;
        const double r = std::hypot(dx, dy), angle = std::atan2(dy, dx);
        const double hue = std::fmod(angle / (2 * kPi) + r / 40 + 1.0, 1.0);
        return QColor::fromHslF(float(hue), 0.75f, 0.66f).toRgb();
    });
}

QImage BigHeart() {
    QImage tile = PixelTile([](int x, int y) {
        const double r = std::hypot(x - 30.0, y - 30.0) / 42;
        return Mix(QColor(255, 222, 232), QColor(255, 170, 200), r);
    });
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(30, 32);
    painter.setPen(QPen(QColor(200, 30, 80), 1.5));
    painter.setBrush(QColor(238, 50, 100));
    painter.drawPath(HeartPath(40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 150, 180));
    painter.drawEllipse(QPointF(-8, -8), 4, 3);
    return tile;
}

QImage StarryNight() {
    QImage tile = Gradient(QColor(28, 36, 110), QColor(80, 60, 160), 90);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QPainterPath moon, bite;
    moon.addEllipse(QPointF(42, 16), 9, 9);
    bite.addEllipse(QPointF(47, 13), 8, 8);
    painter.setBrush(QColor(255, 236, 150));
    painter.drawPath(moon.subtracted(bite));
    painter.setBrush(QColor(255, 226, 90));
    TileRandom random(7);
    for (int i = 0; i < 9; ++i) {
        painter.save();
        painter.translate(random.Point(6, 54));
        const double size = random.Range(2.0, 4.5);
        painter.drawPath(StarPath(size, size * 0.45));
        painter.restore();
    }
    return tile;
}

QImage Sunset() {
    QImage tile = PixelTile([](int, int y) {
        if (y < 40)
            return Mix(QColor(255, 150, 90), QColor(240, 110, 160), (39 - y) / 39.0);
        return Mix(QColor(80, 110, 200), QColor(40, 70, 160), (y - 40) / 19.0);
    });
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 222, 90));
    painter.setClipRect(0, 0, 60, 40);
    painter.drawEllipse(QPointF(30, 40), 13, 13);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(255, 214, 90), 2.0));
    for (int y = 44; y < 60; y += 5)
        painter.drawLine(QPointF(30 - (60 - y) * 0.6, y), QPointF(30 + (60 - y) * 0.6, y));
    return tile;
}

// Satin: a soft diagonal sheen that rolls across the piece.
QImage Satin(const QColor& base) {
    return PixelTile([&](int x, int y) {
        const double wave = std::sin((x + y * 0.6) / 60.0 * 2 * kPi * 1.3);
        return Shade(base, 1.0 + 0.28 * wave);
    });
}

QImage Velvet() {
    return PixelTile([](int x, int y) {
        const double r = std::hypot(x - 22.0, y - 20.0) / 50;
        return Mix(QColor(236, 70, 110), QColor(150, 20, 60), r);
    });
}

QImage SeaWaves() {
    QImage tile = Gradient(QColor(70, 190, 230), QColor(30, 110, 200), 90);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(210, 240, 252), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 5; ++row) {
        QPainterPath wave;
        const double y = 8 + row * 11;
        wave.moveTo(-4, y);
        for (double x = -4; x <= 64; x += 2)
            wave.lineTo(x, y + 2.5 * std::sin((x + row * 7) / 60 * 2 * kPi * 3));
        painter.drawPath(wave);
    }
    return tile;
}

QImage Meadow() {
    QImage tile = Gradient(QColor(150, 220, 110), QColor(80, 170, 80), 90);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    TileRandom random(11);
    static const QColor petals[] = {{255, 120, 160}, {255, 225, 70}, {170, 130, 240}, {252, 248, 240}};
    for (int i = 0; i < 10; ++i) {
        const QPointF centre = random.Point(5, 55);
        DrawFlower(painter, centre.x(), centre.y(), random.Range(4, 6.5), 5, petals[i % 4],
                   QColor(255, 190, 40));
    }
    return tile;
}

QImage Watercolour() {
    const auto octaves = MakeOctaves(23);
    return PixelTile([&](int x, int y) {
        const double t = Turbulence(octaves, x, y);
        const QColor lilac(200, 170, 245), pink(255, 180, 210), sky(160, 215, 250);
        return t < 0.5 ? Mix(sky, lilac, t * 2) : Mix(lilac, pink, t * 2 - 1);
    });
}

QImage Butterfly() {
    QImage tile = Gradient(QColor(220, 245, 230), QColor(190, 235, 250), 45);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(30, 30);
    painter.setPen(QPen(QColor(120, 50, 120), 1.2));
    for (int side : {-1, 1}) {
        painter.setBrush(QColor(255, 140, 60));
        painter.drawEllipse(QPointF(side * 11, -8), 11, 10);
        painter.setBrush(QColor(250, 90, 150));
        painter.drawEllipse(QPointF(side * 9, 9), 8, 8);
        painter.setBrush(QColor(255, 236, 120));
        painter.drawEllipse(QPointF(side * 13, -9), 3.5, 3.5);
    }
    painter.setBrush(QColor(90, 40, 90));
    painter.drawRoundedRect(QRectF(-2.5, -16, 5, 32), 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-1, -16), QPointF(-6, -24));
    painter.drawLine(QPointF(1, -16), QPointF(6, -24));
    return tile;
}

void MakeFillsS(const ArtContext& context) {
    std::vector<QImage> tiles = {
        Gradient(QColor(255, 160, 200), QColor(180, 140, 240), 45),
        Rainbow(),
        SkyWithClouds(),
        Sunflower(),
        TieDye(),
        BigHeart(),
        StarryNight(),
        Sunset(),
        Satin(QColor(230, 180, 60)),   // gold
        Velvet(),
        Satin(QColor(160, 175, 205)),  // silver-blue
        SeaWaves(),
        Meadow(),
        Watercolour(),
        Butterfly(),
        Gradient(QColor(130, 230, 200), QColor(40, 160, 170), 90),
    };
    SaveSheet(tiles, layout::kFabricStretchColumns, layout::kFabricStretchRows,
              context.resourceDir / "FillsS.bmp");
}

ArtRegistration reg("FillsS.bmp", &MakeFillsS);

} // namespace
} // namespace art::fabric
