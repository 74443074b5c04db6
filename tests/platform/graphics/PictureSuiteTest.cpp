// The picture loader against the public BMP test suite in the shared test data: every good image
// must match its reference rendering pixel for pixel; questionable and bad ones are read, kept
// partially or refused as the tables below say, and never crash. Skipped when the data is absent.
//
// References are PNGs read through Qt here (tests only). Their colour is compared where the
// reference is not fully transparent: our pictures load opaque, and a fully transparent reference
// pixel has no colour to compare.
#include "platform/graphics/PictureLoader.h"
#include "tests/support/Scratch.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

using namespace plat;

enum class Outcome {
    Read,    // Ok, compared with the reference when one is named
    Partial, // refused with a partial picture kept (KeepsPartialPicture)
    Refused, // refused, bitmap empty
};

struct Expectation {
    Outcome outcome;
    const char* reference = nullptr; // file in reference/, or none
    int tolerance = 0;               // largest channel difference allowed
    PictureError code = PictureError::None;
};

Expectation Read(const char* reference, int tolerance = 0) {
    return {Outcome::Read, reference, tolerance};
}
Expectation Partial(PictureError code) {
    return {Outcome::Partial, nullptr, 0, code};
}
Expectation Refused(PictureError code) {
    return {Outcome::Refused, nullptr, 0, code};
}

// g/: the good images; each shows the picture of the reference named.
const std::map<std::string, Expectation> kGood = {
    {"pal1.bmp", Read("pal1.png")},           {"pal1bg.bmp", Read("pal1bg.png")},
    {"pal1wb.bmp", Read("pal1.png")},         {"pal4.bmp", Read("pal4.png")},
    {"pal4gs.bmp", Read("pal4gs.png")},       {"pal4rle.bmp", Read("pal4.png")},
    {"pal8-0.bmp", Read("pal8.png")},         {"pal8.bmp", Read("pal8.png")},
    {"pal8gs.bmp", Read("pal8gs.png")},       {"pal8nonsquare.bmp", Read("pal8nonsquare-e.png")},
    {"pal8os2.bmp", Read("pal8.png")},        {"pal8rle.bmp", Read("pal8.png")},
    {"pal8topdown.bmp", Read("pal8.png")},    {"pal8v4.bmp", Read("pal8.png")},
    {"pal8v5.bmp", Read("pal8.png")},         {"pal8w124.bmp", Read("pal8w124.png")},
    {"pal8w125.bmp", Read("pal8w125.png")},   {"pal8w126.bmp", Read("pal8w126.png")},
    {"rgb16-565.bmp", Read("rgb16-565.png")}, {"rgb16-565pal.bmp", Read("rgb16-565.png")},
    {"rgb16.bmp", Read("rgb16.png")},         {"rgb16bfdef.bmp", Read("rgb16.png")},
    {"rgb24.bmp", Read("rgb24.png")},         {"rgb24pal.bmp", Read("rgb24.png")},
    {"rgb32.bmp", Read("rgb24.png")},         {"rgb32bf.bmp", Read("rgb24.png")},
    {"rgb32bfdef.bmp", Read("rgb24.png")},
};

