// The skinned hint window's geometry and glow, without a window: where the hint goes on screen,
// the blue elliptic glow over the captured backdrop, the rectangle its text is written in, and the
// word wrapping of that text.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

#include <string>
#include <vector>

// Target colour of the glow (red 72, green 83, blue 186) and the hint text colour.
constexpr plat::TColor kHintGlowColor = plat::RGB(72, 83, 186);
constexpr plat::TColor kHintTextColor = plat::RGB(255, 224, 0);

// The hint's rectangle for a requested one: kept on screen, and moved above the mouse when pushed
// up from the bottom into the mouse's row.
plat::TRect PlaceHint(const plat::TRect& requested, int screenWidth, int screenHeight, int cursorY);

// Moves every pixel of `backdrop` toward the glow colour by the ellipse's weight at that pixel.
void PaintHintGlow(plat::Bitmap& backdrop);

// The rectangle the text is written in, inside a hint of the given size.
plat::TRect HintTextRect(int width, int height);

// `text` broken into lines no wider than `width` in the canvas's font: at line breaks (CR LF or
// LF) and between words; a word wider than `width` keeps a line of its own.
std::vector<std::string> WrapHintText(plat::Canvas& canvas, const std::string& text, int width);

// Point size of the hint font: 24 at 96 pixels per inch, 20 otherwise.
int HintFontSize(int pixelsPerInch);
