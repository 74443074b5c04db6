// The eight garment classes in wardrobe order: file mask, class caption, take-off caption and
// whether the class shares the one rack place with the other clothing classes (Tag 1).
#pragma once

#include <array>
#include <string_view>

namespace wardrobe {

struct TClassInfo {
    std::string_view Code;       // Wn, Pl, ... : suffix of component and registry value names
    std::string_view Maska;      // file mask without ".mdl"
    std::string_view NameClassM; // class caption, UTF-8 (converted where it is used)
    std::string_view NameClass;  // take-off caption, UTF-8
    int Tag;
};

inline constexpr int kClassCount = 8;
inline constexpr int kClassPl = 1;
inline constexpr int kClassBr = 2;
inline constexpr int kClassSh = 6;
inline constexpr int kClassTf = 7;

inline constexpr std::array<TClassInfo, kClassCount> kClasses{{
    {"Wn", "wn*", "Пальто, шубы, плащи", "Снять пальто (шубу, плащ)", 1},
    {"Pl", "pl*", "Платья", "Снять платье", 1},
    {"Br", "br*", "Брюки, лосины", "Снять брюки (лосины)", 1},
    {"Bl", "bl*", "Блузы, маечки", "Снять блузу (маечку)", 1},
    {"Hl", "hl*", "Халаты, купальники", "Снять халат (купальник)", 1},
    {"Yu", "yu*", "Юбки", "Снять юбку", 1},
    {"Sh", "sh*", "Шапки, шляпки", "Снять шапку (шляпку)", 0},
    {"Tf", "tf*", "Туфли, сапоги", "Снять туфли (сапоги)", 0},
}};

} // namespace wardrobe
