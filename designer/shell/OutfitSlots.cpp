// The stored layout of the outfit slots.
#include "designer/shell/OutfitSlots.h"


namespace {

int InRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

} // namespace

std::string SlotSection(int slot) {
    return "States" + std::to_string(slot);
}

void WriteSlotRecord(plat::TRegIniFile& ini, std::string_view section, const TSlotRecord& record) {
    ini.WriteString(section, "Width", record.Width);
    ini.WriteString(section, "Height", record.Height);
    ini.WriteInteger(section, "ModelView", record.FrontRack);
}

TSlotRecord ReadSlotRecord(plat::TRegIniFile& ini, std::string_view section, const std::string& standardWidth,
                           const std::string& standardHeight) {
    TSlotRecord record;
    record.Width = ini.ReadString(section, "Width", standardWidth);
    record.Height = ini.ReadString(section, "Height", standardHeight);
    record.FrontRack = InRangeOr(ini.ReadInteger(section, "ModelView", kDefaultFrontRack), 0,
                                 kClothingRackCount - 1, kDefaultFrontRack);
    return record;
}

int ReadFrontRack(plat::TRegIniFile& ini, int slot) {
    return InRangeOr(ini.ReadInteger(SlotSection(slot), "ModelView", kDefaultFrontRack), 0,
                     kClothingRackCount - 1, kDefaultFrontRack);
}

int ReadDefaultSlot(plat::TRegIniFile& ini) {
    return InRangeOr(ini.ReadInteger("", "DefaultSlot", 1), 1, kSlotCount, 1);
}

void WriteDefaultSlot(plat::TRegIniFile& ini, int slot) {
    ini.WriteInteger("", "DefaultSlot", slot);
}

bool ReadSoundSetting(plat::TRegIniFile& ini) {
    return ini.ReadBool("", "Sound", true);
}

void WriteSoundSetting(plat::TRegIniFile& ini, bool on) {
    ini.WriteBool("", "Sound", on);
}
