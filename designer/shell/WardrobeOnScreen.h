// The wardrobe components on the main window: the catalogue with its eight classes, the eight
// selector views (six clothes racks sharing one place, the hats and the shoes), the doll, the
// pattern panel with the exchange between the two, the fabric drum and the surprises, made at
// their places and wired to each other and to the window. It answers the main window's outfit
// questions (OutfitWardrobe.h).
#pragma once

#include "designer/shell/OutfitWardrobe.h"
#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/BrushSelect.h"
#include "designer/wardrobe/Materials.h"
#include "designer/wardrobe/ModelView.h"
#include "designer/wardrobe/Models.h"
#include "designer/wardrobe/ModelShow.h"
#include "designer/wardrobe/Zamor.h"
#include "designer/controls/ShowHide.h"

#include <array>
#include <functional>
#include <memory>

class TWardrobeOnScreen : public TOutfitWardrobe {
public:
    // Makes the components on `window` (hidden until the window first shows them); `background`
    // is the window's picture (Main.bmp, under the hat and shoe views and the doll);
    // `patternFrames` the pattern panel's frames (FsWindow.bmp, loaded when first needed).
    TWardrobeOnScreen(plat::TControl& window, plat::TMessageTarget& mainWindow, const plat::Bitmap& background,
                      const plat::Bitmap& patternFrames);
    ~TWardrobeOnScreen() override;

    // Called on every dressing, undressing and colouring.
    std::function<void()> OnModified;
    // Called when a worn garment dragged back onto a rack wants its clothing rack in front.
    std::function<void(int rack)> OnRackChosen;
    // The show-patterns action (a press on the doll's pattern spot).
    std::function<void()> OnShowPatterns;

    // Makes the hat and shoe views, the drum and the doll visible (the window's first showing).
    void ShowAll();

    void SaveState(plat::TRegIniFile& ini, const std::string& section) override;
    void LoadState(plat::TRegIniFile& ini, const std::string& section, bool silent) override;
    void ShowRack(int index) override;
    bool AnythingWorn() override;
    bool DollVisible() override { return Models->Visible(); }
    void Trigger(int x, int y) override { Surprises.Trigger(x, y, Models->Visible()); }
    void Refresh() override;

    wardrobe::TAllModels AllModels;
    std::array<std::unique_ptr<wardrobe::TClassModels>, wardrobe::kClassCount> Classes;
    std::array<wardrobe::TModelView*, wardrobe::kClassCount> Views{};
    wardrobe::TModels* Models = nullptr;
    wardrobe::TBrushSelect* BrushSelect = nullptr;
    wardrobe::TModelShow* ModelShow = nullptr;
    TShowHide Exchange;
    wardrobe::TZamor Surprises;

    // The skin for the pattern panel's close buttons.
    void SetSkin(const plat::Bitmap* skin) { ModelShow->SetSkin(skin); }

private:
    void GarmentReturned(wardrobe::TClassModels& cls);

    plat::TControl& window_;
    wardrobe::TMaterialCatalogue fabrics_;
    plat::Bitmap fsView_;
    plat::Bitmap zamor_;
};
