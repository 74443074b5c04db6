// The formatting state of the rich-text reader and its byte form. Topic entries of the ".rtc" cache
// hold a state as 76 little-endian bytes, so the order, sizes and padding below are fixed; the
// paragraph attributes (bytes 36 to 71) are also what every paragraph element carries.
#pragma once

#include "platform/graphics/Color.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct TFontRec;

// Bytes 36 to 71 of the state.
struct TRtfParaAttrs {
    uint8_t KeepNext = 0;
    uint8_t Alignment = 0; // 0 left, 1 right, 2 centre, 3 justified
    int32_t FirstIndent = 0;
    int32_t LeftIndent = 0;
    int32_t RightIndent = 0;
    int32_t SpaceBefore = 0;
    int32_t SpaceAfter = 0;
    int32_t LineSpacing = 0;
    int32_t Borders = 0;
    int32_t BorderSpacing = 0;
    bool operator==(const TRtfParaAttrs&) const = default;
};

enum RtfAlignment : uint8_t { alLeft = 0, alRight = 1, alCenter = 2, alJustify = 3 };

struct TRtfState {
    static constexpr size_t kByteSize = 76;

    const TFontRec* FontRef = nullptr; // never stored; re-resolved from FontNumber
    int32_t FontNumber = 0;
    int32_t FontSize = 0; // half-points
    uint8_t Bold = 0;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    uint8_t CapsMode = 0;
    uint8_t UnderlineKind = 0; // 0 single, 1 words, 2 dotted, 3 double, 4 none
    uint8_t VertPosKind = 0;
    int32_t VertOffset = 0;
    plat::TColor ForeColor = 0;
    plat::TColor BackColor = 0;
    uint8_t Visible = 0;
    TRtfParaAttrs Para;
    int32_t DefaultTab = 0;

    bool operator==(const TRtfState&) const = default;

    // The 76 bytes of the cache file (FontRef written as 0).
    std::array<uint8_t, kByteSize> ToBytes() const;
    // Reads 76 bytes; FontRef is left null for the caller to resolve.
    static TRtfState FromBytes(const uint8_t* bytes);
};
