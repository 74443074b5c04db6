// Run-length decoding of BMP pixel data. The stream is a sequence of two-byte codes: a count
// with a colour (a run), or 0 with an escape (end of line, end of picture, delta, or an absolute
// block of literal pixels padded to an even length). Rows run bottom-up. The cursor never writes
// outside the picture: a run is clipped at the right edge and the decoding stops there.
#include "platform/graphics/BmpRle.h"

#include "platform/graphics/PictureBytes.h"

#include <algorithm>
#include <array>
#include <string>

namespace plat {

namespace {

constexpr uint8_t kEscEndOfLine = 0;
constexpr uint8_t kEscEndOfPicture = 1;
constexpr uint8_t kEscDelta = 2;

class RleDecoder {
  public:
    RleDecoder(std::string_view data, size_t dataOffset, const BmpLayout& layout, Bitmap& out)
        : data_(data), dataOffset_(dataOffset), layout_(layout), out_(out), width_(layout.Width),
          height_(layout.Height) {
        // Indices beyond the palette show black, as unpainted pixels do.
        palettePixels_.fill(PixelOf(clBlack));
        for (size_t i = 0; i < layout.Palette.size() && i < palettePixels_.size(); ++i)
            palettePixels_[i] = PixelOf(layout.Palette[i]);
        std::fill_n(out.Bits(), static_cast<size_t>(width_) * height_, PixelOf(clBlack));
    }

    PictureResult Run();

  private:
    PictureResult EncodedRun(uint8_t count, uint8_t value, size_t at);
    PictureResult Absolute(uint8_t count, size_t at);
    PictureResult Delta(size_t at);
    // Checks that `count` pixels can start at the cursor; false (with `fault` set) when the cursor
    // is past the last row. Pixels past the right edge are handled by Put and CheckEdge.
    bool RowAvailable(size_t at, PictureResult& fault);
    PictureResult CheckEdge(uint8_t count, int startX, size_t at);
    void Put(uint32_t pixel) {
        if (x_ < width_)
            out_.Row(PictureRow())[x_] = pixel;
        ++x_;
    }
    int PictureRow() const { return layout_.TopDown ? row_ : height_ - 1 - row_; }
    uint32_t Indexed(unsigned index) const { return palettePixels_[index & 0xFF]; }
    uint32_t Rgb(size_t at) const {
        return PixelOf(RGB(ByteAt(data_, at + 2), ByteAt(data_, at + 1), ByteAt(data_, at)));
    }
    // Ends the decoding with a failure: everything the stream did not reach turns white.
    PictureResult Fault(PictureError code, size_t at, const std::string& what);
    std::string Where() const {
        return " (row " + std::to_string(PictureRow()) + ", column " + std::to_string(x_) + ")";
    }

