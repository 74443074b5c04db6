// The pattern panel: opening and closing frames, the revealed sheet, the display-mode cycle, the
// description pane, fabrics on pieces and the piece hints.
#include "designer/wardrobe/ModelShow.h"

#include "designer/controls/ProgramCursors.h"
#include "designer/layout/SkinLayout.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/ClassModels.h"
#include "designer/wardrobe/ModelsItem.h"
#include "designer/wardrobe/PaintPiece.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Messages.h"

#include <algorithm>
#include <cstring>

namespace wardrobe {

namespace {

void CopyBox(plat::Bitmap& target, const plat::Bitmap* source, const layout::Box& box) {
    for (int y = 0; y < target.Height(); ++y) {
        uint32_t* out = target.Row(y);
        const int sy = box.Y + y;
        for (int x = 0; x < target.Width(); ++x) {
            const int sx = box.X + x;
            out[x] = source && sx < source->Width() && sy < source->Height()
                         ? source->Row(sy)[sx] | 0xFF000000u
                         : 0xFFFFFFFFu;
        }
    }
}

} // namespace

TModelShow::TModelShow(plat::TControl* parent) : plat::TControl(parent) {
    const layout::Box& at = layout::panel::kControl;
    SetBounds(at.X, at.Y, at.Width, at.Height);
    SetShowHint(true);
    Hide();
    timer_.SetEnabled(false);
    timer_.SetInterval(kInterval);
    timer_.OnTimer = [this] { Tick(); };

    ViewDescribe = &Make<TrtfViewControl>(std::make_unique<TRtfViewScale>());
    const layout::Box& pane = layout::panel::kDescription;
    ViewDescribe->SetBounds(pane.X, pane.Y, pane.Width, pane.Height);
    ViewDescribe->OnClick = [this](plat::TControl&) { CycleMode(); };
    ViewDescribe->View().OnBackground = [this](plat::Canvas& canvas) {
        // The pane shows the part of the open frame behind it.
        plat::Bitmap part(canvas.Width(), canvas.Height());
        const layout::Box frame = layout::panel::FrameBox(Frame);
        CopyBox(part, OrgImage,
                {frame.X + layout::panel::kDescription.X, frame.Y + layout::panel::kDescription.Y,
                 part.Width(), part.Height()});
        canvas.Draw(0, 0, part);
    };
    ViewDescribeSB = &Make<TPaintScrollBar>();
    const layout::Box& bar = layout::panel::kDescriptionScroll;
    ViewDescribeSB->SetBounds(bar.X, bar.Y, bar.Width, bar.Height);
    ViewDescribe->SetScrollBar(std::make_unique<TRtfPaintScrollBar>(*ViewDescribeSB));
    ShowPane(false);
    for (size_t i = 0; i < bHideModel.size(); ++i) {
        TBitmapButton& b = Make<TBitmapButton>();
        const layout::Rect& r = layout::screen::kHideModel[i].place;
        b.SetBounds(r.x, r.y, r.width, r.height);
        b.SetHint(plat::Ru("Закрыть выкройки"));
        b.SetShowHint(true);
        b.SetTransparent(true);
        b.OnClick = [this](plat::TControl&) {
            if (OnHidePatterns)
                OnHidePatterns();
        };
        b.Hide();
        bHideModel[i] = &b;
    }
}

TModelShow::~TModelShow() = default;

void TModelShow::SetSkin(const plat::Bitmap* skin) {
    for (size_t i = 0; i < bHideModel.size(); ++i) {
        const layout::Point& frames = layout::screen::kHideModel[i].frames;
        bHideModel[i]->SetResImage(skin, frames.x, frames.y);
    }
}

geom::TModel* TModelShow::Model() const {
    return AllModes ? AllModes->CurrentModel() : nullptr;
}

void TModelShow::ShowPane(bool show) {
    const bool unVisible = AllModes && AllModes->TypeShow == geom::TTypeShow::tsUnVisible;
    ViewDescribe->SetVisible(show && unVisible);
    ViewDescribeSB->SetVisible(show && unVisible && ViewDescribe->View().OverflowsView());
}

// --- opening and closing -----------------------------------------------------------------------

void TModelShow::Open() {
    Show();
    direction_ = 1;
    timer_.SetEnabled(true);
    Repaint();
}

void TModelShow::Close() {
    ShowPane(false);
    for (TBitmapButton* b : bHideModel)
        b->Hide();
    direction_ = -1;
    timer_.SetEnabled(true);
}

void TModelShow::Tick() {
    Frame += direction_;
    plat::CancelHint();
    if (direction_ > 0 && Frame >= kLastFrame) {
        Frame = kLastFrame;
        timer_.SetEnabled(false);
        ShowPane(true);
        for (TBitmapButton* b : bHideModel)
            b->Show();
        if (MainWindow)
            plat::PostMessage(MainWindow, plat::WM_USER + unsigned(TShowHideMessage::PanelOpened));
    } else if (direction_ < 0 && Frame < 0) {
        Frame = 0;
        timer_.SetEnabled(false);
        Hide();
        if (MainWindow)
            plat::PostMessage(MainWindow, plat::WM_USER + unsigned(TShowHideMessage::PanelClosed));
        return;
    }
    Repaint();
}

// --- painting ----------------------------------------------------------------------------------

void TModelShow::Render(plat::Bitmap& target) {
    const int w = layout::panel::kWidth, h = layout::panel::kHeight;
    target.SetSize(w, h);
    const int frame = std::clamp(Frame, 0, kLastFrame);
    CopyBox(target, OrgImage, layout::panel::FrameBox(frame));
    geom::TModel* model = Model();
    if (!model)
        return;
    model->SetTypeShow(AllModes->TypeShow);
    SetHint(model->Name);
    if (model->Sheet.Empty())
        return;
    plat::Bitmap layer(w, h);
    const int left = model->SheetLeft + MX, top = model->SheetTop + MY;
    for (int y = 0; y < model->Sheet.Height() && top + y < h; ++y) {
        if (top + y < 0)
            continue;
        for (int x = 0; x < model->Sheet.Width() && left + x < w; ++x)
            if (left + x >= 0)
                layer.Row(top + y)[left + x] = model->Sheet.Row(y)[x] | 0xFF000000u;
    }
    // Only the rows the frame has opened so far show the pattern.
    const int revealed = std::clamp(layout::panel::kReveal[size_t(frame)] + MY, 0, h);
    std::fill(layer.Row(0) + size_t(revealed) * w, layer.Bits() + size_t(w) * h, 0xFFFFFFFFu);
    OverlayWhite(target, 0, 0, layer);
}

void TModelShow::Paint(plat::Canvas& canvas) {
    plat::Bitmap buffer;
    Render(buffer);
    canvas.Draw(0, 0, buffer);
}

// --- modes, description, fabrics -----------------------------------------------------------------

void TModelShow::CycleMode() {
    if (!AllModes)
        return;
    switch (AllModes->TypeShow) {
    case geom::TTypeShow::tsFill:
        AllModes->SetTypeShow(geom::TTypeShow::tsContur);
        break;
    case geom::TTypeShow::tsContur:
        AllModes->SetTypeShow(geom::TTypeShow::tsUnVisible);
        LoadDescription();
        break;
    case geom::TTypeShow::tsUnVisible:
    case geom::TTypeShow::tsEdit:
        AllModes->SetTypeShow(geom::TTypeShow::tsFill);
        break;
    }
    ShowPane(!Animating() && Visible());
    if (geom::TModel* model = Model())
        model->SetTypeShow(AllModes->TypeShow);
    Repaint();
}

void TModelShow::LoadDescription() {
    geom::TModel* model = Model();
    if (!model)
        return;
    LoadDescriptionFile(ViewDescribe->View(), PictureBase(model->ModelPath), Settings().ScreenFontName, 0,
                        Factors);
    ShowPane(Visible() && !Animating());
}

int TModelShow::PieceUnder(int x, int y) const {
    geom::TModel* model = Model();
    if (!model || x < MX || y < MY || x >= MX + MWidth || y >= MY + MHeight || model->Sheet.Empty())
        return -1;
    return model->PieceAt(model->ToModelX(x - MX - model->SheetLeft),
                          model->ToModelY(y - MY - model->SheetTop));
}

bool TModelShow::FillAt(int x, int y, int material, bool all) {
    geom::TModel* model = Model();
    if (!model || !PaintPiece(*model, PieceUnder(x, y), material, all, TPaintPlace::Panel))
        return false;
    Repaint();
    if (MainWindow)
        plat::PostMessage(MainWindow, plat::WM_USER);
    if (OnModified)
        OnModified();
    return true;
}

void TModelShow::MouseMove(plat::TShiftState, int x, int y) {
    geom::TModel* model = Model();
    if (!model)
        return;
    const int piece = PieceUnder(x, y);
    SetHint(piece >= 0 ? model->Pieces[size_t(piece)]->Caption() : model->Name);
}

void TModelShow::MouseUp(plat::TMouseButton button, plat::TShiftState, int x, int y) {
    if (button == plat::TMouseButton::Left && x >= 0 && y >= 0 && x < Width() && y < Height())
        CycleMode();
}

bool TModelShow::DragOver(const std::any& data, int, int, plat::TCursor& cursor) {
    const auto* drag = std::any_cast<TWardrobeDrag>(&data);
    if (!drag || drag->Kind != TWardrobeDrag::TKind::Material)
        return false;
    cursor = drag->Shift ? crBrushS : crBrush;
    return AllModes && AllModes->TypeShow == geom::TTypeShow::tsFill;
}

void TModelShow::DragDrop(const std::any& data, int x, int y) {
    if (const auto* drag = std::any_cast<TWardrobeDrag>(&data))
        FillAt(x, y, drag->Material, drag->Shift);
}

} // namespace wardrobe
