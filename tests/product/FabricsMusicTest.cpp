// Checks the fabric sheets, the songs, the fonts and the credits of the CD image as the designer
// will meet them: the sheets through the program's picture loader, cut the way the fabric drum
// cuts them; the songs through a small Standard MIDI File reader of our own; the fonts through
// the platform's font registry under the names they are shipped as.
#include "designer/layout/FabricLayout.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/PictureLoader.h"
#include "platform/text/Cp1251.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kCd = VELMORA_CD_DIR;
constexpr int kSide = layout::kFabricTileSide;

plat::Bitmap LoadSheet(const std::string& name) {
    plat::Bitmap sheet;
    const plat::PictureResult result = plat::LoadPictureFile(kCd + "/Resource/" + name, sheet);
    EXPECT_TRUE(result.Ok) << result.Error;
    return sheet;
}

int ChannelDistance(plat::TColor a, plat::TColor b) {
    return std::abs(int(plat::GetRValue(a)) - int(plat::GetRValue(b))) +
           std::abs(int(plat::GetGValue(a)) - int(plat::GetGValue(b))) +
           std::abs(int(plat::GetBValue(a)) - int(plat::GetBValue(b)));
}

// Mean colour difference between column `a` and column `b` of the tile at (left, top); with
// `rows` set, between rows instead.
double LineDifference(const plat::Bitmap& sheet, int left, int top, int a, int b, bool rows) {
    long sum = 0;
    for (int i = 0; i < kSide; ++i) {
        sum += rows ? ChannelDistance(sheet.GetPixel(left + i, top + a), sheet.GetPixel(left + i, top + b))
                    : ChannelDistance(sheet.GetPixel(left + a, top + i), sheet.GetPixel(left + b, top + i));
    }
    return double(sum) / kSide;
}

// A repeat shows a seam when the step from the last column (row) back to the first is harsher
// than every step between neighbouring columns (rows) inside the tile.
bool WrapsSeamlessly(const plat::Bitmap& sheet, int left, int top, std::string& why) {
    for (bool rows : {false, true}) {
        double inside = 0;
        for (int i = 0; i + 1 < kSide; ++i)
            inside = std::max(inside, LineDifference(sheet, left, top, i, i + 1, rows));
        const double wrap = LineDifference(sheet, left, top, kSide - 1, 0, rows);
        if (wrap > inside + 1.0) {
            why = std::string(rows ? "rows" : "columns") + ": step across the edge " + std::to_string(wrap) +
                  ", largest step inside " + std::to_string(inside);
            return false;
        }
    }
    return true;
}

TEST(FabricSheets, SizesAndTileCountsFollowTheLayout) {
    const struct {
        const char* name;
        int columns, rows, count;
    } sheets[] = {
        {"FillsS.bmp", layout::kFabricStretchColumns, layout::kFabricStretchRows, layout::kFabricStretchCount},
        {"FillsM.bmp", layout::kFabricTiledColumns, layout::kFabricTiledRows, layout::kFabricTiledCount},
    };
    for (const auto& expected : sheets) {
        SCOPED_TRACE(expected.name);
        const plat::Bitmap sheet = LoadSheet(expected.name);
        EXPECT_EQ(sheet.Width(), expected.columns * kSide);
        EXPECT_EQ(sheet.Height(), expected.rows * kSide);
        // The drum counts whole tiles exactly like this.
        EXPECT_EQ((sheet.Width() / kSide) * (sheet.Height() / kSide), expected.count);
    }
    EXPECT_GE(layout::kFabricStretchCount, 12);
    EXPECT_GE(layout::kFabricTiledCount, 24);
}

TEST(FabricSheets, NoPixelIsTheTransparentWhite) {
    for (const char* name : {"FillsS.bmp", "FillsM.bmp"}) {
        const plat::Bitmap sheet = LoadSheet(name);
        int white = 0;
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x)
                white += (sheet.GetPixel(x, y) & 0xFFFFFF) == plat::clWhite;
        EXPECT_EQ(white, 0) << name;
    }
}

