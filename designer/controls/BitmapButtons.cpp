// The region panel's widget: regions come from its TItemBitmapButtons children at each event, in
// child order.
#include "designer/controls/BitmapButtons.h"

#include "platform/ui/Hints.h"

TItemBitmapButtons::TItemBitmapButtons(plat::TControl* parent) : TBaseComponent(parent) {
    SetVisible(false);
}

TBitmapButtons::TBitmapButtons(plat::TControl* parent) : TBaseComponent(parent) {}

std::vector<TItemBitmapButtons*> TBitmapButtons::Items() const {
    std::vector<TItemBitmapButtons*> items;
    for (const auto& child : Controls())
        if (auto* item = dynamic_cast<TItemBitmapButtons*>(child.get()))
            items.push_back(item);
    return items;
}

void TBitmapButtons::TakeRegions() {
    regions_.Regions.clear();
    for (TItemBitmapButtons* item : Items())
        regions_.Regions.push_back({item->BoundsRect(), item->Number, item->Hint()});
}

TItemBitmapButtons* TBitmapButtons::PressedItem() const {
    const int index = regions_.PressedItem();
    const auto items = Items();
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : nullptr;
}

void TBitmapButtons::SetState(int state) {
    shownState_ = state;
    Invalidate();
}

void TBitmapButtons::Paint(plat::Canvas& canvas) {
    if (!OrgImage)
        return;
    const plat::TPoint from = PanelImageOrigin(shownState_, Width(), Height(), OrgX, OrgY, HV);
    const plat::TRect source = plat::Bounds(from.X, from.Y, Width(), Height());
    // A rectangle reaching outside the skin draws nothing: the panel keeps its parent's pixels.
    if (source.Width() <= 0 || source.Height() <= 0 || source.Left < 0 || source.Top < 0 ||
        source.Right > OrgImage->Width() || source.Bottom > OrgImage->Height())
        return;
    canvas.CopyRect(plat::Bounds(0, 0, Width(), Height()), *OrgImage, source, plat::RasterOp::SrcCopy);
}

void TBitmapButtons::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button == plat::TMouseButton::Left) {
        TakeRegions();
        if (regions_.Press(x, y) >= 0) {
            shownState_ = regions_.State();
            BringToFront();
            Repaint();
        }
    }
    TControl::MouseDown(button, shift, x, y);
}

void TBitmapButtons::BackToRest() {
    shownState_ = 0;
    SendToBack();
    Repaint();
}

void TBitmapButtons::MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button == plat::TMouseButton::Left) {
        TItemBitmapButtons* pressed = PressedItem();
        TakeRegions();
        const bool clicked = regions_.Release(x, y) >= 0;
        // The handler runs while the pressed image is still the state, so it can tell which
        // region was pressed; the panel goes back to image 0 afterwards, also when it throws.
        if (clicked && pressed && pressed->OnLClick) {
            try {
                pressed->OnLClick(*pressed);
            } catch (...) {
                BackToRest();
                throw;
            }
        }
        BackToRest();
    }
    TControl::MouseUp(button, shift, x, y);
}

void TBitmapButtons::MouseMove(plat::TShiftState shift, int x, int y) {
    TakeRegions();
    const int index = regions_.RegionAt(x, y);
    if (index >= 0) {
        SetCursor(kRegionCursor);
        if (Hint() != regions_.Regions[index].Hint) {
            SetHint(regions_.Regions[index].Hint);
            plat::CancelHint();
        }
    } else {
        SetCursor(plat::crDefault);
        if (!Hint().empty()) {
            SetHint("");
            plat::CancelHint();
        }
    }
    TControl::MouseMove(shift, x, y);
}
