// BMP decoding: header checks come from BmpHeader, run-length data from BmpRle; this file decodes
// uncompressed rows and puts the pieces together. Rows are padded to 4 bytes and stored bottom-up
// unless the height is negative.
#include "platform/graphics/BmpReader.h"

#include "platform/graphics/BmpHeader.h"
#include "platform/graphics/BmpRle.h"
#include "platform/graphics/PictureBytes.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace plat {

namespace {

// A header may not promise more pixels per byte of pixel data than this, so that a few bytes
// cannot make us allocate a large picture. Uncompressed data holds at most 8 pixels a byte and
// run-length data about 128 with plain runs; the rest is room for pictures that skip large areas
// with escapes. Checked before anything is allocated.
constexpr uint64_t kMaxPixelsPerDataByte = 1024;

// Channels of up to this many bits scale through a table; wider ones compute each value.
constexpr int kMaxTableBits = 16;

// Scales an n-bit channel to 8 bits, rounding to nearest, so that the largest value gives 255.
class ChannelScale {
  public:
    explicit ChannelScale(BmpChannel channel)
        : shift_(channel.Shift), bits_(channel.Bits), max_((uint64_t{1} << channel.Bits) - 1) {
        if (bits_ > kMaxTableBits)
            return;
        table_.resize(max_ + 1);
        for (uint64_t value = 0; value <= max_; ++value)
            table_[value] = Compute(value);
    }

    uint32_t operator()(uint32_t pixel) const {
        const uint64_t value = (pixel >> shift_) & max_;
        return bits_ > kMaxTableBits ? Compute(value) : table_[value];
    }

  private:
    uint8_t Compute(uint64_t value) const { return static_cast<uint8_t>((value * 255 + max_ / 2) / max_); }

    int shift_;
    int bits_;
    uint64_t max_;
    std::vector<uint8_t> table_;
};

void DecodeIndexedRow(const uint8_t* src, int width, int bits, const std::array<uint32_t, 256>& palette,
                      uint32_t* dst) {
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        dst[x] = palette[(src[x / perByte] >> shift) & mask];
    }
}

void DecodeMaskedRow(const uint8_t* src, int width, int bytesPerPixel, const std::array<ChannelScale, 3>& rgb,
                     uint32_t* dst) {
    for (int x = 0; x < width; ++x, src += bytesPerPixel) {
        uint32_t value = 0;
        for (int i = 0; i < bytesPerPixel; ++i)
            value |= static_cast<uint32_t>(src[i]) << (8 * i);
        dst[x] = 0xFF000000u | (rgb[0](value) << 16) | (rgb[1](value) << 8) | rgb[2](value);
    }
}

PictureResult DecodeRows(std::string_view data, const BmpLayout& layout, Bitmap& out) {
    const int bits = layout.BitsPerPixel;
    const uint64_t rowBytes = (static_cast<uint64_t>(layout.Width) * bits + 7) / 8;
    const uint64_t stride = (static_cast<uint64_t>(layout.Width) * bits + 31) / 32 * 4;
    // Indices beyond the palette show black, as unpainted pixels do.
    std::array<uint32_t, 256> palette;
    palette.fill(PixelOf(clBlack));
    for (size_t i = 0; i < layout.Palette.size() && i < palette.size(); ++i)
        palette[i] = PixelOf(layout.Palette[i]);
    const std::array<ChannelScale, 3> rgb = {ChannelScale(layout.Red), ChannelScale(layout.Green),
                                             ChannelScale(layout.Blue)};
    const auto* base = reinterpret_cast<const uint8_t*>(data.data());
    for (int row = 0; row < layout.Height; ++row) {
        const int y = layout.TopDown ? row : layout.Height - 1 - row;
        const uint64_t start = row * stride;
        // The last row's padding may be missing; its pixels may not.
        if (start + rowBytes > data.size())
            return PictureFailure(PictureError::Truncated,
                                  AtOffset(layout.PixelOffset + std::min<uint64_t>(start, data.size()),
                                           "the file ends inside pixel row " + std::to_string(y) + " of " +
                                               std::to_string(layout.Height)));
        if (bits <= 8)
            DecodeIndexedRow(base + start, layout.Width, bits, palette, out.Row(y));
        else
            DecodeMaskedRow(base + start, layout.Width, bits / 8, rgb, out.Row(y));
    }
    return PictureSuccess();
}

bool IsRunLength(BmpCompression compression) {
    return compression == BmpCompression::Rle8 || compression == BmpCompression::Rle4 ||
           compression == BmpCompression::Rle24;
}

} // namespace

bool LooksLikeBmp(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

PictureResult ReadBmp(std::string_view bytes, Bitmap& out) {
    out.Clear();
    BmpLayout layout;
    if (auto result = ReadBmpLayout(bytes, layout); !result.Ok)
        return result;
    const std::string_view data = bytes.substr(layout.PixelOffset);
    const uint64_t pixels = static_cast<uint64_t>(layout.Width) * layout.Height;
    if (pixels > kMaxPixelsPerDataByte * data.size())
        return PictureFailure(
            PictureError::TooLarge,
            AtOffset(layout.PixelOffset, "a picture of " + std::to_string(layout.Width) + " x " +
                                             std::to_string(layout.Height) + " pixels cannot come from the " +
                                             std::to_string(data.size()) + " bytes of pixel data"));
    if (!out.SetSize(layout.Width, layout.Height))
        return PictureFailure(PictureError::TooLarge,
                              AtOffset(0, "the picture is over the bitmap size limits"));
    out.SetPalette(layout.Palette);
    out.SetSourceBitsPerPixel(layout.BitsPerPixel);
    const PictureResult pixelResult = IsRunLength(layout.Compression)
                                          ? DecodeBmpRle(data, layout.PixelOffset, layout, out)
                                          : DecodeRows(data, layout, out);
    if (!pixelResult.Ok) {
        if (!KeepsPartialPicture(pixelResult.Code))
            out.Clear();
        return pixelResult;
    }
    if (layout.ShorterThanHeaderSays)
        return PictureFailure(PictureError::Truncated, layout.ShortnessMessage);
    return PictureSuccess();
}

} // namespace plat
