// The PNG side of the picture loader. Test pictures are encoded here through Qt (colour, alpha,
// grey, indexed, 16-bit) so the repository holds no binaries; damaged ones are made from
// them, with their checksums made right again where the damage is meant to reach a later check.
#include "platform/graphics/PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

using namespace plat;

// The IHDR chunk of every PNG: its length at 8, its data at 16, its checksum at 29.
constexpr size_t kHeaderChunkAt = 8;
constexpr size_t kHeaderDataAt = 16;
constexpr size_t kFirstChunkAfterHeader = 33;

// 6 x 5 pixels, every one different, so that a shifted or mirrored row shows.
QRgb SourcePixel(int x, int y) {
    return qRgb(40 * x + 10, 50 * y + 5, (x * 7 + y * 13) * 5 % 256);
}

QImage Source() {
    QImage image(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, SourcePixel(x, y));
    return image;
}

std::string Encode(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes.toStdString();
}

uint32_t ReadU32BE(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
}

void PutU32BE(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// Bit by bit, so that it does not share a table with the reader's.
uint32_t Crc32(const std::string& bytes, size_t at, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = at; i < at + length; ++i) {
        crc ^= static_cast<uint8_t>(bytes[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// Recomputes the checksum of the chunk starting at `chunkAt`.
void FixCrc(std::string& bytes, size_t chunkAt) {
    const uint32_t length = ReadU32BE(bytes, chunkAt);
    PutU32BE(bytes, chunkAt + 8 + length, Crc32(bytes, chunkAt + 4, 4 + length));
}

size_t FindChunk(const std::string& bytes, const char* type) {
    return bytes.find(type) - 4;
}

TEST(PicturePng, DecodesWithoutAnApplicationExactly) {
    // Decoding goes through QImageReader only; no QGuiApplication (nor any application) exists.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    const std::string bytes = Encode(Source());
    ASSERT_EQ(bytes[kHeaderDataAt + 9], 2) << "the writer was expected to write 8-bit RGB";
    Bitmap out;
    const PictureResult result = LoadPictureBytes(bytes, out);
    ASSERT_TRUE(result.Ok) << result.Error;
    ASSERT_EQ(out.Width(), 6);
    ASSERT_EQ(out.Height(), 5);
    EXPECT_EQ(out.SourceBitsPerPixel(), 24);
    EXPECT_FALSE(out.HasPalette());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(out.Row(y)[x], SourcePixel(x, y) | 0xFF000000u) << x << "," << y;
}

TEST(PicturePng, TranslucentPixelsAreLaidOverWhite) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 0, 255)); // opaque: unchanged
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));       // clear: white
    image.setPixel(2, 0, qRgba(0, 51, 255, 102));  // 40%: 0.4 * c + 0.6 * 255
    const std::string bytes = Encode(image);
    ASSERT_EQ(bytes[kHeaderDataAt + 9], 6) << "the writer was expected to write 8-bit RGBA";
    Bitmap out;
    const PictureResult result = LoadPictureBytes(bytes, out);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(out.SourceBitsPerPixel(), 32);
    EXPECT_EQ(out.Row(0)[0], 0xFFC86400u);
    EXPECT_EQ(out.Row(0)[1], 0xFFFFFFFFu);
    EXPECT_EQ(out.Row(0)[2], 0xFF99ADFFu); // 153, 173.4, 255
}

