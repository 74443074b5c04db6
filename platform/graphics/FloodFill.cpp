// Heckbert's scanline seed fill: a segment of a row is filled in one go, and only the parts of the
// neighbouring rows that stick out past the parent segment are scanned again, so each pixel is
// read about once or twice.
//
// Filled pixels must stop counting as fillable, also when the fill colour is one the region
// already holds. Bitmap pixels always carry alpha 0xFF, so the fill writes its colour with alpha
// 0 as a mark that no picture pixel can have, and sets the alpha of the filled box back to 0xFF
// at the end: no second buffer, and the test in the inner loops stays one compare or two.
#include "platform/graphics/FloodFill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace plat::raster {

namespace {

constexpr uint32_t kAlpha = 0xFF000000u;
constexpr uint32_t kColorBits = 0x00FFFFFFu;

// Which pixels the fill takes; only pixels with full alpha (not yet marked) qualify.
struct SurfaceTest {  // pixels of one colour
    uint32_t surface; // with alpha
    bool operator()(uint32_t pixel) const { return pixel == surface; }
};

struct BorderTest {  // anything up to pixels of the border colour
    uint32_t border; // with alpha
    bool operator()(uint32_t pixel) const { return pixel != border && (pixel & kAlpha) == kAlpha; }
};

struct Segment {
    int y;    // row of the parent segment
    int left; // parent's extent, inclusive
    int right;
    int dy; // direction of the row to explore: y + dy
};

// The box of every pixel filled, whose alpha is restored at the end.
struct Extent {
    int left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
    void Add(int y, int x0, int x1) {
        left = std::min(left, x0), right = std::max(right, x1);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
};

// The first x in [x, end) whose pixel `takes` refuses, or end. Four pixels are tested at a time
// without branching between them, which the compiler turns into vector compares: the scan to
// the right edge of each run is most of a fill's work.
template <class Takes> int ScanRight(const uint32_t* row, int x, int end, Takes takes) {
    constexpr int kGroup = 4;
    while (x + kGroup <= end) {
        bool all = true;
        for (int k = 0; k < kGroup; ++k)
            all &= takes(row[x + k]);
        if (!all)
            break;
        x += kGroup;
    }
    while (x < end && takes(row[x]))
        ++x;
    return x;
}

template <class Takes> Extent Fill(Bitmap& bitmap, int seedX, int seedY, uint32_t mark, Takes takes) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    Extent extent;
    if (!takes(bitmap.Row(seedY)[seedX]))
        return extent; // the walk below assumes the seed itself is filled
    std::vector<Segment> stack;
    auto push = [&](int y, int left, int right, int dy) {
        if (y + dy >= 0 && y + dy < height)
            stack.push_back({y, left, right, dy});
    };
    push(seedY, seedX, seedX, 1);
    push(seedY + 1, seedX, seedX, -1); // popped first: explores the seed's own row
    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int y = s.y + s.dy;
        uint32_t* row = bitmap.Row(y);
        int x = s.left;
        while (x >= 0 && takes(row[x]))
            --x;
        bool inRun = x < s.left;
        int runLeft = x + 1;
        if (inRun) {
            if (runLeft < s.left)
                push(y, runLeft, s.left - 1, -s.dy); // leaked out on the left: look back too
            x = s.left + 1;
        }
        for (;;) {
            if (inRun) {
                x = ScanRight(row, x, width, takes);
                std::fill(row + runLeft, row + x, mark);
                extent.Add(y, runLeft, x - 1);
                push(y, runLeft, x - 1, s.dy);
                if (x > s.right + 1)
                    push(y, s.right + 1, x - 1, -s.dy); // leaked out on the right
            }
            for (++x; x <= s.right && !takes(row[x]); ++x) {
            }
            if (x > s.right)
                break;
            runLeft = x;
            inRun = true;
        }
    }
    return extent;
}

} // namespace

void SeedFill(Bitmap& bitmap, int x, int y, TColor color, FillStyle style, TColor fillColor) {
    if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height())
        return;
    const uint32_t target = PixelOf(color);
    const uint32_t mark = PixelOf(fillColor) & kColorBits;
    const Extent extent = style == FillStyle::Surface ? Fill(bitmap, x, y, mark, SurfaceTest{target})
                                                      : Fill(bitmap, x, y, mark, BorderTest{target});
    for (int row = extent.top; row <= extent.bottom; ++row) {
        uint32_t* pixels = bitmap.Row(row);
        for (int column = extent.left; column <= extent.right; ++column)
            pixels[column] |= kAlpha;
    }
}

} // namespace plat::raster
