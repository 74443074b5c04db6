// The start screen's backdrop (picture choice, gradient bands, logo), /AUTORUN and the one-copy
// guard.
#include "platform/graphics/RasterCanvas.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SingleInstance.h"
#include "setup/script/ScriptFile.h"
#include "setup/wizard/Backdrop.h"
#include "setup/wizard/MainForm.h"
#include "setup/wizard/StartProgram.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/Scratch.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace setup {
namespace {

class FakeScreen : public plat::ScreenSource {
public:
    FakeScreen(int width, int height) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    plat::TPoint CursorPos() const override { return {0, 0}; }
    plat::Bitmap Capture(const plat::TRect& rect) const override { return plat::Bitmap(rect.Width(), rect.Height()); }

private:
    int width_, height_;
};

// A 24-bit BMP file of one colour, or of the colours `pixel` gives.
std::string Bmp(int width, int height, const std::function<plat::TColor(int, int)>& pixel) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t size = 54 + static_cast<uint32_t>(stride * height);
    std::string out(size, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    out[0] = 'B', out[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    out[26] = 1;
    out[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const plat::TColor c = pixel(x, height - 1 - y); // rows bottom-up
            const size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
            out[at] = static_cast<char>(plat::GetBValue(c));
            out[at + 1] = static_cast<char>(plat::GetGValue(c));
            out[at + 2] = static_cast<char>(plat::GetRValue(c));
        }
    return out;
}

std::string Plain(int width, int height, plat::TColor color) {
    return Bmp(width, height, [=](int, int) { return color; });
}

class StartScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        // The one-copy guard's socket goes to a folder of this test alone.
        setenv("XDG_RUNTIME_DIR", testing_support::MakeScratchDir("runtime").c_str(), 1);
        dir = setup_test::MakeFolder("cd");
        SetupParams main;
        main.SetText("FirmName", "Vertalis");
        main.SetText("InternalName", "Velmora");
        main.SetText("SetupText", "Velmora");
        main.SetColorText("TopColor", std::to_string(plat::RGB(0, 0, 255)));
        main.SetColorText("BottomColor", std::to_string(plat::RGB(255, 0, 0)));
        SaveScript(main, dir.Win + "\\setup.inf");
        context.Discover({}, dir.Win + "\\");
    }

    plat::Bitmap Painted(int width, int height) {
        FakeScreen screen(width, height);
        plat::ScreenSourceGuard guard(screen);
        TMainForm form(context, dir.Win + "\\");
        plat::Bitmap bitmap(width, height);
        plat::RasterCanvas canvas(bitmap);
        form.Paint(canvas);
        return bitmap;
    }

    std::string BackgroundAt(int width) {
        FakeScreen screen(width, 600);
        plat::ScreenSourceGuard guard(screen);
        return TMainForm(context, dir.Win + "\\").BackgroundFile();
    }

    setup_test::ScratchFolder dir;
    SetupContext context;
};

TEST_F(StartScreenTest, GradientBandsFollowTheBandRule) {
    // 768 rows: 255 bands of 3 rows, the last 3 rows in the bottom colour.
    plat::Bitmap tall = Painted(1024, 768);
    EXPECT_EQ(tall.GetPixel(500, 0), plat::RGB(0, 0, 255));
    EXPECT_EQ(tall.GetPixel(500, 2), plat::RGB(0, 0, 255));
    EXPECT_EQ(tall.GetPixel(500, 3), plat::RGB(1, 0, 254)); // band 1: 255 * 1 / 254 = 1
    EXPECT_EQ(tall.GetPixel(500, 3 * 127), plat::RGB(127, 0, 128));
    EXPECT_EQ(tall.GetPixel(500, 764), plat::RGB(255, 0, 0));
    EXPECT_EQ(tall.GetPixel(500, 767), plat::RGB(255, 0, 0));
    // 480 rows: 255 bands of one row, 225 rows left over in the bottom colour.
    plat::Bitmap low = Painted(640, 480);
    EXPECT_EQ(low.GetPixel(0, 1), plat::RGB(1, 0, 254));
    EXPECT_EQ(low.GetPixel(0, 253), plat::RGB(253, 0, 2));
    EXPECT_EQ(low.GetPixel(0, 254), plat::RGB(255, 0, 0));
    EXPECT_EQ(low.GetPixel(639, 479), plat::RGB(255, 0, 0));
}

