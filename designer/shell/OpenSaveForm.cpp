// The outfit-slots window, built from the slots window's layout table.
#include "designer/shell/OpenSaveForm.h"

#include "designer/controls/FormFont.h"
#include "designer/layout/SkinLayout.h"
#include "designer/shell/Settings.h"
#include "designer/shell/SkinControls.h"
#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Screen.h"

namespace slots = layout::outfitslots;

namespace {

constexpr int kCurrentSlotFrame = 3;
constexpr int kSlotFrame = 1;

} // namespace

TOpenSaveForm::TOpenSaveForm(TSubWindows* windows) : windows_(windows) {
    FormCreate();
}

TOpenSaveForm::~TOpenSaveForm() {
    // A destructor cannot report: a failed write stays pending for the registry's next flush.
    try {
        plat::TRegIniFile ini(kProductKey);
        WriteDefaultSlot(ini, Slot);
    } catch (const plat::Exception&) {
    }
}

void TOpenSaveForm::FormCreate() {
    const layout::Size size = slots::kWindow.size;
    SetClientSize(size.width, size.height);
    SetCaption("Velmora");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto& button = MakeSkinButton(*this, slots::SlotButton(slot), plat::Ru("Запись ") + std::to_string(slot));
        button.OnClick = [this, slot](plat::TControl&) { SlotClick(slot); };
        SlotButtons[slot - 1] = &button;
    }
    No = &MakeSkinButton(*this, slots::kNo, plat::Ru("Не выполнять"));
    No->OnClick = [this](plat::TControl&) { NoClick(); };
    Cancel = &MakeSkinButton(*this, slots::kCancel, plat::Ru("Выход"));
    Cancel->OnClick = [this](plat::TControl&) { CancelClick(); };
    CaptionBarPlus = &Make<TCaptionBarPlus>();
    CaptionBarPlus->SetBounds(slots::kCaption.place.x, slots::kCaption.place.y, slots::kCaption.place.width,
                              slots::kCaption.place.height);
    CaptionBarPlus->ShowNameActiv = slots::kCaption.showNameActive;
    CaptionBarPlus->ShowNamePassiv = slots::kCaption.showNamePassive;
    bHelp = &MakeSkinButton(*this, slots::kHelp, plat::Ru("Помощь"));
    bHelp->OnClick = [this](plat::TControl&) { bHelpClick(); };
    bCancel = &MakeSkinButton(*this, slots::kCancelSmall, plat::Ru("Выход"));
    bCancel->OnClick = [this](plat::TControl&) { CancelClick(); };
    SetFormFontName(*this, Settings().ScreenFontName);
    KeyPreview = true; // the keys work whichever button has the focus
}

void TOpenSaveForm::SetSkin(const plat::Bitmap* skin) {
    skin_ = skin;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        SetSkinFrames(*SlotButtons[slot - 1], skin, slots::SlotButton(slot));
    SetSkinFrames(*No, skin, slots::kNo);
    SetSkinFrames(*Cancel, skin, slots::kCancel);
    SetSkinFrames(*bHelp, skin, slots::kHelp);
    SetSkinFrames(*bCancel, skin, slots::kCancelSmall);
    CaptionBarPlus->BkActiv = skin;
    CaptionBarPlus->BkPassiv = skin;
    CaptionBarPlus->XBkActiv = slots::kCaption.active.x;
    CaptionBarPlus->YBkActiv = slots::kCaption.active.y;
    CaptionBarPlus->XBkPassiv = slots::kCaption.passive.x;
    CaptionBarPlus->YBkPassiv = slots::kCaption.passive.y;
    Invalidate();
}

TSlotAnswer TOpenSaveForm::Ask(const std::string& question) {
    CaptionBarPlus->Caption = question;
    CaptionBarPlus->Invalidate();
    SetBounds((plat::ScreenWidth() - Width()) / 2, (plat::ScreenHeight() - Height()) / 2, Width(), Height());
    ShowModal();
    return Answer;
}

void TOpenSaveForm::DoShow() {
    Answer = TSlotAnswer::Cancelled;
    RefreshSlots();
    TForm::DoShow();
}

void TOpenSaveForm::RefreshSlots() {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        SlotButtons[slot - 1]->SetState(slot == Slot ? kCurrentSlotFrame : kSlotFrame);
}

void TOpenSaveForm::Paint(plat::Canvas& canvas) {
    if (!skin_ || skin_->Empty())
        return;
    const layout::Rect from = slots::kWindow.Background();
    canvas.CopyRect(plat::Bounds(0, 0, from.width, from.height), *skin_, ToRect(from), plat::RasterOp::SrcCopy);
}

void TOpenSaveForm::KeyDown(plat::TKey& key, plat::TShiftState shift) {
    TForm::KeyDown(key, shift);
    if (key >= '1' && key < '1' + kSlotCount) {
        SlotClick(key - '0');
        key = 0;
    } else if (key == plat::VK_ESCAPE) {
        CancelClick();
        key = 0;
    }
}

void TOpenSaveForm::SlotClick(int slot) {
    Slot = slot;
    Answer = TSlotAnswer::SlotChosen;
    SetModalResult(1);
}

void TOpenSaveForm::NoClick() {
    Answer = TSlotAnswer::Declined;
    SetModalResult(1);
}

void TOpenSaveForm::CancelClick() {
    Answer = TSlotAnswer::Cancelled;
    SetModalResult(2);
}

void TOpenSaveForm::bHelpClick() {
    if (!windows_)
        return;
    SetHintsEnabled(false);
    windows_->ShowHelp(*this, "key_opsvform");
    SetHintsEnabled(true);
}
