// Bézier evaluation and lengths, ellipse perimeters and inside tests for the pattern generator.
#include "PatternMath.h"

#include <algorithm>
#include <cmath>

namespace gen {

double Distance(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

Pt BezierAt(const std::vector<Pt>& c, double t) {
    std::vector<Pt> w = c;
    for (size_t k = w.size() - 1; k >= 1; --k)
        for (size_t i = 0; i < k; ++i)
            w[i] = w[i] + (w[i + 1] - w[i]) * t;
    return w[0];
}

std::vector<Pt> Flatten(const std::vector<Pt>& c, int steps) {
    std::vector<Pt> out;
    if (c.size() == 2)
        return c;
    for (int i = 0; i <= steps; ++i)
        out.push_back(BezierAt(c, double(i) / steps));
    return out;
}

double CurveLength(const std::vector<Pt>& c) {
    const std::vector<Pt> line = Flatten(c, 2000);
    double sum = 0;
    for (size_t i = 1; i < line.size(); ++i)
        sum += Distance(line[i - 1], line[i]);
    return sum;
}

double EllipsePerimeter(double width, double height) {
    const double a = width / 2, b = height / 2;
    const double h = (a - b) * (a - b) / ((a + b) * (a + b));
    return M_PI * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
}

bool InsidePolygon(const std::vector<Pt>& poly, Pt p) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Pt a = poly[i], b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double DistanceToSegment(Pt p, Pt a, Pt b) {
    const Pt d = b - a;
    const double len2 = d.x * d.x + d.y * d.y;
    double t = len2 == 0 ? 0 : ((p.x - a.x) * d.x + (p.y - a.y) * d.y) / len2;
    t = std::clamp(t, 0.0, 1.0);
    return Distance(p, a + d * t);
}

Pt FitRun(double target, int maxRise) {
    Pt best{std::round(target), 0};
    for (int dy = 0; dy <= maxRise; ++dy)
        for (double dx = std::floor(target) - 1; dx <= std::ceil(target) + 1; dx += 1)
            if (std::abs(std::hypot(dx, dy) - target) < std::abs(std::hypot(best.x, best.y) - target))
                best = {dx, double(dy)};
    return best;
}

std::vector<Pt> QuarterArc(Pt c, double rx, double ry, int quadrant, bool reverse) {
    // Cubic approximation of a quarter ellipse; the kappa constant keeps the radius within 0.03 %.
    constexpr double k = 0.5522847498;
    const double a0 = quadrant * M_PI / 2, a1 = a0 + M_PI / 2;
    const Pt p0{c.x + rx * std::cos(a0), c.y + ry * std::sin(a0)};
    const Pt p3{c.x + rx * std::cos(a1), c.y + ry * std::sin(a1)};
    const Pt t0{-rx * std::sin(a0), ry * std::cos(a0)};
    const Pt t1{-rx * std::sin(a1), ry * std::cos(a1)};
    std::vector<Pt> arc = {p0, p0 + t0 * k, p3 - t1 * k, p3};
    if (reverse)
        std::reverse(arc.begin(), arc.end());
    return arc;
}

} // namespace gen
