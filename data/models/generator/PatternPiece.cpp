// Building, finishing and writing pattern pieces.
#include "PatternPiece.h"

#include "platform/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace gen {

namespace {

constexpr double kMargin = 2; // mm between the outline and the piece's box
constexpr int kSeedSteps = 200;
constexpr double kSeamAllowance = 3;

Pt Rounded(Pt p) { return {RoundHalfEven(p.x), RoundHalfEven(p.y)}; }

std::string Int(double v) { return std::to_string(static_cast<long>(RoundHalfEven(v))); }

// "#seam NAME SIDE [xTIMES] [ADJUST]": a remark line the designer skips and the checker reads.
void AppendSeams(std::vector<std::string>& out, const std::vector<TSeamMark>& seams) {
    for (const TSeamMark& s : seams) {
        std::string line = "#seam " + s.Name + " " + s.Side + " x" + std::to_string(s.Times);
        if (s.Adjust != 0) {
            line += s.Adjust > 0 ? " +" : " ";
            line += plat::FormatFixed(s.Adjust, /*decimals=*/2);
        }
        out.push_back(line);
    }
}

} // namespace

double RoundHalfEven(double v) { return std::nearbyint(v); }

std::string PointText(Pt p) { return "(" + Int(p.x) + "," + Int(p.y) + ")"; }

double TEdge::Length() const {
    if (Kind == EdgeKind::Ellipse)
        return EllipsePerimeter(std::abs(Points[1].x - Points[0].x), std::abs(Points[1].y - Points[0].y));
    return CurveLength(Points);
}

TPiece::TPiece(std::string name, int count, std::string prefix)
    : name_(std::move(name)), prefix_(std::move(prefix)), count_(count) {}

TPiece& TPiece::From(Pt p) {
    start_ = current_ = Rounded(p);
    open_ = true;
    return *this;
}

TPiece& TPiece::Line(Pt to) { return Curve({Rounded(to)}); }

TPiece& TPiece::Fold(Pt to) {
    Curve({Rounded(to)});
    edges_.back().Kind = EdgeKind::Fold;
    return *this;
}

TPiece& TPiece::Curve(std::vector<Pt> controls) {
    if (!open_)
        throw std::logic_error(name_ + ": an edge without a start point");
    TEdge e;
    e.Points.push_back(current_);
    for (Pt p : controls)
        e.Points.push_back(Rounded(p));
    current_ = e.Points.back();
    edges_.push_back(std::move(e));
    return *this;
}

TPiece& TPiece::Ellipse(Pt c, double w, double h) {
    TEdge e;
    e.Kind = EdgeKind::Ellipse;
    // The box keeps the rounded width and height whatever the centre's rounding does.
    const Pt corner = Rounded({c.x - w / 2, c.y - h / 2});
    e.Points = {corner, corner + Rounded({w, h})};
    edges_.push_back(std::move(e));
    return *this;
}

TPiece& TPiece::Seam(const std::string& name, char side, int times, double adjust) {
    edges_.back().Seams.push_back({name, side, times, adjust});
    if (!raw_ && edges_.back().StitchAt == 0 && edges_.back().Kind == EdgeKind::Cut)
        edges_.back().StitchAt = kSeamAllowance;
    return *this;
}

TPiece& TPiece::Sewn(double inset) {
    edges_.back().StitchAt = inset;
    return *this;
}

TPiece& TPiece::Raw() {
    raw_ = true;
    return *this;
}

TPiece& TPiece::GlueSeam(const std::string& name, char side, int times) {
    marks_.back().Seams.push_back({name, side, times, 0});
    return *this;
}

TPiece& TPiece::Stitch(Pt a, Pt b) {
    marks_.push_back({"LINES", Rounded(a), Rounded(b), {}, {}});
    return *this;
}

TPiece& TPiece::Glue(Pt a, Pt b) {
    marks_.push_back({"LINESP", Rounded(a), Rounded(b), {}, {}});
    return *this;
}

TPiece& TPiece::Velcro(Pt a, Pt b) {
    marks_.push_back({"LIP", Rounded(a), Rounded(b), {}, {}});
    return *this;
}

TPiece& TPiece::Note(Pt at, const std::string& word) {
    marks_.push_back({"TEXT", Rounded(at), {}, word, {}});
    return *this;
}

TPiece& TPiece::GrainAcross() {
    grainAcross_ = true;
    return *this;
}

