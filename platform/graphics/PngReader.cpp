// PNG reading. The chunk walk is ours: it checks every chunk length and checksum against the data,
// takes the picture size from the header chunk so that the Bitmap limits hold before Qt allocates,
// and insists on the end chunk, so that a cut file fails here with its offset instead of depending
// on what the decoder makes of it. Qt's image reader then decodes from an in-memory buffer; no
// QGuiApplication is needed for that.
#include "platform/graphics/PngReader.h"

#include "platform/graphics/PictureBytes.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <string>

namespace plat {

namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
// A chunk: length (4 bytes), type (4), data (length), checksum (4).
constexpr size_t kChunkOverhead = 12;
// The format caps chunk lengths at 2^31 - 1 so that they never read as negative.
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;
// The header chunk: width (4), height (4), bit depth (1), colour type (1), compression (1),
// filter (1), interlace (1).
constexpr uint32_t kHeaderLength = 13;
constexpr size_t kDepthAt = 8;
constexpr size_t kColourTypeAt = 9;
constexpr size_t kCompressionAt = 10;
constexpr size_t kFilterAt = 11;
constexpr size_t kInterlaceAt = 12;

enum class ColourType : uint8_t { Gray = 0, Rgb = 2, Indexed = 3, GrayAlpha = 4, Rgba = 6 };

struct PngHeader {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    bool Indexed = false;
};

uint32_t ReadU32BE(std::string_view bytes, size_t offset) {
    return (static_cast<uint32_t>(ReadU16BE(bytes, offset)) << 16) | ReadU16BE(bytes, offset + 2);
}

// The CRC-32 of the format (polynomial 0xEDB88320, as zlib's), over a chunk's type and data.
uint32_t Crc32(std::string_view data) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : data)
        crc = table[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

bool IsChunkTypeLetter(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Samples per pixel for a colour type and whether `depth` is one the format allows with it;
// 0 samples for a colour type the format does not define.
int SamplesFor(uint8_t colourType, uint8_t depth) {
    const bool eightOrSixteen = depth == 8 || depth == 16;
    switch (static_cast<ColourType>(colourType)) {
    case ColourType::Gray:
        return (depth == 1 || depth == 2 || depth == 4 || eightOrSixteen) ? 1 : 0;
    case ColourType::Rgb:
        return eightOrSixteen ? 3 : 0;
    case ColourType::Indexed:
        return (depth == 1 || depth == 2 || depth == 4 || depth == 8) ? 1 : 0;
    case ColourType::GrayAlpha:
        return eightOrSixteen ? 2 : 0;
    case ColourType::Rgba:
        return eightOrSixteen ? 4 : 0;
    }
    return 0;
}

PictureResult ReadHeader(std::string_view bytes, size_t at, uint32_t length, PngHeader& header) {
    if (length != kHeaderLength)
        return PictureFailure(
            PictureError::BadPng,
            AtOffset(at, "the header chunk has " + std::to_string(length) + " bytes instead of 13"));
    const uint32_t width = ReadU32BE(bytes, at);
    const uint32_t height = ReadU32BE(bytes, at + 4);
    if (width == 0 || height == 0)
        return PictureFailure(PictureError::BadPng,
                              AtOffset(at, "the header gives a size of " + std::to_string(width) + " x " +
                                               std::to_string(height) + " pixels"));
    if (width > static_cast<uint32_t>(Bitmap::kMaxSide) || height > static_cast<uint32_t>(Bitmap::kMaxSide) ||
        static_cast<int64_t>(width) * height > Bitmap::kMaxPixels)
        return PictureFailure(PictureError::TooLarge,
                              AtOffset(at, "a picture of " + std::to_string(width) + " x " +
                                               std::to_string(height) + " pixels is over the bitmap limits"));
    const uint8_t depth = ByteAt(bytes, at + kDepthAt);
    const uint8_t colourType = ByteAt(bytes, at + kColourTypeAt);
    const int samples = SamplesFor(colourType, depth);
    if (samples == 0)
        return PictureFailure(PictureError::BadPng,
                              AtOffset(at + kDepthAt, "bit depth " + std::to_string(depth) +
                                                          " with colour type " + std::to_string(colourType)));
    if (ByteAt(bytes, at + kCompressionAt) != 0 || ByteAt(bytes, at + kFilterAt) != 0)
        return PictureFailure(PictureError::BadPng,
                              AtOffset(at + kCompressionAt, "an unknown compression or filter method"));
    if (ByteAt(bytes, at + kInterlaceAt) > 1)
        return PictureFailure(PictureError::BadPng,
                              AtOffset(at + kInterlaceAt, "an unknown interlace method"));
    header.Width = static_cast<int>(width);
    header.Height = static_cast<int>(height);
    header.BitsPerPixel = std::min(samples * depth, 32);
    header.Indexed = static_cast<ColourType>(colourType) == ColourType::Indexed;
    return PictureSuccess();
}

// Walks the chunks from after the signature to the end chunk. Bytes after the end chunk are
// ignored: picture data in documents often carries a byte or two of padding.
PictureResult ScanChunks(std::string_view bytes, PngHeader& header) {
    if (!LooksLikePng(bytes))
        return PictureFailure(PictureError::UnknownFormat, AtOffset(0, "no PNG signature"));
    size_t pos = kSignature.size();
    bool seenHeader = false;
    bool seenPalette = false;
    bool seenData = false;
    while (true) {
        if (bytes.size() - pos < kChunkOverhead)
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(pos, "the file ends before the end chunk"));
        const uint32_t length = ReadU32BE(bytes, pos);
        if (length > kMaxChunkLength)
            return PictureFailure(
                PictureError::BadPng,
                AtOffset(pos, "chunk length " + std::to_string(length) + " is over 2^31 - 1"));
        if (length > bytes.size() - pos - kChunkOverhead)
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(pos, "a chunk of " + std::to_string(length) +
                                                    " bytes runs past the end of the file"));
        const std::string_view type = bytes.substr(pos + 4, 4);
        if (!std::all_of(type.begin(), type.end(),
                         [](char c) { return IsChunkTypeLetter(static_cast<uint8_t>(c)); }))
            return PictureFailure(PictureError::BadPng,
                                  AtOffset(pos + 4, "a chunk type that is not four letters"));
        const size_t dataAt = pos + 8;
        const size_t crcAt = dataAt + length;
        if (Crc32(bytes.substr(pos + 4, 4 + length)) != ReadU32BE(bytes, crcAt))
            return PictureFailure(PictureError::BadPng,
                                  AtOffset(crcAt, "the " + std::string(type) + " chunk fails its checksum"));
        if (!seenHeader && type != "IHDR")
            return PictureFailure(PictureError::BadPng, AtOffset(pos, "the first chunk is not the header"));
        if (type == "IHDR") {
            if (seenHeader)
                return PictureFailure(PictureError::BadPng, AtOffset(pos, "a second header chunk"));
            seenHeader = true;
            if (auto result = ReadHeader(bytes, dataAt, length, header); !result.Ok)
                return result;
        } else if (type == "PLTE") {
            seenPalette = true;
        } else if (type == "IDAT") {
            if (header.Indexed && !seenPalette)
                return PictureFailure(PictureError::BadPng,
                                      AtOffset(pos, "indexed image data before the palette"));
            seenData = true;
        } else if (type == "IEND") {
            if (!seenData)
                return PictureFailure(PictureError::BadPng,
                                      AtOffset(pos, "the picture ends before any image data"));
            return PictureSuccess();
        }
        pos = crcAt + 4;
    }
}

