#include "platform/print/PrintDevice.h"

#include "platform/core/Numeric.h"

namespace plat {

PageFormat PageFormat::FromMillimetres(double widthMm, double heightMm, int pixelsPerInch, int bitsPerPixel) {
    PageFormat format;
    format.Width = Round(widthMm * pixelsPerInch / 25.4);
    format.Height = Round(heightMm * pixelsPerInch / 25.4);
    format.WidthMm = widthMm;
    format.HeightMm = heightMm;
    format.PixelsPerInchX = pixelsPerInch;
    format.PixelsPerInchY = pixelsPerInch;
    format.BitsPerPixel = bitsPerPixel;
    return format;
}

} // namespace plat
