// The printed family of the tiled materials: motifs scattered or set on a grid over a ground
// colour. Every motif is painted through PaintWrapped, so one that crosses an edge of the tile
// continues on the opposite edge and the repeat shows no seam.
#include "data/artgen/FillsTiled.h"

#include "data/artgen/FabricPainter.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art::fabric {
namespace {

// Centres on a grid of `step` with every other row shifted by half a step (a half-drop repeat).
std::vector<QPointF> HalfDropGrid(int step) {
    std::vector<QPointF> points;
    for (int row = 0; row * step < kSide; ++row)
        for (int col = 0; col * step < kSide; ++col)
            points.emplace_back(col * step + (row % 2 ? step / 2.0 : 0) + step / 4.0,
                                row * step + step / 4.0);
    return points;
}

QImage Dots(const QColor& ground, const QColor& dot, int step, double radius) {
    QImage tile = NewTile(ground);
    PaintWrapped(tile, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        for (QPointF c : HalfDropGrid(step))
            p.drawEllipse(c, radius, radius);
    });
    return tile;
}

QImage Confetti() {
    static const QColor colours[] = {{255, 90, 120}, {255, 190, 40}, {80, 180, 240},
                                     {110, 200, 120}, {180, 120, 230}};
    QImage tile = NewTile(QColor(255, 248, 232));
    TileRandom random(401);
    struct Dot { QPointF centre; double radius; QColor colour; };
    std::vector<Dot> dots;
    int i = 0;
    for (QPointF c : HalfDropGrid(12))
        dots.push_back({c + random.Point(-3.5, 3.5),
                        random.Range(1.6, 3.0), colours[i++ % 5]});
    PaintWrapped(tile, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (const Dot& dot : dots) {
            p.setBrush(dot.colour);
            p.drawEllipse(dot.centre, dot.radius, dot.radius);
        }
    });
    return tile;
}

QImage Hearts() {
    QImage tile = NewTile(QColor(255, 236, 242));
    PaintWrapped(tile, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        int i = 0;
        for (QPointF c : HalfDropGrid(20)) {
            p.setBrush(i++ % 2 ? QColor(240, 70, 120) : QColor(255, 140, 170));
            p.save();
            p.translate(c);
            p.drawPath(HeartPath(9));
            p.restore();
        }
    });
    return tile;
}

QImage Stars() {
    QImage tile = NewTile(QColor(36, 52, 130));
    TileRandom random(402);
    std::vector<std::pair<QPointF, double>> stars;
    for (QPointF c : HalfDropGrid(20))
        stars.push_back({c + random.Point(-2, 2), random.Range(0, 72)});
    PaintWrapped(tile, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 70));
        for (const auto& [centre, angle] : stars) {
            p.save();
            p.translate(centre);
            p.rotate(angle);
            p.drawPath(StarPath(5.2, 2.2));
            p.restore();
        }
        p.setBrush(QColor(200, 220, 255));
        for (const auto& star : stars)
            p.drawEllipse(star.first + QPointF(10, 3), 0.9, 0.9);
    });
    return tile;
}

QImage Daisies() {
    QImage tile = NewTile(QColor(120, 190, 245));
    PaintWrapped(tile, [](QPainter& p) {
        for (QPointF c : HalfDropGrid(30))
            DrawFlower(p, c.x(), c.y(), 9, 8, QColor(252, 250, 244), QColor(255, 200, 40));
        for (QPointF c : HalfDropGrid(30))
            DrawFlower(p, c.x() + 15, c.y() + 15, 4, 5, QColor(255, 240, 130), QColor(255, 150, 60));
    });
    return tile;
}

void DrawRose(QPainter& p, QPointF centre, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 90));
    p.drawEllipse(centre + QPointF(r * 0.9, r * 0.6), r * 0.55, r * 0.3);
    p.drawEllipse(centre + QPointF(-r * 0.9, r * 0.6), r * 0.55, r * 0.3);
    p.setBrush(colour);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(colour.darker(135), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
        const double angle = i * 0.45, rr = r * 0.8 * i / 40.0;
        const QPointF point = centre + QPointF(rr * std::cos(angle), rr * std::sin(angle));
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    p.drawPath(spiral);
}

QImage Roses() {
    QImage tile = NewTile(QColor(255, 244, 226));
    PaintWrapped(tile, [](QPainter& p) {
        int i = 0;
        for (QPointF c : HalfDropGrid(30))
            DrawRose(p, c + QPointF(0, 4), 6.5, i++ % 2 ? QColor(240, 90, 120) : QColor(250, 150, 170));
    });
    return tile;
}

QImage Ditsy() {
    static const QColor petals[] = {{255, 250, 240}, {255, 220, 90}, {170, 130, 240}, {120, 200, 250}};
    QImage tile = NewTile(QColor(250, 140, 180));
    TileRandom random(403);
    std::vector<QPointF> spots;
    for (QPointF c : HalfDropGrid(12))
        spots.push_back(c + random.Point(-2.5, 2.5));
    PaintWrapped(tile, [&](QPainter& p) {
        int i = 0;
        for (QPointF c : spots)
            DrawFlower(p, c.x(), c.y(), 3.6, 5, petals[i++ % 4], QColor(255, 170, 40));
    });
    return tile;
}

