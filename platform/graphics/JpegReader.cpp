// JPEG reading. The marker walk is ours: it checks every segment length against the data, takes
// the picture size from the frame header so that the Bitmap limits hold before Qt allocates, and
// insists on the end-of-image marker, because the decoder fills a cut-off file with grey and calls
// that a success. Qt's image reader then decodes from an in-memory buffer; no QGuiApplication is
// needed for that.
#include "platform/graphics/JpegReader.h"

#include "platform/graphics/PictureBytes.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <string>

namespace plat {

namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kTemporary = 0x01;
constexpr uint8_t kFirstRestart = 0xD0;
constexpr uint8_t kLastRestart = 0xD7;
constexpr uint8_t kStuffedZero = 0x00;
// Frame headers (SOF0..SOF15) share C0..CF with three other markers.
constexpr uint8_t kFirstFrame = 0xC0;
constexpr uint8_t kLastFrame = 0xCF;
constexpr uint8_t kHuffmanTables = 0xC4;
constexpr uint8_t kJpegExtension = 0xC8;
constexpr uint8_t kArithmeticTables = 0xCC;
// Progressive files of the usual encoders have about ten scans; thousands only come from files
// made to keep the decoder busy, each scan costing a pass over the whole picture.
constexpr int kMaxScans = 512;
// A frame header: length (2 bytes), precision (1), height (2), width (2), component count (1).
constexpr size_t kMinFrameHeader = 8;
constexpr size_t kFrameHeightAt = 3;
constexpr size_t kFrameWidthAt = 5;

struct JpegFrame {
    bool Seen = false;
    int Width = 0;
    int Height = 0;
};

bool IsFrameHeader(uint8_t code) {
    return code >= kFirstFrame && code <= kLastFrame && code != kHuffmanTables && code != kJpegExtension &&
           code != kArithmeticTables;
}

bool IsStandalone(uint8_t code) {
    return code == kTemporary || (code >= kFirstRestart && code <= kLastRestart);
}

std::string Hex(uint8_t value) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string{'0', 'x', digits[value >> 4], digits[value & 0xF]};
}

PictureResult ReadFrameHeader(std::string_view bytes, size_t at, uint16_t length, JpegFrame& frame) {
    if (length < kMinFrameHeader)
        return PictureFailure(
            PictureError::BadJpeg,
            AtOffset(at, "a frame header of " + std::to_string(length) + " bytes is too short"));
    if (frame.Seen)
        return PictureFailure(PictureError::BadJpeg, AtOffset(at, "a second frame header"));
    frame.Seen = true;
    frame.Height = ReadU16BE(bytes, at + kFrameHeightAt);
    frame.Width = ReadU16BE(bytes, at + kFrameWidthAt);
    if (frame.Height == 0)
        return PictureFailure(
            PictureError::Unsupported,
            AtOffset(at + kFrameHeightAt, "a height given only after the image data is not supported"));
    if (frame.Width == 0)
        return PictureFailure(PictureError::BadJpeg,
                              AtOffset(at + kFrameWidthAt, "the frame header gives width 0"));
    // Sides are 16-bit, so only the area can be over the limits.
    if (frame.Width > Bitmap::kMaxSide || frame.Height > Bitmap::kMaxSide ||
        static_cast<int64_t>(frame.Width) * frame.Height > Bitmap::kMaxPixels)
        return PictureFailure(PictureError::TooLarge,
                              AtOffset(at + kFrameHeightAt, "a picture of " + std::to_string(frame.Width) +
                                                                " x " + std::to_string(frame.Height) +
                                                                " pixels is over the bitmap limits"));
    return PictureSuccess();
}

// Skips entropy-coded data after a scan header: up to the next marker that is not a stuffed zero
// or a restart marker. `pos` ends on that marker's 0xFF.
PictureResult SkipScanData(std::string_view bytes, size_t& pos) {
    while (true) {
        const size_t marker = bytes.find(static_cast<char>(kMarkerPrefix), pos);
        // A marker takes two bytes; a lone 0xFF as the last byte is a cut file as well.
        if (marker == std::string_view::npos || marker + 1 >= bytes.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(bytes.size(), "the file ends inside the image data"));
        pos = marker;
        const uint8_t next = ByteAt(bytes, pos + 1);
        if (next == kStuffedZero || (next >= kFirstRestart && next <= kLastRestart)) {
            pos += 2;
            continue;
        }
        if (next == kMarkerPrefix) {
            ++pos; // fill byte before a marker
            continue;
        }
        return PictureSuccess();
    }
}

