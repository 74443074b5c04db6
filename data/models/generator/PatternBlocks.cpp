// The basic shapes of the wardrobe.
#include "PatternBlocks.h"

#include "DollMeasures.h"

#include <algorithm>
#include <cmath>

namespace gen {

namespace {

// The velcro strip along a centre extension.
void CentreVelcro(TPiece& p, double cx, double ext, double top, double bottom) {
    if (ext >= 6)
        p.Velcro({cx + 1.5, top}, {cx + ext - 1.5, bottom});
}

} // namespace

double ArmholeLength(const TTopSpec& s) {
    return Distance({std::round(s.ShoulderX), std::round(s.ShoulderDrop)}, {std::round(s.ChestX), std::round(s.ArmY)});
}

TPiece TopHalf(const TTopSpec& s) {
    TPiece p(s.Name, s.Count);
    const char side = s.Front ? 'A' : 'B';
    const bool cutCentre = s.CentreExt >= 0;
    const double cx = cutCentre ? -s.CentreExt : 0;
    p.From({0, s.NeckDepth});
    p.Curve({{s.NeckW * 0.55, s.NeckDepth}, {s.NeckW, s.NeckDepth * 0.45}, {s.NeckW, 0}});
    if (s.NeckSeam)
        p.Seam("neck", 'A', 2, -3);
    else
        p.Sewn(3);
    p.Line({s.ShoulderX, s.ShoulderDrop}).Seam("shoulder", side);
    if (s.Sleeveless)
        p.Curve({{s.ShoulderX - 1, s.ArmY * 0.55}, {s.ChestX - 7, s.ArmY}, {s.ChestX, s.ArmY}}).Sewn(3);
    else
        p.Line({s.ChestX, s.ArmY}).Seam("armhole", 'A');
    if (s.WaistY > 0)
        p.Line({s.WaistX, s.WaistY}).Seam("side", side);
    p.Line({s.HemX, s.Length}).Seam("side", side);
    p.Line({cx, s.Length});
    if (s.HemWaistSeam) {
        // On the seam line the waist ends at the side seam and at the centre back line (an
        // overlap reaches beyond it; a plain centre seam takes its allowance).
        const double centre = cutCentre ? (s.CentreExt > 0 ? s.CentreExt : 3) : 0;
        p.Seam("waist", 'A', 2, -3 - centre);
    }
    else
        p.Sewn(doll::Hem);
    if (cutCentre) {
        p.Line({cx, s.NeckDepth}).Sewn(3);
        if (cx != 0) {
            p.Line({0, s.NeckDepth});
            if (s.NeckSeam)
                p.Seam("neck", 'A', 2, -3); // the front edge takes its allowance
        }
        CentreVelcro(p, cx, s.CentreExt, s.NeckDepth + 3, std::min(s.Length - 6, s.NeckDepth + 45));
    } else {
        p.Fold({0, s.NeckDepth});
    }
    return p;
}

TPiece SleeveHalf(const std::string& name, double top, double length, double endHalf) {
    TPiece p(name, 2);
    p.From({0, 0}).Line({top, 0}).Seam("armhole", 'B', 2);
    p.Line({endHalf, length}).Sewn(3);
    p.Line({0, length}).Sewn(doll::Hem);
    p.Fold({0, 0});
    return p;
}

TPiece SkirtHalf(const TSkirtSpec& s) {
    TPiece p(s.Name, s.Count);
    const char side = s.Front ? 'A' : 'B';
    const bool cutCentre = s.CentreExt >= 0;
    const double cx = cutCentre ? -s.CentreExt : 0;
    // The waist edge loses a seam allowance at every sewn end before the band goes on.
    p.From({cx, 0}).Line({s.WaistX, 0}).Seam("waist", 'A', 2, cutCentre ? -6 : -3);
    p.Curve({{s.WaistX + (s.HipX - s.WaistX) * 0.35, s.HipY * 0.35}, {s.HipX, s.HipY * 0.55}, {s.HipX, s.HipY}})
        .Seam("side", side);
    p.Line({s.HemX, s.Length}).Seam("side", side);
    const double rise = s.Flared ? std::max(2.0, (s.HemX - s.HipX) * 0.25) : 0;
    if (rise > 0)
        p.Curve({{(s.HemX + cx) * 0.55, s.Length + rise}, {cx, s.Length + rise}}).Sewn(doll::Hem);
    else
        p.Line({cx, s.Length}).Sewn(doll::Hem);
    if (cutCentre)
        p.Line({cx, 0}).Sewn(3);
    else
        p.Fold({cx, 0});
    return p;
}

namespace {

// How many copies of a piece the garment holds: every cut copy, doubled when cut on the fold.
int Copies(const TRingPart& part) { return part.Count * (part.Fold ? 2 : 1); }

TPiece RingAt(const TRingPart& part, double rs, Pt shift, double width, const std::string& innerSeam, char side) {
    const double r = rs - 3, R = rs + width + doll::Hem;
    const Pt c{R + shift.x, shift.y};
    TPiece p(part.Name, part.Count);
    auto arc = [&](double radius, int quadrant, bool reverse) {
        auto pts = QuarterArc(c, radius, radius, quadrant, reverse);
        return std::vector<Pt>(pts.begin() + 1, pts.end());
    };
    const double angle = part.Quarters * M_PI / 2;
    const Pt innerEnd{c.x + r * std::cos(angle), c.y + r * std::sin(angle)};
    p.From({c.x + R, c.y});
    for (int q = 0; q < part.Quarters; ++q)
        p.Curve(arc(R, q, false)).Sewn(doll::Hem);
    if (part.Fold)
        p.Fold(innerEnd);
    else
        p.Line(innerEnd).Sewn(3);
    // The cut edge lies 3 mm nearer the centre than the seam line: the seam line is longer by
    // 3 pi / 2 on each quarter, less the 3 mm every cut radius takes at its end.
    for (int q = part.Quarters - 1; q >= 0; --q) {
        const double taken = (q == 0 ? 3 : 0) + (q == part.Quarters - 1 && !part.Fold ? 3 : 0);
        p.Curve(arc(r, q, true)).Seam(innerSeam, side, Copies(part), 3 * M_PI / 2 - taken);
    }
    p.Line({c.x + R, c.y}).Sewn(3);
    if (part.Velcro)
        p.Velcro({c.x + r + 4, c.y + 1.5}, {c.x + r + 12, c.y + 7});
    return p;
}

} // namespace

std::vector<TPiece> RingPieces(const std::vector<TRingPart>& parts, double innerTarget, double width,
                               const std::string& innerSeam, char side) {
    // Control points are whole millimetres, which bends small circles noticeably: the seam-line
    // radius is chosen among nearby values so that the rounded curves have the wanted length.
    double quarters = 0;
    for (const TRingPart& part : parts)
        quarters += part.Quarters * Copies(part);
    const double rs0 = innerTarget / (quarters * M_PI / 2);
    // Where the centre falls between whole millimetres changes the rounding as well.
    double best = 1e9, bestRs = rs0;
    Pt bestShift;
    for (double rs = std::max(5.0, rs0 - 2); rs <= rs0 + 6; rs += 0.05)
        for (int k = 0; k < 16; ++k) {
            const Pt shift{(k % 4) * 0.25, (k / 4) * 0.25};
            double total = 0;
            for (const TRingPart& part : parts) {
                const TPiece piece = RingAt(part, rs, shift, width, innerSeam, side);
                for (const TEdge& e : piece.Edges())
                    for (const TSeamMark& m : e.Seams)
                        total += m.Times * (e.Length() + m.Adjust);
            }
            if (std::abs(total - innerTarget) < best) {
                best = std::abs(total - innerTarget);
                bestRs = rs;
                bestShift = shift;
            }
        }
    std::vector<TPiece> pieces;
    for (const TRingPart& part : parts)
        pieces.push_back(RingAt(part, bestRs, bestShift, width, innerSeam, side));
    return pieces;
}

TPiece Band(const std::string& name, int count, double seamLen, double width, double extra,
            const std::string& seam, char side, int times) {
    const double a = 3, len = a + seamLen + extra + a, h = width + a;
    TPiece p(name, count);
    p.From({0, 0}).Fold({len, 0});
    p.Line({len, h}).Sewn(a);
    if (extra > 0)
        p.Line({a + seamLen, h});
    // The band's end allowances are not part of the seam it is sewn into.
    p.Line({0, h});
    if (seam.empty())
        p.Sewn(a);
    else
        p.Seam(seam, side, times, extra > 0 ? -a : -2 * a);
    p.Line({0, 0}).Sewn(a);
    if (extra >= 6)
        p.Velcro({a + seamLen + 1, 1.5}, {len - a - 1, width - 1});
    p.GrainAcross();
    return p;
}

TPiece TrouserHalf(const TTrouserSpec& s) {
    const double tw = (doll::Hip + 14) / 4 + 3; // four halves pull over the hips
    const double ce = 13, cd = s.Channel + doll::CrotchDepth + 3;
    TPiece p(s.Name, 2);
    p.From({0, 0}).Line({tw, 0}).Sewn(s.Channel);
    p.Line({tw, cd * 0.55}).Sewn(3);
    p.Curve({{tw, cd * 0.9}, {tw + ce * 0.4, cd}, {tw + ce, cd}}).Sewn(3);
    p.Line({s.HemX, s.Length}).Sewn(3);
    p.Line({0, s.Length});
    if (s.CuffSeam)
        p.Seam("cuff", 'A', 2, -3);
    else
        p.Sewn(doll::Hem);
    p.Fold({0, 0});
    return p;
}

TPiece KimonoHalf(const TKimonoSpec& s) {
    TPiece p(s.Name, s.Count);
    const char side = s.Front ? 'A' : 'B';
    const bool cutCentre = s.CentreExt >= 0, wrap = cutCentre && s.WrapNeckY > 0;
    const double cx = cutCentre ? -s.CentreExt : 0;
    const double under = s.SleeveDrop + s.SleeveW;
    if (wrap)
        p.From({cx, s.WrapNeckY}).Line({s.NeckW, 0}).Sewn(3);
    else
        p.From({0, s.NeckDepth}).Curve({{s.NeckW * 0.55, s.NeckDepth}, {s.NeckW, s.NeckDepth * 0.45}, {s.NeckW, 0}}).Sewn(3);
    p.Line({s.SleeveEnd, s.SleeveDrop}).Seam("top", side);
    p.Line({s.SleeveEnd, under}).Sewn(doll::Hem);
    p.Line({s.ChestX + 8, under}).Seam("under", side);
    p.Curve({{s.ChestX, under}, {s.ChestX, under + 8}}).Seam("under", side);
    p.Line({s.HemX, s.Length}).Seam("under", side);
    p.Line({cx, s.Length}).Sewn(doll::Hem);
    if (wrap) {
        p.Line({cx, s.WrapNeckY}).Sewn(3);
    } else if (cutCentre) {
        p.Line({cx, s.NeckDepth}).Sewn(3);
        if (cx != 0)
            p.Line({0, s.NeckDepth});
        CentreVelcro(p, cx, s.CentreExt, s.NeckDepth + 3, s.NeckDepth + 45);
    } else {
        p.Fold({0, s.NeckDepth});
    }
    return p;
}

} // namespace gen
