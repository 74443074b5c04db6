// The skin's drawing kit (see SkinDraw.h): shapes are built in fractions of their box so one
// drawing serves a 15-pixel title-bar button and a full-screen backdrop alike.
#include "data/artgen/SkinDraw.h"

#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>

namespace art::skin {
namespace {

QPen InkPen(qreal width) {
    QPen pen(style::kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPointF At(const QRectF& box, qreal fx, qreal fy) {
    return {box.left() + fx * box.width(), box.top() + fy * box.height()};
}

// A polygon given in fractions of `box`.
QPolygonF Shape(const QRectF& box, std::initializer_list<QPointF> fractions) {
    QPolygonF polygon;
    for (const QPointF& f : fractions)
        polygon << At(box, f.x(), f.y());
    return polygon;
}

} // namespace

QPainterPath RoundRect(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QRectF Content(const QRectF& box, Look look) {
    return look == Look::Pressed ? box.translated(2, 2) : box;
}

void Body(QPainter& painter, const QRectF& box, QColor colour, Look look, qreal radius) {
    const bool pressed = look == Look::Pressed;
    const QRectF outer = box.adjusted(1.5, 1.5, -3.5, -3.5);
    if (!pressed) { // a soft shadow below-right, as if the button stands out of the surface
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 46));
        painter.drawPath(RoundRect(outer.translated(2, 2), radius));
    }
    const QRectF face = pressed ? outer.translated(2, 2) : outer;
    const QColor base = pressed ? colour.darker(118) : colour;
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, base.lighter(135));
    shade.setColorAt(0.5, base);
    shade.setColorAt(1, base.darker(pressed ? 105 : 120));
    painter.setPen(InkPen(1.6));
    painter.setBrush(shade);
    painter.drawPath(RoundRect(face, radius));
    // A gloss stripe on the upper half; gone when pressed, so the press reads at a glance.
    if (!pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawPath(RoundRect(face.adjusted(3, 2, -3, -face.height() * 0.55), radius * 0.6));
    }
}

void Letters(QPainter& painter, const QRectF& box, const QString& text, int pixelSize, QColor fill,
             QColor outline, int flags, qreal outlineWidth) {
    const QFont font = style::Lettering(pixelSize);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal lineHeight = metrics.height();
    const qreal total = lineHeight * lines.size();
    qreal top = box.top() + (box.height() - total) / 2;
    if (flags & Qt::AlignTop)
        top = box.top();
    if (flags & Qt::AlignBottom)
        top = box.bottom() - total;
    for (const QString& line : lines) {
        const qreal width = metrics.horizontalAdvance(line);
        qreal left = box.left() + (box.width() - width) / 2;
        if (flags & Qt::AlignLeft)
            left = box.left();
        if (flags & Qt::AlignRight)
            left = box.right() - width;
        path.addText(QPointF(left, top + metrics.ascent()), font, line);
        top += lineHeight;
    }
    if (outline.alpha() > 0) {
        QPen pen(outline, outlineWidth);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
    painter.fillPath(path, fill);
}

void Printer(QPainter& painter, const QRectF& box, QColor body) {
    painter.setPen(InkPen(1.4));
    // paper coming out on top
    painter.setBrush(style::kPaper);
    painter.drawRect(QRectF(At(box, 0.25, 0.02), At(box, 0.75, 0.4)));
    painter.setPen(QPen(style::kSky, 1.2));
    for (qreal y : {0.12, 0.2, 0.28})
        painter.drawLine(At(box, 0.33, y), At(box, 0.67, y));
    painter.setPen(InkPen(1.4));
    painter.setBrush(body);
    painter.drawPath(RoundRect(QRectF(At(box, 0.04, 0.32), At(box, 0.96, 0.8)), box.width() * 0.1));
    painter.setBrush(body.darker(130));
    painter.drawRect(QRectF(At(box, 0.2, 0.66), At(box, 0.8, 0.96)));
    painter.setBrush(style::kPaper);
    painter.drawRect(QRectF(At(box, 0.26, 0.72), At(box, 0.74, 0.98)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::kMint);
    painter.drawEllipse(At(box, 0.82, 0.45), box.width() * 0.05, box.width() * 0.05);
}

void Question(QPainter& painter, const QRectF& box, QColor colour) {
    Letters(painter, box, QStringLiteral("?"), int(box.height() * 0.95), colour, style::kInk,
            Qt::AlignCenter, 3);
}

void DollFigure(QPainter& painter, const QRectF& box, QColor dress) {
    const qreal w = box.width();
    const qreal outline = std::max(1.0, w * 0.02);
    // a limb: an ink stroke with skin inside, so it reads at every size
    auto limb = [&](QPointF from, QPointF to, qreal width) {
        painter.setPen(QPen(style::kInk, width + 2 * outline, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(style::kSkin, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    };
    limb(At(box, 0.42, 0.76), At(box, 0.42, 0.94), w * 0.07);
    limb(At(box, 0.58, 0.76), At(box, 0.58, 0.94), w * 0.07);
    limb(At(box, 0.36, 0.38), At(box, 0.2, 0.6), w * 0.06);
    limb(At(box, 0.64, 0.38), At(box, 0.8, 0.6), w * 0.06);
    // shoes
    painter.setPen(InkPen(outline));
    painter.setBrush(dress.darker(130));
    painter.drawEllipse(At(box, 0.41, 0.96), w * 0.07, w * 0.035);
    painter.drawEllipse(At(box, 0.59, 0.96), w * 0.07, w * 0.035);
    const qreal head = w * 0.19;
    // hair behind the head, falling to the shoulders
    painter.setBrush(style::kHair);
    painter.drawPath(RoundRect(QRectF(At(box, 0.5, 0.17) - QPointF(head * 1.25, head * 1.2),
                                      QSizeF(head * 2.5, head * 2.9)), head));
    // dress
    painter.setBrush(dress);
    painter.drawPolygon(Shape(box, {{0.37, 0.33}, {0.63, 0.33}, {0.66, 0.46}, {0.84, 0.78}, {0.16, 0.78},
                                    {0.34, 0.46}}));
    painter.setBrush(kGold);
    painter.drawRect(QRectF(At(box, 0.35, 0.44), At(box, 0.65, 0.48)));
    // face, fringe, eyes, cheeks and smile
    painter.setBrush(style::kSkin);
    painter.drawEllipse(At(box, 0.5, 0.17), head, head * 1.05);
    painter.setBrush(style::kHair);
    QPainterPath fringe;
    fringe.moveTo(At(box, 0.5, 0.17) + QPointF(-head, -head * 0.1));
    fringe.quadTo(At(box, 0.5, 0.17) + QPointF(-head * 0.8, -head * 1.3), At(box, 0.5, 0.17) + QPointF(head * 0.3, -head * 1.05));
    fringe.quadTo(At(box, 0.5, 0.17) + QPointF(head * 1.1, -head * 0.9), At(box, 0.5, 0.17) + QPointF(head, 0));
    fringe.quadTo(At(box, 0.5, 0.17) + QPointF(0, -head * 0.5), At(box, 0.5, 0.17) + QPointF(-head, -head * 0.1));
    painter.drawPath(fringe);
    const qreal eye = std::max(0.8, w * 0.022);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::kInk);
    painter.drawEllipse(At(box, 0.44, 0.18), eye, eye * 1.2);
    painter.drawEllipse(At(box, 0.56, 0.18), eye, eye * 1.2);
    if (w >= 30) {
        painter.setBrush(QColor(255, 150, 170, 150));
        painter.drawEllipse(At(box, 0.40, 0.215), eye * 1.6, eye);
        painter.drawEllipse(At(box, 0.60, 0.215), eye * 1.6, eye);
        painter.setPen(InkPen(outline));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(At(box, 0.46, 0.19), At(box, 0.54, 0.235)), 200 * 16, 140 * 16);
    }
}

void Key(QPainter& painter, const QRectF& box) {
    painter.setPen(InkPen(1.5));
    painter.setBrush(kGold);
    const qreal r = box.height() * 0.38;
    const QPointF ring = At(box, 0.0, 0.5) + QPointF(r + 1, 0);
    QPainterPath key;
    key.addEllipse(ring, r, r);
    key.addRect(QRectF(ring.x() + r * 0.8, ring.y() - r * 0.25, box.right() - ring.x() - r * 0.8 - 1, r * 0.5));
    key.addRect(QRectF(box.right() - r * 1.2, ring.y(), r * 0.35, r * 0.8));
    key.addRect(QRectF(box.right() - r * 2.1, ring.y(), r * 0.35, r * 0.6));
    key.setFillRule(Qt::WindingFill);
    painter.drawPath(key.simplified());
    painter.setBrush(kGold.darker(140));
    painter.drawEllipse(ring, r * 0.4, r * 0.4);
}

void Book(QPainter& painter, const QRectF& box, QColor cover) {
    painter.setPen(InkPen(1.6));
    // pages seen from the edge
    painter.setBrush(style::kPaper);
    painter.drawPath(RoundRect(box.adjusted(4, 4, 0, 0), 4));
    painter.setBrush(cover);
    painter.drawPath(RoundRect(box.adjusted(0, 0, -4, -4), 5));
    painter.setBrush(cover.darker(125));
    painter.drawRect(QRectF(box.left(), box.top(), box.width() * 0.1, box.height() - 4));
}

void Note(QPainter& painter, const QRectF& box, QColor colour) {
    painter.setPen(InkPen(1.0));
    painter.setBrush(colour);
    const qreal r = box.height() * 0.17;
    const QPointF a = At(box, 0.3, 0.78), b = At(box, 0.75, 0.7);
    painter.drawEllipse(a, r * 1.2, r);
    painter.drawEllipse(b, r * 1.2, r);
    QPainterPath beam;
    beam.moveTo(a + QPointF(r * 1.1, 0));
    beam.lineTo(At(box, 0.3, 0.1) + QPointF(r * 1.1, 0));
    beam.lineTo(At(box, 0.75, 0.02) + QPointF(r * 1.1, 0));
    beam.lineTo(b + QPointF(r * 1.1, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(1.6));
    painter.drawPath(beam);
}

void Cross(QPainter& painter, const QRectF& box, QColor colour, qreal width) {
    QPen outline = InkPen(width + 2);
    for (const QPen& pen : {outline, QPen(colour, width, Qt::SolidLine, Qt::RoundCap)}) {
        painter.setPen(pen);
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
}

void Dash(QPainter& painter, const QRectF& box, QColor colour, qreal width) {
    for (const QPen& pen : {InkPen(width + 2), QPen(colour, width, Qt::SolidLine, Qt::RoundCap)}) {
        painter.setPen(pen);
        painter.drawLine(At(box, 0, 0.8), At(box, 1, 0.8));
    }
}

void Ruler(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.translate(box.center());
    painter.rotate(-20);
    const QRectF bar(-box.width() * 0.48, -box.height() * 0.18, box.width() * 0.96, box.height() * 0.36);
    painter.setPen(InkPen(1.4));
    painter.setBrush(kGold);
    painter.drawRect(bar);
    for (int i = 1; i < 10; ++i) {
        const qreal x = bar.left() + bar.width() * i / 10;
        painter.drawLine(QPointF(x, bar.top()), QPointF(x, bar.top() + bar.height() * (i % 2 ? 0.3 : 0.5)));
    }
    painter.restore();
}

void Gear(QPainter& painter, const QRectF& box, QColor colour) {
    const QPointF c = box.center();
    const qreal outer = std::min(box.width(), box.height()) / 2, inner = outer * 0.72;
    QPolygonF teeth;
    for (int i = 0; i < 32; ++i) {
        const qreal angle = i * M_PI / 16;
        const qreal r = (i / 2) % 2 ? inner : outer;
        teeth << c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    painter.setPen(InkPen(1.2));
    painter.setBrush(colour);
    painter.drawPolygon(teeth);
    painter.setBrush(colour.lighter(150));
    painter.drawEllipse(c, outer * 0.3, outer * 0.3);
}

void Door(QPainter& painter, const QRectF& box) {
    painter.setPen(InkPen(1.4));
    painter.setBrush(style::kWood);
    painter.drawPath(RoundRect(QRectF(At(box, 0.18, 0.04), At(box, 0.72, 0.98)), 3));
    painter.setBrush(style::kWoodDark);
    painter.drawRect(QRectF(At(box, 0.26, 0.14), At(box, 0.64, 0.44)));
    painter.drawRect(QRectF(At(box, 0.26, 0.54), At(box, 0.64, 0.88)));
    painter.setBrush(kGold);
    painter.drawEllipse(At(box, 0.64, 0.52), box.width() * 0.05, box.width() * 0.05);
    // a little arrow out of the door
    painter.setPen(InkPen(3.2));
    painter.drawLine(At(box, 0.6, 0.5), At(box, 0.96, 0.5));
    painter.setPen(QPen(kCoral, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(At(box, 0.6, 0.5), At(box, 0.96, 0.5));
    painter.setPen(InkPen(1.2));
    painter.setBrush(kCoral);
    painter.drawPolygon(Shape(box, {{0.86, 0.38}, {1.0, 0.5}, {0.86, 0.62}}));
}

void BackArrow(QPainter& painter, const QRectF& box, QColor colour) {
    painter.setPen(InkPen(1.6));
    painter.setBrush(colour);
    painter.drawPolygon(Shape(box, {{0.0, 0.5}, {0.45, 0.05}, {0.45, 0.3}, {1.0, 0.3}, {1.0, 0.7},
                                    {0.45, 0.7}, {0.45, 0.95}}));
}

void Star(QPainter& painter, const QRectF& box, QColor colour) {
    const qreal outer = std::min(box.width(), box.height()) / 2;
    painter.setPen(InkPen(1.3));
    painter.setBrush(colour);
    painter.drawPath(StarOutline(box.center(), outer, outer * 0.45));
}

void Heart(QPainter& painter, const QRectF& box, QColor colour) {
    QPainterPath heart;
    heart.moveTo(At(box, 0.5, 0.95));
    heart.cubicTo(At(box, -0.1, 0.5), At(box, 0.1, -0.1), At(box, 0.5, 0.25));
    heart.cubicTo(At(box, 0.9, -0.1), At(box, 1.1, 0.5), At(box, 0.5, 0.95));
    painter.setPen(InkPen(1.2));
    painter.setBrush(colour);
    painter.drawPath(heart);
}

void Flower(QPainter& painter, const QPointF& centre, qreal radius, QColor petals) {
    painter.setPen(InkPen(1.0));
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = i * 2 * M_PI / 5;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.6,
                            radius * 0.45, radius * 0.45);
    }
    painter.setBrush(kGold);
    painter.drawEllipse(centre, radius * 0.38, radius * 0.38);
}

void Scissors(QPainter& painter, const QRectF& box) {
    painter.setPen(InkPen(1.4));
    painter.setBrush(style::kMetal);
    painter.drawPolygon(Shape(box, {{0.35, 0.55}, {0.95, 0.05}, {0.45, 0.62}}));
    painter.drawPolygon(Shape(box, {{0.35, 0.45}, {0.95, 0.95}, {0.45, 0.38}}));
    painter.setBrush(style::kBerry);
    const qreal r = box.height() * 0.16;
    painter.drawEllipse(At(box, 0.17, 0.28), r, r);
    painter.drawEllipse(At(box, 0.17, 0.72), r, r);
    painter.setBrush(style::kPaper);
    painter.drawEllipse(At(box, 0.17, 0.28), r * 0.45, r * 0.45);
    painter.drawEllipse(At(box, 0.17, 0.72), r * 0.45, r * 0.45);
}

void Hanger(QPainter& painter, const QRectF& box, QColor colour) {
    for (const QPen& pen : {InkPen(4.0), QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)}) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(At(box, 0.5, 0.45));
        hook.lineTo(At(box, 0.5, 0.3));
        hook.arcTo(QRectF(At(box, 0.4, 0.05), At(box, 0.6, 0.3)), -90, 270);
        painter.drawPath(hook);
        painter.drawPolyline(Shape(box, {{0.5, 0.45}, {0.04, 0.85}, {0.96, 0.85}, {0.5, 0.45}}));
    }
}

void GarmentIcon(QPainter& painter, const QRectF& box, Garment garment, QColor colour) {
    painter.setPen(InkPen(1.3));
    painter.setBrush(colour);
    switch (garment) {
    case Garment::Trousers:
        painter.drawPolygon(Shape(box, {{0.2, 0.05}, {0.8, 0.05}, {0.9, 0.95}, {0.58, 0.95}, {0.5, 0.35},
                                        {0.42, 0.95}, {0.1, 0.95}}));
        painter.drawLine(At(box, 0.2, 0.18), At(box, 0.8, 0.18));
        return;
    case Garment::Blouse:
        painter.drawPolygon(Shape(box, {{0.32, 0.08}, {0.68, 0.08}, {0.98, 0.35}, {0.84, 0.5}, {0.76, 0.42},
                                        {0.76, 0.95}, {0.24, 0.95}, {0.24, 0.42}, {0.16, 0.5}, {0.02, 0.35}}));
        painter.setBrush(colour.lighter(140));
        painter.drawPolygon(Shape(box, {{0.38, 0.08}, {0.5, 0.3}, {0.62, 0.08}}));
        return;
    case Garment::Skirt:
        painter.drawPolygon(Shape(box, {{0.3, 0.12}, {0.7, 0.12}, {0.96, 0.9}, {0.04, 0.9}}));
        painter.setBrush(colour.darker(125));
        painter.drawRect(QRectF(At(box, 0.28, 0.06), At(box, 0.72, 0.2)));
        painter.drawLine(At(box, 0.4, 0.25), At(box, 0.3, 0.88));
        painter.drawLine(At(box, 0.6, 0.25), At(box, 0.7, 0.88));
        return;
    case Garment::Swimsuit:
        painter.drawPolygon(Shape(box, {{0.26, 0.05}, {0.36, 0.05}, {0.5, 0.3}, {0.64, 0.05}, {0.74, 0.05},
                                        {0.78, 0.55}, {0.62, 0.92}, {0.38, 0.92}, {0.22, 0.55}}));
        painter.setBrush(kGold);
        painter.drawEllipse(At(box, 0.5, 0.55), box.width() * 0.08, box.width() * 0.08);
        return;
    case Garment::Dress:
        painter.drawPolygon(Shape(box, {{0.34, 0.03}, {0.66, 0.03}, {0.66, 0.36}, {0.98, 0.97}, {0.02, 0.97},
                                        {0.34, 0.36}}));
        painter.setBrush(kGold);
        painter.drawRect(QRectF(At(box, 0.32, 0.34), At(box, 0.68, 0.42)));
        return;
    case Garment::Coat:
        painter.drawPolygon(Shape(box, {{0.3, 0.04}, {0.7, 0.04}, {0.98, 0.3}, {0.96, 0.8}, {0.82, 0.8},
                                        {0.84, 0.97}, {0.16, 0.97}, {0.18, 0.8}, {0.04, 0.8}, {0.02, 0.3}}));
        painter.drawLine(At(box, 0.5, 0.1), At(box, 0.5, 0.97));
        painter.setBrush(kGold);
        for (qreal y : {0.35, 0.55, 0.75})
            painter.drawEllipse(At(box, 0.6, y), 1.6, 1.6);
        return;
    }
}

void Dots(QPainter& painter, const QRectF& area, QColor colour, qreal step, qreal radius) {
    painter.save();
    painter.setClipRect(area);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    int row = 0;
    for (qreal y = area.top() + step / 2; y < area.bottom() + step; y += step, ++row)
        for (qreal x = area.left() + (row % 2 ? step / 2 : 0); x < area.right() + step; x += step)
            painter.drawEllipse(QPointF(x, y), radius, radius);
    painter.restore();
}

} // namespace art::skin
