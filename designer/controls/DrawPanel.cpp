// Painting of the draw panel and the skinned caption bar, and the caption bar's window move.
#include "designer/controls/DrawPanel.h"

#include "designer/controls/BitmapButton.h"
#include "platform/graphics/RasterCanvas.h"

TDrawPanel::TDrawPanel(plat::TControl* parent) : TControl(parent) {
    plat::TFont font;
    SetFont(font);
}

void TDrawPanel::Paint(plat::Canvas& canvas) {
    if (OnPaint) {
        OnPaint(*this, canvas);
        return;
    }
    auto* raster = dynamic_cast<plat::RasterCanvas*>(&canvas);
    if (!raster || Picture.Width() <= 0 || Picture.Height() <= 0) {
        canvas.Brush = plat::TBrush{Color, plat::BrushStyle::Solid};
        canvas.FillRect(plat::Bounds(0, 0, Width(), Height()));
        return;
    }
    TilePicture(raster->Target(), Picture);
    std::vector<plat::TRect> children;
    for (const auto& child : Controls())
        if (child->Visible())
            children.push_back(child->BoundsRect());
    canvas.Font = Font();
    canvas.BackgroundMode = plat::BkMode::Transparent;
    const int textWidth = canvas.TextWidth(Caption);
    const int top = Height() / 2 - canvas.TextHeight(Caption) / 2;
    canvas.TextOut(DrawPanelCaptionLeft(children, Width(), textWidth, Alignment), top, Caption);
}

void TCaptionBar::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != plat::TMouseButton::Left)
        return;
    for (plat::TControl* owner = Parent(); owner; owner = owner->Parent())
        if (auto* form = dynamic_cast<plat::TForm*>(owner)) {
            form->StartWindowMove();
            return;
        }
}

void TCaptionBarPlus::SetActive(bool active) {
    active_ = active;
    for (const auto& child : Controls())
        if (auto* button = dynamic_cast<TBitmapButton*>(child.get()))
            button->SetVisible(active);
    Invalidate();
}

void TCaptionBarPlus::Paint(plat::Canvas& canvas) {
    auto* raster = dynamic_cast<plat::RasterCanvas*>(&canvas);
    if (!raster)
        return;
    const TCaptionSkin skin = active_ ? TCaptionSkin{BkActiv, XBkActiv, YBkActiv, ShowNameActiv}
                                      : TCaptionSkin{BkPassiv, XBkPassiv, YBkPassiv, ShowNamePassiv};
    PaintCaptionBarPlus(raster->Target(), skin, Caption, Font());
}
