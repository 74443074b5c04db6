// The product's title scene, shared by the animated title (title.avi), the title picture the
// intro zooms (title.jpg, its last moment) and the about box's picture: the doll and the word
// "Velmora" in bouncing, many-coloured letters with the Russian line "Наряды для куклы".
#pragma once

#include <QImage>
#include <QPainter>

namespace art::intro {

// The title word in letters of `pixelSize` with its top-left at (x, y); letter i drops in from
// t = start + i * step and settles with a bounce (t = 1 with step 0 paints it at rest).
void PaintTitleWord(QPainter& p, double x, double y, double pixelSize, double t, double start,
                    double step);

// The whole scene in 320 x 240 units at time t (0 .. 1); the painter may be scaled for larger
// pictures. `doll` is the front doll layer, painted large enough for the painter's scale.
void PaintTitleScene(QPainter& p, double t, const QImage& doll);

// The doll layer for a scene drawn at `scale` times 320 x 240.
QImage TitleDoll(double scale);

} // namespace art::intro
