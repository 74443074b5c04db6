// A picture in memory: width x height pixels of 32 bits (0xFFRRGGBB, rows top-down, no padding)
// and an optional palette the picture was loaded with. Any size including 0 x 0 is legal; an
// empty bitmap draws nothing and reads as white.
#pragma once

#include "platform/graphics/Color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace plat {

class Bitmap {
  public:
    // The largest side and area a bitmap may take, so that a lying header or a wild size request
    // fails cleanly instead of allocating gigabytes (64 megapixels = 256 MB).
    static constexpr int kMaxSide = 32768;
    static constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

    Bitmap() = default;
    // New pixels are white. Sizes out of range (negative, over the limits) give an empty bitmap.
    Bitmap(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Resizes to width x height; pixels kept where old and new overlap, new ones white. Returns
    // false (and leaves the bitmap empty) for sizes out of range.
    bool SetSize(int width, int height);
    void Clear(); // 0 x 0, no palette

    // Pixel access in TColor; reads outside give white, writes outside are ignored.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Raw rows for fast loops and for Qt: Row(y)[x] is the pixel word 0xFFRRGGBB.
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint32_t* Bits() { return pixels_.data(); }
    const uint32_t* Bits() const { return pixels_.data(); }

    const std::vector<TColor>& Palette() const { return palette_; }
    void SetPalette(std::vector<TColor> palette) { palette_ = std::move(palette); }
    bool HasPalette() const { return !palette_.empty(); }

    // Bits per pixel the picture had when loaded (1, 2, 4, 8, 16, 24, 32); 32 for made bitmaps.
    int SourceBitsPerPixel() const { return sourceBpp_; }
    void SetSourceBitsPerPixel(int bpp) { sourceBpp_ = bpp; }

    bool operator==(const Bitmap& other) const = default;

  private:
    // Storage whose new elements stay uninitialised unless a value is given. Every public way of
    // making a bitmap gives one (white, or a copy); only the makers of whole new pictures that
    // write every pixel anyway (MakeWhiteMask) skip that pass, which is a third of the cost of
    // the white-transparent overlay.
    template <class T> struct UninitializedAllocator : std::allocator<T> {
        UninitializedAllocator() = default;
        template <class U> UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
        template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
        template <class U, class... Args> void construct(U* p, Args&&... args) {
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
        }
    };
    struct Uninitialized {};
    // width x height pixels with unspecified values; the sizes must be in range.
    Bitmap(int width, int height, Uninitialized);
    friend Bitmap MakeWhiteMask(const Bitmap& source);

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t, UninitializedAllocator<uint32_t>> pixels_;
    std::vector<TColor> palette_;
    int sourceBpp_ = 32;
};

} // namespace plat
