// The wardrobe: the eight classes (any may be absent), the folder their model files lie in, the
// fabric catalogue every model paints with, the display mode of the current model's pattern, and
// which class is current.
//
// Hosting: the main window makes the eight TClassModels, sets cm[0..7], Path, BrushSelect and
// MainWindow (the target of the refresh message WM_USER), calls Load(239, 212, section, registry)
// once, and listens to OnChangeModel (fired when the current class or its model changes).
// Unload runs when the window goes.
#pragma once

#include "designer/wardrobe/ClassModels.h"

#include <array>
#include <functional>

namespace wardrobe {

class TAllModels {
public:
    std::array<TClassModels*, kClassCount> cm{};
    std::string Path = "models\\";
    const geom::TMaterialSource* BrushSelect = nullptr;
    geom::TTypeShow TypeShow = geom::TTypeShow::tsEdit;
    std::function<void()> OnChangeModel;
    plat::TMessageTarget* MainWindow = nullptr;

    void Load(int availWidth, int availHeight, std::string_view section, plat::TRegIniFile* registry);
    void Unload();

    TClassModels* ClassModels() const { return current_; }
    void SetClassModels(TClassModels* c);
    void ModelChanged(TClassModels& c);
    geom::TModel* CurrentModel() const { return current_ ? current_->Current() : nullptr; }
    void SetTypeShow(geom::TTypeShow t) { TypeShow = t; }
    // Eight items in wardrobe order, each calling `handler` with its index.
    void BuildTakeOffMenu(plat::TPopupMenu& menu, const std::function<void(int)>& handler) const;
    void SaveState(plat::TRegIniFile& registry, std::string_view section) const;

private:
    TClassModels* current_ = nullptr;
};

} // namespace wardrobe
