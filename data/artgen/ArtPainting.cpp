#include "data/artgen/ArtPainting.h"

#include <cmath>
#include <numbers>

namespace art {

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath StarOutline(QPointF centre, double outer, double inner, double rotationDegrees) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double angle = (rotationDegrees + i * 36.0) * std::numbers::pi / 180.0;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

} // namespace art
