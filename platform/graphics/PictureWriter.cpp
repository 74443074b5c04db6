// PNG output through Qt's image writer.
#include "platform/graphics/PictureWriter.h"

#include <QImage>
#include <QString>

namespace plat {

bool SavePng(const Bitmap& bitmap, const std::string& hostPath) {
    if (bitmap.Empty())
        return false;
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.GetPixel(x, y);
            row[x] = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
    }
    return image.save(QString::fromStdString(hostPath), "PNG");
}

} // namespace plat
