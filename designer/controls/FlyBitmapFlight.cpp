// Phases and geometry of a flying message.
#include "designer/controls/FlyBitmapFlight.h"

#include "designer/shell/Pictures.h"
#include "platform/core/Numeric.h"
#include "platform/graphics/RasterCanvas.h"

using plat::TRect;

void TFlyBitmapFlight::Start() {
    Tick = 0;
    Flying = true;
}

bool TFlyBitmapFlight::Advance() {
    if (!Flying)
        return false;
    ++Tick;
    if (Tick >= TotalTicks())
        Flying = false;
    return Flying;
}

double TFlyBitmapFlight::Factor() const {
    if (Tick < StateBefore)
        return static_cast<double>(Tick) / StateBefore;
    if (Tick - StateBefore < StateStatic)
        return 1.0;
    // StateAfter is above 0 here whenever the flight is still under way; a tick past the end
    // (a paint after the last tick) keeps the end of the shrinking phase instead of dividing by 0.
    if (StateAfter <= 0)
        return 0.0;
    return static_cast<double>(StateAfter - (Tick - StateBefore - StateStatic)) / StateAfter;
}

TRect TFlyBitmapFlight::PictureRect(const TRect& start, const TRect& end, int width, int height) const {
    if (TotalTicks() < 1)
        return plat::Bounds(0, 0, width, height);
    const double t = Factor();
    auto between = [t](int from, int to) { return plat::Round(from + t * (to - from)); };
    return plat::Bounds(between(start.Left, end.Left), between(start.Top, end.Top),
                        between(start.Width(), end.Width()), between(start.Height(), end.Height()));
}

TRect FlyCentrePoint(int width, int height) {
    return plat::Bounds(width / 2, height / 2, 0, 0);
}

plat::Bitmap ComposeFlyFrame(const plat::Bitmap& snapshot, const plat::Bitmap* skin, const TRect& skinRect,
                             const TRect& pictureRect) {
    plat::Bitmap work = snapshot;
    plat::RasterCanvas canvas(work);
    if (!skin) {
        canvas.Brush = plat::TBrush{plat::clBlue, plat::BrushStyle::Solid};
        canvas.FillRect(pictureRect);
        return work;
    }
    const bool inside = skinRect.Width() > 0 && skinRect.Height() > 0 && skinRect.Left >= 0 &&
                        skinRect.Top >= 0 && skinRect.Right <= skin->Width() &&
                        skinRect.Bottom <= skin->Height();
    if (!inside || pictureRect.Width() <= 0 || pictureRect.Height() <= 0)
        return work;
    plat::Bitmap picture(pictureRect.Width(), pictureRect.Height());
    plat::RasterCanvas(picture).CopyRect(plat::Bounds(0, 0, picture.Width(), picture.Height()), *skin,
                                         skinRect, plat::RasterOp::SrcCopy);
    DrawTransparent(pictureRect.Left, pictureRect.Top, canvas, picture);
    return work;
}
