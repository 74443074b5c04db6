// The one drawing interface of the system, shaped after the calls the designer and the installer
// make: a pen, a brush and a font as current state, and drawing operations that use them.
// RasterCanvas draws on a Bitmap with our own rasteriser; PrintCanvas draws on a printer page.
//
// Pixel semantics shared by every implementation:
//  - LineTo draws from the pen position to (x, y) without the end pixel, and moves the pen there.
//  - Rectangle and Ellipse take a bounding box whose right and bottom edges are excluded; the
//    outline is drawn with the pen, the inside filled with the brush unless it is clear.
//  - Arc draws counter-clockwise (on screen, with Y down) on the ellipse of the box, from where the
//    radial to (x3, y3) crosses it to where the radial to (x4, y4) crosses it.
//  - FillRect fills with the brush, right and bottom edges excluded, without an outline.
//  - TextOut places the top-left of the text cell at (x, y) with no escapement; with an escapement
//    the text turns about that point, counter-clockwise for positive tenths of a degree.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

#include <string>
#include <string_view>

namespace plat {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };
enum class BkMode { Transparent, Opaque };
// How FloodFill stops: Border fills up to pixels of the given colour; Surface fills the
// connected pixels that have the given colour.
enum class FillStyle { Border, Surface };

// Raster operations with their platform codes, applied per pixel as dest := f(source, dest).
enum class RasterOp : uint32_t {
    SrcCopy = 0x00CC0020,    // source
    SrcAnd = 0x008800C6,     // source AND dest
    SrcPaint = 0x00EE0086,   // source OR dest
    MergePaint = 0x00BB0226, // (NOT source) OR dest
    NotSrcCopy = 0x00330008, // NOT source
    SrcInvert = 0x00660046,  // source XOR dest
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
};

struct TBrush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;
};

enum class FontQuality { Default, NonAntialiased, Antialiased };

struct TFont {
    std::string Name = "Sans"; // face name (cp1251)
    int Size = 10;             // points; the pixel height follows from the canvas's pixels per inch
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Escapement = 0; // tenths of a degree, counter-clockwise
    FontQuality Quality = FontQuality::Default;
    bool operator==(const TFont&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    BkMode BackgroundMode = BkMode::Opaque;
    TColor BackgroundColor = clWhite; // behind text, and in the gaps of styled pens, in opaque mode
    RasterOp CopyMode = RasterOp::SrcCopy;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    virtual int BitsPerPixel() const = 0;

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    virtual void LineTo(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
    virtual TColor GetPixel(int x, int y) const = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void FillRect(const TRect& rect) = 0;
    // Fills with the brush from (x, y); a canvas without pixels to read (a printer) does nothing.
    virtual void FloodFill(int x, int y, TColor color, FillStyle style) = 0;

    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    // Pixel height of the current font on this canvas: round(|Font.Size| * PixelsPerInchY / 72),
    // halves to even, at least 1 and at most 4096. It is the em height; the text cell (TextHeight)
    // is a little taller.
    int FontPixelHeight() const;

    // Draws the bitmap with its top-left at (x, y), through CopyMode.
    virtual void Draw(int x, int y, const Bitmap& bitmap) = 0;
    // Stretches the bitmap onto the rectangle, colour on colour (rows and columns dropped or
    // repeated, no blending), through CopyMode.
    virtual void StretchDraw(const TRect& dest, const Bitmap& bitmap) = 0;
    // Copies (stretching when the sizes differ) the source rectangle of a bitmap onto the
    // destination rectangle with the raster operation.
    virtual void CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) = 0;

  protected:
    TPoint penPos_;
};

// Two-colour mask of a picture by white: white (0xFFFFFF) where the source is pure white, black
// everywhere else. The mask has the source's size, the palette {black, white} and 1 source bit
// per pixel.
Bitmap MakeWhiteMask(const Bitmap& source);

} // namespace plat
