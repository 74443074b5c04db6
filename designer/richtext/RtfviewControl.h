// TrtfViewControl, the rich-text view on screen. The layout, painting, hit-testing, history and
// scrolling live in the plain TrtfView it holds; this control only forwards its size, paint and
// mouse events there, puts the view's back buffer on screen, switches between the normal and the
// hot cursor, and hands the topic's two clipboard formats to the system clipboard.
#pragma once

#include "designer/richtext/Rtfview.h"
#include "platform/ui/Control.h"

#include <memory>

class TrtfViewControl : public plat::TControl {
public:
    // `view` lets a description pane bring its TRtfViewScale; a plain TrtfView at the screen's
    // resolution otherwise. The control starts 2 by 2 pixels, until its owner sizes it.
    explicit TrtfViewControl(plat::TControl* parent, std::unique_ptr<TrtfView> view = nullptr);
    ~TrtfViewControl() override;

    TrtfView& View() { return *view_; }
    const TrtfView& View() const { return *view_; }

    // Shown over a jump; Cursor() is shown elsewhere.
    plat::TCursor HotCursor = plat::crDefault;

    // Makes `bar` the view's external scroll bar (null detaches it) and sets it up for the topic
    // shown. The control keeps the adapter; the bar it adapts must live as long as the control.
    void SetScrollBar(std::unique_ptr<IRtfScrollBar> bar);

    // Puts the topic shown on the clipboard as rich text and plain text at once; with an empty
    // history the clipboard is left alone.
    void CopyToClipboard();

    void Paint(plat::Canvas& canvas) override;
    void Resized() override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;

private:
    void SyncSize();
    void UpdateCursor(int x, int y);

    std::unique_ptr<TrtfView> view_;
    std::unique_ptr<IRtfScrollBar> scrollBar_;
    // The cursor to go back to when the mouse leaves a jump.
    plat::TCursor restCursor_ = plat::crDefault;
    bool overJump_ = false;
};
