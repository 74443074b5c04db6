// Loading the wardrobe and switching the current class.
#include "designer/wardrobe/AllModels.h"

#include "platform/text/Cp1251.h"
#include "platform/ui/Messages.h"

namespace wardrobe {

void TAllModels::Load(int availWidth, int availHeight, std::string_view section,
                      plat::TRegIniFile* registry) {
    TypeShow = geom::TTypeShow::tsFill;
    for (TClassModels* c : cm) {
        if (!c)
            continue;
        c->MainWindow = MainWindow;
        c->LoadModels(Path, registry, section, BrushSelect, availWidth, availHeight);
        c->OnChange = [this](TClassModels& changed) { ModelChanged(changed); };
    }
    if (!current_)
        current_ = cm[size_t(kClassPl)];
}

void TAllModels::Unload() {
    for (TClassModels* c : cm)
        if (c)
            c->FreeModels();
}

void TAllModels::SetClassModels(TClassModels* c) {
    if (c == current_)
        return;
    if (current_)
        current_->ReleasePictures();
    current_ = c;
    if (OnChangeModel)
        OnChangeModel();
    if (MainWindow)
        plat::PostMessage(MainWindow, plat::WM_USER);
}

void TAllModels::ModelChanged(TClassModels& c) {
    if (&c == current_ && OnChangeModel)
        OnChangeModel();
}

void TAllModels::BuildTakeOffMenu(plat::TPopupMenu& menu, const std::function<void(int)>& handler) const {
    for (int i = 0; i < kClassCount; ++i) {
        plat::TMenuItem item;
        item.Caption = cm[size_t(i)] ? cm[size_t(i)]->NameClass : plat::Ru("Отсутствует");
        item.OnClick = [handler, i] { handler(i); };
        menu.Items.push_back(std::move(item));
    }
}

void TAllModels::SaveState(plat::TRegIniFile& registry, std::string_view section) const {
    for (TClassModels* c : cm)
        if (c)
            c->SaveState(registry, section);
}

} // namespace wardrobe
