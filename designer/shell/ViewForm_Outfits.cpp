// Saving and restoring outfits: the slots window's question, then the registry layout of
// OutfitSlots.h. A save is only reported once the registry file really holds it, so closing after
// a failed save keeps the program (and the outfit) open.
#include "designer/shell/ViewForm.h"

#include "designer/shell/Busy.h"
#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"

bool TViewForm::Save() {
    const TSlotAnswer answer = slots_->Ask(plat::Ru("Сохранить изменения ?"));
    if (answer == TSlotAnswer::Cancelled)
        return false;
    if (answer == TSlotAnswer::Declined)
        return true;
    try {
        TBusyScope busy;
        const std::string section = SlotSection(slots_->Slot);
        {
            plat::TRegIniFile ini(kProductKey);
            if (wardrobe_)
                wardrobe_->SaveState(ini, section);
            const TMeasureTexts texts = windows_->MeasureTexts();
            WriteSlotRecord(ini, section, {texts.Width, texts.Height, VisibleRack()});
        }
        plat::RegistryFlush();
    } catch (const plat::Exception& error) {
        plat::ShowError(plat::Ru("Не удалось сохранить: ") + error.Message());
        return false;
    }
    Fly(*FlyBitmapOk, MinWindowSave);
    Modified = false;
    return true;
}

void TViewForm::Load(bool silent) {
    if (silent) {
        plat::TRegIniFile ini(kProductKey);
        slots_->Slot = ReadDefaultSlot(ini);
    } else if (slots_->Ask(plat::Ru("Восстановить сохраненную информацию ?")) != TSlotAnswer::SlotChosen) {
        return;
    }
    {
        TBusyScope busy;
        const std::string section = SlotSection(slots_->Slot);
        plat::TRegIniFile ini(kProductKey);
        const TMeasureTexts standard = windows_->StandardMeasureTexts();
        const TSlotRecord record = ReadSlotRecord(ini, section, standard.Width, standard.Height);
        windows_->SetMeasureTexts({record.Width, record.Height});
        if (wardrobe_)
            wardrobe_->LoadState(ini, section, silent);
    }
    if (!silent) {
        Fly(*FlyBitmapOk, MinWindowLoad);
        PostRefresh();
    }
    Modified = false;
}

void TViewForm::SaveClick() {
    Save();
}