TPiece& TPiece::Look(std::string view, std::string part, std::string group) {
    look_ = {std::move(view), std::move(part), std::move(group)};
    return *this;
}

bool TPiece::HasFold() const {
    return std::any_of(edges_.begin(), edges_.end(), [](const TEdge& e) { return e.Kind == EdgeKind::Fold; });
}

std::vector<std::vector<Pt>> TPiece::Outlines() const {
    std::vector<std::vector<Pt>> loops;
    std::vector<Pt> chain;
    for (const TEdge& e : edges_) {
        if (e.Kind == EdgeKind::Ellipse) {
            const Pt c = (e.Points[0] + e.Points[1]) * 0.5;
            const double rx = std::abs(e.Points[1].x - e.Points[0].x) / 2;
            const double ry = std::abs(e.Points[1].y - e.Points[0].y) / 2;
            std::vector<Pt> loop;
            for (int i = 0; i < 360; ++i)
                loop.push_back({c.x + rx * std::cos(i * M_PI / 180), c.y + ry * std::sin(i * M_PI / 180)});
            loops.push_back(std::move(loop));
            continue;
        }
        const std::vector<Pt> line = Flatten(e.Points, 64);
        chain.insert(chain.end(), line.begin(), line.end() - 1);
    }
    if (!chain.empty())
        loops.push_back(std::move(chain));
    return loops;
}

bool TPiece::Inside(const std::vector<std::vector<Pt>>& loops, Pt p) const {
    int crossings = 0;
    for (const auto& loop : loops)
        crossings += InsidePolygon(loop, p) ? 1 : 0;
    return crossings % 2 == 1;
}

double TPiece::Clearance(const std::vector<std::vector<Pt>>& loops, Pt p) const {
    double best = 1e9;
    for (const auto& loop : loops)
        for (size_t i = 0; i < loop.size(); ++i)
            best = std::min(best, DistanceToSegment(p, loop[i], loop[(i + 1) % loop.size()]));
    return best;
}

void TPiece::Shift(Pt d) {
    for (TEdge& e : edges_)
        for (Pt& p : e.Points)
            p = p + d;
    for (TMark& m : marks_) {
        m.A = m.A + d;
        m.B = m.B + d;
    }
}

void TPiece::FindSeed(const std::vector<std::vector<Pt>>& loops) {
    double best = -1;
    const double step = std::max(1.0, std::max(sizeX_, sizeY_) / double(kSeedSteps));
    for (double y = 1; y < sizeY_; y += step)
        for (double x = 1; x < sizeX_; x += step) {
            const Pt p = Rounded({x, y});
            if (!Inside(loops, p))
                continue;
            const double c = Clearance(loops, p);
            if (c > best) {
                best = c;
                seed_ = p;
            }
        }
    if (best < 1)
        throw std::logic_error(name_ + ": no room for a fill seed");
}

void TPiece::AddGrain(const std::vector<std::vector<Pt>>& loops) {
    // The arrow runs through the seed across the inside of the piece, over its middle 60 %.
    const Pt dir = grainAcross_ ? Pt{1, 0} : Pt{0, 1};
    double lo = 0, hi = 0;
    while (Inside(loops, seed_ + dir * (lo - 1)))
        lo -= 1;
    while (Inside(loops, seed_ + dir * (hi + 1)))
        hi += 1;
    const double span = hi - lo;
    marks_.push_back({"NIT", Rounded(seed_ + dir * (lo + span * 0.2)), Rounded(seed_ + dir * (lo + span * 0.8)), {}, {}});
}

