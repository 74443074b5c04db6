// Skinned controls from the layout table.
#include "designer/shell/SkinControls.h"

TBitmapButton& MakeSkinButton(plat::TControl& parent, const layout::SkinButton& button, const std::string& hint,
                              layout::Point parentOrigin) {
    auto& made = parent.Make<TBitmapButton>();
    made.SetBounds(button.place.x - parentOrigin.x, button.place.y - parentOrigin.y, button.place.width,
                   button.place.height);
    made.SetHint(hint);
    made.SetShowHint(!hint.empty());
    return made;
}

void SetSkinFrames(TBitmapButton& button, const plat::Bitmap* skin, const layout::SkinButton& layout) {
    button.SetResImage(skin, layout.frames.x, layout.frames.y);
}
