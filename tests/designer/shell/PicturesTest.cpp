#include "designer/shell/Pictures.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/graphics/RasterCanvas.h"
#include "tests/support/Scratch.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace plat;

namespace {

Bitmap Filled(int w, int h, TColor color) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, color);
    return b;
}

Bitmap Stripes(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 30), 7));
    return b;
}

class ScreenPlatform : public Platform {
public:
    explicit ScreenPlatform(int bpp) : bpp_(bpp) {}
    int ScreenBitsPerPixel() const override { return bpp_; }

private:
    int bpp_;
};

} // namespace

TEST(DrawTransparent, WhiteLeavesTheDestinationAndEverythingElseReplacesIt) {
    Bitmap dest = Stripes(10, 8);
    const Bitmap original = dest;
    RasterCanvas canvas(dest);

    DrawTransparent(2, 1, canvas, Filled(5, 5, clWhite));
    EXPECT_EQ(dest, original);

    Bitmap source = Filled(5, 5, RGB(10, 200, 30));
    source.SetPixel(0, 0, clWhite);
    source.SetPixel(4, 4, RGB(254, 255, 255)); // almost white is a colour like any other
    canvas.CopyMode = RasterOp::SrcAnd;
    DrawTransparent(2, 1, canvas, source);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 1 && y < 6;
            const TColor expected = inside && !(x == 2 && y == 1) ? source.GetPixel(x - 2, y - 1) : original.GetPixel(x, y);
            EXPECT_EQ(dest.GetPixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(canvas.CopyMode, RasterOp::SrcCopy);
}

TEST(DrawTransparent, ClipsAtEveryEdgeAndIgnoresEmptySources) {
    Bitmap dest = Stripes(6, 6);
    RasterCanvas canvas(dest);
    DrawTransparent(-3, 4, canvas, Filled(5, 5, clBlack));
    EXPECT_EQ(dest.GetPixel(0, 5), clBlack);
    EXPECT_EQ(dest.GetPixel(1, 5), clBlack);
    EXPECT_NE(dest.GetPixel(2, 5), clBlack);
    EXPECT_NE(dest.GetPixel(0, 3), clBlack);
    const Bitmap before = dest;
    DrawTransparent(0, 0, canvas, Bitmap());
    EXPECT_EQ(dest, before);
}

TEST(LoadPicture, LoadsAtLeast24BitsAndLeavesFailuresEmpty) {
    {
        ScreenPlatform screen16(16);
        PlatformGuard guard(screen16);
        EXPECT_EQ(PictureLoadDepth(), 24);
    }
    ScreenPlatform screen32(32);
    PlatformGuard guard(screen32);
    EXPECT_EQ(PictureLoadDepth(), 32);

    const std::string dir = testing_support::MakeScratchDir("pictures");
    testing_support::WriteHostFile(dir + "/junk.bmp", "not a picture at all");
    Bitmap bitmap(4, 4);
    EXPECT_LT(LoadPicture(bitmap, WinPathOf(dir + "/junk.bmp")), 0);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(3, 3);
    EXPECT_LT(LoadPicture(bitmap, "C:\\missing\\Doll.bmp"), 0);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Fonts, BothFontsAreUnregisteredUnderTheNamesTheyWereRegisteredBy) {
    constexpr const char* kSerifFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    if (!std::filesystem::exists(kSerifFont))
        GTEST_SKIP() << kSerifFont << " is not installed (Debian package fonts-dejavu-core)";
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    EnsureGuiApplication();
    const std::string cd = testing_support::MakeScratchDir("cd");
    for (const char* name : {"comtech.fon", "metip___.ttf"}) {
        std::filesystem::copy_file(kSerifFont, cd + "/" + name);
        const std::string path = WinPathOf(cd + "/" + name);
        ASSERT_TRUE(RegisterFont(path, "Derazuv")) << name;
        EXPECT_TRUE(UnregisterFont(path)) << name;
        EXPECT_EQ(ResolveFontFamily("Derazuv"), DefaultFontFamily()) << name << " still registered";
        EXPECT_FALSE(UnregisterFont(path)) << name;
    }
    EXPECT_FALSE(RegisterFont("C:\\no\\such.ttf", "Derazuv"));
}
