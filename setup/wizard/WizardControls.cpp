#include "setup/wizard/WizardControls.h"

#include "platform/graphics/PictureLoader.h"
#include "platform/ui/StdControl.h"

#include <string_view>

namespace setup {

void PictureBox::SetPicture(plat::Bitmap picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void PictureBox::Paint(plat::Canvas& canvas) {
    canvas.Brush.Color = plat::ButtonFaceColor();
    canvas.FillRect(plat::Rect(0, 0, Width(), Height()));
    if (!picture_.Empty())
        canvas.StretchDraw(plat::Rect(0, 0, Width(), Height()), picture_);
}

void GroupFrame::Paint(plat::Canvas& canvas) {
    const plat::TColor face = plat::ButtonFaceColor();
    canvas.Brush.Color = face;
    canvas.FillRect(plat::Rect(0, 0, Width(), Height()));
    canvas.Font = Font();
    const int top = canvas.TextHeight("Wg") / 2;
    canvas.Brush.Style = plat::BrushStyle::Clear;
    canvas.Pen.Color = plat::clGray;
    canvas.Rectangle(0, top, Width() - 1, Height() - 1);
    canvas.Pen.Color = plat::clWhite;
    canvas.Rectangle(1, top + 1, Width(), Height());
    canvas.Brush.Style = plat::BrushStyle::Solid;
    canvas.BackgroundMode = plat::BkMode::Opaque;
    canvas.BackgroundColor = face;
    canvas.TextOut(8, 0, Caption);
}

void EtchedLine::Paint(plat::Canvas& canvas) {
    canvas.Brush.Color = plat::ButtonFaceColor();
    canvas.FillRect(plat::Rect(0, 0, Width(), Height()));
    canvas.Pen.Color = plat::clGray;
    canvas.MoveTo(0, 0);
    canvas.LineTo(Width(), 0);
    canvas.Pen.Color = plat::clWhite;
    canvas.MoveTo(0, 1);
    canvas.LineTo(Width(), 1);
}

plat::Bitmap BuiltInPicture(const unsigned char* bytes, size_t size) {
    plat::Bitmap picture;
    const plat::PictureResult result =
        plat::LoadPictureBytes(std::string_view(reinterpret_cast<const char*>(bytes), size), picture);
    if (!result.Ok)
        return {};
    return picture;
}

} // namespace setup
