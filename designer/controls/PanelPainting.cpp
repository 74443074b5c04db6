// Tiling and caption placement of the draw panel; the caption bar's skinned background.
#include "designer/controls/PanelPainting.h"

#include "platform/graphics/RasterCanvas.h"

#include <algorithm>

using plat::Bitmap;
using plat::TRect;

int DrawPanelCaptionLeft(const std::vector<TRect>& children, int panelWidth, int textWidth,
                         TAlignment alignment) {
    const int middle = panelWidth / 2;
    int left = 0;
    int right = panelWidth;
    for (const TRect& child : children) {
        if (child.Right < middle)
            left = std::max(left, child.Right);
        if (child.Left > middle)
            right = std::min(right, child.Left);
    }
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return left + 2;
    case TAlignment::taRightJustify:
        return right - textWidth - 2;
    case TAlignment::taCenter:
        return left + (right - left) / 2 - textWidth / 2;
    }
    return left + 2;
}

void TilePicture(Bitmap& surface, const Bitmap& picture) {
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return;
    plat::RasterCanvas canvas(surface);
    for (int row = 0; row <= surface.Height() / picture.Height(); ++row)
        for (int column = 0; column <= surface.Width() / picture.Width(); ++column)
            canvas.Draw(column * picture.Width(), row * picture.Height(), picture);
}

void PaintCaptionBarPlus(Bitmap& surface, const TCaptionSkin& skin, const std::string& caption,
                         const plat::TFont& font) {
    plat::RasterCanvas canvas(surface);
    if (skin.Picture) {
        const TRect from = plat::Bounds(skin.X, skin.Y, surface.Width(), surface.Height());
        const bool inside = from.Width() > 0 && from.Height() > 0 && from.Left >= 0 && from.Top >= 0 &&
                            from.Right <= skin.Picture->Width() && from.Bottom <= skin.Picture->Height();
        if (inside)
            canvas.CopyRect(plat::Bounds(0, 0, surface.Width(), surface.Height()), *skin.Picture, from,
                            plat::RasterOp::SrcCopy);
    }
    if (!skin.ShowName)
        return;
    canvas.Font = font;
    canvas.Font.Color = plat::clBlack;
    canvas.BackgroundMode = plat::BkMode::Transparent;
    canvas.TextOut(0, 0, "      " + caption);
}
