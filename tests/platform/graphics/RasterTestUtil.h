// Helpers of the raster tests: pictures as ASCII art (one character per pixel, rows joined by
// '|') for golden images, and pixel-set properties (symmetry, connectivity).
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace raster_test {

// '.' white, 'X' black, 'r' red, 'g' green, 'b' blue, 'y' yellow, '?' anything else.
inline char ArtChar(plat::TColor c) {
    switch (c) {
    case plat::clWhite:
        return '.';
    case plat::clBlack:
        return 'X';
    case plat::clRed:
        return 'r';
    case plat::clGreen:
        return 'g';
    case plat::clBlue:
        return 'b';
    case plat::clYellow:
        return 'y';
    default:
        return '?';
    }
}

inline std::string Art(const plat::Bitmap& bitmap) {
    std::string art;
    for (int y = 0; y < bitmap.Height(); ++y) {
        if (y > 0)
            art += '|';
        for (int x = 0; x < bitmap.Width(); ++x)
            art += ArtChar(bitmap.GetPixel(x, y));
    }
    return art;
}

using PixelSet = std::set<std::pair<int, int>>; // (x, y)

inline PixelSet PixelsOf(const plat::Bitmap& bitmap, plat::TColor color) {
    PixelSet pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.GetPixel(x, y) == color)
                pixels.insert({x, y});
    return pixels;
}

// Whether the set is one 8-connected piece (an empty set is not).
inline bool EightConnected(const PixelSet& pixels) {
    if (pixels.empty())
        return false;
    PixelSet seen{*pixels.begin()};
    std::vector<std::pair<int, int>> todo{*pixels.begin()};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const std::pair<int, int> next{x + dx, y + dy};
                if (pixels.count(next) && seen.insert(next).second)
                    todo.push_back(next);
            }
    }
    return seen.size() == pixels.size();
}

} // namespace raster_test
