// The designer's windows as start-up wires them, with the CD's wardrobe: the main window's help,
// pattern-print and doll-print buttons open the real windows, which see the doll the child dressed
// (the panel's model while the pattern panel is open, the worn ones otherwise, never shoes), the
// help window opens on its topic, and its about box opens in the middle of it.
#include "designer/printing/PatternPrint.h"
#include "designer/shell/ProgramWindows.h"
#include "designer/shell/Settings.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/print/PrinterProvider.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"

#include "FakeMidiPlayer.h"
#include "FreshPrefix.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWn = 0, kPl = 1, kSh = 6, kTf = 7;

class ClockPlatform : public plat::Platform {
public:
    uint64_t TickCount() const override { return Now; }
    int ScreenBitsPerPixel() const override { return 24; }
    uint64_t Now = 1000;
};

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFreshPrefix();
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(VELMORA_CD_DIR));
        Settings().BigMemory = false;
        previousBox_ = plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& t) {
            Boxes.push_back(t);
            return plat::TModalResult::Ok;
        });
        printers_.Add<plat::RecordingPrinter>("Test");
        windows_ = std::make_unique<TProgramWindows>(std::make_unique<TMusic>(std::make_unique<TFakeMidiPlayer>(player_)));
        int pumps = 0;
        windows_->Create([&pumps] { ++pumps; });
        EXPECT_EQ(pumps, 5); // after each window made, so that the intro keeps playing
        windows_->Init();
        windows_->ShowMain();
    }
    void TearDown() override {
        windows_.reset();
        plat::SetMessageBoxHandler(previousBox_);
        plat::RegistryReset();
    }
    // Lets the posted exchange between the doll and the pattern panel run to its end.
    void Settle() {
        for (int i = 0; i < 400; ++i) {
            plat::DrainPostedMessages();
            Clock.Now += 10;
            plat::RunDueTimers();
        }
        plat::DrainPostedMessages();
    }
    // Dresses the doll in the second dress, a hat and shoes, with the coats the current class.
    void Dress() {
        TWardrobeOnScreen& w = windows_->View().Wardrobe();
        ASSERT_GT(w.Classes[kPl]->Count(), 1) << "the CD has dresses";
        w.Classes[kPl]->SetItemIndex(1);
        for (int k : {kPl, kSh, kTf})
            w.Models->Dress(*w.Classes[size_t(k)]);
        ASSERT_NE(w.Models->Items[kPl].Model(), nullptr);
        ASSERT_NE(w.Models->Items[kSh].Model(), nullptr);
        ASSERT_NE(w.Models->Items[kTf].Model(), nullptr);
        w.AllModels.SetClassModels(w.Classes[kWn].get());
        Settle();
    }
    static void Press(TBitmapButton& button) { plat::Click(button, button.Width() / 2, button.Height() / 2); }

    ClockPlatform Clock;
    plat::PlatformGuard guard_{Clock};
    std::vector<std::string> Boxes;
    std::unique_ptr<TProgramWindows> windows_;

private:
    TFakeMidiPlayer::Log player_;
    plat::PrinterList printers_;
    plat::PrinterProviderGuard printerGuard_{printers_};
    plat::MessageBoxHandler previousBox_;
};

