// RasterCanvas: pixels, fills and copies. The shapes are in RasterCanvas_Shapes.cpp, the text in
// RasterCanvas_Text.cpp.
#include "platform/graphics/RasterCanvas.h"

#include "platform/graphics/FloodFill.h"
#include "platform/graphics/Spans.h"
#include "platform/graphics/StretchBlit.h"

#include <cstdint>

namespace plat {

RasterCanvas::RasterCanvas(Bitmap& target, int pixelsPerInch) : target_(target), ppi_(pixelsPerInch) {}

void RasterCanvas::SetPixel(int x, int y, TColor color) {
    target_.SetPixel(x, y, color);
}

TColor RasterCanvas::GetPixel(int x, int y) const {
    return target_.GetPixel(x, y);
}

void RasterCanvas::FillRect(const TRect& rect) {
    if (Brush.Style == BrushStyle::Clear)
        return;
    const raster::Box box{rect.Left, rect.Top, rect.Right, rect.Bottom};
    if (box.Empty())
        return;
    raster::FillBox(target_, box, PixelOf(Brush.Color));
}

void RasterCanvas::FloodFill(int x, int y, TColor color, FillStyle style) {
    if (Brush.Style == BrushStyle::Clear)
        return;
    raster::SeedFill(target_, x, y, color, style, Brush.Color);
}

void RasterCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    const int64_t right = int64_t(x) + bitmap.Width();
    const int64_t bottom = int64_t(y) + bitmap.Height();
    if (right > INT32_MAX || bottom > INT32_MAX)
        return; // starts past the far edge of the int range: nothing of it can be on the bitmap
    CopyRect(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap,
             Rect(0, 0, bitmap.Width(), bitmap.Height()), CopyMode);
}

void RasterCanvas::StretchDraw(const TRect& dest, const Bitmap& bitmap) {
    CopyRect(dest, bitmap, Rect(0, 0, bitmap.Width(), bitmap.Height()), CopyMode);
}

void RasterCanvas::CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) {
    if (&source == &target_) {
        const Bitmap copy = source; // rows would be overwritten before they are read
        return raster::StretchBlit(target_, dest, copy, sourceRect, op);
    }
    raster::StretchBlit(target_, dest, source, sourceRect, op);
}

} // namespace plat
