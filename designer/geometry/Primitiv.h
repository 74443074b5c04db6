// Drawing primitives of a pattern piece: points, the line, curve, ellipse, text and fill-seed
// kinds, their model-file lines, drawing on any Canvas under a scale and an offset, and the
// point-editing operations of a pattern editor.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace geom {

// Display mode of a pattern sheet; the numbers are stored by callers.
enum class TTypeShow { tsEdit = 0, tsContur = 1, tsFill = 2, tsUnVisible = 3 };

struct TXY {
    int32_t X = 0;
    int32_t Y = 0;
    bool Selected = false;
    std::string Text() const; // "(x,y)", "*(x,y)*" when selected
};

// "(x,y)" -> point; a non-integer part raises the integer-conversion error.
TXY ReadPoint(std::string_view word);

// Maximal runs of characters not in `delimiters`; no empty words.
std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters);

// Model units -> device pixels: offset + round(v * scale), kept far inside the int range so that
// coordinates near the 32-bit limits cannot overflow the rasteriser's arithmetic.
int MapCoord(int offset, int32_t value, double scale);

// The same for a scale given as the ratio num / den (den > 0): offset + round(v * num / den) in
// exact integers, the way printing scales a piece from its size in units to its size in pixels.
int MapCoordExact(int offset, int32_t value, int32_t num, int32_t den);

// Everything Draw needs besides the primitive itself.
struct TDrawParams {
    plat::Canvas* Canvas = nullptr;
    TTypeShow Mode = TTypeShow::tsContur;
    bool Detailed = false;
    int OffsetX = 0;
    int OffsetY = 0;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    // When a denominator is positive the axis maps exactly by round(v * Num / Den) instead of
    // through the precomputed Scale (printing: pixels / units of the piece).
    int32_t ScaleNumX = 0, ScaleDenX = 0;
    int32_t ScaleNumY = 0, ScaleDenY = 0;
    std::string PieceCaption;
    const plat::Bitmap* Skin = nullptr; // source of the glue-label glyph; none = no glyph
    std::string PatternFontName;        // face of the glue label
};

class TPrimitiv {
public:
    virtual ~TPrimitiv() = default;

    virtual void Draw(const TDrawParams& p) const = 0;
    virtual std::string GetText() const = 0;
    virtual bool SelectAt(int32_t x, int32_t y);
    bool MoveSelected(int32_t x, int32_t y);
    virtual bool InsertPointAt(int32_t, int32_t) { return false; }
    virtual bool Subdivide(int) { return false; }
    virtual bool DeletePointAt(int32_t, int32_t) { return false; }
    virtual std::unique_ptr<TPrimitiv> Clone() const = 0;
    virtual std::pair<TXY*, TXY*> GetEnds() = 0;
    virtual std::unique_ptr<TPrimitiv> Mirrored(const TXY& a, const TXY& b) const;
    void FlipY(int32_t h);
    void FlipX(int32_t w);
    void SwapXY();
    void Shift(int32_t dx, int32_t dy);
    void ScaleX(double k);
    void ScaleY(double k);
    virtual void SetText(std::string_view) {}
    virtual int32_t Width() const { return 1; }
    virtual int32_t Height() const { return 1; }
    virtual const TXY* FillPoint() const { return nullptr; }

    // Every point of the primitive, in its own order.
    virtual std::vector<TXY*> Points() = 0;
    std::vector<const TXY*> Points() const;

protected:
    void DrawHandles(const TDrawParams& p) const;
    void SetEditPen(const TDrawParams& p) const;
};

class TPrimLine : public TPrimitiv {
public:
    TXY P1, P2;
    TPrimLine() : P1{10, 10}, P2{20, 20} {}
    TPrimLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) : P1{x1, y1}, P2{x2, y2} {}
    void ReadText(std::string_view rest);

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override { return Keyword() + P1.Text() + " " + P2.Text(); }
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::pair<TXY*, TXY*> GetEnds() override { return {&P1, &P2}; }
    int32_t Width() const override;
    int32_t Height() const override;
    std::vector<TXY*> Points() override { return {&P1, &P2}; }

    virtual std::string Keyword() const { return "LINE"; }

protected:
    virtual std::unique_ptr<TPrimLine> NewSame() const { return std::make_unique<TPrimLine>(); }
    virtual bool DrawnInFill() const { return true; }
    virtual bool SolidKind() const { return true; }
    virtual void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const;
    void Segment(const TDrawParams& p, int x1, int y1, int x2, int y2) const;
};

class TPrimLineS : public TPrimLine {
public:
    using TPrimLine::TPrimLine;
    std::string Keyword() const override { return "LINES"; }

protected:
    std::unique_ptr<TPrimLine> NewSame() const override { return std::make_unique<TPrimLineS>(); }
    bool DrawnInFill() const override { return false; }
    bool SolidKind() const override { return false; }
    void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const override;
};

class TPrimLineSg : public TPrimLine {
public:
    using TPrimLine::TPrimLine;
    std::string Keyword() const override { return "LINESG"; }

protected:
    std::unique_ptr<TPrimLine> NewSame() const override { return std::make_unique<TPrimLineSg>(); }
    bool SolidKind() const override { return false; }
    void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const override;
};

