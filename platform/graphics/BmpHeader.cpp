// Reading and checking BMP headers. Every field is checked before it is used; every failure names
// the byte offset of the field that was wrong. See BmpHeader.h for what the layout promises.
#include "platform/graphics/BmpHeader.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PictureBytes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

namespace plat {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoStart = kFileHeaderSize;

// Offsets in the file of the fields after the 14-byte file header.
constexpr size_t kFileSizeAt = 2;
constexpr size_t kPixelOffsetAt = 10;
constexpr size_t kHeaderSizeAt = 14;
constexpr size_t kWidthAt = 18;
constexpr size_t kHeightAt = 22;
constexpr size_t kPlanesAt = 26;
constexpr size_t kBitsAt = 28;
constexpr size_t kCompressionAt = 30;
constexpr size_t kImageSizeAt = 34;
constexpr size_t kXDensityAt = 38;
constexpr size_t kYDensityAt = 42;
constexpr size_t kColorsUsedAt = 46;
constexpr size_t kMasksAt = 54; // in 52-byte and larger headers, or just after a 40-byte one
// The OS/2 core header keeps 16-bit sizes.
constexpr size_t kCoreWidthAt = 18;
constexpr size_t kCoreHeightAt = 20;
constexpr size_t kCorePlanesAt = 22;
constexpr size_t kCoreBitsAt = 24;

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kOs2HeaderSize = 64;
// Header sizes written by real programs: OS/2 core, OS/2 2.x (full and cut to 16 bytes), Windows
// info, info with RGB or RGBA masks, version 4 and version 5. Anything else is a damaged header.
constexpr std::array<uint32_t, 8> kKnownHeaderSizes = {12, 16, 40, 52, 56, 64, 108, 124};

// The density fields are not used, but a value beyond 25,400 dots per inch only comes from a
// damaged header, and a damaged header is not trusted for the rest either.
constexpr int64_t kMaxPixelsPerMetre = 1'000'000;

// Compression codes as stored. OS/2 2.x headers reuse 3 and 4 for Huffman and RLE24.
constexpr uint32_t kStoredRgb = 0;
constexpr uint32_t kStoredRle8 = 1;
constexpr uint32_t kStoredRle4 = 2;
constexpr uint32_t kStoredBitfields = 3;
constexpr uint32_t kStoredJpeg = 4;
constexpr uint32_t kStoredPng = 5;
constexpr uint32_t kStoredAlphaBitfields = 6;

struct RawHeader {
    uint32_t fileSize = 0;
    uint32_t pixelOffset = 0;
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t planes = 0;
    uint32_t bits = 0;
    uint32_t compression = kStoredRgb;
    uint32_t imageSize = 0;
    int32_t xDensity = 0;
    int32_t yDensity = 0;
    uint32_t colorsUsed = 0;
};

std::string Num(uint64_t value) {
    return std::to_string(value);
}

// A field of the info header, or 0 when the header is too short to hold it (OS/2 2.x headers
// may stop after any field; what is missing is 0).
uint32_t FieldOrZero(std::string_view bytes, uint32_t headerSize, size_t at) {
    return at + 4 <= kInfoStart + headerSize ? ReadU32LE(bytes, at) : 0;
}

PictureResult ReadRawHeader(std::string_view bytes, RawHeader& raw) {
    if (bytes.size() < kHeaderSizeAt + 4)
        return PictureFailure(PictureError::Truncated,
                              AtOffset(bytes.size(), "the file ends inside the BMP file header"));
    raw.fileSize = ReadU32LE(bytes, kFileSizeAt);
    raw.pixelOffset = ReadU32LE(bytes, kPixelOffsetAt);
    raw.headerSize = ReadU32LE(bytes, kHeaderSizeAt);
    if (std::find(kKnownHeaderSizes.begin(), kKnownHeaderSizes.end(), raw.headerSize) ==
        kKnownHeaderSizes.end())
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kHeaderSizeAt, "info header size " + Num(raw.headerSize) +
                                                          " is not one of 12, 16, 40, 52, 56, 64, 108, 124"));
    if (bytes.size() < kInfoStart + raw.headerSize)
        return PictureFailure(
            PictureError::Truncated,
            AtOffset(bytes.size(), "the file ends inside the " + Num(raw.headerSize) + "-byte info header"));
    if (raw.headerSize == kCoreHeaderSize) {
        raw.width = ReadU16LE(bytes, kCoreWidthAt);
        raw.height = ReadU16LE(bytes, kCoreHeightAt);
        raw.planes = ReadU16LE(bytes, kCorePlanesAt);
        raw.bits = ReadU16LE(bytes, kCoreBitsAt);
        return PictureSuccess();
    }
    raw.width = ReadI32LE(bytes, kWidthAt);
    raw.height = ReadI32LE(bytes, kHeightAt);
    raw.planes = ReadU16LE(bytes, kPlanesAt);
    raw.bits = ReadU16LE(bytes, kBitsAt);
    raw.compression = FieldOrZero(bytes, raw.headerSize, kCompressionAt);
    raw.imageSize = FieldOrZero(bytes, raw.headerSize, kImageSizeAt);
    raw.xDensity = static_cast<int32_t>(FieldOrZero(bytes, raw.headerSize, kXDensityAt));
    raw.yDensity = static_cast<int32_t>(FieldOrZero(bytes, raw.headerSize, kYDensityAt));
    raw.colorsUsed = FieldOrZero(bytes, raw.headerSize, kColorsUsedAt);
    return PictureSuccess();
}

