// The Canvas of a printer page: every call becomes vector drawing in the printer's device pixels at
// its resolution, so lines, curves and text stay sharp on paper and sizes computed from the
// resolution come out true (709 x 1063 pixels at 300 dpi measure 60 x 90 mm).
//
// How the shared pixel semantics of Canvas.h map onto vectors: an integer coordinate names a
// device pixel, strokes run through pixel centres (x + 0.5, y + 0.5) and fills cover whole pixels,
// so a Rectangle with a one-pixel pen covers exactly its box. A pen of width 0 or 1 is one device
// pixel with flat ends; a line of it runs from the near edge of its first pixel to the near edge
// of its end pixel, so the end pixel stays out. Wider pens have round ends and joins centred on
// the points. Pen styles apply to one-pixel pens only (wider pens draw solid, as on screen); their
// dash lengths are the screen's at 96 dpi, scaled by the printer's resolution so that they look on
// paper as they do on screen. Fonts resolve through the font registry as on screen, sized by
// FontPixelHeight() at the printer's resolution; text stays text (outline fonts, embedded).
//
// What a printer cannot do: there are no pixels to read, so GetPixel gives white and FloodFill
// does nothing. Bitmaps are placed as images; the raster operations other than copy cannot read
// the page, so each one draws the source over the page with the source pixels that leave the
// destination unchanged made transparent: white ones for SrcAnd, black ones for SrcPaint and
// SrcInvert, white ones (drawn inverted) for MergePaint. That is exact for black and white sources
// (except SrcInvert, which paints instead of inverting) and for the mask-then-picture idiom (SrcAnd
// a mask, then SrcPaint the picture on black). NotSrcCopy draws the inverted source; Blackness and
// Whiteness fill the destination.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/print/PrintDevice.h"

namespace plat {

struct PagePainter;

class PrintCanvas : public Canvas {
  public:
    // Draws through `painter` (owned by the print job, null for none) on a page of `format`. A
    // canvas without a painter measures text for the printer and draws nothing: it is what the
    // printer offers between documents.
    PrintCanvas(const PageFormat& format, PagePainter* painter);

    const PageFormat& Format() const { return format_; }

    int Width() const override { return format_.Width; }
    int Height() const override { return format_.Height; }
    int PixelsPerInchX() const override { return format_.PixelsPerInchX; }
    int PixelsPerInchY() const override { return format_.PixelsPerInchY; }
    int BitsPerPixel() const override { return format_.BitsPerPixel; }

    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;
    TColor GetPixel(int x, int y) const override { return clWhite; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const TRect& rect) override;
    void FloodFill(int x, int y, TColor color, FillStyle style) override {}

    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

    void Draw(int x, int y, const Bitmap& bitmap) override;
    void StretchDraw(const TRect& dest, const Bitmap& bitmap) override;
    void CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) override;

  private:
    PageFormat format_;
    PagePainter* painter_;
};

} // namespace plat
