// Garment outlines on the doll's landmarks (see GarmentShapes.h). Curves are sampled densely
// into polygons, so the region maps (drawn without antialiasing) and the shading (with it)
// follow the very same edges.
#include "data/artgen/GarmentShapes.h"

#include "data/artgen/DollFigure.h"

#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace art::garment {
namespace {

using namespace art::doll;
constexpr double kCx = kCentreX;

// Smooth interpolation through knots (y, value), flat beyond the ends.
template <size_t N>
double Profile(const std::array<QPointF, N>& knots, double y) {
    if (y <= knots.front().x())
        return knots.front().y();
    for (size_t i = 1; i < N; ++i) {
        if (y <= knots[i].x()) {
            double t = (y - knots[i - 1].x()) / (knots[i].x() - knots[i - 1].x());
            double s = t * t * (3 - 2 * t);
            return knots[i - 1].y() + (knots[i].y() - knots[i - 1].y()) * s;
        }
    }
    return knots.back().y();
}

QPainterPath FromPolygon(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

// The arm as a polyline from the shoulder joint, viewer's left.
std::array<QPointF, 3> ArmPoints() {
    return {QPointF(kShoulderJoint.X, kShoulderJoint.Y), QPointF(kElbow.X, kElbow.Y),
            QPointF(kWrist.X, kWrist.Y)};
}

double ArmHalfWidth(double along) {
    const double upper = std::hypot(kElbow.X - kShoulderJoint.X, kElbow.Y - kShoulderJoint.Y);
    if (along <= upper)
        return kUpperArmWidth / 2.0 + (kForearmWidth - kUpperArmWidth) / 2.0 * (along / upper);
    return kForearmWidth / 2.0 + (kWristWidth - kForearmWidth) / 2.0 * std::min(1.0, (along - upper) / 54.0);
}

struct ArmFrame {
    QPointF Point;
    QPointF Normal; // towards the viewer's left of the arm direction
};

ArmFrame ArmAt(double along) {
    auto pts = ArmPoints();
    double left = along;
    for (size_t i = 1; i < pts.size(); ++i) {
        QPointF d = pts[i] - pts[i - 1];
        double len = std::hypot(d.x(), d.y());
        if (left <= len || i + 1 == pts.size()) {
            QPointF dir = d / len;
            return {pts[i - 1] + dir * left, QPointF(dir.y(), -dir.x())};
        }
        left -= len;
    }
    return {pts[0], QPointF(1, 0)};
}

// A band along the arm between two distances, widened by `ease` and by `flare` at its end.
QPainterPath ArmStrip(double from, double to, double ease, double flare, bool roundTop) {
    QPolygonF outer, inner;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        double a = from + (to - from) * i / steps;
        ArmFrame f = ArmAt(a);
        double w = ArmHalfWidth(a) + ease + flare * double(i) / steps;
        outer << f.Point + f.Normal * w;
        inner << f.Point - f.Normal * w;
    }
    QPolygonF polygon = outer;
    for (auto it = inner.rbegin(); it != inner.rend(); ++it)
        polygon << *it;
    QPainterPath path = FromPolygon(polygon);
    if (roundTop) {
        // The cap rounds over the shoulder joint without rising above the shoulder line.
        ArmFrame f = ArmAt(from + 2);
        double r = ArmHalfWidth(from) + ease;
        QPainterPath cap;
        cap.addEllipse(f.Point, r, r * 0.8);
        path = path.united(cap);
    }
    return path;
}

// The outer and inner edge x of the viewer's left leg at height y (no ease).
double LegOuterX(double y) {
    std::array<QPointF, 4> knots{QPointF(kHipY, kCx - kHipHalfWidth), QPointF(kCrotchY + 20, kCx - kHipHalfWidth + 4),
                                 QPointF(kKneeY, kKneeOuterX), QPointF(kAnkleY, kAnkleOuterX)};
    return Profile(knots, y);
}
double LegInnerX(double y) {
    std::array<QPointF, 3> knots{QPointF(kCrotchY, kCx), QPointF(kKneeY, kKneeInnerX), QPointF(kAnkleY, kAnkleInnerX)};
    return Profile(knots, y);
}

} // namespace

