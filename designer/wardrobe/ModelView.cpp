// Painting, turning, clicks and drops of a selector view.
#include "designer/wardrobe/ModelView.h"

#include "designer/controls/ProgramCursors.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "designer/wardrobe/Models.h"
#include "designer/wardrobe/PaintPiece.h"
#include "platform/core/Numeric.h"
#include "platform/graphics/StretchBlit.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Messages.h"

#include <cstring>

namespace wardrobe {

layout::Box Between(const layout::Box& a, const layout::Box& b, int frames, int phase) {
    if (frames < 1)
        return a;
    auto step = [&](int from, int to) { return from + plat::Round(double(to - from) / frames * phase); };
    return {step(a.X, b.X), step(a.Y, b.Y), step(a.Width, b.Width), step(a.Height, b.Height)};
}

TModelView::TModelView(plat::TControl* parent) : plat::TControl(parent) {
    SetShowHint(true);
    timer_.SetEnabled(false);
    timer_.SetInterval(kInterval);
    timer_.OnTimer = [this] { Tick(); };
}

TModelView::~TModelView() {
    if (DragStarted)
        plat::DragManager::Instance().Cancel();
}

std::string TModelView::StateName() const {
    const int index = ClassModels ? ClassModels->Index : -1;
    return "ModelView" + std::string(index >= 0 ? kClasses[size_t(index)].Code : "");
}

void TModelView::SetUp(plat::TRegIniFile* registry, std::string_view section) {
    // A strip narrower than two frames and the overlay turns nothing: the rack stays at rest.
    Frames = HasParts && DownImage && Width() > 0 ? std::max(0, DownImage->Width() / Width() - 2) : 0;
    if (ClassModels) {
        PopupMenu = &ClassModels->PopupMenu;
        ClassModels->OnSelect = [this](TClassModels&) { RefreshMenu(); };
        SetHint(ClassModels->NameClassM);
        if (registry)
            ClassModels->SetItemIndex(registry->ReadInteger(section, StateName(), 0));
    }
    RefreshMenu();
}

void TModelView::SaveState(plat::TRegIniFile& registry, std::string_view section) const {
    if (ClassModels)
        registry.WriteInteger(section, StateName(), ClassModels->ItemIndex());
}

void TModelView::RefreshMenu() {
    if (ClassModels)
        ClassModels->RefreshMenu();
}

void TModelView::Post() {
    if (MainWindow)
        plat::PostMessage(MainWindow, plat::WM_USER);
}

// --- painting ----------------------------------------------------------------------------------

void TModelView::DrawModel(plat::Bitmap& target, geom::TModel* model, const layout::Box& box) {
    if (!model || box.Width <= 0 || box.Height <= 0)
        return;
    const plat::Bitmap& image = RackImage(*model);
    if (image.Empty())
        return;
    plat::Bitmap stretched(box.Width, box.Height);
    plat::raster::StretchBlit(stretched, plat::Bounds(0, 0, box.Width, box.Height), image,
                              plat::Bounds(0, 0, image.Width(), image.Height()), plat::RasterOp::SrcCopy);
    OverlayWhite(target, box.X, box.Y, stretched);
}

void TModelView::Render(plat::Bitmap& target) {
    const int w = Width(), h = Height();
    target.SetSize(w, h);
    std::fill(target.Bits(), target.Bits() + size_t(w) * h, 0xFFFFFFFFu);
    plat::TPoint from = HasParts ? plat::TPoint{Phase * w, 0} : DownOrigin;
    if (DownImage && !DownImage->Empty())
        for (int y = 0; y < h; ++y) {
            if (from.Y + y < 0 || from.Y + y >= DownImage->Height())
                continue;
            for (int x = 0; x < w; ++x) {
                const int sx = from.X + x;
                if (sx >= 0 && sx < DownImage->Width())
                    target.Row(y)[x] = DownImage->Row(from.Y + y)[sx];
            }
        }
    if (!ClassModels)
        return;
    geom::TModel* current = ClassModels->Current();
    if (current && AllModes)
        current->SetTypeShow(AllModes->TypeShow);
    if (!HasParts) {
        DrawModel(target, current, {0, 0, w, h});
        return;
    }
    DrawModel(target, Phase != 0 ? ClassModels->PrevPrevModel() : ClassModels->NextModel(),
              Between(Parts.NextRect, Parts.PrevRect, Frames, Phase));
    DrawModel(target, ClassModels->PrevModel(), Between(Parts.PrevRect, Parts.CurrentRect, Frames, Phase));
    DrawModel(target, current, Between(Parts.CurrentRect, Parts.NextRect, Frames, Phase));
    if (DownImage && Frames >= 1) {
        // The rack's front bar, laid over the garments.
        plat::Bitmap overlay(w, h);
        const int ox = (Frames + 1) * w;
        for (int y = 0; y < h && y < DownImage->Height(); ++y)
            if (ox + w <= DownImage->Width())
                std::memcpy(overlay.Row(y), DownImage->Row(y) + ox, size_t(w) * 4);
        OverlayWhite(target, 0, 0, overlay);
    }
}

void TModelView::Paint(plat::Canvas& canvas) {
    plat::Bitmap buffer;
    Render(buffer);
    canvas.Draw(0, 0, buffer);
}

// --- turning and clicks ------------------------------------------------------------------------

void TModelView::Click() {
    if (!ClassModels)
        return;
    const bool panelOpen = PatternsShown && PatternsShown();
    if (!panelOpen || (AllModes && AllModes->ClassModels() == ClassModels)) {
        ClassModels->Next();
        RefreshMenu();
        Phase = Frames;
        timer_.SetEnabled(Frames > 0);
        Invalidate();
    }
    if (AllModes && ClassModels->Index != kClassTf)
        AllModes->SetClassModels(ClassModels);
    Post();
}

void TModelView::Tick() {
    --Phase;
    if (Phase <= 0) {
        Phase = 0;
        timer_.SetEnabled(false);
    }
    Repaint();
}

bool TModelView::InsideCurrent(int x, int y) const {
    if (!HasParts)
        return true;
    const layout::Box& r = Parts.CurrentRect;
    return x - r.X >= 0 && x - r.X < r.Width && y - r.Y >= 0 && y - r.Y < r.Height;
}

bool TModelView::FillAt(int x, int y, int material, bool all) {
    if (!ClassModels || Phase != 0)
        return false;
    geom::TModel* model = ClassModels->Current();
    if (!model)
        return false;
    const layout::Box box = HasParts ? Parts.CurrentRect : layout::Box{0, 0, Width(), Height()};
    const plat::Bitmap& image = RackImage(*model);
    if (image.Empty() || !box.Contains(x, y))
        return false;
    // The pixel of the rack image that the stretched drawing put at (x, y).
    const int ix = (2 * (x - box.X) + 1) * image.Width() / (2 * box.Width);
    const int iy = (2 * (y - box.Y) + 1) * image.Height() / (2 * box.Height);
    if (!PaintPiece(*model, HitRackPiece(*model, ix, iy), material, all, TPaintPlace::Rack))
        return false;
    Invalidate();
    Post();
    if (OnModified)
        OnModified();
    return true;
}

// --- mouse and drops ---------------------------------------------------------------------------

void TModelView::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int, int) {
    if (button != plat::TMouseButton::Left || shift.Shift || shift.Ctrl || shift.Alt || shift.Right)
        return;
    // An empty class has nothing to carry.
    if (!ClassModels || !ClassModels->Current())
        return;
    TWardrobeDrag drag;
    drag.Kind = TWardrobeDrag::TKind::Rack;
    drag.View = this;
    drag.Class = ClassModels;
    DragStarted = true;
    plat::DragManager::Instance().BeginDrag(*this, drag);
}

