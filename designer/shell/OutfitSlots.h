// Where the child's work lives in the registry: the eight outfit slots "States1" ... "States8"
// under the product key, their values and defaults, and the two settings beside them
// ("DefaultSlot", "Sound"). Reads clamp what they cannot use to the default, so a hand-edited or
// damaged value never indexes past a table.
#pragma once

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

inline constexpr int kSlotCount = 8;
// Clothing racks that can stand in front (Wn Pl Br Bl Hl Yu); the front one when nothing says.
inline constexpr int kClothingRackCount = 6;
inline constexpr int kDefaultFrontRack = 1;

// "States" + slot. The wardrobe stores its own values there (every model's materials, the doll's
// ModelsItem<code>, each rack's ModelView<code>); the values below are the main window's.
std::string SlotSection(int slot);

// What a slot keeps of the main window's own.
struct TSlotRecord {
    std::string Width;                 // the pattern-print window's back-width text
    std::string Height;                // its height text
    int FrontRack = kDefaultFrontRack; // "ModelView": 0 Wn ... 5 Yu
};

// Writes "Width", "Height" and "ModelView".
void WriteSlotRecord(plat::TRegIniFile& ini, std::string_view section, const TSlotRecord& record);
// Missing values take their defaults (the given standard texts, 1); a front rack outside 0 ... 5
// gives 1.
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
