// The about box: its credits from the data folder, the scroll positions at 30 ms ticks, closing
// with OK when the last line has passed or on a click, and its place on the screen.
#include "designer/shell/AboutBox.h"

#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/shell/FreshPrefix.h"
#include "tests/designer/shell/StartupFakes.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace {

using velmora::test::FakeMachine;

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override { UseFreshPrefix(); }
    // A data folder with the credits (three lines) and a 40 x 20 picture.
    void MakeData(bool withFiles) {
        const std::string cd = testing_support::MakeScratchDir("cd");
        if (withFiles) {
            testing_support::WriteHostFile(cd + "/Resource/about.txt",
                                           plat::Ru("Велмора\r\n\r\nВерталис\r\n"));
            plat::Bitmap picture(40, 20);
            ASSERT_TRUE(plat::SavePng(picture, cd + "/Resource/about.bmp"));
        }
        ReadSettings(plat::WinPathOf(cd));
    }

    FakeMachine machine;
    plat::PlatformGuard guard{machine};
};

TEST_F(AboutBoxTest, LoadsTheCreditsAndScrollsOneStepEvery30Ms) {
    MakeData(true);
    TAboutBox box;
    EXPECT_EQ(box.Width(), 342);
    EXPECT_EQ(box.Height(), 243);
    ASSERT_EQ(box.Lines().size(), 3u);
    EXPECT_EQ(box.Lines()[0], plat::Ru("Велмора"));
    EXPECT_EQ(box.Lines()[1], "");
    EXPECT_EQ(box.Picture().Width(), 40);
    EXPECT_GT(box.LineHeight(), 12);

    box.Show();
    box.StartScroll();
    const int start = box.Scroll().Top();
    EXPECT_EQ(start, 243 - TAboutBox::kBevel);
    machine.Run(29);
    EXPECT_EQ(box.Scroll().Top(), start);
    machine.Run(1);
    EXPECT_EQ(box.Scroll().Top(), start - TCreditsScroll::kStep);
    machine.Run(300);
    EXPECT_EQ(box.Scroll().Top(), start - 11 * TCreditsScroll::kStep);

    // Everything passes the top after (panel + content) steps; then the box closes with OK.
    const int content = 20 + 3 * box.LineHeight();
    const int ticks = (start + content - TAboutBox::kBevel) / TCreditsScroll::kStep;
    machine.Run(static_cast<uint64_t>(ticks - 12) * 30);
    EXPECT_TRUE(box.Scrolling());
    EXPECT_TRUE(box.Visible());
    machine.Run(30);
    EXPECT_FALSE(box.Scrolling());
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(box.ModalResult(), TAboutBox::kModalOk);
}

TEST_F(AboutBoxTest, ClickClosesWithOk) {
    MakeData(true);
    TAboutBox box;
    box.Show();
    box.StartScroll();
    machine.Run(90);
    plat::Click(box, 100, 100);
    EXPECT_FALSE(box.Scrolling());
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(box.ModalResult(), TAboutBox::kModalOk);
}

TEST_F(AboutBoxTest, WithoutItsFilesTheBoxStaysEmptyAndStillCloses) {
    MakeData(false);
    TAboutBox box;
    EXPECT_TRUE(box.Lines().empty());
    EXPECT_TRUE(box.Picture().Empty());
    box.Show();
    box.StartScroll();
    machine.Run(243 * 30);
    EXPECT_FALSE(box.Visible());
}

TEST_F(AboutBoxTest, PaintsTheCreditsInLimeOnBlackInsideTheBevel) {
    MakeData(true);
    TAboutBox box;
    box.StartScroll();
    machine.Run(120 * 30); // the picture and the lines are in the middle now
    plat::Bitmap shown(box.Width(), box.Height());
    plat::RasterCanvas canvas(shown);
    box.Paint(canvas);
    EXPECT_EQ(shown.GetPixel(0, 0), plat::clWhite);
    EXPECT_EQ(shown.GetPixel(341, 242), plat::clGray);
    EXPECT_EQ(shown.GetPixel(10, 10), plat::clBlack);
    int lime = 0;
    for (int y = 1; y < 242; ++y)
        for (int x = 1; x < 341; ++x)
            lime += shown.GetPixel(x, y) == TAboutBox::kTextColor;
    EXPECT_GT(lime, 20);
}

// Closes the box from inside its modal loop, as a click would.
struct Closer : plat::TMessageTarget {
    explicit Closer(TAboutBox& box) : Box(box) {}
    void HandleMessage(const plat::TMessage&) override {
        Placed = Box.BoundsRect();
        WasScrolling = Box.Scrolling();
        Box.CloseOk();
    }
    TAboutBox& Box;
    plat::TRect Placed;
    bool WasScrolling = false;
};

TEST_F(AboutBoxTest, ExecuteShowsItModallyInTheMiddleOfTheWindowThatOpensIt) {
    MakeData(true);
    plat::TForm help;
    help.SetClientSize(400, 300);
    help.SetBounds(100, 50, 400, 300);
    help.Show();
    TAboutBox box;
    Closer closer(box);
    plat::PostMessage(&closer, plat::WM_USER);
    EXPECT_EQ(box.Execute(&help), TAboutBox::kModalOk);
    EXPECT_TRUE(closer.WasScrolling);
    const plat::TPoint origin = help.ClientToScreen(plat::TPoint{0, 0});
    EXPECT_EQ(closer.Placed.Left, origin.X + (400 - 342) / 2);
    EXPECT_EQ(closer.Placed.Top, origin.Y + (300 - 243) / 2);
    EXPECT_FALSE(box.Visible());
}

TEST(AboutBoxPlace, CentredOnTheAreaGiven) {
    EXPECT_EQ(TAboutBox::CentredOn(plat::Rect(0, 0, 1024, 768)).X, 341);
    EXPECT_EQ(TAboutBox::CentredOn(plat::Rect(0, 0, 1024, 768)).Y, 262);
    EXPECT_EQ(TAboutBox::CentredOn(plat::Rect(100, 50, 740, 530)).X, 249);
    EXPECT_EQ(TAboutBox::CentredOn(plat::Rect(100, 50, 740, 530)).Y, 168);
}

} // namespace
