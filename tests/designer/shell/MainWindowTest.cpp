// The main window with the CD's real pictures: its first showing, the sound button, saving and
// restoring outfits through the slots window, the close question, and a save that cannot reach
// the disk. The wardrobe is a recorder standing in for the racks and the doll.
#include "designer/shell/OutfitSlots.h"
#include "designer/shell/Settings.h"
#include "designer/shell/ViewForm.h"
#include "platform/files/WinPath.h"
#include "platform/print/PrinterProvider.h"
#include "platform/print/RecordingPrinter.h"
#include "platform/ui/Messages.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Synthetic.h"

#include "FakeMidiPlayer.h"
#include "FreshPrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const std::string kCd = VELMORA_CD_DIR;

class TRecordingWardrobe : public TOutfitWardrobe {
public:
    void SaveState(plat::TRegIniFile& ini, const std::string& section) override {
        const int8_t bytes[] = {2, -1, 5};
        ini.WriteBinaryData(section, "pl03", bytes, 3);
    }
    void LoadState(plat::TRegIniFile& ini, const std::string& section, bool silent) override {
        LoadedSection = section;
        LoadedSilent = silent;
        int8_t bytes[4] = {-1, -1, -1, -1};
        ini.ReadBinaryData(section, "pl03", bytes, 4);
        Materials.assign(bytes, bytes + 4);
    }
    void ShowRack(int index) override { Shown = index; }
    bool AnythingWorn() override { return false; }
    bool DollVisible() override { return false; }
    void Trigger(int, int) override { ++Triggers; }
    void Refresh() override { ++Refreshes; }

    std::string LoadedSection;
    bool LoadedSilent = false;
    std::vector<int> Materials;
    int Shown = -1;
    int Triggers = 0;
    int Refreshes = 0;
};

// Keeps the measurement texts as the pattern-print window would.
class TMeasuresOnly : public TNoSubWindows {
public:
    void SetMeasureTexts(const TMeasureTexts& texts) override {
        Set = texts;
        TNoSubWindows::SetMeasureTexts(texts);
    }
    TMeasureTexts Set;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFreshPrefix();
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(kCd));
        previousBox_ = plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& text) {
            Boxes.push_back(text);
            return plat::TModalResult::Ok;
        });
    }
    void TearDown() override {
        view_.reset();
        plat::SetMessageBoxHandler(previousBox_);
        plat::RegistryReset();
    }
    TViewForm& MakeView() {
        view_ = std::make_unique<TViewForm>(std::make_unique<TMusic>(std::make_unique<TFakeMidiPlayer>(Player)));
        view_->SetWardrobe(&Wardrobe);
        view_->SetSubWindows(&Windows);
        return *view_;
    }
    // The slots window answers by the button the child presses; records the question.
    void Answer(TViewForm& view, std::function<void(TOpenSaveForm&)> press) {
        view.Slots().OnShow = [this, press](plat::TForm& form) {
            auto& slots = static_cast<TOpenSaveForm&>(form);
            Questions.push_back(slots.CaptionBarPlus->Caption);
            press(slots);
        };
    }

    TFakeMidiPlayer::Log Player;
    TRecordingWardrobe Wardrobe;
    TMeasuresOnly Windows;
    std::vector<std::string> Boxes;
    std::vector<std::string> Questions;

private:
    std::unique_ptr<TViewForm> view_;
    plat::MessageBoxHandler previousBox_;
};