TEST(FabricSheets, TiledFabricsRepeatWithoutSeams) {
    const plat::Bitmap sheet = LoadSheet("FillsM.bmp");
    ASSERT_FALSE(sheet.Empty());
    for (int k = 0; k < layout::kFabricTiledCount; ++k) {
        const int left = (k % layout::kFabricTiledColumns) * kSide;
        const int top = (k / layout::kFabricTiledColumns) * kSide;
        std::string why;
        EXPECT_TRUE(WrapsSeamlessly(sheet, left, top, why)) << "tiled fabric " << k << ": " << why;
    }
}

TEST(FabricSheets, TheSeamMeasureSeesASeam) {
    // A left-to-right gradient repeats with a hard step: the measure must call that a seam.
    plat::Bitmap gradient(kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            gradient.SetPixel(x, y, plat::RGB(uint8_t(40 + x * 3), 90, 160));
    std::string why;
    EXPECT_FALSE(WrapsSeamlessly(gradient, 0, 0, why));
}

// --- Songs -------------------------------------------------------------------------------------

struct SongSummary {
    int tracks = 0;
    double seconds = 0;
    int notes = 0;
    int hangingNotes = 0; // note-ons never switched off
    std::map<int, int> notesPerChannel;
};

class SmfReader {
public:
    explicit SmfReader(std::string bytes) : data_(std::move(bytes)) {}

    SongSummary Read() {
        if (Text(4) != "MThd" || U32() != 6)
            Fail("no MThd header of length 6");
        const int format = U16();
        summary_.tracks = U16();
        division_ = U16();
        if (format != 1)
            Fail("format " + std::to_string(format) + ", expected 1");
        if (division_ == 0 || division_ & 0x8000)
            Fail("division must be ticks per quarter note");
        for (int t = 0; t < summary_.tracks; ++t)
            Track();
        if (pos_ != data_.size())
            Fail("bytes after the last track");
        summary_.seconds = Seconds(endTick_);
        return summary_;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("offset " + std::to_string(pos_) + ": " + what);
    }
    uint8_t Byte() {
        if (pos_ >= data_.size())
            Fail("data ends early");
        return uint8_t(data_[pos_++]);
    }
    std::string Text(size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i)
            s += char(Byte());
        return s;
    }
    uint32_t U32() { uint32_t v = 0; for (int i = 0; i < 4; ++i) v = v << 8 | Byte(); return v; }
    int U16() { const int hi = Byte(); return hi << 8 | Byte(); }
    uint32_t Variable() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = Byte();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return v;
        }
        Fail("variable-length number longer than four bytes");
    }

    void Track() {
        if (Text(4) != "MTrk")
            Fail("expected MTrk");
        const uint32_t length = U32();
        const size_t end = pos_ + length;
        if (end > data_.size())
            Fail("track runs past the end of the file");
        long tick = 0;
        int status = 0;
        std::map<int, int> sounding; // channel * 128 + key -> count
        bool ended = false;
        while (pos_ < end) {
            if (ended)
                Fail("events after End of Track");
            tick += long(Variable());
            int first = Byte();
            if (first == 0xFF) {
                const int type = Byte();
                const uint32_t length = Variable();
                const std::string body = Text(length);
                if (type == 0x51 && length == 3)
                    tempos_[tick] = (uint8_t(body[0]) << 16) | (uint8_t(body[1]) << 8) | uint8_t(body[2]);
                ended = type == 0x2F;
                continue;
            }
            if (first == 0xF0 || first == 0xF7) {
                Text(Variable());
                continue;
            }
            if (first & 0x80) {
                status = first;
                first = Byte();
            } else if (!status) {
                Fail("running status without a status byte");
            }
            const int kind = status & 0xF0, channel = status & 0x0F;
            const int second = (kind == 0xC0 || kind == 0xD0) ? 0 : Byte();
            if ((first | second) & 0x80)
                Fail("data byte with the high bit set");
            const int key = channel * 128 + first;
            if (kind == 0x90 && second > 0) {
                ++sounding[key];
                ++summary_.notes;
                ++summary_.notesPerChannel[channel];
            } else if (kind == 0x80 || kind == 0x90) {
                if (sounding[key] == 0)
                    Fail("note-off without a note-on");
                --sounding[key];
            }
        }
        if (!ended || pos_ != end)
            Fail("track does not close with End of Track at its length");
        for (const auto& [key, count] : sounding)
            summary_.hangingNotes += count;
        endTick_ = std::max(endTick_, tick);
    }

    double Seconds(long tick) const {
        double seconds = 0;
        long at = 0;
        double perTick = 500000.0 / division_ / 1e6; // 120 quarters a minute until told otherwise
        for (const auto& [change, microseconds] : tempos_) {
            if (change >= tick)
                break;
            seconds += (change - at) * perTick;
            at = change;
            perTick = microseconds / double(division_) / 1e6;
        }
        return seconds + (tick - at) * perTick;
    }

    std::string data_;
    size_t pos_ = 0;
    int division_ = 0;
    long endTick_ = 0;
    std::map<long, int> tempos_;
    SongSummary summary_;
};

