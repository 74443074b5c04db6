// The doll: layers, dressing and taking off, rendering, hit tests, mouse, drops and the dissolve.
#include "designer/wardrobe/Models.h"

#include "designer/controls/ProgramCursors.h"
#include "designer/layout/SkinLayout.h"
#include "designer/layout/WardrobeLayout.h"
#include "designer/wardrobe/PaintPiece.h"
#include "platform/core/Platform.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Messages.h"

#include <algorithm>
#include <cstring>

namespace wardrobe {

namespace {

constexpr int kWn = 0, kPl = 1, kBr = 2, kBl = 3, kHl = 4, kYu = 5, kSh = 6, kTf = 7;
constexpr std::array<int, 7> kFrontOrder{kTf, kBr, kYu, kBl, kWn, kPl, kHl};
constexpr std::array<int, 7> kBackOrder{kTf, kBr, kYu, kBl, kHl, kPl, kWn};
constexpr std::array<int, 8> kHitOrder{kSh, kWn, kPl, kHl, kBl, kYu, kBr, kTf};
// What dressing each layer takes off, wardrobe order.
constexpr std::array<std::array<int, 5>, kClassCount> kTakesOff{{
    {kBl, kHl, kYu, kPl, -1},
    {kBl, kBr, kHl, kYu, kWn},
    {kHl, kPl, kYu, -1, -1},
    {kHl, kPl, kWn, -1, -1},
    {kBl, kBr, kPl, kYu, kWn},
    {kBr, kHl, kPl, kWn, -1},
    {-1, -1, -1, -1, -1},
    {-1, -1, -1, -1, -1},
}};
constexpr int kFadeInterval = 50;
constexpr int kFadeTop = 15;

void CopyPanel(plat::Bitmap& target, const plat::Bitmap& doll, int panel) {
    const int w = target.Width(), h = target.Height();
    const int x0 = panel * w;
    if (doll.Width() < x0 + w || doll.Height() < h) {
        // A missing doll picture leaves the doll white, which is transparent.
        std::fill(target.Bits(), target.Bits() + size_t(w) * h, 0xFFFFFFFFu);
        return;
    }
    for (int y = 0; y < h; ++y)
        std::memcpy(target.Row(y), doll.Row(y) + x0, size_t(w) * 4);
}

} // namespace

bool ScreenEffects() {
    const plat::Platform& p = plat::Platform::Current();
    int depth = p.ScreenBitsPerPixel() * p.ScreenPlanes();
    if (depth == 32)
        depth = 24;
    return depth == 16 || depth == 24;
}

TModels::TModels(plat::TControl* parent) : plat::TControl(parent) {
    SetBounds(layout::doll::kControl.X, layout::doll::kControl.Y, layout::doll::kControl.Width,
              layout::doll::kControl.Height);
    const layout::Rect spot = layout::screen::kShowModel;
    ShowModelSpot = plat::Bounds(spot.x - layout::doll::kControl.X, spot.y - layout::doll::kControl.Y,
                                 spot.width, spot.height);
    for (int i = 0; i < kClassCount; ++i) {
        const auto c = static_cast<layout::wardrobe::GarmentClass>(i);
        Items[size_t(i)].Place = layout::wardrobe::LayerBox(c);
        Items[size_t(i)].Bad = kTakesOff[size_t(i)];
    }
    SetShowHint(true);
    PopupMenu = &TakeOffMenu;
    fadeTimer_.SetEnabled(false);
    fadeTimer_.SetInterval(kFadeInterval);
    fadeTimer_.OnTimer = [this] { FadeTick(); };
}

TModels::~TModels() {
    if (plat::DragManager::Instance().Dragging() && dragged_)
        plat::DragManager::Instance().Cancel();
}

void TModels::SetUp() {
    for (int i = 0; i < kClassCount; ++i)
        Items[size_t(i)].ClassModels = AllModels ? AllModels->cm[size_t(i)] : nullptr;
    TakeOffMenu.Items.clear();
    if (AllModels)
        AllModels->BuildTakeOffMenu(TakeOffMenu, [this](int i) {
            TakeOff(Items[size_t(i)]);
            Repaint();
        });
    RefreshMenu();
    Changed();
}

int TModels::IndexOf(const TModelsItem& item) const {
    return int(&item - Items.data());
}

void TModels::Changed() {
    composedValid_ = false;
    Invalidate();
}

void TModels::Post(unsigned offset) {
    if (MainWindow)
        plat::PostMessage(MainWindow, plat::WM_USER + offset);
}

std::vector<uint64_t> TModels::Composition(bool face) {
    std::vector<uint64_t> from{face ? 1u : 0u};
    for (const TModelsItem& item : Items) {
        geom::TModel* model = item.Model();
        if (model)
            SideImage(*model, face ? TSide::Front : TSide::Back); // made before its stamp is read
        from.push_back(reinterpret_cast<uintptr_t>(model));
        from.push_back(model ? SideStamp(*model) : 0);
    }
    return from;
}

void TModels::RenderDoll(plat::Bitmap& target, bool face, bool withBackground) {
    const int w = layout::doll::kPanelWidth, h = layout::doll::kPanelHeight;
    std::vector<uint64_t> from = Composition(face);
    if (!composedValid_ || from != composedFrom_ || composed_.Width() != w) {
        composed_.SetSize(w, h);
        const TModelsItem& hat = Items[kSh];
        const int v = hat.Worn() && hat.Model()->HatFlag ? 1 : 0;
        CopyPanel(composed_, StandardDollImage, face ? v : v + 2);
        const TSide side = face ? TSide::Front : TSide::Back;
        for (int i : face ? kFrontOrder : kBackOrder)
            Items[size_t(i)].DrawOnto(composed_, side);
        if (!face) {
            plat::Bitmap overlay(w, h);
            CopyPanel(overlay, StandardDollImage, v + 4);
            OverlayWhite(composed_, 0, 0, overlay);
        }
        hat.DrawOnto(composed_, side);
        composedFrom_ = std::move(from);
        composedValid_ = true;
    }
    target.SetSize(w, h);
    if (!withBackground) {
        target = composed_;
        return;
    }
    // The background under the control, then the doll over it, thinned by the dissolve tile.
    plat::Bitmap doll = composed_;
    if (FadeLevel > 0) {
        const int tile = kFadeTop - std::min(FadeLevel, kFadeTop);
        for (int y = 0; y < h; ++y) {
            uint32_t* row = doll.Row(y);
            const uint8_t bits = layout::dissolve::kTiles[size_t(tile)][size_t(y % 8)];
            for (int x = 0; x < w; ++x)
                if (!((bits >> (7 - (x % 8))) & 1))
                    row[x] = 0xFFFFFFFFu;
        }
    }
    if (OrgImage && !OrgImage->Empty()) {
        plat::RasterCanvas c(target);
        c.CopyRect(plat::Bounds(0, 0, w, h), *OrgImage, plat::Bounds(OrgOrigin.X, OrgOrigin.Y, w, h),
                   plat::RasterOp::SrcCopy);
    } else {
        std::fill(target.Bits(), target.Bits() + size_t(w) * h, 0xFFFFFFFFu);
    }
    OverlayWhite(target, 0, 0, doll);
}

void TModels::Paint(plat::Canvas& canvas) {
    plat::Bitmap buffer;
    RenderDoll(buffer, Face, true);
    canvas.Draw(0, 0, buffer);
}

TModelsItem* TModels::HitLayer(int x, int y) {
    const TSide side = Shown();
    for (int i : kHitOrder)
        if (Items[size_t(i)].HitPiece(x, y, side) >= 0)
            return &Items[size_t(i)];
    return nullptr;
}

bool TModels::HitDoll(int x, int y) const {
    const int w = layout::doll::kPanelWidth, h = layout::doll::kPanelHeight;
    if (StandardDollImage.Empty() || x < 0 || y < 0 || x >= w || y >= h)
        return false;
    const TModelsItem& hat = Items[kSh];
    const int v = hat.Worn() && hat.Model()->HatFlag ? 1 : 0;
    const int panel = Face ? v : v + 2;
    return StandardDollImage.GetPixel(x + panel * w, y) != StandardDollImage.GetPixel(0, 0);
}

void TModels::Dress(TClassModels& k) {
    geom::TModel* incoming = k.Current();
    if (!incoming)
        return;
    for (TModelsItem& item : Items)
        if (geom::TModel* worn = item.Model(); worn && !geom::Compatible(*worn, *incoming))
            item.TakeOff();
    for (TModelsItem& item : Items) {
        if (item.ClassModels != &k)
            continue;
        item.NumModel = k.ItemIndex();
        for (int bad : item.Bad)
            if (bad >= 0)
                Items[size_t(bad)].TakeOff();
        break;
    }
    RefreshMenu();
    Changed();
    if (OnModified)
        OnModified();
}

void TModels::TakeOff(TModelsItem& item) {
    item.TakeOff();
    RefreshMenu();
    Changed();
}

void TModels::TakeOffAll() {
    for (TModelsItem& item : Items)
        item.TakeOff();
    RefreshMenu();
    Changed();
}

void TModels::TurnAround() {
    Face = !Face;
    Changed();
}

bool TModels::FillAt(int x, int y, int material, bool all) {
    TModelsItem* item = HitLayer(x, y);
    if (!item)
        return false;
    const int piece = item->HitPiece(x, y, Shown());
    if (!PaintPiece(*item->Model(), piece, material, all,
                    Face ? TPaintPlace::DollFront : TPaintPlace::DollBack))
        return false;
    Changed();
    Post(0);
    if (OnModified)
        OnModified();
    return true;
}

bool TModels::AnyWorn() const {
    return std::any_of(Items.begin(), Items.end(), [](const TModelsItem& i) { return i.Worn(); });
}

std::vector<std::string> TModels::PrintNames() const {
    std::vector<std::string> names;
    for (int i : {kSh, kWn, kPl, kHl, kBl, kBr, kYu, kTf})
        if (const geom::TModel* model = Items[size_t(i)].Model())
            names.push_back(model->Name);
    return names;
}

void TModels::RefreshMenu() {
    for (size_t i = 0; i < TakeOffMenu.Items.size() && i < Items.size(); ++i)
        TakeOffMenu.Items[i].Enabled = Items[i].Worn();
}

// --- the dissolve ------------------------------------------------------------------------------

void TModels::ShowDoll(bool animate) {
    Show();
    if (!animate) {
        fadeTimer_.SetEnabled(false);
        FadeLevel = 0;
        Repaint();
        Post(unsigned(TShowHideMessage::DollShown));
        return;
    }
    FadeLevel = kFadeTop;
    fadeStep_ = -1;
    fadeTimer_.SetEnabled(true);
    Repaint();
}

void TModels::HideDoll(bool animate) {
    if (!animate) {
        fadeTimer_.SetEnabled(false);
        Hide();
        FadeLevel = 0;
        Post(unsigned(TShowHideMessage::DollHidden));
        return;
    }
    FadeLevel = 0;
    fadeStep_ = 1;
    fadeTimer_.SetEnabled(true);
}

void TModels::FadeTick() {
    FadeLevel += fadeStep_;
    if (fadeStep_ < 0 && FadeLevel <= 0) {
        FadeLevel = 0;
        fadeTimer_.SetEnabled(false);
        Repaint();
        Post(unsigned(TShowHideMessage::DollShown));
        return;
    }
    if (fadeStep_ > 0 && FadeLevel > 16) {
        fadeTimer_.SetEnabled(false);
        Hide();
        FadeLevel = 0;
        Post(unsigned(TShowHideMessage::DollHidden));
        return;
    }
    Repaint();
}

// --- saved outfits -----------------------------------------------------------------------------

void TModels::LoadState(plat::TRegIniFile& registry, std::string_view section) {
    for (int i = 0; i < kClassCount; ++i)
        Items[size_t(i)].NumModel =
            registry.ReadInteger(section, "ModelsItem" + std::string(kClasses[size_t(i)].Code), -1);
    RefreshMenu();
    Changed();
}

void TModels::SaveState(plat::TRegIniFile& registry, std::string_view section) const {
    for (int i = 0; i < kClassCount; ++i)
        registry.WriteInteger(section, "ModelsItem" + std::string(kClasses[size_t(i)].Code),
                              Items[size_t(i)].NumModel);
}

// --- mouse and drops ---------------------------------------------------------------------------

void TModels::SetHintText(const std::string& text) {
    if (Hint() == text)
        return;
    SetHint(text);
    plat::CancelHint();
}

void TModels::MouseMove(plat::TShiftState, int x, int y) {
    if (TModelsItem* item = HitLayer(x, y)) {
        SetHintText(item->Model()->Name);
        SetCursor(crRotate);
    } else if (HitDoll(x, y)) {
        SetHintText(plat::Ru("Кукла"));
        SetCursor(crRotate);
    } else if (ShowModelSpot.Contains(x, y)) {
        SetHintText(plat::Ru("Показать выкройки"));
        SetCursor(crHand);
    } else {
        SetHintText("");
        SetCursor(plat::crDefault);
    }
}

void TModels::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    if (button != plat::TMouseButton::Left || shift.Shift || shift.Ctrl || shift.Alt)
        return;
    DraggedItem = HitLayer(x, y);
    if (!DraggedItem)
        return;
    TWardrobeDrag drag;
    drag.Kind = TWardrobeDrag::TKind::Worn;
    drag.Doll = this;
    drag.Item = DraggedItem;
    drag.Class = DraggedItem->ClassModels;
    dragged_ = true;
    plat::DragManager::Instance().BeginDrag(*this, drag);
}