TEST_F(ProgramWindowsTest, PatternPrintSeesTheWornModelsOrOnlyThePanelsModelWhileThePanelIsOpen) {
    Dress();
    TViewForm& view = windows_->View();
    TWardrobeOnScreen& w = view.Wardrobe();
    printing::TSForm& patterns = windows_->SubWindows().Patterns;
    std::vector<std::vector<const geom::TModel*>> opened;
    patterns.OnShow = [&](plat::TForm& form) {
        EXPECT_EQ(patterns.MainForm, &view);
        opened.push_back(printing::ChoosePatternModels(*patterns.Source));
        form.Close();
    };

    // Panel closed: every worn garment in the print order, the shoes left out.
    Press(*view.Print);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (std::vector<const geom::TModel*>{w.Models->Items[kPl].Model(), w.Models->Items[kSh].Model()}));

    // Panel open on the coats rack's model: only that one, though the doll wears others.
    view.bShowModelClick();
    Settle();
    ASSERT_TRUE(w.Exchange.Shown());
    const geom::TModel* coat = w.AllModels.CurrentModel();
    ASSERT_NE(coat, nullptr);
    Press(*view.Print);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], (std::vector<const geom::TModel*>{coat}));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(ProgramWindowsTest, DollPrintSeesTheDressedDollAsTheScreenShowsIt) {
    Dress();
    TViewForm& view = windows_->View();
    TWardrobeOnScreen& w = view.Wardrobe();
    printing::TPCForm& doll = windows_->SubWindows().Doll;
    int shown = 0;
    doll.OnShow = [&](plat::TForm& form) {
        ++shown;
        const printing::IDollSource& source = *doll.Doll;
        for (int k = 0; k < printing::kLayerCount; ++k)
            EXPECT_EQ(source.Worn(printing::TLayer(k)), w.Models->Items[size_t(k)].Model()) << k;
        EXPECT_EQ(source.DollWidth(), 200);
        EXPECT_EQ(source.DollHeight(), 360);
        for (bool back : {false, true}) {
            const plat::Bitmap printed = source.DollView(back);
            plat::Bitmap screen;
            w.Models->RenderDoll(screen, /*face=*/!back, /*withBackground=*/false);
            ASSERT_EQ(printed.Width(), 200);
            ASSERT_EQ(printed.Height(), 360);
            int differing = 0;
            for (int y = 0; y < 360; ++y)
                for (int x = 0; x < 200; ++x)
                    differing += printed.GetPixel(x, y) != screen.GetPixel(x, y);
            EXPECT_EQ(differing, 0) << (back ? "back" : "front");
        }
        form.Close();
    };
    Press(*view.bPrintDoll);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(ProgramWindowsTest, HelpOpensOnItsTopicAndItsAboutBoxInItsMiddle) {
    TViewForm& view = windows_->View();
    THelpForm& help = windows_->SubWindows().Help;
    TAboutBox& about = windows_->About();
    std::vector<std::string> topics;
    plat::TRect helpPlace;
    plat::TRect aboutPlace;
    about.OnShow = [&](plat::TForm&) {
        aboutPlace = about.BoundsRect();
        about.CloseOk();
    };
    help.OnShow = [&](plat::TForm& form) {
        topics.push_back(help.HelpKey());
        const plat::TPoint corner = help.ClientToScreen({0, 0});
        helpPlace = {corner.X, corner.Y, corner.X + help.Width(), corner.Y + help.Height()};
        Press(*help.bAbout);
        form.Close();
    };
    Press(*view.Help);
    ASSERT_EQ(topics, (std::vector<std::string>{"main"}));
    EXPECT_EQ(help.Width(), 435);
    const plat::TPoint middle = TAboutBox::CentredOn(helpPlace);
    EXPECT_EQ(aboutPlace.Left, middle.X);
    EXPECT_EQ(aboutPlace.Top, middle.Y);
    EXPECT_EQ(aboutPlace.Left - helpPlace.Left, (435 - TAboutBox::kWidth) / 2);
    EXPECT_FALSE(about.Visible());

    // The printing windows' help buttons open the same window on their own topics.
    printing::TSForm& patterns = windows_->SubWindows().Patterns;
    help.OnShow = [&](plat::TForm& form) {
        topics.push_back(help.HelpKey());
        form.Close();
    };
    patterns.OnShow = [&](plat::TForm& form) {
        Press(*patterns.bHelp);
        form.Close();
    };
    view.Wardrobe().Models->Dress(*view.Wardrobe().Classes[kPl]);
    Press(*view.Print);
    EXPECT_EQ(topics, (std::vector<std::string>{"main", "key_print_v"}));
}

TEST_F(ProgramWindowsTest, EscapeClosesTheHelpAndPrintingWindowsWhereverTheFocusIs) {
    Dress();
    TViewForm& view = windows_->View();
    TPrintSubWindows& sub = windows_->SubWindows();
    std::vector<std::string> closed;
    const auto escapeOn = [&](plat::TControl& target, const char* name) {
        return [&target, &closed, name](plat::TForm& form) {
            plat::SendKey(target, plat::VK_ESCAPE);
            if (!form.Visible())
                closed.push_back(name);
            form.Close();
        };
    };
    // In a measurement field the key goes to the window first: a typed Escape never edits.
    sub.Patterns.OnShow = [&](plat::TForm& form) {
        sub.Patterns.sW1->SetFocus();
        escapeOn(*sub.Patterns.sW1, "patterns")(form);
    };
    sub.Doll.OnShow = escapeOn(sub.Doll, "doll");
    sub.Help.OnShow = escapeOn(*sub.Help.RtfView, "help");
    Press(*view.Print);
    Press(*view.bPrintDoll);
    Press(*view.Help);
    EXPECT_EQ(closed, (std::vector<std::string>{"patterns", "doll", "help"}));
    EXPECT_EQ(sub.Patterns.Texts()[1], "6.5");
}

} // namespace