// q/: what we do with each questionable image, and why.
const std::map<std::string, Expectation> kQuestionable = {
    {"pal1huffmsb.bmp", Refused(PictureError::Unsupported)}, // OS/2 Huffman 1D: fax coding, no one writes it
    {"pal1p1.bmp", Read("pal1p1.png")},                      // one-entry palette; index 1 is black
    {"pal2.bmp", Read("pal2.png")},                          // 2 bits per pixel
    {"pal2color.bmp", Read("pal2color.png")},
    {"pal4rlecut.bmp", Read("pal4rlecut-b.png")}, // skipped pixels black
    {"pal4rletrns.bmp", Read("pal4rletrns-b.png")},
    {"pal8offs.bmp", Read("pal8.png")},     // gap before the pixel data
    {"pal8os2-hs.bmp", Read("pal8.png")},   // reserved fields and file size ignored
    {"pal8os2-sz.bmp", Read("pal8.png")},   // file size field too small: ignored
    {"pal8os2sp.bmp", Read("pal8.png")},    // short palette, told by the pixel offset
    {"pal8os2v2-16.bmp", Read("pal8.png")}, // OS/2 2.x header cut to 16 bytes
    {"pal8os2v2-40sz.bmp", Read("pal8.png")},
    {"pal8os2v2-sz.bmp", Read("pal8.png")},
    {"pal8os2v2.bmp", Read("pal8.png")},       // OS/2 2.x 64-byte header
    {"pal8oversizepal.bmp", Read("pal8.png")}, // 300 entries: the first 256 count
    {"pal8rlecut.bmp", Read("pal8rlecut-b.png")},
    {"pal8rletrns.bmp", Read("pal8rletrns-b.png")},
    {"rgb16-231.bmp", Read("rgb16-231.png")}, // unusual mask widths
    {"rgb16-3103.bmp", Read("rgb16-3103.png")},
    {"rgb16faketrns.bmp", Read("rgb16faketrns.png")},      // unused bit set; colours compared
    {"rgb24jpeg.bmp", Refused(PictureError::Unsupported)}, // JPEG inside BMP: printer-only
    {"rgb24largepal.bmp", Read("rgb24.png")},              // palette of a 24-bit picture ignored
    {"rgb24lprof.bmp", Read("rgb24.png")},                 // linked colour profile ignored
    {"rgb24png.bmp", Refused(PictureError::Unsupported)},  // PNG inside BMP: printer-only
    {"rgb24rle24.bmp", Read("pal8.png")},                  // OS/2 RLE24
    // No reference of its own: 11- and 10-bit channels scaled to 8 bits are within one of the
    // 8-bit original.
    {"rgb32-111110.bmp", Read("rgb24.png", 1)},
    {"rgb32-7187.bmp", Read("rgb32-7187.png")},
    {"rgb32-xbgr.bmp", Read("rgb24.png")},
    {"rgb32fakealpha.bmp", Read("rgb24.png")},    // no alpha in BI_RGB: top byte ignored
    {"rgb32h52.bmp", Read("rgb24.png")},          // 52-byte header with masks
    {"rgba16-1924.bmp", Read("rgba16-1924.png")}, // alpha ignored, colours compared
    {"rgba16-4444.bmp", Read("rgba16-4444.png")},
    {"rgba16-5551.bmp", Read("rgba16-5551.png")},
    {"rgba32-1.bmp", Read("rgba32.png")},
    {"rgba32-1010102.bmp", Read("rgba32-1010102.png")},
    {"rgba32-2.bmp", Read("rgba32.png")},
    {"rgba32-61754.bmp", Read("rgba32-61754.png")},
    {"rgba32-81284.bmp", Read("rgba32-81284.png")},
    {"rgba32abf.bmp", Read("rgba32.png")},              // BI_ALPHABITFIELDS
    {"rgba32h56.bmp", Read("rgba32.png")},              // 56-byte header with masks
    {"rgba64.bmp", Refused(PictureError::Unsupported)}, // 64 bits per pixel
};

