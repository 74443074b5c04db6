// The installer's backdrop: the vertical gradient between the script's two colours (also the
// parameter editor's preview), and which background picture the screen width asks for.
#pragma once

#include "platform/graphics/Canvas.h"

#include <string>

namespace setup {

// Fills `rect` in bands: B = min(255, height) bands (at least 2) of height / B rows; band i has
// each channel at top + (bottom - top) * i / (B - 1); rows left over at the bottom take `bottom`.
void PaintGradient(plat::Canvas& canvas, const plat::TRect& rect, plat::TColor top, plat::TColor bottom);

// "back<width>.bmp" below 1024 pixels, "back1024.bmp" from 1024 up.
std::string BackgroundFileFor(int screenWidth);

} // namespace setup
