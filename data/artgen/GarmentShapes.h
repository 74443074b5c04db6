// The outlines a garment is made of, in doll panel pixels (DollFigure.h): a torso from neckline to
// hem, sleeves along the arms, trouser legs, bands, collars, pockets, hats on the head and shoes
// on the feet. Every shape follows the doll's landmarks, so garments fit the doll they dress.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace art::garment {

enum class Neckline { Round, Scoop, Vee, Straight };

struct TorsoStyle {
    double TopY = 0;        // shoulder seam (ignored for a skirt that starts at the waist)
    double BottomY = 0;     // hem
    double Ease = 1;        // extra half width over the body
    double Flare = 0;       // extra half width at the hem
    Neckline Neck = Neckline::Round;
    bool Back = false;      // back necklines sit higher
    bool FromWaist = false; // a skirt: starts at the waist
    bool LegOpenings = false; // a swimsuit: cut up at the legs
};

// A cape from the neck over the shoulders and arms down to `hemY`.
QPainterPath Cape(double hemY);

// Half width of a garment over the torso at height y (body plus ease, flaring below the hips).
double TorsoHalfWidth(double y, const TorsoStyle& style);
QPainterPath Torso(const TorsoStyle& style);

// A sleeve along the viewer's left arm (`mirror` for the right one) reaching `length` pixels
// from the shoulder joint; a cuff is the part between `from` and `to` pixels along the arm.
QPainterPath Sleeve(double length, double ease, bool mirror);
QPainterPath ArmBand(double from, double to, double ease, bool mirror);
// Where a sleeve of that length ends.
QPointF AlongArm(double length, bool mirror);

// Both trouser legs joined at the seat, from the waist down to `legEndY`.
QPainterPath Trousers(double legEndY, double ease, double flare);
// The band of a leg between two heights (a trouser cuff), viewer's left unless `mirror`.
QPainterPath LegBand(double fromY, double toY, double ease, bool mirror);

// The part of `shape` between two heights, and its left or right half.
QPainterPath Slice(const QPainterPath& shape, double fromY, double toY);
QPainterPath HalfOf(const QPainterPath& shape, bool viewerLeft);
// A mirrored copy about the doll's centre line.
QPainterPath Mirrored(const QPainterPath& shape);

// A scalloped frill below the hem of a torso.
QPainterPath Frill(const TorsoStyle& style, double depth);
QPainterPath PatchPocket(QPointF centre, double width, double height);
QPainterPath RoundCollar(bool back);
QPainterPath Lapels();
QPainterPath HoodDown(bool back);
QPainterPath ShoulderStrap(bool mirror);
QPainterPath Bow(QPointF centre, double size);

// Hats: a dome over the head down to `bottomY`, a brim, a band, a visor, a pompom, ear flaps.
QPainterPath HatDome(double topY, double bottomY, double halfWidth);
QPainterPath HatBrim(double halfWidth, double halfHeight);
QPainterPath Beret();
QPainterPath Visor();
QPainterPath Pompom();
QPainterPath EarFlap(bool mirror);

// Shoes on the viewer's left foot (`mirror` for the right): the upper from `topY` (a boot's top
// or the ankle) to the sole, the sole, the heel seen from behind and a strap over the instep.
QPainterPath ShoeUpper(double topY, bool mirror);
QPainterPath ShoeSole(bool mirror);
QPainterPath ShoeHeel(bool mirror);
QPainterPath ShoeStrap(bool mirror);

} // namespace art::garment
