// Drawings shared by the help pictures (see HelpArtShapes.h). Shapes are built in a unit box and
// mapped onto the caller's box, so proportions stay the same at every size.
#include "data/artgen/HelpArtShapes.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtStyle.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <array>

#include <cmath>
#include <initializer_list>

namespace art::help {
namespace {

namespace st = art::style;

// Maps the unit square onto a box.
QTransform UnitTo(const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t;
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void FillPath(QPainter& p, const QPainterPath& path, QColor fill, qreal outline) {
    p.setPen(QPen(st::kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath GarmentPath(Garment g) {
    switch (g) {
    case Garment::Coat:
        return Poly({{0.30, 0.05}, {0.70, 0.05}, {0.95, 0.30}, {0.86, 0.40}, {0.74, 0.30}, {0.80, 0.95},
                     {0.20, 0.95}, {0.26, 0.30}, {0.14, 0.40}, {0.05, 0.30}});
    case Garment::Dress:
        return Poly({{0.36, 0.05}, {0.64, 0.05}, {0.68, 0.38}, {0.92, 0.95}, {0.08, 0.95}, {0.32, 0.38}});
    case Garment::Trousers:
        return Poly({{0.25, 0.05}, {0.75, 0.05}, {0.82, 0.95}, {0.58, 0.95}, {0.50, 0.35}, {0.42, 0.95},
                     {0.18, 0.95}});
    case Garment::Blouse:
        return Poly({{0.32, 0.10}, {0.68, 0.10}, {0.95, 0.32}, {0.84, 0.46}, {0.72, 0.38}, {0.72, 0.88},
                     {0.28, 0.88}, {0.28, 0.38}, {0.16, 0.46}, {0.05, 0.32}});
    case Garment::Robe:
        return Poly({{0.34, 0.05}, {0.42, 0.05}, {0.50, 0.30}, {0.58, 0.05}, {0.66, 0.05}, {0.70, 0.60},
                     {0.62, 0.92}, {0.50, 0.80}, {0.38, 0.92}, {0.30, 0.60}});
    case Garment::Skirt:
        return Poly({{0.30, 0.20}, {0.70, 0.20}, {0.92, 0.85}, {0.08, 0.85}});
    case Garment::Hat: {
        QPainterPath path;
        path.addEllipse(QRectF(0.05, 0.55, 0.90, 0.25));
        path.addEllipse(QRectF(0.25, 0.20, 0.50, 0.50));
        return path.simplified();
    }
    case Garment::Shoes: {
        QPainterPath path;
        path.moveTo(0.10, 0.45);
        path.lineTo(0.40, 0.45);
        path.quadTo(0.55, 0.60, 0.90, 0.65);
        path.quadTo(0.95, 0.85, 0.85, 0.85);
        path.lineTo(0.10, 0.85);
        path.closeSubpath();
        return path;
    }
    }
    return {};
}

} // namespace

void DrawDoll(QPainter& p, const QRectF& box, bool back, QColor dress) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = box.height();
    const qreal w = h * 0.45;
    const QRectF unit(box.center().x() - w / 2, box.top(), w, h);
    p.setTransform(UnitTo(unit), true);
    const qreal line = 1.2 / h;
    // Legs and arms first, so the dress covers their tops.
    for (qreal x : {0.40, 0.60})
        FillPath(p, Poly({{x - 0.07, 0.55}, {x + 0.07, 0.55}, {x + 0.05, 0.93}, {x - 0.05, 0.93}}), st::kSkin,
                 line);
    for (qreal x : {0.40, 0.60})
        FillPath(p, Poly({{x - 0.09, 0.92}, {x + 0.08, 0.92}, {x + 0.08, 0.97}, {x - 0.09, 0.97}}), st::kBerry,
                 line);
    FillPath(p, Poly({{0.24, 0.22}, {0.30, 0.22}, {0.20, 0.52}, {0.13, 0.51}}), st::kSkin, line);
    FillPath(p, Poly({{0.70, 0.22}, {0.76, 0.22}, {0.87, 0.51}, {0.80, 0.52}}), st::kSkin, line);
    // Body: underclothes, then the dress over them.
    FillPath(p, Poly({{0.30, 0.20}, {0.70, 0.20}, {0.68, 0.57}, {0.32, 0.57}}),
             dress.isValid() ? dress : st::kPaper, line);
    if (dress.isValid())
        FillPath(p, Poly({{0.30, 0.20}, {0.70, 0.20}, {0.68, 0.38}, {0.84, 0.68}, {0.16, 0.68}, {0.32, 0.38}}),
                 dress, line);
    // Neck and head.
    FillPath(p, Poly({{0.45, 0.15}, {0.55, 0.15}, {0.55, 0.21}, {0.45, 0.21}}), st::kSkin, line);
    QPainterPath head;
    head.addEllipse(QRectF(0.30, 0.01, 0.40, 0.17));
    FillPath(p, head, back ? st::kHair : st::kSkin, line);
    if (back) {
        FillPath(p, Poly({{0.30, 0.09}, {0.70, 0.09}, {0.74, 0.30}, {0.26, 0.30}}), st::kHair, line);
    } else {
        QPainterPath fringe;
        fringe.moveTo(0.29, 0.10);
        fringe.quadTo(0.32, 0.00, 0.50, 0.00);
        fringe.quadTo(0.68, 0.00, 0.71, 0.10);
        fringe.quadTo(0.60, 0.05, 0.50, 0.07);
        fringe.quadTo(0.40, 0.05, 0.29, 0.10);
        FillPath(p, fringe, st::kHair, line);
        p.setPen(Qt::NoPen);
        p.setBrush(st::kInk);
        p.drawEllipse(QPointF(0.43, 0.10), 0.02, 0.01);
        p.drawEllipse(QPointF(0.57, 0.10), 0.02, 0.01);
        p.setPen(QPen(st::kBerry, line * 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(0.44, 0.11, 0.12, 0.04), 200 * 16, 140 * 16);
    }
    p.restore();
}

void DrawGarment(QPainter& p, const QRectF& box, Garment garment, QColor colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    p.setTransform(UnitTo(square), true);
    FillPath(p, GarmentPath(garment), colour, 1.4 / side);
    p.restore();
}

void DrawSwatch(QPainter& p, const QRectF& box, int pattern, QColor base) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(box);
    p.fillRect(box, base);
    const QColor accent = base.lightness() > 150 ? base.darker(160) : base.lighter(170);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    const qreal step = std::max<qreal>(4.0, box.width() / 5);
    for (qreal y = box.top(); y < box.bottom(); y += step) {
        for (qreal x = box.left(); x < box.right(); x += step) {
            switch (pattern) {
            case 1:
                p.drawRect(QRectF(x, box.top(), step / 2, box.height()));
                break;
            case 2:
                p.setOpacity(0.5);
                p.drawRect(QRectF(x, box.top(), step / 2, box.height()));
                p.drawRect(QRectF(box.left(), y, box.width(), step / 2));
                p.setOpacity(1.0);
                break;
            case 3:
                p.drawEllipse(QPointF(x + step / 2, y + step / 2), step / 5, step / 5);
                break;
            case 4:
                for (int petal = 0; petal < 4; ++petal)
                    p.drawEllipse(QPointF(x + step / 2 + std::cos(petal * M_PI / 2) * step / 6,
                                          y + step / 2 + std::sin(petal * M_PI / 2) * step / 6),
                                  step / 7, step / 7);
                break;
            default:
                break;
            }
        }
        if (pattern == 1)
            break;
    }
    p.setClipping(false);
    p.setOpacity(1.0);
    p.setPen(QPen(st::kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.restore();
}

void DrawPrinter(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(UnitTo(box), true);
    const qreal line = 1.2 / box.width();
    FillPath(p, Poly({{0.25, 0.05}, {0.75, 0.05}, {0.75, 0.40}, {0.25, 0.40}}), st::kPaper, line);
    QPainterPath body;
    body.addRoundedRect(QRectF(0.08, 0.35, 0.84, 0.40), 0.08, 0.08);
    FillPath(p, body, st::kSky, line);
    FillPath(p, Poly({{0.22, 0.62}, {0.78, 0.62}, {0.82, 0.97}, {0.18, 0.97}}), st::kPaper, line);
    p.setPen(QPen(st::kInk, line));
    for (qreal y : {0.75, 0.83, 0.91})
        p.drawLine(QPointF(0.30, y), QPointF(0.70, y));
    p.setPen(Qt::NoPen);
    p.setBrush(st::kMint);
    p.drawEllipse(QPointF(0.80, 0.45), 0.04, 0.04);
    p.restore();
}

void DrawRack(QPainter& p, const QRectF& r, Garment g) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(st::kWoodDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 4, r.top() + 4), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.center().x() - r.width() / 4, r.bottom()), QPointF(r.center().x() + r.width() / 4, r.bottom()));
    const qreal gw = r.width() * 0.42;
    DrawGarment(p, QRectF(r.right() - gw - 2, r.top() + 8, gw * 0.8, r.height() * 0.5), g, st::kMint);
    DrawGarment(p, QRectF(r.left() + 2, r.top() + 8, gw * 1.2, r.height() * 0.7), g, st::kBerry);
    p.restore();
}

void DrawDrum(QPainter& p, QPointF c, qreal radius, bool open) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(st::kInk, 1.5));
    p.setBrush(st::kWood);
    p.drawEllipse(c, radius, radius);
    p.setBrush(st::kWoodDark);
    p.drawEllipse(c, radius * 0.25, radius * 0.25);
    if (!open) {
        p.setPen(QPen(st::kWoodDark, 2));
        for (int i = 0; i < 5; ++i) {
            const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * radius * 0.3,
                       c + QPointF(std::cos(a), std::sin(a)) * radius * 0.95);
        }
        p.restore();
        return;
    }
    static const std::array<QColor, 5> kFabrics{st::kBerry, st::kSky, st::kSun, st::kMint, st::kLilac};
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
        const QPointF w = c + QPointF(std::cos(a), std::sin(a)) * radius * 0.62;
        const qreal s = radius * 0.5;
        DrawSwatch(p, QRectF(w.x() - s / 2, w.y() - s / 2, s, s), i, kFabrics[i]);
    }
    p.restore();
}

