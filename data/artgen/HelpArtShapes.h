// Small drawings the help pictures are made of: a simple doll seen from the front or the back,
// the garments of the eight wardrobe classes as icons, fabric swatches, a printer, arrows,
// numbered badges and lettering. Every shape is drawn into a box, so one drawing serves a tiny
// icon and a large illustration alike.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <filesystem>
#include <functional>

namespace art::help {

// The garment classes in wardrobe order: coats, dresses, trousers, blouses, robes, skirts,
// hats, shoes.
enum class Garment { Coat, Dress, Trousers, Blouse, Robe, Skirt, Hat, Shoes };

// A standing doll filling the box's height; `dress` colours her dress (an invalid colour leaves
// her in her underclothes).
void DrawDoll(QPainter& p, const QRectF& box, bool back, QColor dress);

// One garment, centred in the box.
void DrawGarment(QPainter& p, const QRectF& box, Garment garment, QColor colour);

// A fabric swatch: 0 plain, 1 stripes, 2 checks, 3 dots, 4 flowers.
void DrawSwatch(QPainter& p, const QRectF& box, int pattern, QColor base);

// A printer with a sheet coming out of it.
void DrawPrinter(QPainter& p, const QRectF& box);

// A rounded card in the button style with an ink outline.
void DrawCard(QPainter& p, const QRectF& box, QColor fill);

// A straight arrow from a to b with a head at b (and at a when `both`).
void DrawArrow(QPainter& p, QPointF a, QPointF b, QColor colour, qreal width = 2.0, bool both = false);

// A round badge with a number, as the legend of a picture refers to it.
void DrawBadge(QPainter& p, QPointF centre, int number, qreal radius = 8.0);

// A clothes rack with the current garment in front and the next one behind it.
void DrawRack(QPainter& p, const QRectF& box, Garment garment);

// The fabric drum, closed or open with five fabric windows.
void DrawDrum(QPainter& p, QPointF centre, qreal radius, bool open);

// Paints a picture drawn for a width x height box on the help's paper colour and writes it as a
// BMP, shrunk or grown by `scale`.
void SavePicture(const std::filesystem::path& dir, const char* name, int width, int height,
                 const std::function<void(QPainter&)>& paint, qreal scale = 1.0);

// Text in the product's lettering.
void DrawLabel(QPainter& p, const QRectF& box, const QString& text, int pixelSize,
               int flags = Qt::AlignCenter, QColor colour = QColor(70, 40, 80), bool bold = true);

} // namespace art::help