TEST_F(MainWindowTest, FirstShowingBringsTheSavedRackForwardAndFollowsTheSoundSettingOnce) {
    {
        plat::TRegIniFile ini(kProductKey);
        ini.WriteInteger("", "DefaultSlot", 2);
        ini.WriteBool("", "Sound", false);
        ini.WriteInteger("States2", "ModelView", 4);
        ini.WriteString("States2", "Width", "7,1");
    }
    TViewForm& view = MakeView();
    view.Init();
    EXPECT_TRUE(Wardrobe.LoadedSilent);
    EXPECT_EQ(Wardrobe.LoadedSection, "States2");
    EXPECT_EQ(Windows.Set.Width, "7,1");
    EXPECT_EQ(Windows.Set.Height, "30.0");
    EXPECT_EQ(view.Slots().Slot, 2);
    view.Ready();
    EXPECT_EQ(view.VisibleRack(), 4);
    EXPECT_EQ(Wardrobe.Shown, 4);
    EXPECT_EQ(view.Music().State(), TMusicState::Off);
    EXPECT_EQ(view.Sound->Look().State, 2);
    EXPECT_EQ(view.Sound->Hint(), plat::Ru("Включить музыку"));
    EXPECT_EQ(Player.Plays, 0);

    // Coming back from a modal window changes neither the music nor the rack.
    view.ShowRack(0);
    view.Activated();
    view.DoShow();
    EXPECT_EQ(view.VisibleRack(), 0);
    EXPECT_EQ(view.Music().State(), TMusicState::Off);

    view.SoundClick();
    EXPECT_EQ(view.Music().State(), TMusicState::On);
    EXPECT_EQ(view.Sound->Look().State, 4);
    EXPECT_EQ(view.Sound->Hint(), plat::Ru("Выключить музыку"));
    view.Hide(); // the music stops and the setting is kept
    EXPECT_FALSE(Player.Playing);
    plat::TRegIniFile ini(kProductKey);
    EXPECT_TRUE(ReadSoundSetting(ini));
}

TEST_F(MainWindowTest, AFailingPlayerMakesTheSoundButtonUnavailableAndKeepsTheSetting) {
    Player.FailOpen = true;
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    EXPECT_EQ(view.Music().State(), TMusicState::Unavailable);
    EXPECT_EQ(view.Sound->Look().State, 1);
    EXPECT_EQ(view.Sound->Look().PressState, 1);
    EXPECT_TRUE(view.Sound->Hint().empty());
    view.SoundClick();
    EXPECT_EQ(view.Music().State(), TMusicState::Unavailable);
    EXPECT_TRUE(Boxes.empty()); // silently
    view.Hide();
    plat::TRegIniFile ini(kProductKey);
    EXPECT_FALSE(ini.ValueExists("", "Sound"));
}

TEST_F(MainWindowTest, SaveToSlotThreeWritesEveryValueAndRestoringReadsThemBackLeavingTheFrontRack) {
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    view.ShowRack(3);
    view.Modified = true;
    Answer(view, [](TOpenSaveForm& slots) { slots.SlotButtons[2]->Click(); });
    view.SaveClick();
    EXPECT_FALSE(view.Modified);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], plat::Ru("Сохранить изменения ?"));
    EXPECT_TRUE(view.FlyBitmapOk->Enabled());

    plat::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Vertalis\\Velmora\\States3"));
    EXPECT_EQ(reg.ReadString("Width"), "6.5");
    EXPECT_EQ(reg.ReadString("Height"), "30.0");
    EXPECT_EQ(reg.ReadString("ModelView"), "3");
    // The wardrobe's values and the window's own, nothing else (names are kept sorted).
    EXPECT_EQ(reg.GetValueNames(), (std::vector<std::string>{"Height", "ModelView", "pl03", "Width"}));
    reg.CloseKey();

    // Restore slot 3 after changing everything: the values come back, the front rack stays.
    Windows.Set = {};
    view.ShowRack(0);
    view.Modified = true;
    Answer(view, [](TOpenSaveForm& slots) {
        EXPECT_EQ(slots.SlotButtons[2]->Look().State, 3); // the current slot
        EXPECT_EQ(slots.SlotButtons[0]->Look().State, 1);
        slots.SlotButtons[2]->Click();
    });
    view.RestoreClick();
    EXPECT_EQ(Questions.back(), plat::Ru("Восстановить сохраненную информацию ?"));
    EXPECT_FALSE(Wardrobe.LoadedSilent);
    EXPECT_EQ(Wardrobe.LoadedSection, "States3");
    EXPECT_EQ(Windows.Set.Width, "6.5");
    EXPECT_EQ(Wardrobe.Materials, (std::vector<int>{2, -1, 5, -1}));
    EXPECT_EQ(view.VisibleRack(), 0);
    EXPECT_FALSE(view.Modified);
}

