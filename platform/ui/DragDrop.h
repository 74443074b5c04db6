// Our own drag and drop between controls. A control starts a drag with BeginDrag; while the mouse
// moves, every target under it is asked whether it accepts (DragOver) and the screen shows the
// accepting target's cursor (crNoDrop otherwise); releasing drops on an accepting target or
// refuses; then the source hears EndDrag with the target (null when refused).
#pragma once

#include "platform/core/ScreenCursor.h"
#include "platform/graphics/Geometry.h"

#include <any>

namespace plat {

class TControl;

// The cursor shown while no target accepts.
constexpr TCursor crNoDrop = 2;

class TDragTarget {
public:
    virtual ~TDragTarget() = default;
    // Whether a drop of `data` at x, y (target's coordinates) would be taken; `cursor` is the
    // cursor to show while over, preset to the target's own.
    virtual bool DragOver(const std::any& data, int x, int y, TCursor& cursor) = 0;
    virtual void DragDrop(const std::any& data, int x, int y) = 0;
};

class TDragSource {
public:
    virtual ~TDragSource() = default;
    virtual void EndDrag(TDragTarget* target, int x, int y) = 0;
};

// Drag state for the application. Whoever tracks the mouse (the source control, which keeps the
// mouse captured) reports the target under it in that target's coordinates.
class DragManager {
public:
    static DragManager& Instance();

    void BeginDrag(TDragSource& source, std::any data);
    bool Dragging() const { return source_ != nullptr; }
    // The mouse moved to `target` at local x, y (null: over nothing that takes drops). Returns the
    // cursor now shown.
    TCursor Move(TDragTarget* target, int x, int y, TCursor targetCursor);
    // The button was released over `target`.
    void Drop(TDragTarget* target, int x, int y);
    // Abandons the drag (Escape, capture lost, source destroyed).
    void Cancel();

private:
    TDragSource* source_ = nullptr;
    std::any data_;
    TCursor savedCursor_ = crDefault;
};

} // namespace plat