void TPiece::AddStitchLines(const std::vector<std::vector<Pt>>& loops) {
    // Each chord of the edge moves inwards by the inset; the ends are cut back by the inset so
    // that the line stops where the crossing seam lines run.
    for (const TEdge& e : edges_) {
        if (e.StitchAt <= 0 || e.Kind == EdgeKind::Ellipse)
            continue;
        const bool straight = e.Points.size() == 2;
        const std::vector<Pt> line = Flatten(e.Points, straight ? 1 : 48);
        const double total = CurveLength(e.Points);
        if (total < 3 * e.StitchAt)
            continue;
        auto normal = [&](size_t i) {
            const Pt d = line[std::min(i + 1, line.size() - 1)] - line[i == 0 ? 0 : i - 1];
            const double len = std::hypot(d.x, d.y);
            return Pt{-d.y / len, d.x / len};
        };
        const size_t mid = line.size() / 2;
        const Pt probe = straight ? (line[0] + line[1]) * 0.5 : line[mid];
        const double sign = Inside(loops, probe + normal(straight ? 0 : mid) * 1.0) ? 1 : -1;
        std::vector<Pt> moved;
        if (straight) {
            const Pt d = (line[1] - line[0]) * (e.StitchAt / total);
            moved = {line[0] + d + normal(0) * (sign * e.StitchAt), line[1] - d + normal(0) * (sign * e.StitchAt)};
        } else {
            // Points closer than the inset to either end (along the edge) are left out; the rest
            // is thinned to a few chords.
            double along = 0;
            for (size_t i = 0; i < line.size(); ++i) {
                if (i > 0)
                    along += Distance(line[i - 1], line[i]);
                const bool inRange = along >= e.StitchAt && along <= total - e.StitchAt;
                if (inRange && (moved.empty() || i % 8 == 0 || along + Distance(line[i], line[std::min(i + 1, line.size() - 1)]) > total - e.StitchAt))
                    moved.push_back(line[i] + normal(i) * (sign * e.StitchAt));
            }
            if (moved.size() < 2)
                continue;
        }
        for (size_t i = 1; i < moved.size(); ++i)
            marks_.push_back({"LINES", Rounded(moved[i - 1]), Rounded(moved[i]), {}, {}});
    }
}

void TPiece::AddCaptions() {
    // The caption prints one word a line (about 4 mm each at the pattern font's size), the
    // cutting note below it; strips carry them under their arrow.
    const Pt at = seed_ + (grainAcross_ ? Pt{2, 1.5} : Pt{2, -6});
    marks_.push_back({"TEXT", Rounded(at), {}, "*", {}});
    if (count_ > 1 || HasFold()) {
        std::string cut = "крой_" + std::to_string(count_) + (count_ == 1 ? "_деталь" : count_ < 5 ? "_детали" : "_деталей");
        if (HasFold())
            cut += "*на_сгибе";
        const double lines = 1 + double(std::count(name_.begin(), name_.end(), ' '));
        marks_.push_back({"TEXT", Rounded(at + Pt{0, 4.5 * lines + 1}), {}, cut, {}});
    }
}

void TPiece::Finish() {
    if (open_ && !(current_ == start_))
        throw std::logic_error(name_ + ": the outline is not closed");
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const auto& loop : Outlines())
        for (Pt p : loop) {
            minX = std::min(minX, p.x), minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
        }
    Shift({kMargin - std::floor(minX), kMargin - std::floor(minY)});
    sizeX_ = int(std::ceil(maxX) - std::floor(minX) + 2 * kMargin);
    sizeY_ = int(std::ceil(maxY) - std::floor(minY) + 2 * kMargin);
    const auto loops = Outlines();
    AddStitchLines(loops);
    FindSeed(loops);
    AddGrain(loops);
    AddCaptions();
}

std::vector<std::string> TPiece::Lines(int x0, int y0) const {
    std::vector<std::string> out;
    out.push_back(prefix_ + name_ + "(" + std::to_string(x0) + "," + std::to_string(y0) + "," +
                  std::to_string(sizeX_) + "," + std::to_string(sizeY_) + ")");
    out.push_back("{");
    for (const TEdge& e : edges_) {
        std::string line;
        if (e.Kind == EdgeKind::Ellipse)
            line = "Ellipse" + PointText(e.Points[0]) + " " + PointText(e.Points[1]);
        else if (e.Kind == EdgeKind::Fold)
            line = "LINESG" + PointText(e.Points[0]) + " " + PointText(e.Points[1]);
        else if (e.Points.size() == 2)
            line = "LINE" + PointText(e.Points[0]) + " " + PointText(e.Points[1]);
        else {
            line = "ARC";
            for (size_t i = 0; i < e.Points.size(); ++i)
                line += (i ? " " : "") + PointText(e.Points[i]);
        }
        out.push_back(line);
        AppendSeams(out, e.Seams);
    }
    for (const TMark& m : marks_) {
        if (m.Keyword == "TEXT")
            out.push_back("TEXT" + PointText(m.A) + " " + m.Text);
        else
            out.push_back(m.Keyword + PointText(m.A) + " " + PointText(m.B));
        AppendSeams(out, m.Seams);
    }
    out.push_back("POINTFILL" + PointText(seed_));
    out.push_back("}");
    return out;
}

} // namespace gen