TEST(Songs, EightGeneralMidiSongsOfOneToTwoMinutes) {
    for (int n = 0; n <= 7; ++n) {
        const std::string path = kCd + "/Resource/Song" + std::to_string(n) + ".mid";
        SCOPED_TRACE(path);
        ASSERT_TRUE(std::filesystem::exists(path));
        SongSummary song;
        ASSERT_NO_THROW(song = SmfReader(testing_support::ReadHostFile(path)).Read());
        EXPECT_GE(song.seconds, 60.0);
        EXPECT_LE(song.seconds, 120.0);
        EXPECT_EQ(song.hangingNotes, 0);
        // A tune and its accompaniment: notes on at least three channels.
        EXPECT_GE(song.notesPerChannel.size(), 3u);
        EXPECT_GT(song.notes, 200);
    }
}

TEST(Songs, TheReaderRefusesBrokenFiles) {
    const std::string good = testing_support::ReadHostFile(kCd + "/Resource/Song0.mid");
    ASSERT_GT(good.size(), 40u);
    EXPECT_THROW(SmfReader(good.substr(0, good.size() - 3)).Read(), std::runtime_error);
    std::string wrongFormat = good;
    wrongFormat[9] = 2;
    EXPECT_THROW(SmfReader(wrongFormat).Read(), std::runtime_error);
    EXPECT_THROW(SmfReader(good + "x").Read(), std::runtime_error);
}

// --- Fonts and credits ---------------------------------------------------------------------------

TEST(Fonts, BothShippedFilesRegisterUnderTheirFaceNames) {
    const std::string screen = kCd + "/comtech.fon", pattern = kCd + "/metip___.ttf";
    // comtech.fon holds a TrueType font: the name must not stop it from loading.
    ASSERT_TRUE(plat::RegisterFontFile(screen, "Vizo"));
    ASSERT_TRUE(plat::RegisterFontFile(pattern, "Derazuv"));
    const std::string vizo = plat::ResolveFontFamily("Vizo");
    const std::string derazuv = plat::ResolveFontFamily("Derazuv");
    EXPECT_NE(vizo, plat::DefaultFontFamily());
    EXPECT_NE(derazuv, plat::DefaultFontFamily());
    EXPECT_NE(vizo, derazuv);
    EXPECT_TRUE(plat::UnregisterFontFile(screen));
    EXPECT_TRUE(plat::UnregisterFontFile(pattern));
    EXPECT_EQ(plat::ResolveFontFamily("Vizo"), plat::DefaultFontFamily());
}

TEST(Fonts, LicencesTravelWithTheFonts) {
    for (const char* name : {"fonts-comfortaa.txt", "fonts-sil-andika.txt", "FONTS.txt"}) {
        const std::string text = testing_support::ReadHostFile(kCd + "/licenses/" + name);
        EXPECT_FALSE(text.empty()) << name;
        if (std::string(name) != "FONTS.txt")
            EXPECT_NE(text.find("Open Font License"), std::string::npos) << name;
    }
}

TEST(Credits, AboutTextIsCp1251WithCrLfLines) {
    const std::string text = testing_support::ReadHostFile(kCd + "/Resource/about.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find(plat::Ru("Велмора")), std::string::npos) << "the product's name in cp1251";
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = uint8_t(text[i]);
        SCOPED_TRACE("byte " + std::to_string(i));
        ASSERT_NE(byte, 0x98) << "undefined in cp1251";
        if (byte == '\n')
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a line ending without CR";
        else if (byte == '\r')
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "a CR alone";
        else
            ASSERT_GE(byte, 0x20) << "a control character";
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

} // namespace
