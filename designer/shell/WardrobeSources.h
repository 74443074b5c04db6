// The main window's wardrobe as the printing windows see it: the pattern-print window asks for the
// pattern panel's state, the wardrobe's current model and the worn models; the doll-print window
// for the worn models and the doll's two sides as the screen shows them. Both answer from the
// live components, so what is printed is what the child sees at the moment of printing.
#pragma once

#include "designer/printing/PatternSource.h"

class TWardrobeOnScreen;

class TWardrobePatternSource : public printing::IPatternSource {
public:
    explicit TWardrobePatternSource(TWardrobeOnScreen& wardrobe) : wardrobe_(wardrobe) {}

    const geom::TModel* Worn(printing::TLayer layer) const override;
    bool PatternPanelVisible() const override;
    const geom::TModel* CurrentModel() const override;

private:
    TWardrobeOnScreen& wardrobe_;
};

class TWardrobeDollSource : public printing::IDollSource {
public:
    explicit TWardrobeDollSource(TWardrobeOnScreen& wardrobe) : wardrobe_(wardrobe) {}

    const geom::TModel* Worn(printing::TLayer layer) const override;
    int DollWidth() const override;
    int DollHeight() const override;
    // The dressed side without the window's background or a dissolve in progress: paper is the
    // background of a print.
    plat::Bitmap DollView(bool back) const override;

private:
    TWardrobeOnScreen& wardrobe_;
};
