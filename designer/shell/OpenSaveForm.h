// TOpenSaveForm, the outfit-slots window: eight slot buttons, "Не выполнять", cancel and help,
// with the question in its title bar. Shown modally by the main window when saving, restoring
// and closing with changes; Answer tells what the child chose and Slot which slot.
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/controls/DrawPanel.h"
#include "designer/shell/OutfitSlots.h"
#include "designer/shell/SubWindows.h"
#include "platform/ui/Control.h"

#include <array>
#include <string>

enum class TSlotAnswer { Cancelled = 0, Declined = 1, SlotChosen = 2 };

class TOpenSaveForm : public plat::TForm {
public:
    // `windows` opens the help (not owned; may be replaced later with SetSubWindows).
    explicit TOpenSaveForm(TSubWindows* windows = nullptr);
    // Writes the last used slot as "DefaultSlot".
    ~TOpenSaveForm() override;

    std::array<TBitmapButton*, kSlotCount> SlotButtons{};
    TBitmapButton* No = nullptr;
    TBitmapButton* Cancel = nullptr;
    TBitmapButton* bCancel = nullptr;
    TBitmapButton* bHelp = nullptr;
    TCaptionBarPlus* CaptionBarPlus = nullptr;

    int Slot = 1;
    TSlotAnswer Answer = TSlotAnswer::Cancelled;

    void SetSubWindows(TSubWindows* windows) { windows_ = windows; }
    // The shared skin (not owned); the window takes its picture from (840, 0).
    void SetSkin(const plat::Bitmap* skin);
    // Shows the window modally with `question` in its title bar; returns Answer.
    TSlotAnswer Ask(const std::string& question);

    void DoShow() override;
    void Paint(plat::Canvas& canvas) override;
    // From the keyboard: the digits 1 ... 8 choose that slot, Escape cancels.
    void KeyDown(plat::TKey& key, plat::TShiftState shift) override;

private:
    void FormCreate();
    void RefreshSlots();
    void SlotClick(int slot);
    void NoClick();
    void CancelClick();
    void bHelpClick();

    TSubWindows* windows_;
    const plat::Bitmap* skin_ = nullptr;
};
