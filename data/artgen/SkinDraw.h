// The skin's drawing kit: button bodies, lettering with an outline, and the small pictures the
// buttons and screens carry (printer, key, book, garments, ...). Every screen and window of the
// skin paints with these, so the buttons of all windows look like one family.
//
// Icons draw inside a box with antialiasing; they never paint pure white, so they can sit on
// opaque backgrounds and on hard-edged layers alike.
#pragma once

#include "data/artgen/ArtPainting.h"

#include "data/artgen/ArtStyle.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art::skin {

// A Russian or Latin literal written in UTF-8 in our sources.
inline QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// Colours the skin adds to the shared palette.
inline const QColor kRibbon{255, 238, 170};  // title ribbons where captions are written in black
inline const QColor kPanel{255, 246, 228};   // the flat panel under the print windows' buttons
inline const QColor kGold{255, 214, 64};
inline const QColor kCoral{255, 128, 112};
inline const QColor kLeaf{120, 190, 90};


QPainterPath RoundRect(const QRectF& box, qreal radius);

// A friendly button body: a rounded shape with a light top, a darker rim and an ink outline.
// Pressed, it sits 2 pixels lower-right and darker, as if pushed into the surface.
enum class Look { Normal, Pressed };
void Body(QPainter& painter, const QRectF& box, QColor colour, Look look, qreal radius = 8);
// The box a body's content goes in for the given look (shifted when pressed).
QRectF Content(const QRectF& box, Look look);

// Text centred (or as `flags` say) in `box`, filled with `fill` and outlined with `outline`
// (no outline when its alpha is 0).
void Letters(QPainter& painter, const QRectF& box, const QString& text, int pixelSize, QColor fill,
             QColor outline = style::kInk, int flags = Qt::AlignCenter, qreal outlineWidth = 2.5);

// Icons, each filling `box` (keeping its own proportions where it matters).
void Printer(QPainter& painter, const QRectF& box, QColor body);
void Question(QPainter& painter, const QRectF& box, QColor colour);
void DollFigure(QPainter& painter, const QRectF& box, QColor dress);
void Key(QPainter& painter, const QRectF& box);
void Book(QPainter& painter, const QRectF& box, QColor cover);
void Note(QPainter& painter, const QRectF& box, QColor colour);
void Cross(QPainter& painter, const QRectF& box, QColor colour, qreal width);
void Dash(QPainter& painter, const QRectF& box, QColor colour, qreal width);
void Ruler(QPainter& painter, const QRectF& box);
void Gear(QPainter& painter, const QRectF& box, QColor colour);
void Door(QPainter& painter, const QRectF& box);
void BackArrow(QPainter& painter, const QRectF& box, QColor colour);
void Star(QPainter& painter, const QRectF& box, QColor colour);
void Heart(QPainter& painter, const QRectF& box, QColor colour);
void Flower(QPainter& painter, const QPointF& centre, qreal radius, QColor petals);
void Scissors(QPainter& painter, const QRectF& box);
void Hanger(QPainter& painter, const QRectF& box, QColor colour);

// Garment silhouettes for the class selector, in wardrobe terms.
enum class Garment { Trousers, Blouse, Skirt, Swimsuit, Dress, Coat };
void GarmentIcon(QPainter& painter, const QRectF& box, Garment garment, QColor colour);

// Polka dots over a rectangle: the skin's wallpaper.
void Dots(QPainter& painter, const QRectF& area, QColor colour, qreal step, qreal radius);

} // namespace art::skin
