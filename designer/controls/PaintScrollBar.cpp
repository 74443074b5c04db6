// The scroll bar's range, steps, thumb geometry and dragging, and the widget that paints them or
// lets its owner paint.
#include "designer/controls/PaintScrollBar.h"

#include <algorithm>

namespace {

// The thumb never shrinks below this, so that it stays easy to grab on a long range.
constexpr int kMinThumb = 8;
constexpr plat::TColor kFace = 0xC0C0C0;
constexpr plat::TColor kShadow = 0x808080;
constexpr plat::TColor kTrack = 0xE0E0E0;

} // namespace

bool TScrollBarTrack::SetMin(int value) {
    min_ = value;
    if (max_ < min_)
        max_ = min_;
    return SetPosition(position_);
}

bool TScrollBarTrack::SetMax(int value) {
    max_ = std::max(value, min_);
    return SetPosition(position_);
}

bool TScrollBarTrack::SetPosition(int value) {
    const int clamped = std::clamp(value, min_, max_);
    const bool changed = clamped != position_;
    position_ = clamped;
    return changed;
}

void TScrollBarTrack::SetSize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

plat::TRect TScrollBarTrack::UpArrow() const {
    // On a bar shorter than two arrows, the arrows share its height.
    return plat::Bounds(0, 0, width_, std::min(width_, height_ / 2));
}

plat::TRect TScrollBarTrack::DownArrow() const {
    const int side = std::min(width_, height_ / 2);
    return plat::Bounds(0, height_ - side, width_, side);
}

plat::TRect TScrollBarTrack::Track() const {
    return plat::Rect(0, UpArrow().Bottom, width_, DownArrow().Top);
}

int TScrollBarTrack::ThumbLength() const {
    const int track = Track().Height();
    // A square thumb, as long as the bar is wide, unless the track is shorter than the minimum.
    return std::max(std::min(width_, track), std::min(kMinThumb, track));
}

plat::TRect TScrollBarTrack::Thumb() const {
    const plat::TRect track = Track();
    const int length = ThumbLength();
    if (max_ <= min_ || width_ <= 0 || length <= 0 || length >= track.Height())
        return plat::TRect{};
    const long long free = track.Height() - length;
    const long long range = static_cast<long long>(max_) - min_;
    const long long offset = (static_cast<long long>(position_ - min_) * free * 2 + range) / (range * 2);
    return plat::Bounds(0, track.Top + static_cast<int>(offset), width_, length);
}

int TScrollBarTrack::PositionAtThumbTop(int top) const {
    const plat::TRect track = Track();
    const long long free = track.Height() - ThumbLength();
    if (free <= 0)
        return position_;
    const long long offset = std::clamp<long long>(top - track.Top, 0, free);
    const long long range = static_cast<long long>(max_) - min_;
    return min_ + static_cast<int>((offset * range * 2 + free) / (free * 2));
}

TScrollPart TScrollBarTrack::HitTest(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return TScrollPart::None;
    if (UpArrow().Contains(x, y))
        return TScrollPart::LineUp;
    if (DownArrow().Contains(x, y))
        return TScrollPart::LineDown;
    const plat::TRect thumb = Thumb();
    if (thumb.Height() <= 0)
        return TScrollPart::None;
    if (thumb.Contains(x, y))
        return TScrollPart::Thumb;
    return y < thumb.Top ? TScrollPart::PageUp : TScrollPart::PageDown;
}

bool TScrollBarTrack::Step(TScrollPart part) {
    switch (part) {
    case TScrollPart::LineUp:
        return SetPosition(position_ - smallChange_);
    case TScrollPart::LineDown:
        return SetPosition(position_ + smallChange_);
    case TScrollPart::PageUp:
        return SetPosition(position_ - largeChange_);
    case TScrollPart::PageDown:
        return SetPosition(position_ + largeChange_);
    case TScrollPart::Thumb:
    case TScrollPart::None:
        return false;
    }
    return false;
}

bool TScrollBarTrack::Press(int x, int y) {
    const TScrollPart part = HitTest(x, y);
    pointer_ = {x, y};
    held_ = TScrollPart::None;
    if (part == TScrollPart::Thumb) {
        dragging_ = true;
        grabOffset_ = y - Thumb().Top;
        return false;
    }
    if (part != TScrollPart::None)
        held_ = part;
    return Step(part);
}

void TScrollBarTrack::Release() {
    dragging_ = false;
    held_ = TScrollPart::None;
}

