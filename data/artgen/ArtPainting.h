// Painting helpers every picture maker shares: the painter set up for antialiased art, and the
// star outline that the screens, the strips and the fabrics all draw.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

// Antialiased shapes, text and scaled pictures.
void Smooth(QPainter& painter);

// A five-pointed star around `centre`; the first point at `rotationDegrees` (-90: straight up).
QPainterPath StarOutline(QPointF centre, double outer, double inner, double rotationDegrees = -90);

} // namespace art
