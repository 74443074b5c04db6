// The on-screen rich-text view: event forwarding to TrtfView, the cursor over jumps, the
// clipboard.
#include "designer/richtext/RtfviewControl.h"

#include "platform/core/Platform.h"
#include "platform/ui/Clipboard.h"

TrtfViewControl::TrtfViewControl(plat::TControl* parent, std::unique_ptr<TrtfView> view)
    : TControl(parent), view_(std::move(view)) {
    if (!view_)
        view_ = std::make_unique<TrtfView>(plat::Platform::Current().ScreenPixelsPerInch());
    view_->OnInvalidate = [this] {
        SyncSize();
        Invalidate();
    };
    SetBounds(Left(), Top(), 2, 2);
    SyncSize();
}

TrtfViewControl::~TrtfViewControl() {
    view_->OnInvalidate = nullptr;
}

void TrtfViewControl::SetScrollBar(std::unique_ptr<IRtfScrollBar> bar) {
    if (scrollBar_)
        scrollBar_->SetOnChange(nullptr); // the old bar must not scroll this view any more
    scrollBar_ = std::move(bar);
    view_->ScrollBar = scrollBar_.get();
    view_->UpdateScrollBar();
}

void TrtfViewControl::CopyToClipboard() {
    if (view_->History.empty())
        return;
    const TRtfClipboardData data = view_->CopyToClipboard();
    plat::SetClipboardTexts(data.PlainText, data.RichText);
}

// The toolkit tells a control that was never shown its size only when it is first shown, yet a
// window lays out and loads its view before that (and asks OverflowsView after a jump). So the view
// takes the control's size whenever it asks for a repaint, as well as on painting and resizing.
void TrtfViewControl::SyncSize() {
    if (view_->Width() != Width() || view_->Height() != Height())
        view_->Resize(Width(), Height());
}

void TrtfViewControl::Resized() {
    SyncSize();
}

void TrtfViewControl::Paint(plat::Canvas& canvas) {
    SyncSize();
    view_->Paint();
    canvas.Draw(0, 0, view_->BackBuffer);
}

void TrtfViewControl::UpdateCursor(int x, int y) {
    const bool overJump = view_->MouseMove(x, y);
    if (overJump == overJump_)
        return;
    overJump_ = overJump;
    if (overJump) {
        restCursor_ = Cursor();
        SetCursor(HotCursor);
        return;
    }
    SetCursor(restCursor_);
}

void TrtfViewControl::MouseMove(plat::TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    UpdateCursor(x, y);
}

void TrtfViewControl::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != plat::TMouseButton::Left)
        return;
    view_->LeftButtonDown(x, y);
    // A jump replaces the topic under the mouse; what lies there now decides the cursor.
    UpdateCursor(x, y);
}
