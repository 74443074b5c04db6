// Painting helpers of the strip makers; see StripCommon.h.
#include "data/artgen/StripCommon.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtStyle.h"

#include <cmath>

namespace art::strip {

void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill,
                  const QColor& line, double width) {
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

QPainterPath Star(double cx, double cy, double outer, double inner, double rotationDegrees) {
    return StarOutline(QPointF(cx, cy), outer, inner, rotationDegrees);
}

QPainterPath Heart(double cx, double top, double size) {
    double s = size / 2;
    QPainterPath heart;
    heart.moveTo(cx, top + s * 0.5);
    heart.cubicTo(cx - s * 0.2, top - s * 0.3, cx - s * 1.1, top - s * 0.1, cx - s, top + s * 0.6);
    heart.cubicTo(cx - s * 0.9, top + s * 1.2, cx - s * 0.3, top + s * 1.5, cx, top + s * 1.9);
    heart.cubicTo(cx + s * 0.3, top + s * 1.5, cx + s * 0.9, top + s * 1.2, cx + s, top + s * 0.6);
    heart.cubicTo(cx + s * 1.1, top - s * 0.1, cx + s * 0.2, top - s * 0.3, cx, top + s * 0.5);
    heart.closeSubpath();
    return heart;
}

QImage Wall(int width, int height) {
    return NewOpaque(width, height, style::kWall);
}

QImage MainBackground(const ArtContext& context, const layout::Box& place) {
    QImage main(QString::fromStdString((context.resourceDir / "Main.bmp").string()));
    if (main.width() < place.Right() || main.height() < place.Bottom())
        return Wall(place.Width, place.Height);
    QImage under = main.copy(place.X, place.Y, place.Width, place.Height).convertToFormat(QImage::Format_RGB32);
    RemovePureWhite(under);
    return under;
}

} // namespace art::strip
