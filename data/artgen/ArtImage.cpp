#include "data/artgen/ArtImage.h"

#include <QImageWriter>

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace art {
namespace {

void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

QRgb Decide(QRgb argb) {
    if (qAlpha(argb) < 128)
        return kTransparentWhite;
    QRgb rgb = qRgb(qRed(argb), qGreen(argb), qBlue(argb));
    return rgb == kTransparentWhite ? qRgb(254, 254, 254) : rgb;
}

} // namespace

QImage NewLayer(int width, int height) {
    QImage layer(width, height, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    return layer;
}

QImage NewOpaque(int width, int height, QColor fill) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(fill);
    return picture;
}

QImage Flatten(const QImage& layer) {
    QImage source = layer.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            dst[x] = Decide(in[x]);
    }
    return out;
}

void StampHard(QImage& target, const QImage& layer, int x, int y) {
    QImage source = layer.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < source.height(); ++row) {
        int ty = y + row;
        if (ty < 0 || ty >= target.height())
            continue;
        auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int col = 0; col < source.width(); ++col) {
            int tx = x + col;
            if (tx < 0 || tx >= target.width() || qAlpha(in[col]) < 128)
                continue;
            target.setPixel(tx, ty, Decide(in[col]));
        }
    }
}

void RemovePureWhite(QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) | 0xFF000000u) == kTransparentWhite)
                picture.setPixel(x, y, qRgb(254, 254, 254));
}

void SaveBmp24(const QImage& picture, const std::filesystem::path& path) {
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const uint32_t width = uint32_t(rgb.width()), height = uint32_t(rgb.height());
    const uint32_t stride = (width * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * height;
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, 54 + imageSize);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, width);
    PutLe32(out, height);
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0);
    PutLe32(out, imageSize);
    PutLe32(out, 3780); // 96 dpi
    PutLe32(out, 3780);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (int y = int(height) - 1; y >= 0; --y) {
        auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (uint32_t x = 0; x < width; ++x) {
            out.push_back(uint8_t(qBlue(line[x])));
            out.push_back(uint8_t(qGreen(line[x])));
            out.push_back(uint8_t(qRed(line[x])));
        }
        for (uint32_t pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

void SaveJpeg(const QImage& picture, const std::filesystem::path& path, int quality) {
    QImageWriter writer(QString::fromStdString(path.string()), "jpeg");
    writer.setQuality(quality);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
        throw std::runtime_error("cannot write " + path.string() + ": " +
                                 writer.errorString().toStdString());
}

} // namespace art