class TPrimLineSp : public TPrimLine {
public:
    using TPrimLine::TPrimLine;
    std::string Keyword() const override { return "LINESP"; }

protected:
    std::unique_ptr<TPrimLine> NewSame() const override { return std::make_unique<TPrimLineSp>(); }
    bool DrawnInFill() const override { return false; }
    bool SolidKind() const override { return false; }
    void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const override;
    void DrawGlueLabel(const TDrawParams& p, int x1, int y1, int x2, int y2) const;
};

class TPrimNit : public TPrimLine {
public:
    using TPrimLine::TPrimLine;
    std::string Keyword() const override { return "NIT"; }

protected:
    std::unique_ptr<TPrimLine> NewSame() const override { return std::make_unique<TPrimNit>(); }
    bool DrawnInFill() const override { return false; }
    bool SolidKind() const override { return false; }
    void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const override;
};

class TPrimLip : public TPrimLine {
public:
    using TPrimLine::TPrimLine;
    std::string Keyword() const override { return "LIP"; }

protected:
    std::unique_ptr<TPrimLine> NewSame() const override { return std::make_unique<TPrimLip>(); }
    bool DrawnInFill() const override { return false; }
    bool SolidKind() const override { return false; }
    void DrawShape(const TDrawParams& p, int x1, int y1, int x2, int y2) const override;
};

class TPrimArc : public TPrimitiv {
public:
    static constexpr int kMaxCurvePoints = 101; // only these shape the curve
    static constexpr int kMaxPoints = 10000;    // a line with more is refused by the reader

    std::vector<TXY> Pts;
    TPrimArc() = default;
    explicit TPrimArc(std::vector<TXY> pts) : Pts(std::move(pts)) {}
    void ReadText(std::string_view rest); // fewer than two points is an error

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override;
    bool SelectAt(int32_t x, int32_t y) override;
    bool InsertPointAt(int32_t x, int32_t y) override;
    bool Subdivide(int n) override;
    bool DeletePointAt(int32_t x, int32_t y) override;
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::pair<TXY*, TXY*> GetEnds() override { return {&Pts.front(), &Pts.back()}; }
    std::vector<TXY*> Points() override;

    virtual std::string Keyword() const { return "ARC"; }

protected:
    virtual std::unique_ptr<TPrimArc> NewSame() const { return std::make_unique<TPrimArc>(); }
    void DrawCurve(const TDrawParams& p, int offsetX, int offsetY) const;
};

class TPrimArc2y : public TPrimArc {
public:
    using TPrimArc::TPrimArc;
    void Draw(const TDrawParams& p) const override;
    std::string Keyword() const override { return "ARC2Y"; }

protected:
    std::unique_ptr<TPrimArc> NewSame() const override { return std::make_unique<TPrimArc2y>(); }
    virtual int CopyDx() const { return 0; }
    virtual int CopyDy() const { return 4; }
};

class TPrimArc2x : public TPrimArc2y {
public:
    using TPrimArc2y::TPrimArc2y;
    std::string Keyword() const override { return "ARC2X"; }

protected:
    std::unique_ptr<TPrimArc> NewSame() const override { return std::make_unique<TPrimArc2x>(); }
    int CopyDx() const override { return 4; }
    int CopyDy() const override { return 0; }
};

class TPrimText : public TPrimitiv {
public:
    TXY P1;
    std::string Caption;
    void ReadText(std::string_view rest);

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override { return "TEXT" + P1.Text() + " " + Caption; }
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::pair<TXY*, TXY*> GetEnds() override { return {&P1, &P1}; }
    void SetText(std::string_view s) override { Caption = s; }
    std::vector<TXY*> Points() override { return {&P1}; }
    // The label's lines as drawn: "*" splits lines, "_" is a blank.
    std::vector<std::string> Lines(std::string_view pieceCaption) const;
};

class TPrimPointFill : public TPrimitiv {
public:
    TXY P1;
    void ReadText(std::string_view rest);

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override { return "POINTFILL" + P1.Text(); }
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::unique_ptr<TPrimitiv> Mirrored(const TXY&, const TXY&) const override { return nullptr; }
    std::pair<TXY*, TXY*> GetEnds() override { return {&P1, &P1}; }
    const TXY* FillPoint() const override { return &P1; }
    std::vector<TXY*> Points() override { return {&P1}; }
};

class TPrimEllipse : public TPrimitiv {
public:
    TXY P1, P2;
    void ReadText(std::string_view rest);

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override { return "Ellipse" + P1.Text() + " " + P2.Text(); }
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::pair<TXY*, TXY*> GetEnds() override { return {&P1, &P2}; }
    int32_t Width() const override;
    int32_t Height() const override;
    std::vector<TXY*> Points() override { return {&P1, &P2}; }
};

class TPrimEllipse2 : public TPrimitiv {
public:
    TXY P1, P2, P3, P4;
    int32_t Allowance = 0;
    void ReadText(std::string_view rest);

    void Draw(const TDrawParams& p) const override;
    std::string GetText() const override;
    std::unique_ptr<TPrimitiv> Clone() const override;
    std::pair<TXY*, TXY*> GetEnds() override { return {&P1, &P2}; }
    int32_t Width() const override;
    int32_t Height() const override;
    std::vector<TXY*> Points() override { return {&P1, &P2, &P3, &P4}; }
};

// One body line of a model file (already left-trimmed) -> its primitive; none for a line with
// an unknown keyword. Keywords are matched case-insensitively, longer ones first.
std::unique_ptr<TPrimitiv> PrimitiveFromLine(std::string_view line);

} // namespace geom