void SavePicture(const std::filesystem::path& dir, const char* name, int width, int height,
                 const std::function<void(QPainter&)>& paint, qreal scale) {
    QImage image = art::NewOpaque(qRound(width * scale), qRound(height * scale), st::kPaper);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paint(p);
    }
    art::RemovePureWhite(image);
    art::SaveBmp24(image, dir / name);
}

void DrawCard(QPainter& p, const QRectF& box, QColor fill) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(st::kInk, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 6, 6);
    p.restore();
}

void DrawArrow(QPainter& p, QPointF a, QPointF b, QColor colour, qreal width, bool both) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const auto head = [&](QPointF tip, QPointF from) {
        const qreal angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
        const qreal size = 4.0 + width * 2;
        QPolygonF tri;
        tri << tip << tip - QPointF(std::cos(angle - 0.45) * size, std::sin(angle - 0.45) * size)
            << tip - QPointF(std::cos(angle + 0.45) * size, std::sin(angle + 0.45) * size);
        p.setBrush(colour);
        p.drawPolygon(tri);
    };
    head(b, a);
    if (both)
        head(a, b);
    p.restore();
}

void DrawBadge(QPainter& p, QPointF centre, int number, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(st::kInk, 1.2));
    p.setBrush(st::kSun);
    p.drawEllipse(centre, radius, radius);
    p.restore();
    DrawLabel(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
              QString::number(number), static_cast<int>(radius * (number > 9 ? 1.1 : 1.4)));
}

void DrawLabel(QPainter& p, const QRectF& box, const QString& text, int pixelSize, int flags, QColor colour,
               bool bold) {
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(st::Lettering(pixelSize, bold));
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

} // namespace art::help
