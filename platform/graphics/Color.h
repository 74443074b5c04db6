// Colours as the system passes them around: 0x00BBGGRR, red in the low byte. Bitmaps store pixels
// as 0xFFRRGGBB (the layout Qt draws into directly); the two helpers convert between them.
#pragma once

#include <cstdint>

namespace plat {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;

constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr uint8_t GetRValue(TColor c) {
    return c & 0xFF;
}
constexpr uint8_t GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr uint8_t GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}

// Pixel word of a bitmap (0xFFRRGGBB) from a colour, and back.
constexpr uint32_t PixelOf(TColor c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr TColor ColorOf(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
}

} // namespace plat