TEST(PicturePng, GreyIndexedAndSixteenBitPictures) {
    struct Case {
        const char* name;
        QImage image;
        int bitsPerPixel;
    };
    QImage indexed = Source().convertToFormat(QImage::Format_Indexed8);
    const Case cases[] = {
        {"grey", Source().convertToFormat(QImage::Format_Grayscale8), 8},
        {"indexed", indexed, indexed.depth()},
        {"sixteen-bit", Source().convertToFormat(QImage::Format_RGBX64), 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = Encode(c.image);
        Bitmap out;
        const PictureResult result = LoadPictureBytes(bytes, out);
        ASSERT_TRUE(result.Ok) << result.Error;
        ASSERT_EQ(out.Width(), 6);
        ASSERT_EQ(out.Height(), 5);
        const int depth = static_cast<uint8_t>(bytes[kHeaderDataAt + 8]);
        const int samples = std::string("\1\0\3\1\2\0\4", 7)[static_cast<size_t>(bytes[kHeaderDataAt + 9])];
        EXPECT_EQ(out.SourceBitsPerPixel(), std::min(depth * samples, 32));
        const QImage want = c.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(out.Row(y)[x], want.pixel(x, y) | 0xFF000000u) << x << "," << y;
    }
}

TEST(PicturePng, PaddingAfterTheEndChunkIsIgnored) {
    // Picture data in documents may carry a stray byte after the picture.
    const std::string bytes = Encode(Source()) + std::string("\0\0", 2);
    Bitmap out;
    const PictureResult result = LoadPictureBytes(bytes, out);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(out.Width(), 6);
}

struct DamageCase {
    const char* name;
    std::function<void(std::string&)> damage;
    PictureError code;
    const char* offset; // the start of the message: where the damage is
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class PicturePngDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(PicturePngDamage, GivesAnEmptyBitmapAndAnErrorNamingTheOffset) {
    std::string bytes = Encode(Source());
    GetParam().damage(bytes);
    Bitmap out(2, 2);
    const PictureResult result = LoadPictureBytes(bytes, out);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Code, GetParam().code) << result.Error;
    EXPECT_EQ(result.Error.rfind(GetParam().offset, 0), 0u) << result.Error;
    EXPECT_TRUE(out.Empty());
}

void SetHeaderSize(std::string& b, uint32_t width, uint32_t height) {
    PutU32BE(b, kHeaderDataAt, width);
    PutU32BE(b, kHeaderDataAt + 4, height);
    FixCrc(b, kHeaderChunkAt);
}

INSTANTIATE_TEST_SUITE_P(
    Png, PicturePngDamage,
    testing::Values(
        DamageCase{"OnlyTheSignature", [](std::string& b) { b.resize(8); }, PictureError::Truncated,
                   "offset 8:"},
        DamageCase{"CutInTheImageData", [](std::string& b) { b.resize(FindChunk(b, "IDAT") + 20); },
                   PictureError::Truncated, "offset "},
        DamageCase{"NoEndChunk", [](std::string& b) { b.resize(b.size() - 12); }, PictureError::Truncated,
                   "offset "},
        DamageCase{"ChunkPastTheEnd", [](std::string& b) { PutU32BE(b, FindChunk(b, "IDAT"), 100000); },
                   PictureError::Truncated, "offset "},
        DamageCase{"ChunkLengthOverTheFormatLimit",
                   [](std::string& b) { PutU32BE(b, kHeaderChunkAt, 0x80000000u); }, PictureError::BadPng,
                   "offset 8:"},
        DamageCase{"HeaderChecksumWrong", [](std::string& b) { b[kHeaderDataAt + 3] ^= 1; },
                   PictureError::BadPng, "offset 29:"},
        DamageCase{"ChunkTypeNotLetters",
                   [](std::string& b) {
                       b[kHeaderChunkAt + 5] = '#';
                       FixCrc(b, kHeaderChunkAt);
                   },
                   PictureError::BadPng, "offset 12:"},
        DamageCase{"FirstChunkNotTheHeader",
                   [](std::string& b) {
                       b[kHeaderChunkAt + 4] = 'i'; // "iHDR": a well-formed ancillary chunk
                       FixCrc(b, kHeaderChunkAt);
                   },
                   PictureError::BadPng, "offset 8:"},
        DamageCase{"HeaderOverTheBitmapLimits", [](std::string& b) { SetHeaderSize(b, 20000, 20000); },
                   PictureError::TooLarge, "offset 16:"},
        DamageCase{"HeaderSideOverTheBitmapLimits", [](std::string& b) { SetHeaderSize(b, 0x7FFFFFFF, 1); },
                   PictureError::TooLarge, "offset 16:"},
        DamageCase{"HeaderWidthZero", [](std::string& b) { SetHeaderSize(b, 0, 5); }, PictureError::BadPng,
                   "offset 16:"},
        DamageCase{"DepthNotAllowedWithTheColourType",
                   [](std::string& b) {
                       b[kHeaderDataAt + 8] = 4; // RGB at 4 bits
                       FixCrc(b, kHeaderChunkAt);
                   },
                   PictureError::BadPng, "offset 24:"},
        DamageCase{"UnknownInterlace",
                   [](std::string& b) {
                       b[kHeaderDataAt + 12] = 2;
                       FixCrc(b, kHeaderChunkAt);
                   },
                   PictureError::BadPng, "offset 28:"},
        DamageCase{"EndBeforeAnyImageData",
                   [](std::string& b) {
                       const std::string end = b.substr(b.size() - 12);
                       b.resize(kFirstChunkAfterHeader);
                       b += end;
                   },
                   PictureError::BadPng, "offset 33:"},
        // Compressed data that inflates to two rows of the five: the decoder must not make up the
        // rest.
        DamageCase{"TooLittleImageData",
                   [](std::string& b) {
                       const size_t idat = FindChunk(b, "IDAT");
                       const size_t after = idat + 12 + ReadU32BE(b, idat);
                       // qCompress puts the inflated size in front of a zlib stream.
                       const QByteArray rows = qCompress(QByteArray(2 * (1 + 6 * 3), '\0')).mid(4);
                       std::string chunk(8, '\0');
                       PutU32BE(chunk, 0, static_cast<uint32_t>(rows.size()));
                       chunk.replace(4, 4, "IDAT");
                       chunk += rows.toStdString() + std::string(4, '\0');
                       FixCrc(chunk, 0);
                       b = b.substr(0, idat) + chunk + b.substr(after);
                   },
                   PictureError::BadPng, "offset 0:"},
        // The checksums agree but the compressed data does not inflate: the decoder refuses it.
        DamageCase{"BrokenCompressedData",
                   [](std::string& b) {
                       const size_t idat = FindChunk(b, "IDAT");
                       for (size_t i = idat + 8; i < idat + 8 + ReadU32BE(b, idat); ++i)
                           b[i] = '\xFF';
                       FixCrc(b, idat);
                   },
                   PictureError::BadPng, "offset 0:"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