double TorsoHalfWidth(double y, const TorsoStyle& s) {
    std::array<QPointF, 6> knots{QPointF(kShoulderY, kShoulderHalfWidth - 4), QPointF(kArmpitY, kBustHalfWidth),
                                 QPointF(kBustY, kBustHalfWidth),          QPointF(kWaistY, kWaistHalfWidth),
                                 QPointF(kHipY, kHipHalfWidth),            QPointF(kHipY + 1, kHipHalfWidth)};
    double w = Profile(knots, y) + s.Ease;
    if (y > kHipY && s.BottomY > kHipY)
        w += s.Flare * std::pow((y - kHipY) / (s.BottomY - kHipY), 1.3);
    return w;
}

QPainterPath Torso(const TorsoStyle& s) {
    const double top = s.FromWaist ? kWaistY - 4 : s.TopY;
    QPolygonF left, right;
    const double sideStart = s.FromWaist ? top : (s.Neck == Neckline::Straight ? top : kShoulderY);
    const double sideEnd = s.LegOpenings ? kHipY + 4 : s.BottomY - 2;
    for (double y = sideStart; y < sideEnd; y += 2) {
        double w = TorsoHalfWidth(y, s);
        left << QPointF(kCx - w, y);
        right << QPointF(kCx + w, y);
    }
    double wEnd = TorsoHalfWidth(sideEnd, s);
    left << QPointF(kCx - wEnd, sideEnd);
    right << QPointF(kCx + wEnd, sideEnd);

    QPolygonF polygon = left;
    if (s.LegOpenings) {
        // Up over the hips into the crotch and out again.
        polygon << QPointF(kCx - kHipHalfWidth + 6, kHipY + 10) << QPointF(kCx - 12, kCrotchY - 2)
                << QPointF(kCx - 7, kCrotchY + 3) << QPointF(kCx + 7, kCrotchY + 3)
                << QPointF(kCx + 12, kCrotchY - 2) << QPointF(kCx + kHipHalfWidth - 6, kHipY + 10);
    } else {
        // A hem that dips a little at the middle, as cloth falls round the body.
        const int steps = 16;
        for (int i = 1; i < steps; ++i) {
            double t = double(i) / steps;
            double x = kCx - wEnd + 2 * wEnd * t;
            double dip = 3.0 * std::sin(t * M_PI);
            polygon << QPointF(x, s.BottomY - 2 + dip);
        }
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        polygon << *it;

    if (s.FromWaist || s.Neck == Neckline::Straight)
        return FromPolygon(polygon); // closes straight across the top
    // Shoulders up to the neck points, then the neckline across.
    const double neckHalf = kNeckHalfWidth + 4 + s.Ease / 2 + (s.Neck == Neckline::Scoop ? 5 : 0);
    const double neckY = kNeckBase - 5;
    polygon << QPointF(kCx + kShoulderHalfWidth - 4 + s.Ease, kShoulderY) << QPointF(kCx + neckHalf, neckY);
    const double depth = s.Back                        ? kNeckBase + 2
                         : s.Neck == Neckline::Vee   ? kBustY + 4
                         : s.Neck == Neckline::Scoop ? kNeckBase + 18
                                                     : kNeckBase + 8;
    const int steps = 12;
    for (int i = 1; i < steps; ++i) {
        double t = double(i) / steps;
        double x = kCx + neckHalf - 2 * neckHalf * t;
        double k = s.Neck == Neckline::Vee && !s.Back ? 1 - std::abs(2 * t - 1) : std::sin(t * M_PI);
        polygon << QPointF(x, neckY + (depth - neckY) * k);
    }
    polygon << QPointF(kCx - neckHalf, neckY) << QPointF(kCx - kShoulderHalfWidth + 4 - s.Ease, kShoulderY);
    return FromPolygon(polygon);
}

QPainterPath Cape(double hemY) {
    std::array<QPointF, 3> knots{QPointF(kShoulderY + 4, kShoulderHalfWidth + 4), QPointF(kElbow.Y, kCx - kElbow.X + 11),
                                 QPointF(hemY, kCx - kElbow.X + 16)};
    QPolygonF left;
    left << QPointF(kCx - kNeckHalfWidth - 4, kNeckBase - 5);
    for (double y = kShoulderY + 4; y < hemY; y += 2)
        left << QPointF(kCx - Profile(knots, y), y);
    QPolygonF polygon = left;
    const double w = Profile(knots, hemY);
    for (int i = 0; i <= 16; ++i) {
        double t = i / 16.0;
        polygon << QPointF(kCx - w + 2 * w * t, hemY + 3 * std::sin(t * M_PI));
    }
    for (auto it = left.rbegin(); it != left.rend(); ++it)
        polygon << QPointF(2 * kCx - it->x(), it->y());
    for (int i = 1; i < 12; ++i) {
        double t = i / 12.0;
        polygon << QPointF(kCx + kNeckHalfWidth + 4 - 2 * (kNeckHalfWidth + 4) * t, kNeckBase - 5 + 6 * std::sin(t * M_PI));
    }
    return FromPolygon(polygon);
}

QPointF AlongArm(double length, bool mirror) {
    QPointF p = ArmAt(length).Point;
    return mirror ? QPointF(2 * kCx - p.x(), p.y()) : p;
}

QPainterPath Sleeve(double length, double ease, bool mirror) {
    const double armLength = std::hypot(kElbow.X - kShoulderJoint.X, kElbow.Y - kShoulderJoint.Y) +
                             std::hypot(kWrist.X - kElbow.X, kWrist.Y - kElbow.Y);
    const double flare = length < armLength * 0.6 ? 2.0 : 0.5;
    QPainterPath path = ArmStrip(0, length, ease, flare, /*roundTop=*/true);
    return mirror ? Mirrored(path) : path;
}

QPainterPath ArmBand(double from, double to, double ease, bool mirror) {
    QPainterPath path = ArmStrip(from, to, ease, 0.5, /*roundTop=*/false);
    return mirror ? Mirrored(path) : path;
}

QPainterPath Trousers(double legEndY, double ease, double flare) {
    const double top = kWaistY - 4;
    QPolygonF left;
    for (double y = top; y < legEndY; y += 2) {
        double x = y < kHipY ? kCx - TorsoHalfWidth(y, {}) - ease + 1 : LegOuterX(y) - ease;
        double t = std::clamp((y - kKneeY) / (kAnkleY - kKneeY), 0.0, 1.0);
        left << QPointF(x - flare * t, y);
    }
    double t = std::clamp((legEndY - kKneeY) / (kAnkleY - kKneeY), 0.0, 1.0);
    // Inside, a leg hugs the doll's leg and stays a pixel off the centre, so the legs part
    // even where the doll's own legs touch.
    auto inner = [&](double y, double ti) { return std::min(kCx - 1, LegInnerX(y) + 0.5 + flare * ti / 2); };
    left << QPointF(LegOuterX(legEndY) - ease - flare * t, legEndY);
    left << QPointF(inner(legEndY, t), legEndY);
    for (double y = legEndY - 2; y > kCrotchY + 2; y -= 2)
        left << QPointF(inner(y, std::clamp((y - kKneeY) / (kAnkleY - kKneeY), 0.0, 1.0)), y);
    QPolygonF polygon = left;
    polygon << QPointF(kCx, kCrotchY + 1);
    for (auto it = left.rbegin(); it != left.rend(); ++it)
        polygon << QPointF(2 * kCx - it->x(), it->y());
    return FromPolygon(polygon);
}

QPainterPath LegBand(double fromY, double toY, double ease, bool mirror) {
    QPolygonF polygon;
    polygon << QPointF(LegOuterX(fromY) - ease - 1, fromY) << QPointF(LegInnerX(fromY) + ease + 1, fromY)
            << QPointF(LegInnerX(toY) + ease + 1, toY) << QPointF(LegOuterX(toY) - ease - 1, toY);
    QPainterPath path = FromPolygon(polygon);
    return mirror ? Mirrored(path) : path;
}

QPainterPath Slice(const QPainterPath& shape, double fromY, double toY) {
    QPainterPath box;
    box.addRect(QRectF(-10, fromY, 220, toY - fromY));
    return shape.intersected(box);
}

QPainterPath HalfOf(const QPainterPath& shape, bool viewerLeft) {
    QPainterPath box;
    box.addRect(viewerLeft ? QRectF(-10, -10, kCx + 10, 400) : QRectF(kCx, -10, kCx + 10, 400));
    return shape.intersected(box);
}

QPainterPath Mirrored(const QPainterPath& shape) {
    QTransform flip(-1, 0, 0, 1, 2 * kCx, 0);
    return flip.map(shape);
}

QPainterPath Frill(const TorsoStyle& s, double depth) {
    const double top = s.BottomY - 3;
    const double w = TorsoHalfWidth(s.BottomY, s) + 2;
    QPolygonF polygon;
    polygon << QPointF(kCx - w + 1, top);
    const int bumps = std::max(4, int(2 * w / 9));
    for (int i = 0; i <= bumps * 6; ++i) {
        double t = double(i) / (bumps * 6);
        double x = kCx - w + 2 * w * t;
        double bump = std::abs(std::sin(t * bumps * M_PI));
        polygon << QPointF(x, top + depth - 3 + 3 * bump + 3 * std::sin(t * M_PI));
    }
    polygon << QPointF(kCx + w - 1, top);
    return FromPolygon(polygon);
}

QPainterPath PatchPocket(QPointF centre, double width, double height) {
    QPainterPath path;
    path.addRoundedRect(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height), 2.5, 2.5);
    return path;
}

