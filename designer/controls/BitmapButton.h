// TBitmapButton, the skinned push button: a thin widget over TBitmapButtonPress (press and state
// rules) and PaintBitmapButton (the frame and caption). It is transparent to the toolkit, so its
// back buffer starts with the parent's pixels under it, which is the parent's surface the frame
// and a transparent frame's white pixels are drawn over.
#pragma once

#include "designer/controls/BitmapButtonPress.h"
#include "platform/ui/Control.h"

#include <functional>

class TBitmapButton : public plat::TControl {
public:
    explicit TBitmapButton(plat::TControl* parent);

    const TBitmapButtonLook& Look() const { return press_.Look; }
    void SetCaption(const std::string& caption);
    void SetPicture(const plat::Bitmap& picture);
    void SetNumBitmaps(int numBitmaps);
    void SetState(int state);
    void SetPressState(int pressState);
    void SetTransparent(bool transparent);
    // Every other look property; repaints.
    void SetLook(const TBitmapButtonLook& look);
    // The shared skin (not owned) with the corner of frame 1; null returns to Picture.
    void SetResImage(const plat::Bitmap* skin, int orgX, int orgY);
    // Copies every property and event binding of `other`, then repaints.
    void Assign(const TBitmapButton& other);

    bool Pressed() const { return press_.Pressed(); }

    std::function<void(TBitmapButton&, plat::Canvas&)> OnPaint;
    std::function<void(TBitmapButton&)> OnChangeState;
    std::function<void(TBitmapButton&)> OnMouseEnter;
    std::function<void(TBitmapButton&)> OnMouseLeave;
    plat::TControl* Link = nullptr;

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void Apply(const TButtonChange& change);
    void FitToPicture();

    TBitmapButtonPress press_;
    plat::Bitmap picture_;
    const plat::Bitmap* resImage_ = nullptr;
    int resOrgX_ = 0;
    int resOrgY_ = 0;
};