TEST_F(StartScreenTest, TheBackgroundPictureFollowsTheScreenWidth) {
    EXPECT_EQ(BackgroundAt(800), "") << "no pictures: the gradient";
    dir.Put("back.bmp", Plain(4, 4, plat::clGreen));
    dir.Put("back800.bmp", Plain(4, 4, plat::clRed));
    dir.Put("back1024.bmp", Plain(4, 4, plat::clBlue));
    EXPECT_EQ(BackgroundAt(640), "back.bmp");
    EXPECT_EQ(BackgroundAt(800), "back800.bmp");
    EXPECT_EQ(BackgroundAt(1024), "back1024.bmp");
    EXPECT_EQ(BackgroundAt(1280), "back1024.bmp");
    EXPECT_EQ(Painted(800, 600).GetPixel(799, 599), plat::clRed) << "stretched over the screen";
    dir.Put("back800.bmp", "BM not a picture");
    EXPECT_EQ(BackgroundAt(800), "back.bmp") << "a picture that does not load counts as absent";
    dir.Put("back.bmp", "garbage");
    EXPECT_EQ(BackgroundAt(800), "");
    EXPECT_EQ(Painted(800, 600).GetPixel(0, 0), plat::RGB(0, 0, 255));
}

TEST_F(StartScreenTest, TheLogoSitsTopRightWithItsLowerLeftColourTransparent) {
    dir.Put("back.bmp", Plain(2, 2, plat::clGreen));
    // 40 x 20, magenta background (its lower-left pixel) with a white square at 10..19.
    dir.Put("logo.bmp", Bmp(40, 20, [](int x, int y) {
                return x >= 10 && x < 20 && y >= 5 && y < 15 ? plat::clWhite : plat::RGB(255, 0, 255);
            }));
    plat::Bitmap shot = Painted(1024, 768);
    const int left = 1024 - TMainForm::kTextLeft - 40, top = TMainForm::kTextTop;
    EXPECT_EQ(shot.GetPixel(left + 10, top + 5), plat::clWhite);
    EXPECT_EQ(shot.GetPixel(left + 19, top + 14), plat::clWhite);
    EXPECT_EQ(shot.GetPixel(left + 9, top + 5), plat::clGreen);
    EXPECT_EQ(shot.GetPixel(left, top), plat::clGreen);
    EXPECT_EQ(shot.GetPixel(left + 20, top + 14), plat::clGreen);
}

TEST_F(StartScreenTest, TheTimerShowsTheTextWithItsShadowAndTheWizardOnce) {
    FakeScreen screen(800, 600);
    plat::ScreenSourceGuard guard(screen);
    TMainForm form(context, dir.Win + "\\");
    int shown = 0;
    form.ShowWizard = [&] { ++shown; };
    EXPECT_EQ(form.LabelText(), "");
    form.StartTimerTimer();
    EXPECT_EQ(form.LabelText(), "Velmora");
    EXPECT_EQ(shown, 1);
    plat::Bitmap bitmap(800, 600);
    plat::RasterCanvas canvas(bitmap);
    form.Paint(canvas);
    int white = 0, black = 0;
    for (int y = 12; y < 70; ++y)
        for (int x = 16; x < 260; ++x) {
            white += bitmap.GetPixel(x, y) == plat::clWhite;
            black += bitmap.GetPixel(x, y) == plat::clBlack;
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 100) << "the shadow";
}

TEST_F(StartScreenTest, AutorunEndsOnlyWhenTheProductKeyHoldsACdPath) {
    EXPECT_FALSE(AutorunFindsProduct({"/AUTORUN"}, context));
    {
        plat::TRegistry reg(plat::RootKey::CurrentUser);
        ASSERT_TRUE(reg.OpenKey("SOFTWARE\\Vertalis\\Velmora", true));
        reg.WriteString("CDPath", "");
    }
    EXPECT_FALSE(AutorunFindsProduct({"/AUTORUN"}, context));
    {
        plat::TRegistry reg(plat::RootKey::CurrentUser);
        ASSERT_TRUE(reg.OpenKey("SOFTWARE\\Vertalis\\Velmora", true));
        reg.WriteString("CDPath", "D:\\");
    }
    EXPECT_TRUE(AutorunFindsProduct({"/autorun"}, context));
    EXPECT_FALSE(AutorunFindsProduct({}, context));
    EXPECT_FALSE(AutorunFindsProduct({"/NOGROUP", "/AUTORUN"}, context)) << "only as the first parameter";
    EXPECT_EQ(RunSetupWindows({"/AUTORUN"}, dir.Win + "\\"), 0);
}

} // namespace
} // namespace setup
