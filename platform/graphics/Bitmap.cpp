#include "platform/graphics/Bitmap.h"

#include <algorithm>

namespace plat {

namespace {

bool SizeInRange(int width, int height) {
    if (width < 0 || height < 0 || width > Bitmap::kMaxSide || height > Bitmap::kMaxSide)
        return false;
    return static_cast<int64_t>(width) * height <= Bitmap::kMaxPixels;
}

} // namespace

Bitmap::Bitmap(int width, int height) {
    SetSize(width, height);
}

Bitmap::Bitmap(int width, int height, Uninitialized)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

bool Bitmap::SetSize(int width, int height) {
    if (!SizeInRange(width, height)) {
        Clear();
        return false;
    }
    if (width == width_ && height == height_)
        return true;
    decltype(pixels_) pixels(static_cast<size_t>(width) * height, PixelOf(clWhite));
    const int keepW = std::min(width, width_);
    const int keepH = std::min(height, height_);
    for (int y = 0; y < keepH; ++y)
        std::copy_n(Row(y), keepW, pixels.data() + static_cast<size_t>(y) * width);
    pixels_ = std::move(pixels);
    width_ = width;
    height_ = height;
    return true;
}

void Bitmap::Clear() {
    width_ = height_ = 0;
    pixels_.clear();
    palette_.clear();
    sourceBpp_ = 32;
}

TColor Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return clWhite;
    return ColorOf(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Row(y)[x] = PixelOf(color);
}

} // namespace plat
