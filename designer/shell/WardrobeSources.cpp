#include "designer/shell/WardrobeSources.h"

#include "designer/shell/WardrobeOnScreen.h"

namespace {

const geom::TModel* WornIn(const TWardrobeOnScreen& wardrobe, printing::TLayer layer) {
    const auto index = static_cast<size_t>(layer);
    if (!wardrobe.Models || index >= wardrobe.Models->Items.size())
        return nullptr;
    return wardrobe.Models->Items[index].Model();
}

} // namespace

const geom::TModel* TWardrobePatternSource::Worn(printing::TLayer layer) const {
    return WornIn(wardrobe_, layer);
}

bool TWardrobePatternSource::PatternPanelVisible() const {
    // The panel counts as open from the moment the child asked for it until it is asked away,
    // as the main window's own print button judges it.
    return wardrobe_.Exchange.Shown();
}

const geom::TModel* TWardrobePatternSource::CurrentModel() const {
    return wardrobe_.AllModels.CurrentModel();
}

const geom::TModel* TWardrobeDollSource::Worn(printing::TLayer layer) const {
    return WornIn(wardrobe_, layer);
}

int TWardrobeDollSource::DollWidth() const {
    return wardrobe_.Models ? wardrobe_.Models->Width() : 0;
}

int TWardrobeDollSource::DollHeight() const {
    return wardrobe_.Models ? wardrobe_.Models->Height() : 0;
}

plat::Bitmap TWardrobeDollSource::DollView(bool back) const {
    plat::Bitmap view;
    if (wardrobe_.Models)
        wardrobe_.Models->RenderDoll(view, /*face=*/!back, /*withBackground=*/false);
    return view;
}
