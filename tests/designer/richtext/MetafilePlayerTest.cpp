// The metafile player: mapping through the window origin and extent, pens and brushes from the
// object table, shapes, DIB records, and damaged data.
#include "designer/richtext/MetafilePlayer.h"

#include "platform/graphics/GuiApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace {

void Put16(std::string& out, int v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, static_cast<int>(v & 0xFFFF));
    Put16(out, static_cast<int>(v >> 16));
}

std::string Record(int function, std::initializer_list<int> words) {
    std::string r;
    Put32(r, static_cast<uint32_t>(3 + words.size()));
    Put16(r, function);
    for (int w : words)
        Put16(r, w);
    return r;
}

std::string Metafile(const std::string& records) {
    std::string m;
    Put16(m, 1);
    Put16(m, 9);
    Put16(m, 0x300);
    Put32(m, static_cast<uint32_t>((18 + records.size()) / 2));
    Put16(m, 4); // objects
    Put32(m, 64);
    Put16(m, 0);
    return m + records + Record(0, {});
}

// Window 0..100 square onto the picture; a red pen and a blue brush selected.
std::string PenAndBrush() {
    return Record(0x020B, {0, 0}) + Record(0x020C, {100, 100}) + Record(0x02FA, {0, 1, 0, 0x00FF, 0}) +
           Record(0x012D, {0}) + Record(0x02FC, {0, 0, 0x00FF, 0}) + Record(0x012D, {1});
}

class MetafilePlayerTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }
};

TEST_F(MetafilePlayerTest, ShapesAreMappedThroughTheWindow) {
    const std::string wmf = Metafile(PenAndBrush() + Record(0x041B, {50, 50, 10, 10}) + // rectangle 10..50
                                     Record(0x0324, {3, 60, 60, 90, 60, 90, 90}));      // triangle
    const plat::Bitmap b = PlayMetafile(wmf, 200, 200);
    ASSERT_EQ(b.Width(), 200);
    EXPECT_EQ(b.GetPixel(20, 20), plat::clRed); // outline at 10 * 2
    EXPECT_EQ(b.GetPixel(60, 60), 0xFF0000u);   // the blue inside
    EXPECT_EQ(b.GetPixel(150, 10), plat::clWhite);
    EXPECT_EQ(b.GetPixel(175, 140), 0xFF0000u);     // inside the triangle
    EXPECT_EQ(b.GetPixel(130, 170), plat::clWhite); // outside it
}

TEST_F(MetafilePlayerTest, StretchDibPlacesThePicture) {
    // A 2 x 2 picture, 24 bits: bottom row red, green; top row blue, white.
    std::string dib;
    Put32(dib, 40);
    Put32(dib, 2);
    Put32(dib, 2);
    Put16(dib, 1);
    Put16(dib, 24);
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    dib += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);
    dib += std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);
    std::string record;
    Put32(record, static_cast<uint32_t>(3 + 11 + dib.size() / 2));
    Put16(record, 0x0F43);
    for (int w : {0x0020, 0x00CC, 0, 2, 2, 0, 0, 50, 50, 0, 0})
        Put16(record, w);
    record += dib;
    const plat::Bitmap b = PlayMetafile(Metafile(PenAndBrush() + record), 100, 100);
    EXPECT_EQ(b.GetPixel(10, 10), 0xFF0000u);   // top left: blue
    EXPECT_EQ(b.GetPixel(10, 40), plat::clRed); // bottom left: red
    EXPECT_EQ(b.GetPixel(40, 40), 0x00FF00u);   // bottom right: green
    EXPECT_EQ(b.GetPixel(75, 75), plat::clWhite);
}

TEST_F(MetafilePlayerTest, DamagedDataKeepsWhatWasDrawn) {
    const std::string good = PenAndBrush() + Record(0x041B, {50, 50, 10, 10});
    std::string lying = Metafile(good);
    lying.resize(lying.size() - 6);
    std::string bigRecord;
    Put32(bigRecord, 0x7FFFFFFF);
    Put16(bigRecord, 0x0F43);
    lying += bigRecord;
    const plat::Bitmap b = PlayMetafile(lying, 100, 100);
    EXPECT_EQ(b.GetPixel(10, 10), plat::clRed);
    // Not a metafile, an empty size, unknown records, a polygon that claims more points than it has.
    EXPECT_EQ(PlayMetafile("not a metafile", 10, 10).GetPixel(5, 5), plat::clWhite);
    EXPECT_TRUE(PlayMetafile(Metafile(good), 0, 10).Empty());
    const plat::Bitmap odd = PlayMetafile(
        Metafile(PenAndBrush() + Record(0x0999, {1, 2, 3}) + Record(0x0324, {3000, 1, 1})), 10, 10);
    EXPECT_EQ(odd.Width(), 10);
}

} // namespace
