// The drum: slots and their fabrics, the animation rows, clicks and drags.
#include "designer/wardrobe/BrushSelect.h"

#include "designer/controls/ProgramCursors.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Hints.h"

namespace wardrobe {

namespace {

constexpr int kW = layout::drum::kCellWidth;
constexpr int kH = layout::drum::kCellHeight;
constexpr uint32_t kRgb = 0x00FFFFFFu;

} // namespace

TBrushSelect::TBrushSelect(plat::TControl* parent) : plat::TControl(parent) {
    const layout::Box& at = layout::drum::kControl;
    SetBounds(at.X, at.Y, at.Width, at.Height);
    SetShowHint(true);
    SetHint(plat::Ru("Выбор материала"));
    SetCursor(crHand);
    timer_.SetEnabled(false);
    timer_.SetInterval(kInterval);
    timer_.OnTimer = [this] { Tick(); };
}

TBrushSelect::~TBrushSelect() {
    if (dragged_)
        plat::DragManager::Instance().Cancel();
}

void TBrushSelect::SetUp() {
    Offset = 0;
    IsOpen = false;
    Opening = false;
    Phase = 0;
    timer_.SetEnabled(false);
}

int TBrushSelect::Wrap(int n) const {
    const int total = Total();
    if (total <= 0)
        return -1;
    // A true modulo: a catalogue smaller than the drum repeats its fabrics in every slot.
    return ((n % total) + total) % total;
}

int TBrushSelect::SlotMaterial(int slot) const {
    return Wrap(slot + Offset);
}

void TBrushSelect::MaterialImage(plat::Bitmap& target, int material) const {
    if (Catalogue) {
        Catalogue->MaterialImage(target, material);
        return;
    }
    std::fill(target.Bits(), target.Bits() + size_t(target.Width()) * target.Height(), 0xFF000000u);
}

int TBrushSelect::SlotAt(int x, int y) const {
    // Only a point of the drum reads the picture; an empty picture has no slots.
    if (x < 0 || y < 0 || x >= kW || y >= kH || FaseImage.Width() <= x + 1 ||
        FaseImage.Height() < (layout::drum::kRowOpenTurningBack + 1) * kH)
        return kNoSlot;
    const uint32_t p = FaseImage.Row(y + layout::drum::kRowOpenTurningBack * kH)[x + 1] & kRgb;
    for (int r = 0; r < layout::drum::kSlotCount; ++r)
        if ((FaseImage.Row(r)[0] & kRgb) == p)
            return r - 3;
    return kNoSlot;
}

// --- animation ---------------------------------------------------------------------------------

void TBrushSelect::Start() {
    timer_.SetEnabled(true);
    Invalidate();
}

void TBrushSelect::OpenDrum() {
    Phase = 1;
    Opening = true;
    Start();
}

void TBrushSelect::CloseDrum() {
    IsOpen = false;
    Phase = 1;
    Opening = false;
    Start();
}

void TBrushSelect::TurnForward() {
    Offset = std::max(0, Wrap(Offset + 1));
    Phase = 1;
    Opening = false;
    Start();
}

void TBrushSelect::TurnBack() {
    Offset = std::max(0, Wrap(Offset - 1));
    Phase = 1;
    Opening = true;
    Start();
}

void TBrushSelect::Tick() {
    ++Phase;
    plat::CancelHint();
    if (IsOpen && Phase > CountFaseRotate) {
        Phase = 0;
        timer_.SetEnabled(false);
    } else if (!IsOpen && Phase > CountFaseOpen) {
        Phase = 0;
        timer_.SetEnabled(false);
        if (Opening)
            IsOpen = true;
    }
    Repaint();
}

void TBrushSelect::ClickAt(int x, int y) {
    if (!IsOpen) {
        OpenDrum();
        return;
    }
    const int slot = SlotAt(x, y);
    if (slot >= -3 && slot <= -1)
        TurnForward();
    else if (slot == 0 || slot == 1)
        TurnBack();
    else
        CloseDrum();
}

// --- painting ----------------------------------------------------------------------------------

void TBrushSelect::Render(plat::Bitmap& target) const {
    target.SetSize(kW, kH);
    int row = IsOpen ? layout::drum::kRowOpenTurningBack : layout::drum::kRowClosedOpening;
    if (!Opening && Phase > 0)
        ++row;
    const int fx = layout::drum::FrameX(Phase), fy = row * kH;
    // Parts of the frame beyond the picture read white.
    for (int y = 0; y < kH; ++y) {
        const bool inside = fy + y < FaseImage.Height();
        for (int x = 0; x < kW; ++x)
            target.Row(y)[x] = inside && fx + x < FaseImage.Width()
                                   ? FaseImage.Row(fy + y)[fx + x] | 0xFF000000u
                                   : 0xFFFFFFFFu;
    }
    plat::Bitmap fabric(kW, kH);
    for (int s = -3; s <= 1; ++s) {
        // The fabric shows through the slot's window (its key colour) and through pure white.
        const uint32_t key = FaseImage.Empty() ? kRgb : FaseImage.Row(s + 3)[0] & kRgb;
        MaterialImage(fabric, SlotMaterial(s));
        for (int y = 0; y < kH; ++y) {
            uint32_t* out = target.Row(y);
            const uint32_t* f = fabric.Row(y);
            for (int x = 0; x < kW; ++x) {
                const uint32_t p = out[x] & kRgb;
                if (p == key || p == kRgb)
                    out[x] = f[x] | 0xFF000000u;
            }
        }
    }
}

void TBrushSelect::Paint(plat::Canvas& canvas) {
    plat::Bitmap buffer;
    Render(buffer);
    canvas.Draw(0, 0, buffer);
}

// --- mouse and drops ---------------------------------------------------------------------------

void TBrushSelect::MouseMove(plat::TShiftState, int x, int y) {
    std::string text;
    if (!IsOpen)
        text = plat::Ru("Выбор материала");
    else if (SlotAt(x, y) != kNoSlot)
        text = plat::Ru("Материал");
    else
        text = plat::Ru("Закрыть выбор материала");
    SetCursor(crHand);
    if (text == Hint())
        return;
    SetHint(text);
    plat::CancelHint();
}

void TBrushSelect::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button != plat::TMouseButton::Left || !IsOpen)
        return;
    const int slot = SlotAt(x, y);
    // No fabric, no drag: an empty catalogue has nothing to paint with.
    if (slot == kNoSlot || Total() <= 0)
        return;
    NumDrag = SlotMaterial(slot);
    ShiftDrag = shift.Shift;
    TWardrobeDrag drag;
    drag.Kind = TWardrobeDrag::TKind::Material;
    drag.Drum = this;
    drag.Material = NumDrag;
    drag.Shift = ShiftDrag;
    dragged_ = true;
    plat::DragManager::Instance().BeginDrag(*this, drag);
}

void TBrushSelect::MouseUp(plat::TMouseButton button, plat::TShiftState, int x, int y) {
    if (button != plat::TMouseButton::Left)
        return;
    if (dragged_) {
        dragged_ = false;
        return;
    }
    ClickAt(x, y);
}

void TBrushSelect::EndDrag(plat::TDragTarget*, int, int) {
    dragged_ = false;
}

bool TBrushSelect::DragOver(const std::any& data, int, int, plat::TCursor& cursor) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    cursor = crHand;
    return drag && drag->Kind == TWardrobeDrag::TKind::Material && drag->Drum == this;
}

void TBrushSelect::DragDrop(const std::any&, int x, int y) {
    ClickAt(x, y);
}

} // namespace wardrobe