QPainterPath RoundCollar(bool back) {
    QPainterPath path;
    if (back) {
        path.addRoundedRect(QRectF(kCx - 17, kNeckBase - 8, 34, 12), 5, 5);
        return path;
    }
    QPainterPath left;
    left.addEllipse(QPointF(kCx - 9, kNeckBase + 1), 11, 8);
    QPainterPath shape = left.united(Mirrored(left));
    QPainterPath neck;
    neck.addEllipse(QPointF(kCx, kNeckBase - 6), kNeckHalfWidth + 2, 8);
    return shape.subtracted(neck);
}

QPainterPath Lapels() {
    QPolygonF left;
    left << QPointF(kCx - kNeckHalfWidth - 5, kNeckBase - 6) << QPointF(kCx - 22, kNeckBase + 8)
         << QPointF(kCx - 14, kNeckBase + 12) << QPointF(kCx - 1, kBustY + 6) << QPointF(kCx - 3, kNeckBase + 2);
    QPainterPath path = FromPolygon(left);
    return path.united(Mirrored(path));
}

QPainterPath HoodDown(bool back) {
    if (back) {
        QPolygonF polygon;
        for (int i = 0; i <= 20; ++i) {
            double a = M_PI * i / 20;
            polygon << QPointF(kCx - 22 * std::cos(a), kNeckBase - 8 + 30 * std::sin(a) + 8 * std::sin(a) * std::sin(a));
        }
        return FromPolygon(polygon);
    }
    // From the front a hood lying on the back is a soft roll round the neck, seen either side.
    QPainterPath roll;
    roll.addEllipse(QPointF(kCx, kNeckBase - 1), 22, 10);
    QPainterPath neck;
    neck.addRoundedRect(QRectF(kCx - kNeckHalfWidth - 2, kNeckTop - 10, 2 * (kNeckHalfWidth + 2), 40), 4, 4);
    return Slice(roll.subtracted(neck), 0, kNeckBase + 3);
}