TEST_F(MainWindowTest, ClosingAsksOnlyAfterAChangeAndDecliningWritesNothing) {
    {
        TViewForm& view = MakeView();
        view.Init();
        view.Ready();
        Answer(view, [](TOpenSaveForm& slots) { slots.Cancel->Click(); });
        EXPECT_TRUE(view.Close());
        EXPECT_TRUE(Questions.empty());
    }
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    view.Modified = true;
    Answer(view, [](TOpenSaveForm& slots) { slots.Cancel->Click(); });
    plat::SendWindowClose(view);
    EXPECT_TRUE(view.Visible());
    EXPECT_EQ(Questions.size(), 1u);
    Answer(view, [](TOpenSaveForm& slots) { slots.No->Click(); });
    view.bCloseClick();
    EXPECT_FALSE(view.Visible());
    plat::TRegistry reg;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        EXPECT_FALSE(reg.KeyExists("Software\\Vertalis\\Velmora\\" + SlotSection(slot)));
}

TEST_F(MainWindowTest, ASaveTheDiskRefusesKeepsModifiedAndSaysSo) {
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    plat::RegistryFlush();
    // The registry file's place is taken by a folder: the save's rename cannot succeed.
    const std::string file = plat::Platform::Current().PrefixFolder() + "/user.reg";
    std::filesystem::remove(file);
    std::filesystem::create_directories(file + "/blocked");
    view.Modified = true;
    Answer(view, [](TOpenSaveForm& slots) { slots.SlotButtons[0]->Click(); });
    EXPECT_FALSE(view.Close());
    EXPECT_TRUE(view.Modified);
    EXPECT_TRUE(view.Visible());
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find(plat::Ru("Не удалось сохранить")), std::string::npos);
    std::filesystem::remove_all(file);
    plat::RegistryReset();
}

TEST_F(MainWindowTest, RefreshesPostedBeforeTheFirstIsHandledRunOnceAndPrintingWithoutAGarmentFlies) {
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    plat::DrainPostedMessages();
    Wardrobe.Refreshes = 0;
    for (int i = 0; i < 5; ++i)
        view.PostRefresh();
    plat::DrainPostedMessages();
    EXPECT_EQ(Wardrobe.Refreshes, 1);
    view.PostRefresh();
    plat::DrainPostedMessages();
    EXPECT_EQ(Wardrobe.Refreshes, 2);

    // Nothing worn: the "nothing to print" messages fly instead of the print windows opening
    // (with a printer installed).
    plat::PrinterList printers;
    printers.Add<plat::RecordingPrinter>("Test");
    plat::PrinterProviderGuard guard(printers);
    view.PrintClick();
    EXPECT_TRUE(view.FlyBitmapV->Enabled());
    view.bPrintDollClick();
    EXPECT_TRUE(view.FlyBitmapD->Enabled());
    EXPECT_TRUE(Boxes.empty());
    plat::PrinterList none;
    plat::PrinterProviderGuard noPrinter(none);
    view.PrintClick();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], plat::Ru("Ни один принтер не установлен в системе"));
}

TEST_F(MainWindowTest, APressOnTheBackgroundStartsASurpriseAndClassButtonsChooseRacks) {
    TViewForm& view = MakeView();
    view.Init();
    view.Ready();
    plat::Click(view, 20, 20);
    EXPECT_EQ(Wardrobe.Triggers, 1);
    // The dresses item of the class selector.
    plat::Click(*view.BitmapButtons1, 80, 20);
    EXPECT_EQ(view.VisibleRack(), 1);
    plat::Click(*view.BitmapButtons1, 20, 10);
    EXPECT_EQ(view.VisibleRack(), 2);
    // The buttons are where the child presses them (inside the title bar for its three).
    EXPECT_EQ(view.Help->BoundsRect(), plat::Bounds(79, 86, 47, 61));
    EXPECT_EQ(view.Print->BoundsRect(), plat::Bounds(106, 403, 186, 72));
    EXPECT_EQ(view.bPrintDoll->BoundsRect(), plat::Bounds(292, 402, 48, 74));
    EXPECT_EQ(view.bShowModel->BoundsRect(), plat::Bounds(148, 7, 313, 306));
    EXPECT_EQ(view.Sound->ClientToScreen({0, 0}), view.ClientToScreen({576, 0}));
    EXPECT_EQ(view.bClose->ClientToScreen({0, 0}), view.ClientToScreen({620, 0}));
    EXPECT_EQ(view.bClose->Width(), 20);
    // The picture on screen is the CD's background.
    const plat::Bitmap shot = view.Snapshot();
    EXPECT_EQ(shot.Width(), 640);
    EXPECT_EQ(shot.Height(), 480);
}

} // namespace