void TModels::MouseUp(plat::TMouseButton button, plat::TShiftState, int x, int y) {
    if (button != plat::TMouseButton::Left || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    if (HitLayer(x, y) || HitDoll(x, y)) {
        TurnAround();
        return;
    }
    if (ShowModelSpot.Contains(x, y) && OnShowPatterns)
        OnShowPatterns();
}

void TModels::EndDrag(plat::TDragTarget*, int, int) {
    dragged_ = false;
}

bool TModels::DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    if (!drag || !Visible())
        return false;
    switch (drag->Kind) {
    case TWardrobeDrag::TKind::Material:
        cursor = drag->Shift ? crBrushS : crBrush;
        return HitLayer(x, y) != nullptr;
    case TWardrobeDrag::TKind::Rack:
        cursor = crModel;
        return drag->Class && drag->Class->Current() && (HitLayer(x, y) || HitDoll(x, y));
    case TWardrobeDrag::TKind::Worn:
        cursor = crRotate;
        return HitLayer(x, y) || HitDoll(x, y);
    }
    return false;
}

void TModels::DragDrop(const std::any& data, int x, int y) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    if (!drag)
        return;
    switch (drag->Kind) {
    case TWardrobeDrag::TKind::Material:
        FillAt(x, y, drag->Material, drag->Shift);
        return;
    case TWardrobeDrag::TKind::Rack:
        if (drag->Class)
            Dress(*drag->Class);
        Post(0);
        return;
    case TWardrobeDrag::TKind::Worn:
        TurnAround();
        return;
    }
}

} // namespace wardrobe
