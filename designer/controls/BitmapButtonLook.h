// How a picture button looks, without a window: its published look properties and the painting
// of one frame (plain, sunken or white-transparent) with its shadowed caption onto the parent's
// surface. TBitmapButton keeps one of these and forwards its paint to PaintBitmapButton.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

#include <string>

enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

struct TBitmapButtonLook {
    std::string Caption;
    int NumBitmaps = 2;
    int State = 1;
    int PressState = 2;
    int PressText = 0;
    int TextLeft = -1;
    int TextTop = -1;
    plat::TColor ShadowColor = plat::clBlack;
    TShadowPosition ShadowPos = TShadowPosition::spRightBottom;
    int ShadowSize = 0;
    int ShadowPressSize = 0;
    bool Transparent = false;
    plat::TColor Color = plat::clSilver;
    plat::TFont Font;
};

// Where frames come from: the skin with its origin, or the button's own picture at (0, 0).
struct TFrameSource {
    const plat::Bitmap* Picture = nullptr;
    int OrgX = 0;
    int OrgY = 0;
};

// The frame number shown: PressState while pressed, State otherwise.
int ShownFrame(const TBitmapButtonLook& look, bool pressed);
// Frame `frame` (from 1) of a button of the given size within its source.
plat::TRect FrameRect(int frame, int width, int height, int orgX, int orgY);
// Unit direction of the shadow for (x, y).
plat::TPoint ShadowDirection(TShadowPosition position);

// Paints the button at `bounds` on the parent's surface. Frames reaching outside the picture draw
// nothing (the parent stays as it was under them); the caption is clipped to the button.
void PaintBitmapButton(plat::Bitmap& surface, const plat::TRect& bounds, const TBitmapButtonLook& look,
                       bool pressed, const TFrameSource& source);