// b/: the bad images. Those whose header lies about the file's length keep what was read.
const std::map<std::string, Expectation> kBad = {
    {"badbitcount.bmp", Refused(PictureError::BadHeader)},
    {"badbitssize.bmp", Partial(PictureError::Truncated)}, // image size field beyond the file
    {"baddens1.bmp", Refused(PictureError::BadHeader)},
    {"baddens2.bmp", Refused(PictureError::BadHeader)},
    {"badfilesize.bmp", Partial(PictureError::Truncated)}, // file size field beyond the file
    {"badheadersize.bmp", Refused(PictureError::BadHeader)},
    {"badpalettesize.bmp", Refused(PictureError::BadPalette)},
    {"badplanes.bmp", Refused(PictureError::BadHeader)},
    {"badrle.bmp", Partial(PictureError::BadPixelData)},
    {"badrle4.bmp", Partial(PictureError::BadPixelData)},
    {"badrle4bis.bmp", Partial(PictureError::BadPixelData)},
    {"badrle4ter.bmp", Partial(PictureError::BadPixelData)},
    {"badrlebis.bmp", Partial(PictureError::BadPixelData)},
    {"badrleter.bmp", Partial(PictureError::BadPixelData)},
    {"badwidth.bmp", Refused(PictureError::BadHeader)},
    // Indices beyond the palette show black by the loader's rule for every indexed picture.
    {"pal8badindex.bmp", Read(nullptr)},
    {"reallybig.bmp", Refused(PictureError::TooLarge)},
    {"rgb16-880.bmp", Refused(PictureError::BadMasks)}, // no blue bits at all
    {"rletopdown.bmp", Refused(PictureError::BadHeader)},
    {"shortfile.bmp", Partial(PictureError::Truncated)},
};

const std::map<std::string, Expectation> kOther = {
    {"ba-bm.bmp", Refused(PictureError::UnknownFormat)}, // an OS/2 bitmap array, not a BMP
};

// Number of pixels whose colour differs by more than `tolerance`, and a note on the first.
int CountDifferences(const Bitmap& ours, const QImage& reference, int tolerance, std::string& first) {
    int count = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb want = reference.pixel(x, y);
            const TColor got = ours.GetPixel(x, y);
            if (qAlpha(want) == 0)
                continue;
            const int diff =
                std::max({std::abs(qRed(want) - GetRValue(got)), std::abs(qGreen(want) - GetGValue(got)),
                          std::abs(qBlue(want) - GetBValue(got))});
            if (diff <= tolerance)
                continue;
            if (count++ == 0)
                first = "first at " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return count;
}

void Check(const std::string& folder, const std::string& name, const Expectation& want) {
    const std::string suite = testing_support::TestDataDir("bmpsuite");
    Bitmap out;
    const PictureResult result = LoadPictureFile(suite + "/" + folder + "/" + name, out);
    SCOPED_TRACE(folder + "/" + name + ": " + result.Error);
    if (want.outcome != Outcome::Read) {
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Code, want.code);
        EXPECT_NE(result.Error.find(name + ": offset "), std::string::npos);
        EXPECT_EQ(out.Empty(), want.outcome == Outcome::Refused);
        return;
    }
    ASSERT_TRUE(result.Ok);
    ASSERT_FALSE(out.Empty());
    if (!want.reference)
        return;
    const QImage reference = QImage(QString::fromStdString(suite + "/reference/" + want.reference))
                                 .convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(out.Width(), reference.width());
    ASSERT_EQ(out.Height(), reference.height());
    std::string first;
    EXPECT_EQ(CountDifferences(out, reference, want.tolerance, first), 0) << first;
}

void CheckFolder(const std::string& folder, const std::map<std::string, Expectation>& table) {
    const std::string suite = testing_support::TestDataDir("bmpsuite");
    if (suite.empty())
        GTEST_SKIP() << "shared test data (bmpsuite) is absent";
    // Every image of the folder has a line in the table, so none is silently left out.
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(suite + "/" + folder))
        present.insert(entry.path().filename().string());
    std::set<std::string> listed;
    for (const auto& [name, want] : table)
        listed.insert(name);
    EXPECT_EQ(present, listed);
    for (const auto& [name, want] : table)
        if (present.count(name))
            Check(folder, name, want);
}

TEST(PictureSuite, GoodImagesMatchTheirReferences) {
    CheckFolder("g", kGood);
}
TEST(PictureSuite, QuestionableImagesAreReadOrRefusedAsListed) {
    CheckFolder("q", kQuestionable);
}
TEST(PictureSuite, BadImagesAreRefusedOrKeptPartially) {
    CheckFolder("b", kBad);
}
TEST(PictureSuite, OtherFilesAreNotTakenForBmp) {
    CheckFolder("x", kOther);
}

} // namespace
