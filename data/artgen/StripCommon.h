// Small painting helpers shared by the strip makers (rack, drum, pattern panel, surprises,
// messages, intro): an antialiased painter on a layer, outlined shapes in the product's ink, and
// the backdrop the strips stand on.
#pragma once

#include "data/artgen/ArtPainting.h"

#include "data/artgen/ArtRegistry.h"
#include "designer/layout/StripLayout.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace art::strip {

// Fills `path` and outlines it (round joins), the look every strip shares.
void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill,
                  const QColor& line, double width = 1.5);

// Strokes `path` without filling it.
void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width);

// A five-pointed star centred at (cx, cy).
QPainterPath Star(double cx, double cy, double outer, double inner, double rotationDegrees = -90);

// A heart whose top centre is at (cx, top), `size` wide.
QPainterPath Heart(double cx, double top, double size);

// The opaque wall the strips' frames stand on (never pure white, so nothing shows through).
QImage Wall(int width, int height);

// The main background under `place`, so a control's frames blend into the screen around it. The
// makers that use it run after Main.bmp's (makers run in name order); when Main.bmp is missing
// (a partial run) the plain wall stands in for it.
QImage MainBackground(const ArtContext& context, const layout::Box& place);

} // namespace art::strip