void TModelView::MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button != plat::TMouseButton::Left || shift.Shift || shift.Ctrl || shift.Alt || shift.Right)
        return;
    if (DragStarted) {
        DragStarted = false;
        return;
    }
    if (InsideCurrent(x, y))
        Click();
}

void TModelView::EndDrag(plat::TDragTarget*, int, int) {
    DragStarted = false;
}

bool TModelView::DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    if (!drag)
        return false;
    switch (drag->Kind) {
    case TWardrobeDrag::TKind::Material:
        cursor = drag->Shift ? crBrushS : crBrush;
        return true;
    case TWardrobeDrag::TKind::Worn:
        cursor = crModel;
        return drag->Item != nullptr;
    case TWardrobeDrag::TKind::Rack:
        cursor = crHand;
        return drag->View != nullptr;
    }
    return false;
}

void TModelView::DragDrop(const std::any& data, int x, int y) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    if (!drag)
        return;
    switch (drag->Kind) {
    case TWardrobeDrag::TKind::Material:
        FillAt(x, y, drag->Material, drag->Shift);
        return;
    case TWardrobeDrag::TKind::Rack:
        if (drag->View->InsideCurrent(x, y))
            drag->View->Click();
        return;
    case TWardrobeDrag::TKind::Worn: {
        TModelsItem& item = *drag->Item;
        TClassModels* k = item.ClassModels;
        if (k && k->Tag == 1 && item.Model()) {
            // The garment goes back to the front of its own rack.
            k->SetItemIndex(item.NumModel);
            k->RefreshMenu();
            if (AllModes)
                AllModes->SetClassModels(k);
            if (OnGarmentReturned)
                OnGarmentReturned(*k);
        }
        // Only the dragged garment comes off; the rest of the outfit stays on.
        if (drag->Doll)
            drag->Doll->TakeOff(item);
        else
            item.TakeOff();
        Post();
        if (OnModified)
            OnModified();
        return;
    }
    }
}

} // namespace wardrobe
