// The drag state machine; the cursor goes through the screen cursor, so it shows over every
// window while the drag lasts.
#include "platform/ui/DragDrop.h"

#include <utility>

namespace plat {

DragManager& DragManager::Instance() {
    static DragManager manager;
    return manager;
}

void DragManager::BeginDrag(TDragSource& source, std::any data) {
    if (source_)
        Cancel();
    source_ = &source;
    data_ = std::move(data);
    savedCursor_ = GetScreenCursor();
    SetScreenCursor(crNoDrop);
}

TCursor DragManager::Move(TDragTarget* target, int x, int y, TCursor targetCursor) {
    if (!source_)
        return GetScreenCursor();
    TCursor cursor = targetCursor;
    if (!target || !target->DragOver(data_, x, y, cursor))
        cursor = crNoDrop;
    SetScreenCursor(cursor);
    return cursor;
}

void DragManager::Drop(TDragTarget* target, int x, int y) {
    if (!source_)
        return;
    TCursor cursor = crDefault;
    const bool accepted = target && target->DragOver(data_, x, y, cursor);
    // The state is cleared first, so that a handler may start a new drag.
    TDragSource* source = std::exchange(source_, nullptr);
    const std::any data = std::exchange(data_, std::any());
    SetScreenCursor(savedCursor_);
    if (accepted)
        target->DragDrop(data, x, y);
    source->EndDrag(accepted ? target : nullptr, x, y);
}

void DragManager::Cancel() {
    if (!source_)
        return;
    TDragSource* source = std::exchange(source_, nullptr);
    data_.reset();
    SetScreenCursor(savedCursor_);
    source->EndDrag(nullptr, 0, 0);
}

} // namespace plat