bool TScrollBarTrack::Repeat() {
    if (held_ == TScrollPart::None || HitTest(pointer_.X, pointer_.Y) != held_)
        return false;
    return Step(held_);
}

bool TScrollBarTrack::Drag(int y) {
    if (!dragging_)
        return false;
    return SetPosition(PositionAtThumbTop(y - grabOffset_));
}

TPaintScrollBar::TPaintScrollBar(plat::TControl* parent) : TControl(parent) {
    repeat_.SetEnabled(false);
    repeat_.OnTimer = [this] { RepeatTick(); };
}

void TPaintScrollBar::RepeatTick() {
    // A bar hidden or disabled while held never sees the release; its repeat ends here instead.
    if (track_.Held() == TScrollPart::None || !Visible() || !Enabled()) {
        track_.Release();
        repeat_.SetEnabled(false);
        return;
    }
    repeat_.SetInterval(kScrollRepeatInterval);
    Changed(track_.Repeat());
}

void TPaintScrollBar::Changed(bool changed) {
    if (!changed)
        return;
    Invalidate();
    if (OnChange)
        OnChange();
}

// A new range moves the thumb even when the position stays, hence the repaint either way.
void TPaintScrollBar::SetMin(int value) {
    Changed(track_.SetMin(value));
    Invalidate();
}

void TPaintScrollBar::SetMax(int value) {
    Changed(track_.SetMax(value));
    Invalidate();
}

void TPaintScrollBar::SetPosition(int value) {
    Changed(track_.SetPosition(value));
}

void TPaintScrollBar::Paint(plat::Canvas& canvas) {
    track_.SetSize(Width(), Height());
    if (OnErase) {
        OnErase(*this, canvas);
    } else {
        canvas.Brush = plat::TBrush{kTrack, plat::BrushStyle::Solid};
        canvas.FillRect(plat::Bounds(0, 0, Width(), Height()));
    }
    if (OnPaint)
        OnPaint(*this, canvas);
    else
        PaintOwn(canvas);
}

namespace {

// A raised button face: light top and left edges, dark bottom and right ones.
void RaisedBox(plat::Canvas& canvas, const plat::TRect& box) {
    if (box.Width() <= 0 || box.Height() <= 0)
        return;
    canvas.Brush = plat::TBrush{kFace, plat::BrushStyle::Solid};
    canvas.FillRect(box);
    for (int x = box.Left; x < box.Right; ++x) {
        canvas.SetPixel(x, box.Top, plat::clWhite);
        canvas.SetPixel(x, box.Bottom - 1, kShadow);
    }
    for (int y = box.Top; y < box.Bottom; ++y) {
        canvas.SetPixel(box.Left, y, plat::clWhite);
        canvas.SetPixel(box.Right - 1, y, kShadow);
    }
}

// A filled triangle pointing up or down, centred in the arrow button.
void ArrowGlyph(plat::Canvas& canvas, const plat::TRect& box, bool up, plat::TColor color) {
    const int half = std::min(box.Width(), box.Height()) / 4;
    const int cx = box.Left + box.Width() / 2;
    const int cy = box.Top + box.Height() / 2;
    for (int row = 0; row < half; ++row) {
        const int y = up ? cy - half / 2 + row : cy + half / 2 - row;
        for (int x = cx - row; x <= cx + row; ++x)
            canvas.SetPixel(x, y, color);
    }
}

} // namespace

void TPaintScrollBar::PaintOwn(plat::Canvas& canvas) {
    const bool active = Enabled() && track_.Max() > track_.Min();
    const plat::TColor glyph = active ? plat::clBlack : kShadow;
    RaisedBox(canvas, track_.UpArrow());
    ArrowGlyph(canvas, track_.UpArrow(), true, glyph);
    RaisedBox(canvas, track_.DownArrow());
    ArrowGlyph(canvas, track_.DownArrow(), false, glyph);
    if (active)
        RaisedBox(canvas, track_.Thumb());
}

void TPaintScrollBar::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != plat::TMouseButton::Left || !Enabled())
        return;
    track_.SetSize(Width(), Height());
    Changed(track_.Press(x, y));
    if (track_.Held() == TScrollPart::None)
        return;
    repeat_.SetInterval(kScrollRepeatDelay);
    repeat_.SetEnabled(true);
}

void TPaintScrollBar::MouseMove(plat::TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    track_.MovePointer(x, y);
    Changed(track_.Drag(y));
}

void TPaintScrollBar::MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (button != plat::TMouseButton::Left)
        return;
    track_.Release();
    repeat_.SetEnabled(false);
}