QImage Cherries() {
    QImage tile = NewTile(QColor(200, 240, 215));
    PaintWrapped(tile, [](QPainter& p) {
        for (QPointF c : HalfDropGrid(20)) {
            p.setPen(QPen(QColor(70, 130, 60), 1.1));
            p.setBrush(Qt::NoBrush);
            p.drawLine(c + QPointF(-2.5, 2), c + QPointF(1, -5));
            p.drawLine(c + QPointF(2.5, 2.5), c + QPointF(1, -5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 170, 70));
            p.drawEllipse(c + QPointF(3, -5.5), 2.5, 1.3);
            p.setBrush(QColor(220, 30, 60));
            p.drawEllipse(c + QPointF(-2.5, 3), 2.6, 2.6);
            p.drawEllipse(c + QPointF(2.5, 3.5), 2.6, 2.6);
            p.setBrush(QColor(255, 170, 180));
            p.drawEllipse(c + QPointF(-3.3, 2.2), 0.8, 0.8);
        }
    });
    return tile;
}

QImage Leaves() {
    QImage tile = NewTile(QColor(255, 226, 110));
    TileRandom random(404);
    std::vector<std::pair<QPointF, double>> leaves;
    for (QPointF c : HalfDropGrid(15))
        leaves.push_back({c, random.Range(0, 360)});
    PaintWrapped(tile, [&](QPainter& p) {
        int i = 0;
        for (const auto& [centre, angle] : leaves) {
            p.save();
            p.translate(centre);
            p.rotate(angle);
            p.setPen(Qt::NoPen);
            p.setBrush(i++ % 3 ? QColor(90, 180, 80) : QColor(240, 130, 50));
            QPainterPath leaf;
            leaf.moveTo(-5.5, 0);
            leaf.quadTo(0, -4, 5.5, 0);
            leaf.quadTo(0, 4, -5.5, 0);
            p.drawPath(leaf);
            p.setPen(QPen(QColor(255, 240, 170), 0.7));
            p.drawLine(QPointF(-4.5, 0), QPointF(4.5, 0));
            p.restore();
        }
    });
    return tile;
}

QImage Leopard() {
    QImage tile = NewTile(QColor(236, 190, 110));
    TileRandom random(405);
    struct Spot { QPointF centre; double w, h, angle; };
    std::vector<Spot> spots;
    for (QPointF c : HalfDropGrid(15))
        spots.push_back({c + random.Point(-2, 2), random.Range(3, 4.5), random.Range(2.4, 3.6),
                         random.Range(0, 180)});
    PaintWrapped(tile, [&](QPainter& p) {
        for (const Spot& s : spots) {
            p.save();
            p.translate(s.centre);
            p.rotate(s.angle);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(190, 120, 50));
            p.drawEllipse(QPointF(0, 0), s.w, s.h);
            p.setPen(QPen(QColor(70, 40, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-s.w - 0.8, -s.h - 0.8, 2 * s.w + 1.6, 2 * s.h + 1.6), 20 * 16, 120 * 16);
            p.drawArc(QRectF(-s.w - 0.8, -s.h - 0.8, 2 * s.w + 1.6, 2 * s.h + 1.6), 200 * 16, 110 * 16);
            p.restore();
        }
    });
    return tile;
}

// Lace: a cream net with scalloped rings and little flowers over a coloured lining.
QImage Lace() {
    QImage tile = NewTile(QColor(240, 130, 170));
    const QColor thread(252, 246, 236);
    PaintWrapped(tile, [&](QPainter& p) {
        p.setPen(QPen(thread, 0.8));
        for (int i = 0; i <= 60; i += 6) {
            p.drawLine(QPointF(i, 0), QPointF(i + 60, 60));
            p.drawLine(QPointF(i, 0), QPointF(i - 60, 60));
        }
        for (QPointF c : HalfDropGrid(30)) {
            p.setPen(QPen(thread, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 8.5, 8.5);
            p.setPen(Qt::NoPen);
            p.setBrush(thread);
            for (int k = 0; k < 12; ++k) {
                const double a = k * std::numbers::pi / 6;
                p.drawEllipse(c + QPointF(11 * std::cos(a), 11 * std::sin(a)), 1.6, 1.6);
            }
            DrawFlower(p, c.x(), c.y(), 5, 6, thread, QColor(250, 200, 215));
        }
    });
    return tile;
}

} // namespace

std::vector<QImage> PrintedTiles() {
    return {
        Dots(QColor(226, 50, 70), QColor(252, 246, 236), 20, 4.2),
        Confetti(),
        Dots(QColor(150, 210, 250), QColor(30, 50, 120), 10, 1.6),
        Hearts(),
        Stars(),
        Daisies(),
        Roses(),
        Ditsy(),
        Cherries(),
        Leaves(),
        Leopard(),
        Lace(),
    };
}

} // namespace art::fabric
