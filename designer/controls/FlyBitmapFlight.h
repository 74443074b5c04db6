// The flight of a flying message without any window: the tick counter over the three phases
// (growing, staying, shrinking) and the rectangle the picture fills at a tick. The TFlyBitmap
// control only forwards its timer and click to it and paints the rectangle it returns.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

struct TFlyBitmapFlight {
    int StateBefore = 0;
    int StateStatic = 0;
    int StateAfter = 0;
    int Tick = 0;
    bool Flying = false;

    void Start();
    // One timer tick; returns false when the flight has ended (the control hides).
    bool Advance();
    void Stop() { Flying = false; }
    int TotalTicks() const { return StateBefore + StateStatic + StateAfter; }
    // Share of the way from the start rectangle to the end rectangle at the current tick.
    double Factor() const;
    // The picture's rectangle inside a control of the given size: `start` and `end` come from the
    // marker windows (the centre point and the whole control when they are absent).
    plat::TRect PictureRect(const plat::TRect& start, const plat::TRect& end, int width, int height) const;
};

// Start rectangle without a marker: the control's centre point, empty.
plat::TRect FlyCentrePoint(int width, int height);

// One frame of the flight composed off screen: the snapshot of the window under the control with
// the skin's rectangle `skinRect` stretched into `pictureRect` and laid over white-transparently;
// without a skin the rectangle is filled with blue (0xFF0000). Parts outside the skin draw nothing.
plat::Bitmap ComposeFlyFrame(const plat::Bitmap& snapshot, const plat::Bitmap* skin,
                             const plat::TRect& skinRect, const plat::TRect& pictureRect);
