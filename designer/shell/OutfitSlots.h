// Where the child's work lives in the registry: the eight outfit slots "States1" ... "States8"
// under the product key, their values and defaults, and the two settings beside them
// ("DefaultSlot", "Sound"). Reads clamp what they cannot use to the default, so a hand-edited or
// damaged value never indexes past a table.
#pragma once

#include "platform/registry/Registry.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr int kSlotCount = 8;
inline constexpr int kClassCount = 8;

// Class codes in wardrobe order (index 0 ... 7), the suffixes of the stored value names.
inline constexpr std::array<const char*, kClassCount> kClassCodes{"Wn", "Pl", "Br", "Bl", "Hl", "Yu", "Sh", "Tf"};
// The order the racks' values are written in.
inline constexpr std::array<int, kClassCount> kRackWriteOrder{0, 1, 4, 2, 3, 5, 6, 7};
// Clothing racks that can stand in front (Wn Pl Br Bl Hl Yu); the front one when nothing says.
inline constexpr int kClothingRackCount = 6;
inline constexpr int kDefaultFrontRack = 1;

// "States" + slot. The models' materials are stored there by the models themselves
// (TModel::SaveMaterials / ReadMaterials).
std::string SlotSection(int slot);

// What a slot keeps besides the materials.
struct TSlotRecord {
    std::string Width;                      // the pattern-print window's back-width text
    std::string Height;                     // its height text
    std::array<int, kClassCount> WornModel; // ModelsItem<code>: index in the class list, -1 none
    std::array<int, kClassCount> RackItem;  // ModelView<code>: each rack's shown model
    int FrontRack = kDefaultFrontRack;      // "ModelView": 0 Wn ... 5 Yu
};

// Writes in the stored order: "Width", "Height", the eight ModelsItem values in wardrobe order,
// the racks' ModelView values, "ModelView".
void WriteSlotRecord(plat::TRegIniFile& ini, std::string_view section, const TSlotRecord& record);
// Missing values take their defaults: the given standard texts, -1, 0 and 1; a front rack outside
// 0 ... 5 gives 1; a worn model or rack item below -1 or 0 gives the default.
TSlotRecord ReadSlotRecord(plat::TRegIniFile& ini, std::string_view section, const std::string& standardWidth,
                           const std::string& standardHeight);
// Only "ModelView" of a slot (the front rack, read when the main window first shows).
int ReadFrontRack(plat::TRegIniFile& ini, int slot);

// "DefaultSlot": 1 when missing or outside 1 ... 8.
int ReadDefaultSlot(plat::TRegIniFile& ini);
void WriteDefaultSlot(plat::TRegIniFile& ini, int slot);
// "Sound": music on; true when missing.
bool ReadSoundSetting(plat::TRegIniFile& ini);
void WriteSoundSetting(plat::TRegIniFile& ini, bool on);
