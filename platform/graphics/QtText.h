// Text through Qt on our bitmaps: the QFont of a TFont, text metrics, and drawing straight onto a
// Bitmap's pixels (wrapped, not copied, as a QImage of format RGB32). Shared by the canvases;
// the rest of the program never sees Qt.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QFont>
#include <string_view>

namespace plat {

// The font of `font` at `pixelHeight` pixels (the em height, as a negative height asks of the
// platform), its face resolved through the font registry. Glyphs are antialiased only when
// font.Quality is Antialiased; kerning is off, so a text's width is the sum of its characters'.
QFont MakeQFont(const TFont& font, int pixelHeight);

// Width of the text (cp1251) and height of its cell (ascent + descent), in pixels.
int QtTextWidth(const TFont& font, int pixelHeight, std::string_view text);
int QtTextHeight(const TFont& font, int pixelHeight);

struct TextBackground {
    BkMode Mode = BkMode::Transparent;
    TColor Color = clWhite;
};

// Draws the text (cp1251) with the top-left of its cell at (x, y), turned counter-clockwise by
// font.Escapement tenths of a degree about that point; an opaque background fills the cell first.
void QtDrawText(Bitmap& target, int x, int y, std::string_view text, const TFont& font, int pixelHeight,
                const TextBackground& background);

} // namespace plat
