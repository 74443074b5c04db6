// Painting of a picture button on its parent's surface: the frame in one of three ways, then the
// caption and its shadow. The transparent frame is merged into the parent in place, which is the
// same as composing a copy of the parent and copying it back.
#include "designer/controls/BitmapButtonLook.h"

#include "platform/graphics/RasterCanvas.h"

using plat::Bitmap;
using plat::RasterCanvas;
using plat::RasterOp;
using plat::TPoint;
using plat::TRect;

int ShownFrame(const TBitmapButtonLook& look, bool pressed) {
    return pressed ? look.PressState : look.State;
}

TRect FrameRect(int frame, int width, int height, int orgX, int orgY) {
    return plat::Bounds((frame - 1) * width + orgX, orgY, width, height);
}

TPoint ShadowDirection(TShadowPosition position) {
    switch (position) {
    case TShadowPosition::spLeftTop:
        return {-1, -1};
    case TShadowPosition::spLeftBottom:
        return {-1, 1};
    case TShadowPosition::spRightBottom:
        return {1, 1};
    case TShadowPosition::spRightTop:
        return {1, -1};
    }
    return {1, 1};
}

namespace {

bool Inside(const TRect& r, const Bitmap& picture) {
    return r.Width() > 0 && r.Height() > 0 && r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width() &&
           r.Bottom <= picture.Height();
}

void PaintSunken(RasterCanvas& canvas, const TRect& bounds, const TBitmapButtonLook& look,
                 const TFrameSource& source) {
    const int w = bounds.Width();
    const int h = bounds.Height();
    const TRect from = plat::Bounds((look.State - 1) * w + source.OrgX + 1, source.OrgY + 1, w - 1, h - 1);
    if (!Inside(from, *source.Picture))
        return;
    canvas.CopyRect(plat::Bounds(bounds.Left + 1, bounds.Top + 1, w - 1, h - 1), *source.Picture, from,
                    RasterOp::SrcCopy);
    canvas.Pen = plat::TPen{};
    canvas.MoveTo(bounds.Left, bounds.Top);
    canvas.LineTo(bounds.Left + w, bounds.Top);
    canvas.MoveTo(bounds.Left, bounds.Top);
    canvas.LineTo(bounds.Left, bounds.Top + h);
}

void PaintFrame(RasterCanvas& canvas, const TRect& bounds, const TBitmapButtonLook& look, int frame,
                const TFrameSource& source) {
    const TRect from = FrameRect(frame, bounds.Width(), bounds.Height(), source.OrgX, source.OrgY);
    if (!Inside(from, *source.Picture))
        return;
    if (!look.Transparent) {
        canvas.CopyRect(bounds, *source.Picture, from, RasterOp::SrcCopy);
        return;
    }
    Bitmap frameBits(from.Width(), from.Height());
    RasterCanvas(frameBits).CopyRect(plat::Bounds(0, 0, from.Width(), from.Height()), *source.Picture, from,
                                     RasterOp::SrcCopy);
    const Bitmap mask = plat::MakeWhiteMask(frameBits);
    const TRect whole = plat::Bounds(0, 0, from.Width(), from.Height());
    canvas.CopyRect(bounds, mask, whole, RasterOp::MergePaint);
    canvas.CopyRect(bounds, frameBits, whole, RasterOp::SrcAnd);
}

// Writes the caption and its shadow into a copy of the button's area, so both are clipped to it.
void PaintCaption(Bitmap& surface, const TRect& bounds, const TBitmapButtonLook& look, bool pressed) {
    Bitmap area(bounds.Width(), bounds.Height());
    RasterCanvas areaCanvas(area);
    areaCanvas.CopyRect(plat::Bounds(0, 0, bounds.Width(), bounds.Height()), surface, bounds,
                        RasterOp::SrcCopy);
    areaCanvas.Font = look.Font;
    areaCanvas.BackgroundMode = plat::BkMode::Transparent;
    int x = look.TextLeft != -1 ? look.TextLeft : (bounds.Width() - areaCanvas.TextWidth(look.Caption)) / 2;
    int y = look.TextTop != -1 ? look.TextTop : (bounds.Height() - areaCanvas.TextHeight(look.Caption)) / 2;
    const TPoint dir = ShadowDirection(look.ShadowPos);
    if (pressed) {
        x += dir.X * look.PressText;
        y += dir.Y * look.PressText;
    }
    const int s = pressed ? look.ShadowPressSize : look.ShadowSize;
    areaCanvas.Font.Color = look.ShadowColor;
    areaCanvas.TextOut(x + dir.X * s, y + dir.Y * s, look.Caption);
    areaCanvas.Font.Color = look.Font.Color;
    areaCanvas.TextOut(x, y, look.Caption);
    RasterCanvas(surface).Draw(bounds.Left, bounds.Top, area);
}

} // namespace

void PaintBitmapButton(Bitmap& surface, const TRect& bounds, const TBitmapButtonLook& look, bool pressed,
                       const TFrameSource& source) {
    if (bounds.Width() <= 0 || bounds.Height() <= 0)
        return;
    RasterCanvas canvas(surface);
    const bool hasSource = source.Picture && source.Picture->Width() > 0;
    if (hasSource) {
        const int frame = ShownFrame(look, pressed);
        if (frame <= 0)
            PaintSunken(canvas, bounds, look, source);
        else
            PaintFrame(canvas, bounds, look, frame, source);
    } else if (!look.Transparent) {
        canvas.Brush = plat::TBrush{look.Color, plat::BrushStyle::Solid};
        canvas.FillRect(bounds);
    }
    if (!look.Caption.empty())
        PaintCaption(surface, bounds, look, pressed);
}
