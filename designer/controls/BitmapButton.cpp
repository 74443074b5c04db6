// The picture button's widget: forwards the mouse to the press rules and paints through
// PaintBitmapButton onto its back buffer (which holds the parent's pixels under the button).
#include "designer/controls/BitmapButton.h"

#include "platform/graphics/RasterCanvas.h"

using plat::TMouseButton;

TBitmapButton::TBitmapButton(plat::TControl* parent) : TControl(parent) {
    SetBounds(0, 0, 64, 32);
    TControl::SetTransparent(true); // the toolkit keeps the parent's pixels; Look.Transparent decides
}

void TBitmapButton::SetCaption(const std::string& caption) {
    if (caption == press_.Look.Caption)
        return;
    press_.Look.Caption = caption;
    Invalidate();
}

void TBitmapButton::SetPicture(const plat::Bitmap& picture) {
    picture_ = picture;
    FitToPicture();
    Invalidate();
}

void TBitmapButton::SetNumBitmaps(int numBitmaps) {
    press_.Look.NumBitmaps = numBitmaps;
    FitToPicture();
    Invalidate();
}

void TBitmapButton::FitToPicture() {
    int width = Width();
    int height = Height();
    if (TBitmapButtonPress::SizeForPicture(picture_.Width(), picture_.Height(), press_.Look.NumBitmaps, width,
                                           height))
        SetBounds(Left(), Top(), width, height);
}

void TBitmapButton::SetState(int state) {
    Apply(press_.SetState(state));
}

void TBitmapButton::SetPressState(int pressState) {
    Apply(press_.SetPressState(pressState));
}

void TBitmapButton::SetTransparent(bool transparent) {
    if (transparent == press_.Look.Transparent)
        return;
    press_.Look.Transparent = transparent;
    Invalidate();
}

void TBitmapButton::SetLook(const TBitmapButtonLook& look) {
    const int state = look.State;
    TBitmapButtonLook kept = look;
    kept.State = press_.Look.State;
    press_.Look = kept;
    SetState(state);
    Invalidate();
}

void TBitmapButton::SetResImage(const plat::Bitmap* skin, int orgX, int orgY) {
    resImage_ = skin;
    resOrgX_ = orgX;
    resOrgY_ = orgY;
    Invalidate();
}

void TBitmapButton::Assign(const TBitmapButton& other) {
    press_.Look = other.press_.Look;
    picture_ = other.picture_;
    resImage_ = other.resImage_;
    resOrgX_ = other.resOrgX_;
    resOrgY_ = other.resOrgY_;
    OnPaint = other.OnPaint;
    OnChangeState = other.OnChangeState;
    OnMouseEnter = other.OnMouseEnter;
    OnMouseLeave = other.OnMouseLeave;
    OnClick = other.OnClick;
    Link = other.Link;
    SetHint(other.Hint());
    SetShowHint(other.ShowHint());
    Invalidate();
}

void TBitmapButton::Apply(const TButtonChange& change) {
    if (change.ChangeState && OnChangeState)
        OnChangeState(*this);
    if (change.Repaint)
        Invalidate();
}

void TBitmapButton::Paint(plat::Canvas& canvas) {
    // The toolkit paints into a raster back buffer of the button's size; anything else (a printer)
    // has no pixels to compose with.
    auto* raster = dynamic_cast<plat::RasterCanvas*>(&canvas);
    if (!raster)
        return;
    TFrameSource source;
    if (resImage_)
        source = {resImage_, resOrgX_, resOrgY_};
    else if (picture_.Width() > 0)
        source = {&picture_, 0, 0};
    PaintBitmapButton(raster->Target(), plat::Bounds(0, 0, Width(), Height()), press_.Look, press_.Pressed(),
                      source);
    if (OnPaint)
        OnPaint(*this, canvas);
}

void TBitmapButton::MouseDown(TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button == TMouseButton::Left && press_.MouseDown().Repaint)
        Repaint();
    TControl::MouseDown(button, shift, x, y);
}

void TBitmapButton::MouseUp(TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button == TMouseButton::Left && press_.MouseUp().Repaint)
        Repaint();
    TControl::MouseUp(button, shift, x, y);
}

void TBitmapButton::MouseEnter() {
    TControl::MouseEnter();
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void TBitmapButton::MouseLeave() {
    TControl::MouseLeave();
    if (OnMouseLeave)
        OnMouseLeave(*this);
}
