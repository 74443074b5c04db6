// TViewForm, the designer's main window: the 640 x 480 skinned screen on which the doll, the
// racks, the drum and the pattern panel stand, with the picture buttons for patterns, printing,
// help, saving and restoring outfits, the title bar with sound, minimise and close, the flying
// messages and the background music. Saving and restoring go through the slots window and the
// registry layout of OutfitSlots.h.
//
// Start-up makes the window hidden, then calls Init once every window exists (the default outfit,
// the skin for every window, the music's first choice), then Ready to show it; the program runs
// until the window closes. Every close (the title bar's button, the window manager, Alt+F4) asks
// to save a modified outfit first.
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/controls/BitmapButtons.h"
#include "designer/controls/DrawPanel.h"
#include "designer/controls/FlyBitmap.h"
#include "designer/shell/Music.h"
#include "designer/shell/OpenSaveForm.h"
#include "designer/shell/OutfitWardrobe.h"
#include "designer/shell/SubWindows.h"
#include "designer/shell/WardrobeOnScreen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Control.h"
#include "platform/ui/Messages.h"

#include <array>
#include <memory>
#include <string>

class TViewForm : public plat::TForm, public plat::TMessageTarget {
public:
    // Creation: captions, fonts, cursors, pictures, the controls at their places. `music` may be
    // given by tests (a fake player); otherwise the real player is used.
    explicit TViewForm(std::unique_ptr<TMusic> music = nullptr);
    ~TViewForm() override;

    // Windows the main window opens (not owned; must outlive it). Without them the buttons that
    // open them do nothing.
    void SetSubWindows(TSubWindows* windows);
    // The window makes its own wardrobe components; tests may answer the outfit questions with
    // another (not owned; see OutfitWardrobe.h).
    void SetWardrobe(TOutfitWardrobe* wardrobe) { wardrobe_ = wardrobe; }
    TWardrobeOnScreen& Wardrobe() { return *screenWardrobe_; }

    // After every window exists: restores the default outfit silently, chooses the first song,
    // reads the "Sound" setting, hands the skin and the caption to the other windows.
    void Init();
    // Centres the window on the screen and shows it; the first showing brings the saved front
    // rack forward and starts the music as the "Sound" setting says.
    void Ready();

    // Saving and restoring through the slots window: Save returns false when the child cancelled
    // or the outfit could not be written (then Modified stays and the error has been shown).
    bool Save();
    void Load(bool silent);
    bool Modified = false;

    void ShowRack(int index);
    int VisibleRack() const { return visibleRack_; }

    TOpenSaveForm& Slots() { return *slots_; }
    TMusic& Music() { return *music_; }
    const plat::Bitmap& Skin() const { return resource_; }

    // Components (owned by the window).
    TBitmapButton* bShowModel = nullptr;
    TBitmapButton* Help = nullptr;
    TBitmapButton* Print = nullptr;
    TBitmapButton* bPrintDoll = nullptr;
    TBitmapButtons* BitmapButtons1 = nullptr; // class selector
    TBitmapButtons* BitmapButtons2 = nullptr; // save / restore
    TCaptionBarPlus* CaptionBarPlus = nullptr;
    TBitmapButton* Sound = nullptr;
    TBitmapButton* bMinimize = nullptr;
    TBitmapButton* bClose = nullptr;
    TFlyBitmap* FlyBitmapOk = nullptr;
    TFlyBitmap* FlyBitmapV = nullptr;
    TFlyBitmap* FlyBitmapD = nullptr;
    TMinWindow* MinWindowSave = nullptr;
    TMinWindow* MinWindowLoad = nullptr;

    // Handlers (public for the tests, which press what the child presses).
    void bShowModelClick();
    void HelpClick();
    void PrintClick();
    void bPrintDollClick();
    void SaveClick();
    void RestoreClick();
    void SoundClick();
    void bMinimizeClick();
    void bCloseClick();

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void DoShow() override;
    void DoHide() override;
    void Activated() override;
    void CloseQuery(bool& canClose) override;
    void HandleMessage(const plat::TMessage& message) override;
    // Posts WM_USER (refresh) unless one is already waiting.
    void PostRefresh();

private:
    void FormCreate();
    void LoadPictures();
    void MakeButtons();
    void MakeWardrobe();
    void MakeGroups();
    void MakeTitleBar();
    void MakeFlyingMessages();
    void HandOutSkin();
    void FormActivateOnce();
    void ShowSoundState();
    void Refresh();
    void Fly(TFlyBitmap& message, TMinWindow* target);
    bool PrinterInstalled() const;
    void WithHintsOff(const std::function<void()>& action);

    std::unique_ptr<TMusic> music_;
    std::unique_ptr<TOpenSaveForm> slots_;
    TNoSubWindows noWindows_;
    TSubWindows* windows_ = &noWindows_;
    std::unique_ptr<TWardrobeOnScreen> screenWardrobe_;
    TOutfitWardrobe* wardrobe_ = nullptr;

    plat::Bitmap fon_;
    plat::Bitmap resource_;
    plat::Bitmap letters_;
    plat::Bitmap faseWindow_; // the pattern panel's frames, loaded at the first showing of patterns

    int visibleRack_ = 1;
    bool soundSetting_ = true;
    bool activated_ = false;
    bool refreshPosted_ = false;
    std::array<std::string, 8> classCaptions_;
};
