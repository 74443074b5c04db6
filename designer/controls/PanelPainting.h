// Painting of the skinned panels without a window: the tiled picture and caption of TDrawPanel,
// and the background and caption of TCaptionBarPlus. The widgets hand in their back buffer.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

#include <string>
#include <vector>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Left edge of a TDrawPanel caption of `textWidth` between the children on either side of the
// panel's middle (`children` are their bounds in the panel).
int DrawPanelCaptionLeft(const std::vector<plat::TRect>& children, int panelWidth, int textWidth,
                         TAlignment alignment);

// Tiles `picture` over the whole surface from (0, 0); an empty picture draws nothing.
void TilePicture(plat::Bitmap& surface, const plat::Bitmap& picture);

// One state's skin of a TCaptionBarPlus: the picture (or none) and the corner of the background.
struct TCaptionSkin {
    const plat::Bitmap* Picture = nullptr;
    int X = 0;
    int Y = 0;
    bool ShowName = false;
};

// The bar's look for its current state: the skin's rectangle of the bar's size copied over the
// whole bar (parts outside the skin draw nothing), then six spaces and the caption in black with
// a transparent background at (0, 0) when the state writes its name.
void PaintCaptionBarPlus(plat::Bitmap& surface, const TCaptionSkin& skin, const std::string& caption,
                         const plat::TFont& font);