// Walks the markers from after the start-of-image marker to the end-of-image marker.
PictureResult ScanMarkers(std::string_view bytes, JpegFrame& frame) {
    size_t pos = 2;
    int scans = 0;
    while (true) {
        if (pos >= bytes.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(bytes.size(), "the file ends before the end-of-image marker"));
        if (ByteAt(bytes, pos) != kMarkerPrefix)
            return PictureFailure(PictureError::BadJpeg,
                                  AtOffset(pos, "a marker was expected, found " + Hex(ByteAt(bytes, pos))));
        while (pos < bytes.size() && ByteAt(bytes, pos) == kMarkerPrefix)
            ++pos;
        if (pos >= bytes.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(bytes.size(), "the file ends inside a marker"));
        const size_t markerAt = pos - 1;
        const uint8_t code = ByteAt(bytes, pos++);
        if (code == kEndOfImage) {
            if (scans == 0)
                return PictureFailure(PictureError::BadJpeg,
                                      AtOffset(markerAt, "the picture ends before any image data"));
            return PictureSuccess();
        }
        if (IsStandalone(code))
            continue;
        if (code == kStartOfImage || code == kStuffedZero)
            return PictureFailure(PictureError::BadJpeg,
                                  AtOffset(markerAt, "unexpected marker " + Hex(code)));
        if (pos + 2 > bytes.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(bytes.size(), "the file ends inside a segment length"));
        const uint16_t length = ReadU16BE(bytes, pos);
        if (length < 2)
            return PictureFailure(PictureError::BadJpeg,
                                  AtOffset(pos, "segment length " + std::to_string(length) + " is below 2"));
        if (pos + length > bytes.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(pos, "a segment of " + std::to_string(length) +
                                                    " bytes runs past the end of the file"));
        if (IsFrameHeader(code)) {
            if (auto result = ReadFrameHeader(bytes, pos, length, frame); !result.Ok)
                return result;
        }
        pos += length;
        if (code != kStartOfScan)
            continue;
        if (!frame.Seen)
            return PictureFailure(PictureError::BadJpeg,
                                  AtOffset(markerAt, "image data before the frame header"));
        if (++scans > kMaxScans)
            return PictureFailure(PictureError::BadJpeg,
                                  AtOffset(markerAt, "more than " + std::to_string(kMaxScans) + " scans"));
        if (auto result = SkipScanData(bytes, pos); !result.Ok)
            return result;
    }
}

} // namespace

bool LooksLikeJpeg(std::string_view bytes) {
    return bytes.size() >= 3 && ByteAt(bytes, 0) == kMarkerPrefix && ByteAt(bytes, 1) == kStartOfImage &&
           ByteAt(bytes, 2) == kMarkerPrefix;
}

PictureResult ReadJpeg(std::string_view bytes, Bitmap& out) {
    out.Clear();
    JpegFrame frame;
    if (auto result = ScanMarkers(bytes, frame); !result.Ok)
        return result;

    QByteArray array = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&array);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    // Orientation tags are not applied: a picture shows as stored, the same on every machine.
    reader.setAutoTransform(false);
    reader.setAllocationLimit(static_cast<int>(Bitmap::kMaxPixels * 4 / (1024 * 1024)) + 1);
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return PictureFailure(PictureError::BadJpeg, AtOffset(0, "the JPEG decoder refused the data: " +
                                                                     reader.errorString().toStdString()));
    if (decoded.width() != frame.Width || decoded.height() != frame.Height)
        return PictureFailure(PictureError::BadJpeg,
                              AtOffset(0, "the decoded picture is not the size the frame header gives"));
    const QImage rgb = decoded.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull() || !out.SetSize(rgb.width(), rgb.height()))
        return PictureFailure(PictureError::TooLarge,
                              AtOffset(0, "the decoded picture does not fit a bitmap"));
    // Format_RGB32 rows are 0xFFRRGGBB words, the Bitmap's own layout.
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.Row(y), rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 4);
    out.SetSourceBitsPerPixel(24);
    return PictureSuccess();
}

} // namespace plat
