// TFlyBitmap, the flying message, and TMinWindow, the hidden marker of its start and end
// rectangles. The widget runs a TTimer and forwards ticks and clicks to TFlyBitmapFlight; each
// frame is composed off screen from the snapshot taken at the start.
#pragma once

#include "designer/controls/FlyBitmapFlight.h"
#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"

class TMinWindow : public plat::TControl {
public:
    explicit TMinWindow(plat::TControl* parent) : TControl(parent) { SetVisible(false); }
    void Paint(plat::Canvas&) override {}
};

class TFlyBitmap : public plat::TControl {
public:
    explicit TFlyBitmap(plat::TControl* parent);

    TMinWindow* MinWindow1 = nullptr;
    TMinWindow* MinWindow2 = nullptr;
    const plat::Bitmap* OrgImage = nullptr;
    int OrgX = 0;
    int OrgY = 0;
    int OrgWidth = 0;
    int OrgHeight = 0;
    // The window whose surface is the backdrop (not owned).
    plat::TControl* MainForm = nullptr;

    void SetStates(int before, int stay, int after);
    int Interval() const;
    void SetInterval(int milliseconds);
    bool Enabled() const { return Visible(); }
    void SetEnabled(bool enabled);
    const TFlyBitmapFlight& Flight() const { return flight_; }
    // The picture's rectangle at the current tick, in the control.
    plat::TRect PictureRect() const;

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    // One timer tick (the timer's OnTimer).
    void TimerTick();

private:
    TFlyBitmapFlight flight_;
    plat::TTimer timer_;
    plat::Bitmap snapshot_;
};