QPainterPath ShoulderStrap(bool mirror) {
    QPolygonF polygon;
    polygon << QPointF(kCx - 19, kArmpitY + 2) << QPointF(kCx - 13, kArmpitY + 2) << QPointF(kCx - 14, kShoulderY - 3)
            << QPointF(kCx - 20, kShoulderY - 3);
    QPainterPath path = FromPolygon(polygon);
    return mirror ? Mirrored(path) : path;
}

QPainterPath Bow(QPointF c, double size) {
    QPolygonF left;
    left << c << QPointF(c.x() - size, c.y() - size * 0.55) << QPointF(c.x() - size, c.y() + size * 0.55);
    QPainterPath path = FromPolygon(left);
    path = path.united(QTransform(-1, 0, 0, 1, 2 * c.x(), 0).map(path));
    QPainterPath knot;
    knot.addEllipse(c, size * 0.3, size * 0.35);
    return path.united(knot);
}

QPainterPath HatDome(double topY, double bottomY, double halfWidth) {
    QPolygonF polygon;
    const double radiusY = std::min(bottomY - topY, halfWidth * 1.1);
    const double shoulderY = topY + radiusY;
    for (int i = 0; i <= 24; ++i) {
        double a = M_PI * i / 24;
        polygon << QPointF(kCx - halfWidth * std::cos(a), shoulderY - radiusY * std::sin(a));
    }
    polygon << QPointF(kCx + halfWidth, bottomY) << QPointF(kCx - halfWidth, bottomY);
    return FromPolygon(polygon);
}

