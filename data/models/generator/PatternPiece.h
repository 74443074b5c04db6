// One pattern piece as the generator builds it: a closed outline of cutting and fold edges (or
// ellipses), the seams its edges belong to, and the marks a child needs (stitch, glue and
// fastener lines, grain arrow, caption, fill seed). Written as the body of a model file.
#pragma once

#include "PatternMath.h"

#include <string>
#include <vector>

namespace gen {

enum class EdgeKind { Cut, Fold, Ellipse };

// An edge that belongs to a seam: the sum of the lengths on side 'A' (each times `Times`, for
// pieces cut more than once or on the fold) equals the sum on side 'B'.
// `Adjust` turns the cut edge's length into the length along the seam line where they differ
// (allowances at the ends of a band, a circle cut smaller than its seam line).
struct TSeamMark {
    std::string Name;
    char Side = 'A';
    int Times = 1;
    double Adjust = 0;
};

struct TEdge {
    EdgeKind Kind = EdgeKind::Cut;
    std::vector<Pt> Points; // ARC control points, two for a line, the box for an ellipse
    std::vector<TSeamMark> Seams;
    double StitchAt = 0; // distance of the stitch line inside this edge; 0 = none
    double Length() const;
};

struct TMark {
    std::string Keyword; // LINES, LINESP, LIP, NIT, TEXT
    Pt A, B;
    std::string Text; // TEXT only, UTF-8, one word ("_" for blanks, "*" for line breaks)
    std::vector<TSeamMark> Seams;
};

// What the picture painter needs to know about a piece.
struct TPieceLook {
    std::string View = "front+back"; // front, back, front+back, none (hidden under other pieces)
    std::string Part;                // body, sleeve, band, collar, hood, sole, ...
    std::string Group;               // pieces of one group are always painted together
};

class TPiece {
public:
    // `name` is UTF-8; `prefix` is the scaling prefix ("!x", "!y", "!r" or empty); `count` is how
    // many times the piece is cut.
    TPiece(std::string name, int count, std::string prefix = "");

    TPiece& From(Pt p);
    TPiece& Line(Pt to);
    TPiece& Fold(Pt to);
    TPiece& Curve(std::vector<Pt> controlsAndEnd); // the current point is the first control point
    TPiece& Ellipse(Pt centre, double width, double height);
    // Marks the edge added last as part of a seam.
    TPiece& Seam(const std::string& name, char side, int times = 1, double adjust = 0);
    // Draws the stitch line `inset` mm inside the edge added last (a seam or a hem).
    TPiece& Sewn(double inset = 3);
    // Raw-edged pieces (felt, fleece, glued) get no stitch lines from Seam.
    TPiece& Raw();
    // Marks a glue line added last (LINESP) as part of a seam.
    TPiece& GlueSeam(const std::string& name, char side, int times = 1);

    TPiece& Stitch(Pt a, Pt b);
    TPiece& Glue(Pt a, Pt b);
    TPiece& Velcro(Pt a, Pt b);
    TPiece& Note(Pt at, const std::string& word);
    TPiece& GrainAcross(); // the grain runs along X (strips, bands)
    TPiece& Look(std::string view, std::string part, std::string group = "");

    // Rounds, moves the outline to a 2 mm margin inside its box, finds the fill seed and adds the
    // grain arrow and captions. Throws when the outline is not closed.
    void Finish();

    const std::string& Name() const { return name_; }
    const std::string& Prefix() const { return prefix_; }
    int Count() const { return count_; }
    const std::vector<TEdge>& Edges() const { return edges_; }
    const std::vector<TMark>& Marks() const { return marks_; }
    const TPieceLook& GetLook() const { return look_; }
    int SizeX() const { return sizeX_; }
    int SizeY() const { return sizeY_; }
    Pt Seed() const { return seed_; }
    bool HasFold() const;
    // Header and body lines in UTF-8, the header placed at (x0, y0) of the sheet.
    std::vector<std::string> Lines(int x0, int y0) const;

private:
    std::vector<std::vector<Pt>> Outlines() const; // flattened loops for inside tests
    bool Inside(const std::vector<std::vector<Pt>>& loops, Pt p) const;
    double Clearance(const std::vector<std::vector<Pt>>& loops, Pt p) const;
    void FindSeed(const std::vector<std::vector<Pt>>& loops);
    void AddGrain(const std::vector<std::vector<Pt>>& loops);
    void AddCaptions();
    void AddStitchLines(const std::vector<std::vector<Pt>>& loops);
    void Shift(Pt d);

    std::string name_, prefix_;
    int count_ = 1;
    std::vector<TEdge> edges_;
    std::vector<TMark> marks_;
    TPieceLook look_;
    Pt start_, current_;
    bool open_ = false, grainAcross_ = false, raw_ = false;
    int sizeX_ = 0, sizeY_ = 0;
    Pt seed_;
};

// Rounding as the designer rounds: to nearest, halves to even.
double RoundHalfEven(double v);
std::string PointText(Pt p);

} // namespace gen
