// The BMP side of the picture loader on hand-made files: every depth and header, run-length data
// with its escapes and faults, lying headers, cut files, and what stays in the bitmap afterwards.
#include "platform/graphics/PictureLoader.h"

#include "tests/platform/graphics/PictureTestBmp.h"
#include "tests/support/Scratch.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using namespace plat;
using picture_test::BmpFields;
using picture_test::Bytes;
using picture_test::MakeBmp;
using Grid = std::vector<std::vector<TColor>>;

constexpr TColor A = RGB(10, 20, 30);
constexpr TColor B = RGB(200, 100, 50);
constexpr TColor C = RGB(1, 2, 3);
constexpr TColor D = RGB(90, 80, 70);
constexpr TColor K = clBlack;
constexpr TColor W = clWhite;

Grid GridOf(const Bitmap& bitmap) {
    Grid grid(bitmap.Height(), std::vector<TColor>(bitmap.Width()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            grid[y][x] = bitmap.GetPixel(x, y);
    return grid;
}

// A bitmap with content, to see that a failed load empties it.
Bitmap Stale() {
    Bitmap bitmap(3, 3);
    bitmap.SetPalette({clRed});
    return bitmap;
}

struct DepthCase {
    const char* name;
    BmpFields fields;
    Grid expected; // top row first
};

void PrintTo(const DepthCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureDepth : public testing::TestWithParam<DepthCase> {};

TEST_P(PictureDepth, DecodesPixelsPaletteAndDepth) {
    const DepthCase& c = GetParam();
    Bitmap out = Stale();
    const PictureResult result = LoadPictureBytes(MakeBmp(c.fields), out);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_TRUE(result.Error.empty());
    EXPECT_EQ(GridOf(out), c.expected);
    EXPECT_EQ(out.SourceBitsPerPixel(), c.fields.bits);
    // Palettes stay with indexed pictures only; the one of a 24-bit picture is a display hint.
    EXPECT_EQ(out.Palette(), c.fields.bits <= 8 ? c.fields.palette : std::vector<TColor>{});
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            EXPECT_EQ(out.Row(y)[x] >> 24, 0xFFu) << "pixels load opaque";
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, PictureDepth,
    testing::Values(
        // Bottom-up rows, 9 pixels crossing a byte, row padded to 4 bytes.
        DepthCase{"OneBit",
                  {.width = 9,
                   .height = 2,
                   .bits = 1,
                   .palette = {A, B},
                   .pixels = Bytes({0xAA, 0x80, 0, 0, 0x70, 0, 0, 0})},
                  {{A, B, B, B, A, A, A, A, A}, {B, A, B, A, B, A, B, A, B}}},
        DepthCase{"TwoBit",
                  {.width = 3, .bits = 2, .palette = {A, B, C, D}, .pixels = Bytes({0x1B, 0, 0, 0})},
                  {{A, B, C}}},
        // Index 5 is beyond the two-entry palette.
        DepthCase{"FourBitIndexBeyondPalette",
                  {.width = 3, .bits = 4, .palette = {A, B}, .pixels = Bytes({0x01, 0x50, 0, 0})},
                  {{A, B, K}}},
        DepthCase{"EightBitTopDown",
                  {.width = 2,
                   .height = -2,
                   .bits = 8,
                   .palette = {A, B, C},
                   .pixels = Bytes({2, 1, 0, 0, 0, 2, 0, 0})},
                  {{C, B}, {A, C}}},
        DepthCase{"Sixteen555",
                  {.width = 3, .bits = 16, .pixels = Bytes({0xFF, 0x7F, 0x1F, 0, 0x10, 0x42, 0, 0})},
                  {{W, RGB(0, 0, 255), RGB(132, 132, 132)}}},
        DepthCase{"Sixteen565",
                  {.width = 3,
                   .bits = 16,
                   .compression = 3,
                   .masks = {0xF800, 0x07E0, 0x001F},
                   .pixels = Bytes({0, 0xF8, 0xE0, 0x07, 0x10, 0x04, 0, 0})},
                  {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 130, 132)}}},
        DepthCase{"TwentyFourWithPalette",
                  {.height = 2,
                   .bits = 24,
                   .colorsUsed = 2,
                   .palette = {A, B},
                   .pixels = Bytes({0x30, 0x20, 0x10, 0, 3, 2, 1, 0})},
                  {{RGB(1, 2, 3)}, {RGB(0x10, 0x20, 0x30)}}},
        DepthCase{
            "ThirtyTwoIgnoresTopByte", {.bits = 32, .pixels = Bytes({1, 2, 3, 0x80})}, {{RGB(3, 2, 1)}}},
        DepthCase{"ThirtyTwoTenBitChannels",
                  {.bits = 32,
                   .compression = 3,
                   .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
                   .pixels = Bytes({0, 0, 0xF8, 0x3F})},
                  {{RGB(255, 128, 0)}}},
        DepthCase{"SixteenAlphaBitfieldsLoadOpaque",
                  {.bits = 16,
                   .compression = 6,
                   .masks = {0x0F00, 0x00F0, 0x000F, 0xF000},
                   .pixels = Bytes({0x80, 0x0F, 0, 0})},
                  {{RGB(255, 136, 0)}}},
        DepthCase{"Version5MasksInHeader",
                  {.headerSize = 124,
                   .bits = 32,
                   .compression = 3,
                   .masks = {0xFF, 0xFF00, 0xFF0000, 0},
                   .pixels = Bytes({0x11, 0x22, 0x33, 0})},
                  {{RGB(0x11, 0x22, 0x33)}}},
        DepthCase{"Os2CoreThreeBytePalette",
                  {.headerSize = 12, .bits = 8, .palette = {A, B}, .pixels = Bytes({1, 0, 0, 0})},
                  {{B}}},
        DepthCase{
            "Os2Short16ByteHeader",
            {.headerSize = 16, .width = 2, .bits = 4, .palette = {A, B}, .pixels = Bytes({0x10, 0, 0, 0})},
            {{B, A}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RleCase {
    const char* name;
    BmpFields fields;
    Grid expected;
    PictureError code;
    size_t errorAt; // offset of the failing code within the pixel data
};

void PrintTo(const RleCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureRle : public testing::TestWithParam<RleCase> {};

TEST_P(PictureRle, DecodesOrKeepsWhatPrecedesTheFault) {
    const RleCase& c = GetParam();
    Bitmap out = Stale();
    const PictureResult result = LoadPictureBytes(MakeBmp(c.fields), out);
    EXPECT_EQ(result.Code, c.code) << result.Error;
    EXPECT_EQ(result.Ok, c.code == PictureError::None);
    EXPECT_EQ(GridOf(out), c.expected);
    if (c.code == PictureError::None)
        return;
    const size_t pixelOffset = 14 + 40 + 4 * c.fields.palette.size();
    const size_t at = c.code == PictureError::Truncated ? MakeBmp(c.fields).size() : pixelOffset + c.errorAt;
    EXPECT_NE(result.Error.find("offset " + std::to_string(at) + ":"), std::string::npos) << result.Error;
}

BmpFields Rle8(int width, int height, std::string stream) {
    return {.width = width,
            .height = height,
            .bits = 8,
            .compression = 1,
            .palette = {A, B, C},
            .pixels = std::move(stream)};
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, PictureRle,
    testing::Values(
        // Bottom row: run, padded literal block, end of line; middle row: a pixel, then a delta
        // to the top row; top row: a run, end of picture. Skipped pixels are black.
        RleCase{"Rle8Escapes",
                Rle8(5, 3, Bytes({2, 1, 0, 3, 2, 0, 2, 0, 0, 0, 1, 2, 0, 2, 2, 1, 2, 0, 0, 1})),
                {{K, K, K, A, A}, {C, K, K, K, K}, {B, B, C, A, C}},
                PictureError::None,
                0},
        RleCase{"Rle4AlternatingNibbles",
                {.width = 6,
                 .bits = 4,
                 .compression = 2,
                 .palette = {A, B, C},
                 .pixels = Bytes({3, 0x12, 0, 3, 0x20, 0x10, 0, 1})},
                {{B, C, B, C, A, B}},
                PictureError::None,
                0},
        RleCase{"Rle24Os2",
                {.headerSize = 64,
                 .width = 3,
                 .bits = 24,
                 .compression = 4,
                 .pixels = Bytes({2, 0x30, 0x20, 0x10, 0, 1})},
                {{RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30), K}},
                PictureError::None,
                0},
        RleCase{"AllRowsWithoutEndOfPicture", Rle8(1, 1, Bytes({1, 1, 0, 0})), {{B}}, PictureError::None, 0},
        RleCase{"RunPastRightEdgeIsClipped",
                Rle8(3, 2, Bytes({5, 1, 0, 1})),
                {{W, W, W}, {B, B, B}},
                PictureError::BadPixelData,
                0},
        RleCase{"LiteralPastRightEdgeIsClipped",
                Rle8(2, 1, Bytes({1, 2, 0, 3, 1, 2, 0, 0})),
                {{C, B}},
                PictureError::BadPixelData,
                2},
        RleCase{"DeltaPastLastRow",
                Rle8(2, 2, Bytes({1, 1, 0, 2, 0, 5})),
                {{W, W}, {B, W}},
                PictureError::BadPixelData,
                2},
        RleCase{
            "DeltaPastRightEdge", Rle8(2, 1, Bytes({0, 2, 3, 0})), {{W, W}}, PictureError::BadPixelData, 0},
        RleCase{
            "DataPastLastRow", Rle8(1, 1, Bytes({1, 1, 0, 0, 1, 2})), {{B}}, PictureError::BadPixelData, 4},
        RleCase{"EndsBeforeEndOfPicture",
                Rle8(2, 2, Bytes({1, 2})),
                {{W, W}, {C, W}},
                PictureError::Truncated,
                0},
        RleCase{"LiteralBlockCutOff",
                Rle8(4, 1, Bytes({0, 4, 1, 2})),
                {{W, W, W, W}},
                PictureError::Truncated,
                0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::function<void(BmpFields&)> change;
    PictureError code;
    const char* where;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(PictureRefusal, LeavesBitmapEmptyAndNamesTheOffset) {
    BmpFields fields{.width = 2, .height = 2, .bits = 24, .pixels = std::string(16, '\x40')};
    GetParam().change(fields);
    Bitmap out = Stale();
    const PictureResult result = LoadPictureBytes(MakeBmp(fields), out);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Code, GetParam().code) << result.Error;
    EXPECT_TRUE(out.Empty());
    EXPECT_TRUE(out.Palette().empty());
    EXPECT_EQ(result.Error.rfind(std::string(GetParam().where) + ":", 0), 0u) << result.Error;
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, PictureRefusal,
    testing::Values(
        RefusalCase{"ZeroWidth", [](BmpFields& s) { s.width = 0; }, PictureError::BadHeader, "offset 18"},
        RefusalCase{"NegativeWidth", [](BmpFields& s) { s.width = -2; }, PictureError::BadHeader,
                    "offset 18"},
        RefusalCase{"ZeroHeight", [](BmpFields& s) { s.height = 0; }, PictureError::BadHeader, "offset 22"},
        RefusalCase{"TwoPlanes", [](BmpFields& s) { s.planes = 2; }, PictureError::BadHeader, "offset 26"},
        RefusalCase{"ThreeBits", [](BmpFields& s) { s.bits = 3; }, PictureError::BadHeader, "offset 28"},
        RefusalCase{"SixtyFourBits", [](BmpFields& s) { s.bits = 64; }, PictureError::Unsupported,
                    "offset 28"},
        RefusalCase{"EmbeddedPng", [](BmpFields& s) { s.compression = 5; }, PictureError::Unsupported,
                    "offset 30"},
        RefusalCase{"UnknownCompression", [](BmpFields& s) { s.compression = 9; }, PictureError::Unsupported,
                    "offset 30"},
        RefusalCase{"Os2Huffman", [](BmpFields& s) { s.headerSize = 64, s.bits = 1, s.compression = 3; },
                    PictureError::Unsupported, "offset 30"},
        RefusalCase{"Rle8With24Bits", [](BmpFields& s) { s.compression = 1; }, PictureError::BadHeader,
                    "offset 28"},
        RefusalCase{"TopDownRle",
                    [](BmpFields& s) {
                        s = Rle8(2, -2, Bytes({0, 1}));
                    },
                    PictureError::BadHeader, "offset 22"},
        RefusalCase{"HeaderSize20", [](BmpFields& s) { s.headerSize = 20; }, PictureError::BadHeader,
                    "offset 14"},
        RefusalCase{"NegativeDensity", [](BmpFields& s) { s.density = -1; }, PictureError::BadHeader,
                    "offset 38"},
        RefusalCase{"PixelOffsetInsideHeader", [](BmpFields& s) { s.pixelOffset = 40; },
                    PictureError::BadHeader, "offset 10"},
        RefusalCase{"PixelOffsetPastEnd", [](BmpFields& s) { s.pixelOffset = 100000, s.pixels.clear(); },
                    PictureError::Truncated, "offset 10"},
        RefusalCase{"HundredThousandSquare", [](BmpFields& s) { s.width = s.height = 100000; },
                    PictureError::TooLarge, "offset 18"},
        RefusalCase{"AreaOverLimit", [](BmpFields& s) { s.width = s.height = 30000; }, PictureError::TooLarge,
                    "offset 18"},
        // Within the Bitmap limits, but 16 bytes cannot describe 64 megapixels: refused before
        // the 256 MB bitmap is allocated.
        RefusalCase{"MorePixelsThanTheDataHolds", [](BmpFields& s) { s.width = s.height = 8192; },
                    PictureError::TooLarge, "offset 54"},
        RefusalCase{"EmptyGreenMask",
                    [](BmpFields& s) {
                        s.bits = 16, s.compression = 3, s.masks = {0xF800, 0, 0x1F};
                    },
                    PictureError::BadMasks, "offset 58"},
        RefusalCase{"OverlappingMasks",
                    [](BmpFields& s) {
                        s.bits = 16, s.compression = 3, s.masks = {0xFF00, 0x0FF0, 0x000F};
                    },
                    PictureError::BadMasks, "offset 58"},
        RefusalCase{"MaskWithGap",
                    [](BmpFields& s) {
                        s.bits = 16, s.compression = 3, s.masks = {0xF800, 0x07E0, 0x15};
                    },
                    PictureError::BadMasks, "offset 62"},
        RefusalCase{"MaskOutsidePixel",
                    [](BmpFields& s) {
                        s.bits = 16, s.compression = 3, s.masks = {0x1F0000, 0x07E0, 0x1F};
                    },
                    PictureError::BadMasks, "offset 54"},
        RefusalCase{"AlphaOverlapsBlue",
                    [](BmpFields& s) {
                        s.bits = 16, s.compression = 6, s.masks = {0xF00, 0xF0, 0xF, 0xFF00};
                    },
                    PictureError::BadMasks, "offset 66"},
        RefusalCase{"IndexedWithoutPalette", [](BmpFields& s) { s.bits = 8; }, PictureError::BadPalette,
                    "offset 54"},
        RefusalCase{"PaletteCountBeyondPixelOffset",
                    [](BmpFields& s) {
                        s.bits = 8, s.colorsUsed = 300, s.palette = {A, B};
                    },
                    PictureError::BadPalette, "offset 54"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PicturePalette, TenThousandEntriesKeepTheReachableOnes) {
    std::vector<TColor> palette(10000, A);
    palette[255] = B;
    Bitmap out;
    const PictureResult result = LoadPictureBytes(
        MakeBmp({.bits = 8, .colorsUsed = 10000, .palette = palette, .pixels = Bytes({255, 0, 0, 0})}), out);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(out.GetPixel(0, 0), B);
    EXPECT_EQ(out.Palette(), std::vector<TColor>(palette.begin(), palette.begin() + 256));
}

// An 8-bit 2 x 3 picture (rows of 4 bytes) with its rows A A, B B, C C from the bottom.
BmpFields ThreeRows() {
    return {.width = 2,
            .height = 3,
            .bits = 8,
            .palette = {A, B, C},
            .pixels = Bytes({0, 0, 0, 0, 1, 1, 0, 0, 2, 2, 0, 0})};
}

TEST(PictureTruncated, KeepsTheRowsReadAndWhitensTheRest) {
    std::string file = MakeBmp(ThreeRows());
    file.resize(file.size() - 7); // the top row and most of the middle one
    Bitmap out;
    const PictureResult result = LoadPictureBytes(file, out);
    EXPECT_EQ(result.Code, PictureError::Truncated);
    EXPECT_EQ(GridOf(out), (Grid{{W, W}, {W, W}, {A, A}}));
    EXPECT_EQ(out.Palette(), (std::vector<TColor>{A, B, C}));
    EXPECT_NE(result.Error.find("offset 70:"), std::string::npos) << result.Error;
}

TEST(PictureTruncated, MissingPaddingOfTheLastRowIsNotAFault) {
    BmpFields fields = ThreeRows();
    fields.pixels.resize(fields.pixels.size() - 2);
    Bitmap out;
    const std::string file = MakeBmp(fields);
    EXPECT_TRUE(LoadPictureBytes(file, out).Ok);
    EXPECT_EQ(GridOf(out), (Grid{{C, C}, {B, B}, {A, A}}));
}

TEST(PictureTruncated, SizeFieldsLongerThanTheFileMeanACutFile) {
    struct Case {
        std::function<void(BmpFields&)> change;
        bool ok;
        const char* where;
    };
    const Case cases[] = {
        {[](BmpFields& s) { s.fileSize = 100000; }, false, "offset 2:"},
        {[](BmpFields& s) { s.imageSize = 13; }, false, "offset 34:"},
        {[](BmpFields& s) { s.fileSize = 26; }, true, ""}, // too small: many writers get it wrong
        {[](BmpFields& s) { s.imageSize = 12; }, true, ""},
    };
    for (const Case& c : cases) {
        BmpFields fields = ThreeRows();
        c.change(fields);
        Bitmap out;
        const PictureResult result = LoadPictureBytes(MakeBmp(fields), out);
        EXPECT_EQ(result.Ok, c.ok) << c.where;
        EXPECT_EQ(result.Error.rfind(c.where, 0), 0u) << result.Error;
        // Every pixel was there, so the partial picture is the whole picture.
        EXPECT_EQ(GridOf(out), (Grid{{C, C}, {B, B}, {A, A}}));
    }
}

TEST(PictureTruncated, CutInsideHeadersGivesNothing) {
    const std::string file = MakeBmp(ThreeRows());
    for (size_t length : {size_t{0}, size_t{2}, size_t{17}, size_t{30}, size_t{60}}) {
        Bitmap out = Stale();
        const PictureResult result = LoadPictureBytes(file.substr(0, length), out);
        EXPECT_FALSE(result.Ok);
        EXPECT_TRUE(out.Empty()) << length;
        EXPECT_FALSE(result.Error.empty());
    }
}

TEST(PictureFormat, ToldFromTheBytesNotTheName) {
    const std::string dir = testing_support::MakeScratchDir("picture");
    testing_support::WriteHostFile(dir + "/looks.jpg", MakeBmp(ThreeRows()));
    testing_support::WriteHostFile(dir + "/other.bmp", "GIF89a....");
    Bitmap out;
    EXPECT_TRUE(LoadPictureFile(dir + "/looks.jpg", out).Ok);
    EXPECT_EQ(out.Width(), 2);

    const PictureResult unknown = LoadPictureFile(dir + "/other.bmp", out);
    EXPECT_EQ(unknown.Code, PictureError::UnknownFormat);
    EXPECT_EQ(unknown.Error.rfind(dir + "/other.bmp: offset 0:", 0), 0u) << unknown.Error;
    EXPECT_TRUE(out.Empty());

    for (const std::string& path : {dir + "/missing.bmp", dir}) {
        const PictureResult unreadable = LoadPictureFile(path, out);
        EXPECT_EQ(unreadable.Code, PictureError::FileUnreadable);
        EXPECT_EQ(unreadable.Error.rfind(path + ": ", 0), 0u) << unreadable.Error;
    }
}

} // namespace
