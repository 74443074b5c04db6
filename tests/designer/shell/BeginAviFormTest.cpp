// The intro on a fake clock and screen with small made videos: the zoom's sizes, the stages and
// their timing, skipping before and after Ready, and the sound handling of missing, damaged and
// stalled videos.
#include "designer/shell/BeginAviForm.h"

#include "platform/files/WinPath.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/shell/StartupFakes.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace {

using velmora::test::FakeMachine;
using velmora::test::FakeScreen;

std::string Seed(const char* name) {
    return plat::WinPathOf(std::string(VELMORA_SOURCE_DIR) + "/fuzz/seeds/video/" + name);
}

std::string Damaged(const char* name) {
    return plat::WinPathOf(std::string(VELMORA_SOURCE_DIR) + "/tests/data/video/malformed/" + name);
}

constexpr plat::TColor kPictureRed = plat::RGB(255, 0, 0);
constexpr uint32_t kBlack = 0xFF000000;

// A 80 x 60 picture of one colour, saved as PNG; returns its Windows path.
std::string SolidPicture() {
    const std::string path = testing_support::MakeScratchDir("title") + "/title.png";
    plat::Bitmap picture(80, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            picture.SetPixel(x, y, plat::RGB(255, 0, 0));
    EXPECT_TRUE(plat::SavePng(picture, path));
    return plat::WinPathOf(path);
}

plat::Bitmap Painted(TBeginAviForm& intro) {
    plat::Bitmap shown(intro.Width(), intro.Height());
    plat::RasterCanvas canvas(shown);
    intro.Paint(canvas);
    return shown;
}

class BeginAviFormTest : public ::testing::Test {
protected:
    void Make(int width, int height) {
        screen.W = width;
        screen.H = height;
        intro = std::make_unique<TBeginAviForm>();
    }
    void StartWith(const std::string& logo, const std::string& title, const std::string& picture = {}) {
        intro->LogoFile = logo;
        intro->TitleFile = title;
        intro->PictureFile = picture;
        intro->Show();
        plat::DrainPostedMessages();
    }

    FakeMachine machine;
    plat::PlatformGuard platformGuard{machine};
    FakeScreen screen;
    plat::ScreenSourceGuard screenGuard{screen};
    std::unique_ptr<TBeginAviForm> intro;
};

TEST(BeginAviFormZoom, StepsFollowTheScreenWidth) {
    const std::pair<int, int> table[] = {{320, 6},  {640, 6},   {641, 8},   {800, 8},
                                         {801, 11}, {1024, 11}, {1025, 14}, {1920, 14}};
    for (auto [width, steps] : table)
        EXPECT_EQ(TBeginAviForm::StepsForWidth(width), steps) << width;
}

TEST(BeginAviFormZoom, GrowsCentredFrom320x240ToTheWholeClientArea) {
    const std::pair<int, int> screens[] = {{640, 480}, {800, 600}, {1024, 768}};
    for (auto [w, h] : screens) {
        const int steps = TBeginAviForm::StepsForWidth(w);
        SCOPED_TRACE(testing::Message() << w << " x " << h << ", " << steps << " steps");
        EXPECT_EQ(TBeginAviForm::ZoomRect(w, h, steps, 0),
                  plat::Rect((w - 320) / 2, (h - 240) / 2, (w + 320) / 2, (h + 240) / 2));
        EXPECT_EQ(TBeginAviForm::ZoomRect(w, h, steps, steps), plat::Rect(0, 0, w, h));
        plat::TRect before = TBeginAviForm::ZoomRect(w, h, steps, 0);
        for (int k = 1; k <= steps; ++k) {
            const plat::TRect r = TBeginAviForm::ZoomRect(w, h, steps, k);
            EXPECT_GT(r.Width(), before.Width()) << k;
            EXPECT_GT(r.Height(), before.Height()) << k;
            EXPECT_EQ(r.Left, (w - r.Width()) / 2) << k;
            EXPECT_EQ(r.Top, (h - r.Height()) / 2) << k;
            before = r;
        }
    }
    // Worked by hand: 1024 x 768 in 11 steps grows 64 x 48 a step; 800 x 600 after 5 of 8 steps
    // is 320 + 300 by 240 + 225; 640 x 480 halfway is 480 x 360.
    EXPECT_EQ(TBeginAviForm::ZoomRect(1024, 768, 11, 1), plat::Rect(320, 240, 704, 528));
    EXPECT_EQ(TBeginAviForm::ZoomRect(800, 600, 8, 5), plat::Rect(90, 67, 710, 532));
    EXPECT_EQ(TBeginAviForm::ZoomRect(640, 480, 6, 3), plat::Rect(80, 60, 560, 420));
    // Halves go to even: 2 x 1.5 / 2 steps is exactly 1.5 -> 2; 2 x 2.5 / 2 -> 2.
    EXPECT_EQ(TBeginAviForm::ZoomRect(323, 240, 2, 1).Width(), 322);
    EXPECT_EQ(TBeginAviForm::ZoomRect(325, 240, 2, 1).Width(), 322);
}

TEST_F(BeginAviFormTest, PlaysBothVideosThenZoomsAndHoldsOnTheClock) {
    Make(1024, 768);
    StartWith(Seed("tiny-mpeg4.avi"), Seed("tiny-raw.avi"));
    EXPECT_EQ(intro->Width(), 1024);
    EXPECT_EQ(intro->Steps(), 11);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kLogo);
    machine.Run(239);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kLogo);
    machine.Run(1);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kTitle);
    machine.Run(299);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kTitle);
    machine.Run(1);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kZoom);
    EXPECT_EQ(intro->Counter(), 11);
    // 11 steps of 100 ms to the full picture, one more tick to leave the zoom.
    machine.Run(1100);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kZoom);
    EXPECT_EQ(intro->Counter(), 0);
    machine.Run(100);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kHold);
    machine.Run(4999);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kHold);
    machine.Run(1);
    EXPECT_TRUE(intro->Finished());
    machine.Run(10000);
    EXPECT_TRUE(intro->Finished());
}

