// The JPEG side of the picture loader. Test pictures are encoded here through Qt (baseline,
// progressive, grayscale) so the repository holds no binaries; damaged ones are made from them.
#include "platform/graphics/PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

using namespace plat;

enum class Encoding { Baseline, Progressive, Grayscale };

// 32 x 24 pixels in four flat quadrants, so that JPEG's losses stay small inside each.
const QRgb kQuadrants[4] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(20, 40, 210), qRgb(250, 250, 250)};

QImage Source(Encoding encoding) {
    QImage image(32, 24, QImage::Format_RGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x)
            image.setPixel(x, y, kQuadrants[(y >= 12) * 2 + (x >= 16)]);
    return encoding == Encoding::Grayscale ? image.convertToFormat(QImage::Format_Grayscale8) : image;
}

std::string Encode(Encoding encoding) {
    const QImage image = Source(encoding);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(encoding == Encoding::Progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes.toStdString();
}

size_t FindMarker(const std::string& bytes, unsigned char code) {
    return bytes.find(std::string{'\xFF', static_cast<char>(code)});
}

TEST(PictureJpeg, DecodesBaselineProgressiveAndGrayscaleWithoutAGuiApplication) {
    // Decoding goes through QImageReader only; no QGuiApplication (nor any application) exists.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    for (Encoding encoding : {Encoding::Baseline, Encoding::Progressive, Encoding::Grayscale}) {
        const std::string bytes = Encode(encoding);
        // The frame marker proves which coding the writer used.
        const unsigned char frame = encoding == Encoding::Progressive ? 0xC2 : 0xC0;
        ASSERT_NE(FindMarker(bytes, frame), std::string::npos);
        Bitmap out;
        const PictureResult result = LoadPictureBytes(bytes, out);
        ASSERT_TRUE(result.Ok) << result.Error;
        ASSERT_EQ(out.Width(), 32);
        ASSERT_EQ(out.Height(), 24);
        EXPECT_EQ(out.SourceBitsPerPixel(), 24);
        EXPECT_FALSE(out.HasPalette());
        const QImage source = Source(encoding);
        for (int quadrant = 0; quadrant < 4; ++quadrant) {
            const int x = 8 + 16 * (quadrant % 2);
            const int y = 6 + 12 * (quadrant / 2);
            const QRgb want = source.pixel(x, y);
            const TColor got = out.GetPixel(x, y);
            EXPECT_NEAR(GetRValue(got), qRed(want), 12) << quadrant;
            EXPECT_NEAR(GetGValue(got), qGreen(want), 12) << quadrant;
            EXPECT_NEAR(GetBValue(got), qBlue(want), 12) << quadrant;
            EXPECT_EQ(out.Row(y)[x] >> 24, 0xFFu);
        }
    }
}

struct DamageCase {
    const char* name;
    std::function<void(std::string&)> damage;
    PictureError code;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureJpegDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(PictureJpegDamage, GivesAnEmptyBitmapAndAnError) {
    std::string bytes = Encode(Encoding::Baseline);
    GetParam().damage(bytes);
    Bitmap out(2, 2);
    const PictureResult result = LoadPictureBytes(bytes, out);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Code, GetParam().code) << result.Error;
    EXPECT_EQ(result.Error.rfind("offset ", 0), 0u) << result.Error;
    EXPECT_TRUE(out.Empty());
}

void PutU16BE(std::string& bytes, size_t at, int value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    Jpeg, PictureJpegDamage,
    testing::Values(
        // The decoder would show a cut file with a grey bottom and call it a success.
        DamageCase{"CutInTheImageData", [](std::string& b) { b.resize(b.size() * 3 / 4); },
                   PictureError::Truncated},
        DamageCase{"NoEndOfImage", [](std::string& b) { b.resize(b.size() - 2); }, PictureError::Truncated},
        DamageCase{"SegmentPastTheEnd", [](std::string& b) { PutU16BE(b, 4, 0xFFFF); },
                   PictureError::Truncated},
        DamageCase{"SegmentLengthBelowTwo", [](std::string& b) { PutU16BE(b, 4, 1); }, PictureError::BadJpeg},
        DamageCase{"NoMarkerWhereOneBelongs",
                   [](std::string& b) { b[4 + ((b[4] & 0xFF) << 8 | (b[5] & 0xFF))] = 0; },
                   PictureError::BadJpeg},
        DamageCase{"FrameOverTheBitmapLimits",
                   [](std::string& b) {
                       const size_t frame = FindMarker(b, 0xC0);
                       PutU16BE(b, frame + 5, 0xFFFF);
                       PutU16BE(b, frame + 7, 0xFFFF);
                   },
                   PictureError::TooLarge},
        DamageCase{"ScanWithoutFrame", [](std::string& b) { b[FindMarker(b, 0xC0) + 1] = '\xE5'; },
                   PictureError::BadJpeg},
        // The scan repeated until the decoder would make hundreds of passes over the picture.
        DamageCase{"EndlessScans",
                   [](std::string& b) {
                       const std::string scan =
                           b.substr(FindMarker(b, 0xDA), b.size() - 2 - FindMarker(b, 0xDA));
                       b.resize(b.size() - 2);
                       for (int i = 0; i < 600; ++i)
                           b += scan;
                       b += "\xFF\xD9";
                   },
                   PictureError::BadJpeg},
        // Huffman code counts adding up to far more than 256 codes: the decoder gives up.
        DamageCase{"BrokenHuffmanTable",
                   [](std::string& b) {
                       const size_t table = FindMarker(b, 0xC4);
                       for (size_t i = table + 5; i < table + 21; ++i)
                           b[i] = '\x7F';
                   },
                   PictureError::BadJpeg}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
