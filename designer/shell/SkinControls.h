// Placing the skinned controls of the main window and the slots window from the layout table.
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/layout/SkinLayout.h"

#include <string>

// A picture button at its place with its hint; its frames come from the skin once it is handed
// over (SetSkinFrames).
TBitmapButton& MakeSkinButton(plat::TControl& parent, const layout::SkinButton& button, const std::string& hint,
                              layout::Point parentOrigin = {0, 0});
void SetSkinFrames(TBitmapButton& button, const plat::Bitmap* skin, const layout::SkinButton& layout);

inline plat::TRect ToRect(const layout::Rect& r) {
    return plat::Bounds(r.x, r.y, r.width, r.height);
}