// Maps the stored code to what the decoders know; `hasMasks` tells whether masks follow.
PictureResult MapCompression(const RawHeader& raw, BmpLayout& layout, bool& hasMasks, bool& hasAlphaMask) {
    const bool os2 = raw.headerSize == kOs2HeaderSize;
    hasMasks = hasAlphaMask = false;
    switch (raw.compression) {
    case kStoredRgb:
        layout.Compression = BmpCompression::None;
        return PictureSuccess();
    case kStoredRle8:
        layout.Compression = BmpCompression::Rle8;
        return PictureSuccess();
    case kStoredRle4:
        layout.Compression = BmpCompression::Rle4;
        return PictureSuccess();
    case kStoredBitfields:
        if (os2)
            return PictureFailure(PictureError::Unsupported,
                                  AtOffset(kCompressionAt, "OS/2 Huffman 1D compression is not supported"));
        layout.Compression = BmpCompression::Bitfields;
        hasMasks = true;
        return PictureSuccess();
    case kStoredJpeg:
        if (os2) {
            layout.Compression = BmpCompression::Rle24;
            return PictureSuccess();
        }
        return PictureFailure(PictureError::Unsupported,
                              AtOffset(kCompressionAt, "a JPEG picture inside a BMP file is not supported"));
    case kStoredPng:
        return PictureFailure(PictureError::Unsupported,
                              AtOffset(kCompressionAt, "a PNG picture inside a BMP file is not supported"));
    case kStoredAlphaBitfields:
        layout.Compression = BmpCompression::Bitfields;
        hasMasks = hasAlphaMask = true;
        return PictureSuccess();
    default:
        return PictureFailure(
            PictureError::Unsupported,
            AtOffset(kCompressionAt, "compression " + Num(raw.compression) + " is not supported"));
    }
}

bool BitsFitCompression(BmpCompression compression, uint32_t bits) {
    switch (compression) {
    case BmpCompression::None:
        return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case BmpCompression::Rle8:
        return bits == 8;
    case BmpCompression::Rle4:
        return bits == 4;
    case BmpCompression::Rle24:
        return bits == 24;
    case BmpCompression::Bitfields:
        return bits == 16 || bits == 24 || bits == 32;
    }
    return false;
}

PictureResult CheckGeometry(const RawHeader& raw, BmpLayout& layout) {
    if (raw.width <= 0)
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kWidthAt, "width " + std::to_string(raw.width) + " is not positive"));
    // A height of INT32_MIN has no positive counterpart; it is refused with the other lies.
    if (raw.height == 0 || raw.height == INT32_MIN)
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kHeightAt, "height " + std::to_string(raw.height) + " is not usable"));
    layout.TopDown = raw.height < 0;
    const int64_t height = raw.height < 0 ? -raw.height : raw.height;
    if (raw.width > Bitmap::kMaxSide || height > Bitmap::kMaxSide || raw.width * height > Bitmap::kMaxPixels)
        return PictureFailure(
            PictureError::TooLarge,
            AtOffset(kWidthAt, "a picture of " + std::to_string(raw.width) + " x " + std::to_string(height) +
                                   " pixels is over the limit of " + Num(Bitmap::kMaxSide) +
                                   " pixels a side and " + Num(Bitmap::kMaxPixels) + " pixels in all"));
    layout.Width = static_cast<int>(raw.width);
    layout.Height = static_cast<int>(height);
    if (layout.TopDown && layout.Compression != BmpCompression::None &&
        layout.Compression != BmpCompression::Bitfields)
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kHeightAt, "a run-length compressed picture cannot be stored top-down "
                                                  "(negative height)"));
    return PictureSuccess();
}