    std::string_view data_;
    size_t dataOffset_;
    const BmpLayout& layout_;
    Bitmap& out_;
    int width_;
    int height_;
    std::array<uint32_t, 256> palettePixels_{};
    size_t pos_ = 0;
    int x_ = 0;
    int row_ = 0; // rows of the stream, 0 first
};

PictureResult RleDecoder::Run() {
    while (true) {
        if (pos_ + 2 > data_.size()) {
            // With every row done, a missing end-of-picture escape loses nothing.
            if (row_ >= height_)
                return PictureSuccess();
            return Fault(PictureError::Truncated, data_.size(),
                         "the run-length data ends before the end-of-picture escape" + Where());
        }
        const size_t at = pos_;
        const uint8_t count = ByteAt(data_, pos_);
        const uint8_t code = ByteAt(data_, pos_ + 1);
        pos_ += 2;
        PictureResult step = PictureSuccess();
        if (count > 0) {
            step = EncodedRun(count, code, at);
        } else if (code == kEscEndOfLine) {
            x_ = 0;
            row_ = std::min(row_ + 1, height_);
        } else if (code == kEscEndOfPicture) {
            return PictureSuccess();
        } else if (code == kEscDelta) {
            step = Delta(at);
        } else {
            step = Absolute(code, at);
        }
        if (!step.Ok)
            return step;
    }
}

bool RleDecoder::RowAvailable(size_t at, PictureResult& fault) {
    if (row_ < height_)
        return true;
    fault = Fault(PictureError::BadPixelData, at, "pixel data continues past the last row");
    return false;
}

PictureResult RleDecoder::CheckEdge(uint8_t count, int startX, size_t at) {
    if (x_ <= width_)
        return PictureSuccess();
    x_ = width_;
    return Fault(PictureError::BadPixelData, at,
                 "a run of " + std::to_string(count) + " pixels from column " + std::to_string(startX) +
                     " passes the right edge of row " + std::to_string(PictureRow()));
}

PictureResult RleDecoder::EncodedRun(uint8_t count, uint8_t value, size_t at) {
    PictureResult fault;
    if (!RowAvailable(at, fault))
        return fault;
    const int startX = x_;
    switch (layout_.Compression) {
    case BmpCompression::Rle8:
        for (int i = 0; i < count; ++i)
            Put(Indexed(value));
        break;
    case BmpCompression::Rle4:
        // The two nibbles alternate, high one first.
        for (int i = 0; i < count; ++i)
            Put(Indexed((i & 1) ? (value & 0x0F) : (value >> 4)));
        break;
    case BmpCompression::Rle24: {
        // The run's colour takes three bytes: the one read with the count (blue), then green, red.
        if (pos_ + 2 > data_.size())
            return Fault(PictureError::Truncated, data_.size(),
                         "the file ends inside a 24-bit run" + Where());
        const uint32_t pixel = Rgb(pos_ - 1);
        pos_ += 2;
        for (int i = 0; i < count; ++i)
            Put(pixel);
        break;
    }
    case BmpCompression::None:
    case BmpCompression::Bitfields:
        break;
    }
    return CheckEdge(count, startX, at);
}

PictureResult RleDecoder::Absolute(uint8_t count, size_t at) {
    PictureResult fault;
    if (!RowAvailable(at, fault))
        return fault;
    size_t bytes = count;
    if (layout_.Compression == BmpCompression::Rle4)
        bytes = (count + 1u) / 2;
    else if (layout_.Compression == BmpCompression::Rle24)
        bytes = count * size_t{3};
    if (pos_ + bytes > data_.size())
        return Fault(PictureError::Truncated, data_.size(),
                     "the file ends inside a block of " + std::to_string(count) + " literal pixels" +
                         Where());
    const int startX = x_;
    for (int i = 0; i < count; ++i) {
        switch (layout_.Compression) {
        case BmpCompression::Rle8:
            Put(Indexed(ByteAt(data_, pos_ + i)));
            break;
        case BmpCompression::Rle4: {
            const uint8_t pair = ByteAt(data_, pos_ + i / 2);
            Put(Indexed((i & 1) ? (pair & 0x0F) : (pair >> 4)));
            break;
        }
        case BmpCompression::Rle24:
            Put(Rgb(pos_ + i * size_t{3}));
            break;
        case BmpCompression::None:
        case BmpCompression::Bitfields:
            break;
        }
    }
    // Blocks are padded to an even length; the pad byte may be missing at the very end.
    pos_ = std::min(data_.size(), pos_ + bytes + (bytes & 1));
    return CheckEdge(count, startX, at);
}

PictureResult RleDecoder::Delta(size_t at) {
    if (pos_ + 2 > data_.size())
        return Fault(PictureError::Truncated, data_.size(), "the file ends inside a delta escape" + Where());
    const int dx = ByteAt(data_, pos_);
    const int dy = ByteAt(data_, pos_ + 1);
    pos_ += 2;
    if (x_ + dx > width_)
        return Fault(PictureError::BadPixelData, at,
                     "a delta of " + std::to_string(dx) + " columns passes the right edge" + Where());
    if (row_ + dy > height_)
        return Fault(PictureError::BadPixelData, at,
                     "a delta of " + std::to_string(dy) + " rows passes the last row" + Where());
    x_ += dx;
    row_ += dy;
    return PictureSuccess();
}

PictureResult RleDecoder::Fault(PictureError code, size_t at, const std::string& what) {
    if (row_ < height_) {
        const int y = PictureRow();
        std::fill(out_.Row(y) + std::min(x_, width_), out_.Row(y) + width_, PixelOf(clWhite));
        for (int row = row_ + 1; row < height_; ++row) {
            const int pictureRow = layout_.TopDown ? row : height_ - 1 - row;
            std::fill_n(out_.Row(pictureRow), width_, PixelOf(clWhite));
        }
    }
    return PictureFailure(code, AtOffset(dataOffset_ + at, what));
}

} // namespace

PictureResult DecodeBmpRle(std::string_view data, size_t dataOffset, const BmpLayout& layout, Bitmap& out) {
    return RleDecoder(data, dataOffset, layout, out).Run();
}

} // namespace plat