QPainterPath HatBrim(double halfWidth, double halfHeight) {
    QPainterPath path;
    path.addEllipse(QPointF(kCx, kHatBrimY + 1), halfWidth, halfHeight);
    return path;
}

QPainterPath Beret() {
    // A soft disc worn tilted to one side over a band that rests at the brim line.
    QPainterPath disc;
    disc.addEllipse(QPointF(kCx + 4, kHatBrimY - 11), 32, 13);
    QPainterPath band;
    band.addRoundedRect(QRectF(kCx - 24, kHatBrimY - 8, 48, 10), 4, 4);
    return disc.united(band);
}

QPainterPath Visor() {
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(kCx, kHatBrimY + 1), 28, 7);
    return Slice(ellipse, kHatBrimY - 1, kHatBrimY + 10);
}

QPainterPath Pompom() {
    QPainterPath path;
    path.addEllipse(QPointF(kCx, 11), 7.5, 7.5);
    return path;
}

QPainterPath EarFlap(bool mirror) {
    QPainterPath path;
    path.addRoundedRect(QRectF(kCx - kHeadHalfWidth - 5, kHatBrimY - 2, 11, 28), 5, 5);
    return mirror ? Mirrored(path) : path;
}

QPainterPath ShoeUpper(double topY, bool mirror) {
    QPolygonF polygon;
    const double ease = 1.5;
    // Down the outer side of the leg to the foot, round the toe, up the inner side.
    for (double y = topY; y < kAnkleY; y += 2)
        polygon << QPointF(LegOuterX(y) - ease, y);
    polygon << QPointF(kAnkleOuterX - ease, kAnkleY) << QPointF(kAnkleOuterX - 4, kSoleY - 10)
            << QPointF(kAnkleOuterX - 5, kSoleY - 4) << QPointF(kAnkleOuterX - 3, kSoleY)
            << QPointF(kAnkleInnerX + 2, kSoleY) << QPointF(kAnkleInnerX + 2.5, kSoleY - 5)
            << QPointF(kAnkleInnerX + 2, kSoleY - 10) << QPointF(kAnkleInnerX + ease, kAnkleY);
    for (double y = kAnkleY - 2; y >= topY; y -= 2)
        polygon << QPointF(LegInnerX(y) + ease, y);
    QPainterPath path = FromPolygon(polygon);
    return mirror ? Mirrored(path) : path;
}

QPainterPath ShoeSole(bool mirror) {
    QPainterPath path;
    path.addRoundedRect(QRectF(kAnkleOuterX - 6, kSoleY - 3, kAnkleInnerX - kAnkleOuterX + 9, 6), 2.5, 2.5);
    return mirror ? Mirrored(path) : path;
}

QPainterPath ShoeHeel(bool mirror) {
    QPainterPath path;
    path.addRoundedRect(QRectF(kAnkleOuterX - 3, kSoleY - 11, kAnkleInnerX - kAnkleOuterX + 6, 10), 3, 3);
    return mirror ? Mirrored(path) : path;
}

QPainterPath ShoeStrap(bool mirror) {
    QPainterPath path;
    path.addRect(QRectF(kAnkleOuterX - 4, kAnkleY + 5, kAnkleInnerX - kAnkleOuterX + 8, 4));
    return mirror ? Mirrored(path) : path;
}

} // namespace art::garment
