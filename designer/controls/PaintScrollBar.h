// TPaintScrollBar, a vertical scroll bar whose owner may take over its erasing (OnErase) and its
// painting (OnPaint); otherwise it looks and behaves as an ordinary scroll bar. The behaviour
// (range, position, line and page steps, the thumb's geometry and dragging) lives in the plain
// class TScrollBarTrack so that it is tested without a window; the widget forwards mouse events
// to it, paints what it computes, and repeats the step of a held arrow or page area on a timer,
// as scroll bars do. It is also the external scroll bar of the rich-text view.
#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"

#include <functional>
#include <utility>

// The parts of a vertical scroll bar a point can hit.
enum class TScrollPart { None, LineUp, LineDown, PageUp, PageDown, Thumb };

class TScrollBarTrack {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }

    // Each setter keeps Min <= Position <= Max; a maximum below the minimum is raised to it, so
    // bad ranges leave an empty bar rather than an inverted one. They return whether Position
    // changed.
    bool SetMin(int value);
    bool SetMax(int value);
    bool SetPosition(int value);
    // Steps below 1 would make the arrows and the track do nothing; they count as 1.
    void SetSmallChange(int step) { smallChange_ = step < 1 ? 1 : step; }
    void SetLargeChange(int step) { largeChange_ = step < 1 ? 1 : step; }

    // The bar's size in pixels; the arrow buttons are squares of the bar's width.
    void SetSize(int width, int height);
    plat::TRect UpArrow() const;
    plat::TRect DownArrow() const;
    // The free track between the arrows.
    plat::TRect Track() const;
    // An empty rectangle when there is nothing to scroll or no room for the thumb.
    plat::TRect Thumb() const;
    TScrollPart HitTest(int x, int y) const;

    // A press acts on the part under it (a line or a page step, or grabbing the thumb); the
    // moves while the thumb is held drag it; the release lets it go. Each returns whether
    // Position changed.
    bool Press(int x, int y);
    bool Drag(int y);
    void Release();
    bool Dragging() const { return dragging_; }

    // The arrow or page area held down since the press (None when the press took the thumb or
    // nothing, and after the release).
    TScrollPart Held() const { return held_; }
    // Where the pointer is while the button is down.
    void MovePointer(int x, int y) { pointer_ = {x, y}; }
    // Steps again for the held part, but only while the pointer is over that part: moving off an
    // arrow pauses its repeat, and a page step stops once the thumb has reached the pointer.
    // Returns whether Position changed.
    bool Repeat();

private:
    int ThumbLength() const;
    int PositionAtThumbTop(int top) const;

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    int width_ = 0;
    int height_ = 0;
    bool Step(TScrollPart part);

    bool dragging_ = false;
    int grabOffset_ = 0;
    TScrollPart held_ = TScrollPart::None;
    plat::TPoint pointer_;
};

// Auto-repeat of a held arrow or page area: the first repeat after a pause long enough for a
// single click, then a steady rate; the usual desktop values.
constexpr unsigned kScrollRepeatDelay = 400;
constexpr unsigned kScrollRepeatInterval = 50;

// The help window adapts it to the rich-text view's scroll-bar interface, so this library never
// depends on the rich-text one (the help window lives there and uses these controls).
class TPaintScrollBar : public plat::TControl {
public:
    explicit TPaintScrollBar(plat::TControl* parent);

    // Raised instead of the bar's own erasing and painting when assigned.
    std::function<void(TPaintScrollBar&, plat::Canvas&)> OnErase;
    std::function<void(TPaintScrollBar&, plat::Canvas&)> OnPaint;
    // Raised whenever Position changes, by the user or by the program.
    std::function<void()> OnChange;

    const TScrollBarTrack& State() const { return track_; }
    int Min() const { return track_.Min(); }
    int Max() const { return track_.Max(); }
    int Position() const { return track_.Position(); }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);
    void SetSmallChange(int step) { track_.SetSmallChange(step); }
    void SetLargeChange(int step) { track_.SetLargeChange(step); }
    void SetOnChange(std::function<void()> handler) { OnChange = std::move(handler); }

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void Resized() override { track_.SetSize(Width(), Height()); }

private:
    void Changed(bool changed);
    void PaintOwn(plat::Canvas& canvas);
    void RepeatTick();

    TScrollBarTrack track_;
    plat::TTimer repeat_;
};
