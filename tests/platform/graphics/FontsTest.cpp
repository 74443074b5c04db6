// The font registry: registering font files under the face names the program knows, unregistering,
// and resolving faces with a fallback that never fails.
#include "platform/graphics/Fonts.h"

#include "platform/graphics/GuiApplication.h"
#include "platform/graphics/RasterCanvas.h"
#include "tests/support/Scratch.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace plat;

namespace {

// A free font from the system's packages, under a name of our choosing.
constexpr const char* kSerifFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";

class FontRegistry : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        EnsureGuiApplication();
    }
    void SetUp() override {
        if (!std::filesystem::exists(kSerifFont))
            GTEST_SKIP() << kSerifFont << " is not installed (Debian package fonts-dejavu-core)";
    }
    // The font copied into a scratch folder as `name`.
    static std::string CopyFont(const std::string& name) {
        const std::string path = testing_support::MakeScratchDir("fonts") + "/" + name;
        std::filesystem::copy_file(kSerifFont, path);
        return path;
    }
};

Bitmap DrawIn(const std::string& face) {
    Bitmap bitmap(120, 30);
    RasterCanvas canvas(bitmap);
    canvas.Font.Name = face;
    canvas.Font.Size = 14;
    canvas.TextOut(2, 2, "Pattern");
    return bitmap;
}

TEST_F(FontRegistry, AliasNamesARegisteredFileWhateverItsExtension) {
    const std::string path = CopyFont("metip___.xyz");
    ASSERT_TRUE(RegisterFontFile(path, "Derazuv"));
    EXPECT_EQ(ResolveFontFamily("Derazuv"), "DejaVu Serif");
    EXPECT_EQ(ResolveFontFamily("DERAZUV"), "DejaVu Serif");
    EXPECT_NE(DrawIn("Derazuv"), DrawIn("No Such Face")); // drawing uses the alias too

    EXPECT_TRUE(UnregisterFontFile(path));
    EXPECT_FALSE(UnregisterFontFile(path));
    EXPECT_EQ(ResolveFontFamily("Derazuv"), DefaultFontFamily());
}

TEST_F(FontRegistry, RegisteringAgainUpdatesTheAlias) {
    const std::string path = CopyFont("again.ttf");
    ASSERT_TRUE(RegisterFontFile(path, "First"));
    ASSERT_TRUE(RegisterFontFile(path, "Second"));
    EXPECT_EQ(ResolveFontFamily("Second"), "DejaVu Serif");
    EXPECT_EQ(ResolveFontFamily("First"), DefaultFontFamily());
    // The same file named another way is the same registration.
    const std::filesystem::path p(path);
    EXPECT_TRUE(
        UnregisterFontFile((p.parent_path() / ".." / p.parent_path().filename() / p.filename()).string()));
}

TEST_F(FontRegistry, FilesWithoutLoadableFacesAreRefused) {
    const std::string folder = testing_support::MakeScratchDir("badfonts");
    testing_support::WriteHostFile(folder + "/comtech.fon", std::string("MZ\x90\0not a font at all", 22));
    testing_support::WriteHostFile(folder + "/empty.ttf", "");
    EXPECT_FALSE(RegisterFontFile(folder + "/comtech.fon", "Vizo"));
    EXPECT_FALSE(RegisterFontFile(folder + "/empty.ttf"));
    EXPECT_FALSE(RegisterFontFile(folder + "/missing.ttf"));
    EXPECT_FALSE(UnregisterFontFile(folder + "/comtech.fon"));
    EXPECT_EQ(ResolveFontFamily("Vizo"), DefaultFontFamily());
}

TEST_F(FontRegistry, FacesResolveCaseInsensitivelyOrFallBack) {
    EXPECT_FALSE(DefaultFontFamily().empty());
    EXPECT_EQ(ResolveFontFamily("dejavu serif"), "DejaVu Serif");
    EXPECT_EQ(ResolveFontFamily("Arial Cyr"), DefaultFontFamily());
    EXPECT_EQ(ResolveFontFamily(""), DefaultFontFamily());
    EXPECT_EQ(ResolveFontFamily("\xC2\xE8\xE7\xEE"), DefaultFontFamily()); // cp1251 "Визо"
}

} // namespace
