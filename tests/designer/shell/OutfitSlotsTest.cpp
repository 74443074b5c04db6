// The stored layout of the slots: defaults, fallbacks for values outside their range, and the last
// slot written when the slots window goes.
#include "designer/shell/OpenSaveForm.h"
#include "designer/shell/OutfitSlots.h"
#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/Synthetic.h"

#include "FreshPrefix.h"

#include <gtest/gtest.h>

namespace {

class OutfitSlotsTest : public ::testing::Test {
protected:
    void SetUp() override { UseFreshPrefix(); }
    void TearDown() override { plat::RegistryReset(); }
};

TEST_F(OutfitSlotsTest, ASlotNeverWrittenGivesTheStandardMeasuresAndTheDressesRack) {
    plat::TRegIniFile ini(kProductKey);
    const TSlotRecord r = ReadSlotRecord(ini, SlotSection(5), "6.5", "30.0");
    EXPECT_EQ(r.Width, "6.5");
    EXPECT_EQ(r.Height, "30.0");
    EXPECT_EQ(r.FrontRack, 1);
    EXPECT_EQ(ReadDefaultSlot(ini), 1);
    EXPECT_TRUE(ReadSoundSetting(ini));
}

TEST_F(OutfitSlotsTest, ValuesOutsideTheirRangeFallBackToTheDefaults) {
    plat::TRegIniFile ini(kProductKey);
    for (const char* slot : {"0", "9", "-3", "x"}) {
        ini.WriteString("", "DefaultSlot", slot);
        EXPECT_EQ(ReadDefaultSlot(ini), 1) << slot;
    }
    ini.WriteString("", "DefaultSlot", "0x8");
    EXPECT_EQ(ReadDefaultSlot(ini), 8);
    for (const char* rack : {"6", "-1", "255"}) {
        ini.WriteString("States1", "ModelView", rack);
        EXPECT_EQ(ReadFrontRack(ini, 1), 1) << rack;
        EXPECT_EQ(ReadSlotRecord(ini, "States1", "", "").FrontRack, 1) << rack;
    }
}

TEST_F(OutfitSlotsTest, TheSlotsWindowWritesTheLastSlotAsDefaultWhenItGoes) {
    {
        TOpenSaveForm slots;
        // Every slot button is where the child presses it.
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const plat::TRect r = slots.SlotButtons[slot - 1]->BoundsRect();
            EXPECT_EQ(r.Width(), 76) << slot;
            EXPECT_EQ(r.Height(), 80) << slot;
        }
        slots.OnShow = [](plat::TForm& form) { static_cast<TOpenSaveForm&>(form).SlotButtons[6]->Click(); };
        EXPECT_EQ(slots.Ask("?"), TSlotAnswer::SlotChosen);
        EXPECT_EQ(slots.Slot, 7);
        slots.OnShow = [](plat::TForm& form) { static_cast<TOpenSaveForm&>(form).bCancel->Click(); };
        EXPECT_EQ(slots.Ask("?"), TSlotAnswer::Cancelled);
        EXPECT_EQ(slots.Slot, 7);
        // From the keyboard: a digit chooses its slot, Escape cancels.
        slots.OnShow = [](plat::TForm& form) { plat::SendKey(form, '4', {}, "4"); };
        EXPECT_EQ(slots.Ask("?"), TSlotAnswer::SlotChosen);
        EXPECT_EQ(slots.Slot, 4);
        slots.OnShow = [](plat::TForm& form) {
            plat::SendKey(form, '9', {}, "9"); // no ninth slot: nothing happens
            plat::SendKey(*static_cast<TOpenSaveForm&>(form).No, plat::VK_ESCAPE);
        };
        EXPECT_EQ(slots.Ask("?"), TSlotAnswer::Cancelled);
        EXPECT_EQ(slots.Slot, 4);
    }
    plat::TRegIniFile ini(kProductKey);
    EXPECT_EQ(ini.ReadString("", "DefaultSlot", ""), "4"); // the slot used last
}

} // namespace
