// The stored layout of the outfit slots.
#include "designer/shell/OutfitSlots.h"

#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"

#include <algorithm>

namespace {

constexpr std::string_view kModelsFolder = "models\\";

std::string Suffixed(const char* prefix, int cls) {
    return std::string(prefix) + kClassCodes[cls];
}

int InRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

} // namespace

std::string SlotSection(int slot) {
    return "States" + std::to_string(slot);
}

std::string MaterialValueName(std::string_view modelPath) {
    if (modelPath.size() >= kModelsFolder.size() &&
        plat::SameText(modelPath.substr(0, kModelsFolder.size()), kModelsFolder))
        modelPath.remove_prefix(kModelsFolder.size());
    return std::string(modelPath);
}

std::vector<int> ReadMaterials(plat::TRegIniFile& ini, std::string_view section, std::string_view name,
                               int pieceCount) {
    pieceCount = std::clamp(pieceCount, 0, kMaxStoredPieces);
    std::array<int8_t, kMaxStoredPieces> buffer;
    buffer.fill(-1);
    ini.ReadBinaryData(section, name, buffer.data(), pieceCount);
    return std::vector<int>(buffer.begin(), buffer.begin() + pieceCount);
}

void WriteMaterials(plat::TRegIniFile& ini, std::string_view section, std::string_view name,
                    const std::vector<int>& materials) {
    std::vector<int8_t> bytes;
    bytes.reserve(materials.size());
    for (int material : materials)
        bytes.push_back(static_cast<int8_t>(material));
    ini.WriteBinaryData(section, name, bytes.data(), static_cast<int>(bytes.size()));
}

void WriteSlotRecord(plat::TRegIniFile& ini, std::string_view section, const TSlotRecord& record) {
    ini.WriteString(section, "Width", record.Width);
    ini.WriteString(section, "Height", record.Height);
    for (int cls = 0; cls < kClassCount; ++cls)
        ini.WriteInteger(section, Suffixed("ModelsItem", cls), record.WornModel[cls]);
    for (int cls : kRackWriteOrder)
        ini.WriteInteger(section, Suffixed("ModelView", cls), record.RackItem[cls]);
    ini.WriteInteger(section, "ModelView", record.FrontRack);
}

TSlotRecord ReadSlotRecord(plat::TRegIniFile& ini, std::string_view section, const std::string& standardWidth,
                           const std::string& standardHeight) {
    TSlotRecord record;
    record.Width = ini.ReadString(section, "Width", standardWidth);
    record.Height = ini.ReadString(section, "Height", standardHeight);
    for (int cls = 0; cls < kClassCount; ++cls) {
        const int worn = ini.ReadInteger(section, Suffixed("ModelsItem", cls), -1);
        record.WornModel[cls] = worn < -1 ? -1 : worn;
        const int item = ini.ReadInteger(section, Suffixed("ModelView", cls), 0);
        record.RackItem[cls] = item < 0 ? 0 : item;
    }
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
