// Builds BMP files field by field for the picture loader tests, so that a test can state exactly
// the header (or the lie in it) it exercises. Sizes and offsets are computed unless overridden.
#pragma once

#include "platform/graphics/Color.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace picture_test {

struct BmpFields {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    int32_t density = 2835;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;       // inside headers of 52 bytes and more, else right after
    std::vector<plat::TColor> palette; // stored B, G, R (and a zero byte unless the header is 12)
    std::string pixels;                // the pixel data exactly as stored
    std::optional<uint32_t> pixelOffset;
    std::optional<uint32_t> fileSize;
};

inline void PutLE(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string MakeBmp(const BmpFields& fields) {
    std::string info;
    PutLE(info, fields.headerSize, 4);
    if (fields.headerSize == 12) {
        PutLE(info, static_cast<uint16_t>(fields.width), 2);
        PutLE(info, static_cast<uint16_t>(fields.height), 2);
        PutLE(info, fields.planes, 2);
        PutLE(info, fields.bits, 2);
    } else {
        for (uint64_t field : {uint64_t(uint32_t(fields.width)), uint64_t(uint32_t(fields.height))})
            PutLE(info, field, 4);
        PutLE(info, fields.planes, 2);
        PutLE(info, fields.bits, 2);
        for (uint32_t field : {fields.compression, fields.imageSize, uint32_t(fields.density),
                               uint32_t(fields.density), fields.colorsUsed, 0u})
            PutLE(info, field, 4);
    }
    const bool masksInside = fields.headerSize >= 52;
    if (!masksInside)
        info.resize(std::min<size_t>(info.size(), fields.headerSize));
    for (uint32_t mask : fields.masks)
        PutLE(info, mask, 4);
    if (masksInside || info.size() < fields.headerSize)
        info.resize(std::max<size_t>(info.size(), fields.headerSize), '\0');
    for (plat::TColor color : fields.palette) {
        info.push_back(static_cast<char>(plat::GetBValue(color)));
        info.push_back(static_cast<char>(plat::GetGValue(color)));
        info.push_back(static_cast<char>(plat::GetRValue(color)));
        if (fields.headerSize != 12)
            info.push_back('\0');
    }
    const uint32_t offset = fields.pixelOffset.value_or(static_cast<uint32_t>(14 + info.size()));
    std::string file = "BM";
    PutLE(file, fields.fileSize.value_or(static_cast<uint32_t>(14 + info.size() + fields.pixels.size())), 4);
    PutLE(file, 0, 4);
    PutLE(file, offset, 4);
    file += info;
    file.resize(std::max<size_t>(file.size(), offset), '\0');
    return file + fields.pixels;
}

// Bytes from a list of values, for pixel data written inline.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int value : values)
        out.push_back(static_cast<char>(value));
    return out;
}

} // namespace picture_test
