// A Canvas on a Bitmap, drawn by our own rasteriser so that every shape is exact, deterministic
// and symmetric: outlines are 8-connected and close, so a 4-connected flood fill inside a region
// bounded by lines, arcs and ellipses never leaks. Text goes through Qt onto the same pixels.
// Nothing is ever drawn outside the bitmap, whatever the coordinates (the whole int range is
// accepted; only the visible part of a shape costs time).
//
// Pixel semantics (beyond those of Canvas.h):
//  - Pens: widths below 1 draw 1 pixel wide; widths above kMaxPenWidth draw kMaxPenWidth wide.
//    A pen of width w is centred on the one-pixel path: it reaches w / 2 pixels outward and
//    (w - 1) / 2 inward, so shapes stay symmetric about their box. Lines stamp a round pen tip
//    at each pixel of the path. Styled pens (dash, dot, ...) apply to width 1 only; the pattern
//    runs along the outline (see PenPattern.h), continues from one LineTo to the next when a line
//    starts where the previous one ended, and its gaps take BackgroundColor in opaque mode.
//  - Rectangle(x1, y1, x2, y2): the corners in any order; the outline runs along the pixels
//    x1 .. x2 - 1 and y1 .. y2 - 1, the brush fills inside it; a clear pen lets the brush fill
//    the whole box. An empty box draws nothing.
//  - Ellipse: the same box rules; the shape is described in EllipseRasterizer.h. The brush fills
//    the pixels inside the outline (the whole shape with a clear pen).
//  - Arc: the part of the Ellipse outline from the start direction counter-clockwise to the end
//    direction, both ends included; equal directions draw the whole outline.
//  - FillRect: a rectangle with Right < Left or Bottom < Top is empty; a clear brush fills
//    nothing.
//  - FloodFill fills with the brush colour (a clear brush fills nothing), 4-connected.
//  - Draw, StretchDraw, CopyRect: each destination pixel takes the source pixel under its centre
//    (column floor((2 i + 1) * sourceWidth / (2 * destWidth)), rows alike); a negative width or
//    height of either rectangle mirrors the picture. Source pixels outside the source bitmap read
//    as white. The source may be the canvas's own bitmap.
//  - Text: see Canvas.h; the cell is ascent + descent high, opaque mode fills it with
//    BackgroundColor first; glyphs are not antialiased unless Font.Quality asks for it.
#pragma once

#include "platform/graphics/Canvas.h"

#include <cstdint>

namespace plat {

class RasterCanvas : public Canvas {
  public:
    // Wider pens are drawn this wide: a limit on the cost of a thick line (its pen tip is stamped
    // at every pixel), far above any width the program uses.
    static constexpr int kMaxPenWidth = 1024;

    // The canvas draws on `target`, which must outlive it; pixelsPerInch sets font sizes.
    explicit RasterCanvas(Bitmap& target, int pixelsPerInch = 96);

    Bitmap& Target() { return target_; }

    int Width() const override { return target_.Width(); }
    int Height() const override { return target_.Height(); }
    int PixelsPerInchX() const override { return ppi_; }
    int PixelsPerInchY() const override { return ppi_; }
    int BitsPerPixel() const override { return 32; }

    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;
    TColor GetPixel(int x, int y) const override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const TRect& rect) override;
    void FloodFill(int x, int y, TColor color, FillStyle style) override;

    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

    void Draw(int x, int y, const Bitmap& bitmap) override;
    void StretchDraw(const TRect& dest, const Bitmap& bitmap) override;
    void CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) override;

  private:
    int PenWidth() const;
    // Where the last styled line ended and how far into its pattern, so that the next LineTo
    // from that point continues the pattern.
    struct StyleTrail {
        bool Valid = false;
        TPoint End;
        PenStyle Style = PenStyle::Solid;
        int64_t Phase = 0;
    };

    Bitmap& target_;
    int ppi_;
    StyleTrail trail_;
};

} // namespace plat
