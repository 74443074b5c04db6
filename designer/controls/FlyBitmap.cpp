// The flying message's widget: a snapshot of the main window under it at the start, then one
// off-screen frame per tick.
#include "designer/controls/FlyBitmap.h"

#include "platform/graphics/RasterCanvas.h"

TFlyBitmap::TFlyBitmap(plat::TControl* parent) : TControl(parent) {
    SetVisible(false);
    timer_.SetEnabled(false);
    timer_.OnTimer = [this] { TimerTick(); };
}

void TFlyBitmap::SetStates(int before, int stay, int after) {
    flight_.StateBefore = before;
    flight_.StateStatic = stay;
    flight_.StateAfter = after;
}

int TFlyBitmap::Interval() const {
    return static_cast<int>(timer_.Interval());
}

void TFlyBitmap::SetInterval(int milliseconds) {
    timer_.SetInterval(milliseconds > 0 ? static_cast<unsigned>(milliseconds) : 0u);
}

void TFlyBitmap::SetEnabled(bool enabled) {
    if (!enabled) {
        SetVisible(false);
        timer_.SetEnabled(false);
        flight_.Stop();
        return;
    }
    // The snapshot is taken before the control shows, so the backdrop is the window alone.
    snapshot_ = plat::Bitmap(Width(), Height());
    if (MainForm) {
        const plat::Bitmap surface = MainForm->Snapshot();
        const plat::TPoint mine = ClientToScreen({0, 0});
        const plat::TPoint main = MainForm->ClientToScreen({0, 0});
        plat::RasterCanvas(snapshot_).CopyRect(
            plat::Bounds(0, 0, Width(), Height()), surface,
            plat::Bounds(mine.X - main.X, mine.Y - main.Y, Width(), Height()), plat::RasterOp::SrcCopy);
    } else {
        plat::RasterCanvas canvas(snapshot_);
        canvas.Brush = plat::TBrush{plat::clRed, plat::BrushStyle::Solid};
        canvas.FillRect(plat::Bounds(0, 0, Width(), Height()));
    }
    SetVisible(true);
    BringToFront();
    flight_.Start();
    timer_.SetEnabled(true);
    Invalidate();
}

plat::TRect TFlyBitmap::PictureRect() const {
    const plat::TRect start = MinWindow1 ? MinWindow1->BoundsRect() : FlyCentrePoint(Width(), Height());
    const plat::TRect end = MinWindow2 ? MinWindow2->BoundsRect() : plat::Bounds(0, 0, Width(), Height());
    return flight_.PictureRect(start, end, Width(), Height());
}

void TFlyBitmap::TimerTick() {
    if (!flight_.Advance()) {
        SetVisible(false);
        timer_.SetEnabled(false);
    }
    Invalidate();
}

void TFlyBitmap::Paint(plat::Canvas& canvas) {
    if (snapshot_.Empty())
        return;
    const plat::Bitmap frame =
        ComposeFlyFrame(snapshot_, OrgImage, plat::Bounds(OrgX, OrgY, OrgWidth, OrgHeight), PictureRect());
    canvas.CopyMode = plat::RasterOp::SrcCopy;
    canvas.Draw(0, 0, frame);
}

void TFlyBitmap::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    SetEnabled(false);
    TControl::MouseDown(button, shift, x, y);
}
