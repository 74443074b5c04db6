#include "setup/wizard/Backdrop.h"

#include <algorithm>

namespace setup {

namespace {
uint8_t Channel(int top, int bottom, int band, int bands) {
    return static_cast<uint8_t>(top + (bottom - top) * band / (bands - 1));
}
} // namespace

void PaintGradient(plat::Canvas& canvas, const plat::TRect& rect, plat::TColor top, plat::TColor bottom) {
    const int height = rect.Height();
    if (height <= 0)
        return;
    const int bands = std::max(2, std::min(255, height));
    const int rows = height / bands;
    canvas.Brush.Style = plat::BrushStyle::Solid;
    for (int i = 0; i < bands && rows > 0; ++i) {
        canvas.Brush.Color = plat::RGB(Channel(plat::GetRValue(top), plat::GetRValue(bottom), i, bands),
                                       Channel(plat::GetGValue(top), plat::GetGValue(bottom), i, bands),
                                       Channel(plat::GetBValue(top), plat::GetBValue(bottom), i, bands));
        canvas.FillRect(plat::Rect(rect.Left, rect.Top + i * rows, rect.Right, rect.Top + (i + 1) * rows));
    }
    if (rows * bands < height) {
        canvas.Brush.Color = bottom;
        canvas.FillRect(plat::Rect(rect.Left, rect.Top + rows * bands, rect.Right, rect.Bottom));
    }
}

std::string BackgroundFileFor(int screenWidth) {
    return screenWidth < 1024 ? "back" + std::to_string(screenWidth) + ".bmp" : "back1024.bmp";
}

} // namespace setup
