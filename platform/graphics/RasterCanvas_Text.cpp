// RasterCanvas's text: drawn by Qt straight onto the canvas's bitmap (QtText.h).
#include "platform/graphics/QtText.h"
#include "platform/graphics/RasterCanvas.h"

namespace plat {

void RasterCanvas::TextOut(int x, int y, std::string_view text) {
    QtDrawText(target_, x, y, text, Font, FontPixelHeight(), TextBackground{BackgroundMode, BackgroundColor});
}

int RasterCanvas::TextWidth(std::string_view text) {
    return QtTextWidth(Font, FontPixelHeight(), text);
}

int RasterCanvas::TextHeight(std::string_view text) {
    return QtTextHeight(Font, FontPixelHeight());
}

} // namespace plat