PictureResult CheckDensity(const RawHeader& raw) {
    const std::array<std::pair<int32_t, size_t>, 2> fields = {
        {{raw.xDensity, kXDensityAt}, {raw.yDensity, kYDensityAt}}};
    for (const auto& [value, at] : fields)
        if (value < 0 || value > kMaxPixelsPerMetre)
            return PictureFailure(PictureError::BadHeader,
                                  AtOffset(at, "density of " + std::to_string(value) +
                                                   " pixels per metre is outside 0.." +
                                                   Num(kMaxPixelsPerMetre)));
    return PictureSuccess();
}

// Checks one mask: not empty, inside the pixel, one contiguous run of bits.
PictureResult ReadChannel(uint32_t mask, size_t at, const char* name, uint32_t bits, BmpChannel& channel) {
    if (mask == 0)
        return PictureFailure(PictureError::BadMasks, AtOffset(at, std::string(name) + " mask is empty"));
    if (bits < 32 && (mask >> bits) != 0)
        return PictureFailure(PictureError::BadMasks,
                              AtOffset(at, std::string(name) + " mask " + Num(mask) + " has bits outside a " +
                                               Num(bits) + "-bit pixel"));
    const int shift = std::countr_zero(mask);
    const uint32_t run = mask >> shift;
    if ((run & (run + 1)) != 0)
        return PictureFailure(PictureError::BadMasks,
                              AtOffset(at, std::string(name) + " mask " + Num(mask) + " has a gap"));
    channel = BmpChannel{shift, std::popcount(run)};
    return PictureSuccess();
}

void SetDefaultChannels(BmpLayout& layout) {
    if (layout.BitsPerPixel == 16) {
        layout.Red = {10, 5};
        layout.Green = {5, 5};
        layout.Blue = {0, 5};
        return;
    }
    layout.Red = {16, 8};
    layout.Green = {8, 8};
    layout.Blue = {0, 8};
}

// Reads the masks (inside the header from 52 bytes on, after a 40-byte one otherwise) and returns
// in `masksEnd` where the headers end.
PictureResult ReadMasks(std::string_view bytes, const RawHeader& raw, bool hasAlphaMask, BmpLayout& layout,
                        size_t& masksEnd) {
    // A 52-byte header holds three masks, larger ones four; after a 40-byte header come three, or
    // four when the compression says there is alpha.
    const bool inHeader = raw.headerSize >= 52;
    const size_t count = (inHeader ? raw.headerSize >= 56 : hasAlphaMask) ? 4 : 3;
    masksEnd = inHeader ? kInfoStart + raw.headerSize : kMasksAt + count * 4;
    if (bytes.size() < kMasksAt + count * 4)
        return PictureFailure(PictureError::Truncated,
                              AtOffset(bytes.size(), "the file ends inside the colour masks"));
    const std::array<const char*, 4> names = {"red", "green", "blue", "alpha"};
    std::array<BmpChannel, 4> channels{};
    uint32_t seen = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kMasksAt + i * 4;
        const uint32_t mask = ReadU32LE(bytes, at);
        if (i == 3 && mask == 0)
            break; // no alpha: the pixels are opaque either way
        if (auto result = ReadChannel(mask, at, names[i], raw.bits, channels[i]); !result.Ok)
            return result;
        if ((seen & mask) != 0)
            return PictureFailure(PictureError::BadMasks,
                                  AtOffset(at, std::string(names[i]) + " mask overlaps an earlier mask"));
        seen |= mask;
    }
    // Alpha is checked for consistency but not used: pictures load opaque.
    layout.Red = channels[0];
    layout.Green = channels[1];
    layout.Blue = channels[2];
    return PictureSuccess();
}

