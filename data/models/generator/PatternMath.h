// Plane geometry of pattern pieces in millimetres: points, the Bézier curves the designer draws
// for ARC lines, lengths of edges as a tape measure would find them, and inside tests.
#pragma once

#include <vector>

namespace gen {

struct Pt {
    double x = 0;
    double y = 0;
};

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
inline bool operator==(Pt a, Pt b) { return a.x == b.x && a.y == b.y; }

double Distance(Pt a, Pt b);
// The point at parameter t of the Bézier curve whose control polygon is `c` (two points: a line).
Pt BezierAt(const std::vector<Pt>& c, double t);
// Length of that curve, measured along 2000 chords.
double CurveLength(const std::vector<Pt>& c);
// The curve as a polyline of steps + 1 points.
std::vector<Pt> Flatten(const std::vector<Pt>& c, int steps);
// Circumference of an ellipse with the given full width and height.
double EllipsePerimeter(double width, double height);
// Even-odd test against a closed polygon.
bool InsidePolygon(const std::vector<Pt>& polygon, Pt p);
double DistanceToSegment(Pt p, Pt a, Pt b);

// A run of whole millimetres (dx, dy), dy from 0 to maxRise, whose length comes closest to target.
Pt FitRun(double target, int maxRise);

// Control points of a quarter ellipse from angle a0 to a0 + 90 degrees (0 = +x, 90 = +y, y down).
std::vector<Pt> QuarterArc(Pt centre, double rx, double ry, int quadrant, bool reverse = false);

} // namespace gen
