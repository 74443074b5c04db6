// Paints the doll of DollFigure.h: the body seen from the front or the back, the two hairstyles
// (bare-headed with a bow, or smooth for a hat), and the back overlay that lies over clothes.
// Every function paints one transparent 200 x 360 layer; Doll.bmp flattens them into panels, and
// the intro and about pictures reuse the same doll so the product has one heroine.
#pragma once

#include <QImage>

namespace art::doll {

enum class Side { Front, Back };
enum class Hair { Free, UnderHat };

// The whole doll (body, underwear, face or back of the head, hair) on a transparent layer of
// 200 x 360 times `scale` (larger scales for the title pictures stay sharp).
QImage PaintDoll(Side side, Hair hair, double scale = 1.0);

// What the back view lays over worn clothes: the hair and the hands.
QImage PaintBackOverlay(Hair hair);

} // namespace art::doll
