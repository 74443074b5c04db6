// TBitmapButtons, a panel of irregular clickable regions over one skin picture, and its regions
// TItemBitmapButtons. The panel forwards the mouse to TBitmapButtonsRegions and acts on the
// answer: image shown, z-order, OnLClick, cursor and hint.
#pragma once

#include "designer/controls/BaseComponent.h"
#include "designer/controls/BitmapButtonsRegions.h"

#include <functional>

// A clickable region: its bounds are the rectangle in the parent panel; normally not visible.
class TItemBitmapButtons : public TBaseComponent {
public:
    explicit TItemBitmapButtons(plat::TControl* parent);
    int Number = 0;
    std::function<void(TItemBitmapButtons&)> OnLClick;
};

class TBitmapButtons : public TBaseComponent {
public:
    explicit TBitmapButtons(plat::TControl* parent);

    // The image shown: set by SetState, by a press, and back to 0 after a release.
    int State() const { return shownState_; }
    void SetState(int state);
    // The skin (not owned) and the corner of image 0 in it.
    const plat::Bitmap* OrgImage = nullptr;
    int OrgX = 0;
    int OrgY = 0;
    bool HV = true;
    TItemBitmapButtons* PressedItem() const;

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;

private:
    std::vector<TItemBitmapButtons*> Items() const;
    void TakeRegions();
    void BackToRest();

    TBitmapButtonsRegions regions_;
    int shownState_ = 0;
};
