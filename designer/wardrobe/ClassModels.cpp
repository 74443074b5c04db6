// Finding, sorting and stepping through the models of one class.
#include "designer/wardrobe/ClassModels.h"

#include "designer/shell/Settings.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "platform/files/Files.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Messages.h"

#include <exception>

namespace wardrobe {

TClassModels::TClassModels(int index) : Index(index) {
    const TClassInfo& info = kClasses[size_t(index)];
    Maska = std::string(info.Maska);
    NameClass = plat::Ru(info.NameClass);
    NameClassM = plat::Ru(info.NameClassM);
    Tag = info.Tag;
}

bool NameLess(std::string_view a, std::string_view b) {
    // std::string_view compares through char_traits<char>, which orders bytes as unsigned.
    return a < b;
}

std::string PictureBase(std::string_view modelPath) {
    if (modelPath.size() >= 4 && plat::SameText(modelPath.substr(modelPath.size() - 4), ".mdl"))
        modelPath.remove_suffix(4);
    return std::string(modelPath);
}

int TClassModels::Insert(std::unique_ptr<geom::TModel> model) {
    size_t at = 0;
    while (at < Models.size() && NameLess(Models[at]->Name, model->Name))
        ++at;
    Models.insert(Models.begin() + std::ptrdiff_t(at), std::move(model));
    return int(at);
}

void TClassModels::LoadModels(const std::string& path, plat::TRegIniFile* registry, std::string_view section,
                              const geom::TMaterialSource* materials, int availWidth, int availHeight) {
    FreeModels();
    const std::string mask = Maska + ".mdl";
    const std::string pattern = DataFile(path + mask);
    for (const plat::SearchRec& rec : plat::FindFiles(pattern, 0)) {
        // The folder search also answers for short names; only a long name that ends in ".mdl"
        // names a model ("pl03.mdl~" is an editor's backup, whatever its short name says).
        if (!plat::MatchesMask(rec.Name, mask) || rec.Name.size() <= 4 ||
            !plat::SameText(rec.Name.substr(rec.Name.size() - 4), ".mdl"))
            continue;
        const std::string modelPath = path + rec.Name.substr(0, rec.Name.size() - 4);
        std::unique_ptr<geom::TModel> model;
        try {
            model = std::make_unique<geom::TModel>(modelPath, materials, availWidth, availHeight,
                                                   geom::TTypeShow::tsUnVisible, nullptr, section);
        } catch (const geom::EModelFileError& e) {
            // One bad file never empties the class: it is left out and named once.
            plat::ShowError(e.Where());
            continue;
        } catch (const std::exception& e) {
            plat::ShowError(modelPath + ".mdl: " + e.what());
            continue;
        }
        if (registry) {
            try {
                model->ReadMaterials(*registry, section);
            } catch (const std::exception& e) {
                for (auto& piece : model->Pieces)
                    piece->SetMaterial(-1);
                plat::ShowError(e.what());
            }
        }
        Insert(std::move(model));
    }
    BuildMenu();
    itemIndex_ = 0;
    SetItemIndex(0);
}

void TClassModels::BuildMenu() {
    PopupMenu.Items.clear();
    plat::TMenuItem caption;
    caption.Caption = NameClassM;
    caption.Default = true;
    PopupMenu.Items.push_back(caption);
    PopupMenu.Items.push_back({"-", true, false, {}});
    for (size_t k = 0; k < Models.size(); ++k) {
        plat::TMenuItem item;
        item.Caption = Models[k]->Name;
        item.OnClick = [this, k] {
            SetItemIndex(int(k));
            if (OnSelect)
                OnSelect(*this);
            if (MainWindow)
                plat::PostMessage(MainWindow, plat::WM_USER);
        };
        PopupMenu.Items.push_back(std::move(item));
    }
}

void TClassModels::FreeModels() {
    Models.clear();
    PopupMenu.Items.clear();
    itemIndex_ = 0;
}

void TClassModels::SetItemIndex(int i) {
    // Below 0 is as meaningless as past the end: both are ignored.
    if (i < 0 || i >= Count())
        return;
    if (geom::TModel* current = Current())
        current->SetTypeShow(geom::TTypeShow::tsUnVisible);
    const int old = itemIndex_;
    itemIndex_ = i;
    if (OnChange && i != old)
        OnChange(*this);
}

void TClassModels::Next() {
    if (Models.empty())
        return;
    if (geom::TModel* current = Current())
        current->SetTypeShow(geom::TTypeShow::tsUnVisible);
    SetItemIndex(itemIndex_ + 1 >= Count() ? 0 : itemIndex_ + 1);
}

geom::TModel* TClassModels::ModelAt(int i) const {
    if (i < 0 || i >= Count())
        return nullptr;
    return Models[size_t(i)].get();
}

geom::TModel* TClassModels::PrevModel() const {
    if (Models.empty())
        return nullptr;
    return ModelAt(itemIndex_ - 1 < 0 ? Count() - 1 : itemIndex_ - 1);
}

geom::TModel* TClassModels::NextModel() const {
    if (Models.empty())
        return nullptr;
    return ModelAt(itemIndex_ + 1 >= Count() ? 0 : itemIndex_ + 1);
}

geom::TModel* TClassModels::PrevPrevModel() const {
    if (Models.empty())
        return nullptr;
    int i = itemIndex_ - 2;
    if (itemIndex_ == 1)
        i = Count() - 1;
    if (i < -1)
        i = Count() - 2;
    if (i < 0)
        i = 0;
    return ModelAt(i);
}

int TClassModels::IndexOf(const geom::TModel* model) const {
    for (size_t i = 0; i < Models.size(); ++i)
        if (Models[i].get() == model)
            return int(i);
    return -1;
}

void TClassModels::RefreshMenu() {
    for (size_t i = 2; i < PopupMenu.Items.size(); ++i)
        PopupMenu.Items[i].Enabled = int(i) - 2 != itemIndex_;
}

void TClassModels::ReleasePictures() {
    if (Settings().BigMemory)
        return;
    for (auto& model : Models)
        model->Pictures.Release();
}

void TClassModels::SaveState(plat::TRegIniFile& registry, std::string_view section) const {
    for (const auto& model : Models)
        model->SaveMaterials(registry, section);
}

} // namespace wardrobe