PictureResult ReadPalette(std::string_view bytes, const RawHeader& raw, size_t paletteStart,
                          BmpLayout& layout) {
    const size_t entrySize = raw.headerSize == kCoreHeaderSize ? 3 : 4;
    const uint64_t reachable = uint64_t{1} << layout.BitsPerPixel;
    const uint64_t room = (raw.pixelOffset - paletteStart) / entrySize;
    uint64_t count = raw.colorsUsed;
    if (count > room)
        return PictureFailure(
            PictureError::BadPalette,
            AtOffset(paletteStart, "a palette of " + Num(count) +
                                       " entries does not fit before the pixel data at offset " +
                                       Num(raw.pixelOffset)));
    // No count means a full palette; writers that keep fewer entries say so with the pixel offset.
    if (count == 0)
        count = std::min(reachable, room);
    const uint64_t used = std::min(count, reachable);
    if (used == 0)
        return PictureFailure(
            PictureError::BadPalette,
            AtOffset(paletteStart, "an indexed picture has no palette before its pixel data"));
    if (paletteStart + used * entrySize > bytes.size())
        return PictureFailure(PictureError::Truncated,
                              AtOffset(bytes.size(), "the file ends inside the palette"));
    layout.Palette.resize(used);
    for (uint64_t i = 0; i < used; ++i) {
        const size_t at = paletteStart + i * entrySize;
        layout.Palette[i] = RGB(ByteAt(bytes, at + 2), ByteAt(bytes, at + 1), ByteAt(bytes, at));
    }
    return PictureSuccess();
}

// A file shorter than its header says was cut short; the decoder still reads what is there.
void NoteShortness(std::string_view bytes, const RawHeader& raw, BmpLayout& layout) {
    const uint64_t dataBytes = bytes.size() - std::min<uint64_t>(bytes.size(), raw.pixelOffset);
    if (raw.fileSize > bytes.size()) {
        layout.ShorterThanHeaderSays = true;
        layout.ShortnessMessage = AtOffset(kFileSizeAt, "the file size field says " + Num(raw.fileSize) +
                                                            " bytes, the file has " + Num(bytes.size()));
        return;
    }
    if (raw.imageSize > dataBytes) {
        layout.ShorterThanHeaderSays = true;
        layout.ShortnessMessage =
            AtOffset(kImageSizeAt, "the image size field says " + Num(raw.imageSize) +
                                       " bytes of pixel data, the file has " + Num(dataBytes));
    }
}

} // namespace

PictureResult ReadBmpLayout(std::string_view bytes, BmpLayout& layout) {
    layout = BmpLayout{};
    RawHeader raw;
    if (auto result = ReadRawHeader(bytes, raw); !result.Ok)
        return result;
    bool hasMasks = false;
    bool hasAlphaMask = false;
    if (auto result = MapCompression(raw, layout, hasMasks, hasAlphaMask); !result.Ok)
        return result;
    if (raw.bits == 64)
        return PictureFailure(PictureError::Unsupported,
                              AtOffset(kBitsAt, "64 bits per pixel is not supported"));
    if (!BitsFitCompression(layout.Compression, raw.bits))
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kBitsAt, Num(raw.bits) +
                                                    " bits per pixel is not valid with compression " +
                                                    Num(raw.compression)));
    layout.BitsPerPixel = static_cast<int>(raw.bits);
    if (raw.planes != 1)
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kPlanesAt, "plane count " + Num(raw.planes) + " is not 1"));
    if (auto result = CheckGeometry(raw, layout); !result.Ok)
        return result;
    if (auto result = CheckDensity(raw); !result.Ok)
        return result;

    size_t headersEnd = kInfoStart + raw.headerSize;
    SetDefaultChannels(layout);
    if (hasMasks) {
        if (auto result = ReadMasks(bytes, raw, hasAlphaMask, layout, headersEnd); !result.Ok)
            return result;
    }
    if (raw.pixelOffset < headersEnd)
        return PictureFailure(PictureError::BadHeader,
                              AtOffset(kPixelOffsetAt, "pixel data offset " + Num(raw.pixelOffset) +
                                                           " lies inside the headers, which end at offset " +
                                                           Num(headersEnd)));
    if (raw.pixelOffset >= bytes.size())
        return PictureFailure(PictureError::Truncated,
                              AtOffset(kPixelOffsetAt, "pixel data offset " + Num(raw.pixelOffset) +
                                                           " is at or past the end of the " +
                                                           Num(bytes.size()) + "-byte file"));
    layout.PixelOffset = raw.pixelOffset;
    if (layout.BitsPerPixel <= 8) {
        if (auto result = ReadPalette(bytes, raw, headersEnd, layout); !result.Ok)
            return result;
    }
    NoteShortness(bytes, raw, layout);
    return PictureSuccess();
}

} // namespace plat
