// One garment class of the wardrobe: the models its file mask finds in the models folder, sorted
// by name, the current model, and the pop-up menu that lists them. The main window makes eight of
// these (ClassModelsWn ... ClassModelsTf), hands them to TAllModels and to the racks, and never
// reaches into Models directly except through Current / ModelAt.
#pragma once

#include "designer/geometry/Model.h"
#include "designer/wardrobe/ClassTable.h"
#include "platform/ui/PopupMenu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {
class TRegIniFile;
class TMessageTarget;
} // namespace plat

namespace wardrobe {

class TClassModels {
public:
    TClassModels() = default;
    // A class set up from row `index` of the class table.
    explicit TClassModels(int index);

    std::string Maska;      // e.g. "pl*"
    std::string NameClass;  // take-off caption, cp1251
    std::string NameClassM; // class caption, cp1251
    int Tag = 0;
    int Index = -1; // wardrobe order, -1 for a class made by hand
    std::vector<std::unique_ptr<geom::TModel>> Models;
    plat::TPopupMenu PopupMenu;
    std::function<void(TClassModels&)> OnSelect;
    std::function<void(TClassModels&)> OnChange;
    // Where the refresh message goes after a pick from the menu; none in tests.
    plat::TMessageTarget* MainWindow = nullptr;

    // Finds the models of `path` + Maska + ".mdl" (relative to the data folder). A model that
    // cannot be read is left out and its error shown once; a refused stored-material value loads
    // the model with every piece at -1 and shows that error.
    void LoadModels(const std::string& path, plat::TRegIniFile* registry, std::string_view section,
                    const geom::TMaterialSource* materials, int availWidth, int availHeight);
    void FreeModels();

    int ItemIndex() const { return itemIndex_; }
    int Count() const { return int(Models.size()); }
    void SetItemIndex(int i);
    void Next();
    geom::TModel* Current() const { return ModelAt(itemIndex_); }
    geom::TModel* ModelAt(int i) const;
    geom::TModel* PrevModel() const;
    geom::TModel* NextModel() const;
    geom::TModel* PrevPrevModel() const;
    int IndexOf(const geom::TModel* model) const;

    // Every model item of the menu enabled except the current model's.
    void RefreshMenu();
    void ReleasePictures();
    void SaveState(plat::TRegIniFile& registry, std::string_view section) const;

    // Inserts a model where the sorted order puts it (before the first whose Name is >= its own,
    // bytes compared unsigned) and returns its index. Used by LoadModels and by tests.
    int Insert(std::unique_ptr<geom::TModel> model);
    void BuildMenu();

private:
    int itemIndex_ = 0;
};

// Unsigned byte order of two names, as the class list is sorted.
bool NameLess(std::string_view a, std::string_view b);

// "<path>" without a final ".mdl" (any case), the base of the two picture names.
std::string PictureBase(std::string_view modelPath);

} // namespace wardrobe