TEST_F(BeginAviFormTest, ClicksAndKeysBeforeReadyDoNothingFourAfterItEndTheIntro) {
    Make(640, 480);
    StartWith(Seed("tiny-mpeg4.avi"), Seed("tiny-raw.avi"));
    for (int i = 0; i < 3; ++i)
        plat::Click(*intro, 10, 10);
    plat::SendKey(*intro, plat::VK_SPACE, {}, " ");
    plat::SendKey(*intro, plat::VK_ESCAPE);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kLogo);
    intro->Ready = true;
    const int expected[] = {TBeginAviForm::kTitle, TBeginAviForm::kZoom, TBeginAviForm::kHold,
                            TBeginAviForm::kFinished};
    bool click = true;
    for (int stage : expected) {
        if (click)
            plat::Click(*intro, 10, 10);
        else
            plat::SendKey(*intro, plat::VK_RETURN, {}, "\r");
        click = !click;
        plat::DrainPostedMessages();
        EXPECT_EQ(intro->Stage(), stage);
    }
    // The videos skipped by clicks never send their end notice afterwards.
    machine.Run(1000);
    EXPECT_TRUE(intro->Finished());
}

TEST_F(BeginAviFormTest, MissingOrDamagedVideosAreSkippedAtOnce) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\nowhere\\logo.avi", "C:\\nowhere\\title.avi"},
        {Damaged("random-bytes.avi"), Damaged("header-only.avi")},
        {Damaged("truncated-half.avi"), "C:\\nowhere\\title.avi"},
    };
    for (const auto& [logo, title] : cases) {
        SCOPED_TRACE(logo);
        Make(640, 480);
        StartWith(logo, title);
        machine.Run(500); // a damaged video may hold a few frames before it ends
        EXPECT_EQ(intro->Stage(), TBeginAviForm::kZoom);
    }
}

TEST_F(BeginAviFormTest, WatchdogSkipsAStalledVideoAfterItsLengthAndTwoSeconds) {
    Make(640, 480);
    StartWith(Seed("tiny-mpeg4.avi"), Seed("tiny-raw.avi"));
    intro->VideoBegin().Stop(); // stalls: no more frames, no end notice
    machine.Run(240 + 2000 - 1);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kLogo);
    machine.Run(1);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kTitle);
    intro->VideoBegin().Stop();
    machine.Run(300 + 2000);
    EXPECT_EQ(intro->Stage(), TBeginAviForm::kZoom);
}

TEST_F(BeginAviFormTest, PaintsTheVideoCentredOnBlackThenThePictureGrowing) {
    Make(640, 480);
    StartWith(Seed("tiny-raw.avi"), Seed("tiny-raw.avi"), SolidPicture());
    plat::Bitmap shown = Painted(*intro);
    // The 16 x 8 video at its own size in the middle: never zoomed.
    EXPECT_EQ(intro->VideoBegin().DisplayRect(), plat::Rect(160, 120, 176, 128));
    EXPECT_EQ(shown.Row(120)[160], intro->VideoBegin().Frame().Row(0)[0]);
    EXPECT_EQ(shown.Row(127)[175], intro->VideoBegin().Frame().Row(7)[15]);
    EXPECT_EQ(shown.Row(128)[176], kBlack);
    EXPECT_EQ(shown.Row(0)[0], kBlack);

    machine.Run(600); // both videos
    ASSERT_EQ(intro->Stage(), TBeginAviForm::kZoom);
    shown = Painted(*intro);
    EXPECT_EQ(shown.GetPixel(160, 120), kPictureRed);
    EXPECT_EQ(shown.GetPixel(479, 359), kPictureRed);
    EXPECT_EQ(shown.GetPixel(159, 120), plat::clBlack);
    EXPECT_EQ(shown.GetPixel(480, 359), plat::clBlack);
    machine.Run(600);
    shown = Painted(*intro);
    EXPECT_EQ(shown.GetPixel(0, 0), kPictureRed);
    EXPECT_EQ(shown.GetPixel(639, 479), kPictureRed);

    intro->Hide();
    EXPECT_TRUE(intro->Finished());
    EXPECT_TRUE(intro->Picture().Empty());
    EXPECT_FALSE(intro->VideoBegin().IsOpen());
}

TEST_F(BeginAviFormTest, AMissingPictureLeavesTheZoomBlack) {
    Make(640, 480);
    StartWith("C:\\nowhere\\logo.avi", "C:\\nowhere\\title.avi", "C:\\nowhere\\title.jpg");
    ASSERT_EQ(intro->Stage(), TBeginAviForm::kZoom);
    machine.Run(300);
    const plat::Bitmap shown = Painted(*intro);
    EXPECT_EQ(shown.GetPixel(320, 240), plat::clBlack);
}

} // namespace
