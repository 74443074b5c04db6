// What the main window needs of the wardrobe components (the catalogue, the racks and the doll)
// to save and restore outfits, to choose racks and to start surprises. The wardrobe components
// answer it; until they are on the window the main window works without one and keeps only its
// own parts of an outfit (measurements, the front rack).
#pragma once

#include "designer/shell/OutfitSlots.h"

#include <string>

class TOutfitWardrobe {
public:
    virtual ~TOutfitWardrobe() = default;

    // Into `section`: every model's piece materials (classes in wardrobe order, models in list
    // order), the worn model of each doll layer, each rack's shown model.
    virtual void SaveState(plat::TRegIniFile& ini, const std::string& section) = 0;
    // Restores from `section`: when not silent the doll is undressed and the models freed first;
    // the wardrobe is read again from disk with the stored materials, the doll's layers and the
    // racks take their stored models (an index past a class's list is nothing), and everything
    // is repainted.
    virtual void LoadState(plat::TRegIniFile& ini, const std::string& section, bool silent) = 0;

    // Shows clothing rack `index` (0 Wn ... 5 Yu) and hides the other five.
    virtual void ShowRack(int index) = 0;
    // Whether anything is worn (pattern printing needs a garment) and whether the doll shows
    // (doll printing needs her).
    virtual bool AnythingWorn() = 0;
    virtual bool DollVisible() = 0;
    // A press on the window's background at (x, y): the surprise animation there (with the doll's
    // visibility).
    virtual void Trigger(int x, int y) = 0;
    // Repaints the racks, the doll and the pattern panel (the main window's refresh).
    virtual void Refresh() = 0;
};