// Channel value of `colour` seen through `alpha` over white, rounded.
uint32_t OverWhite(uint32_t colour, uint32_t alpha) {
    return (colour * alpha + 255 * (255 - alpha) + 127) / 255;
}

} // namespace

bool LooksLikePng(std::string_view bytes) {
    return bytes.substr(0, kSignature.size()) == kSignature;
}

PictureResult ReadPng(std::string_view bytes, Bitmap& out) {
    out.Clear();
    PngHeader header;
    if (auto result = ScanChunks(bytes, header); !result.Ok)
        return result;

    QByteArray array = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&array);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    // Orientation tags are not applied: a picture shows as stored, the same on every machine.
    reader.setAutoTransform(false);
    // 16-bit pictures decode at 8 bytes a pixel before they are converted.
    reader.setAllocationLimit(static_cast<int>(Bitmap::kMaxPixels * 8 / (1024 * 1024)) + 1);
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return PictureFailure(PictureError::BadPng, AtOffset(0, "the PNG decoder refused the data: " +
                                                                    reader.errorString().toStdString()));
    if (decoded.width() != header.Width || decoded.height() != header.Height)
        return PictureFailure(PictureError::BadPng,
                              AtOffset(0, "the decoded picture is not the size the header gives"));
    // Non-premultiplied, so that each channel is the stored colour and alpha apart.
    const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull() || !out.SetSize(argb.width(), argb.height()))
        return PictureFailure(PictureError::TooLarge,
                              AtOffset(0, "the decoded picture does not fit a bitmap"));
    // A Bitmap is opaque; translucent pixels are laid over white, the colour of a page.
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
        uint32_t* row = out.Row(y);
        for (int x = 0; x < argb.width(); ++x) {
            const uint32_t p = in[x];
            const uint32_t alpha = p >> 24;
            row[x] = 0xFF000000u | (OverWhite((p >> 16) & 0xFF, alpha) << 16) |
                     (OverWhite((p >> 8) & 0xFF, alpha) << 8) | OverWhite(p & 0xFF, alpha);
        }
    }
    out.SetSourceBitsPerPixel(header.BitsPerPixel);
    return PictureSuccess();
}

} // namespace plat
