// TDrawPanel, a panel its owner paints (OnPaint) or that tiles its Picture with a caption between
// its children; TCaptionBar, a draw panel that moves its window when pressed; TCaptionBarPlus, a
// caption bar with a skinned background per state whose picture buttons show only while the mouse
// is over it.
#pragma once

#include "designer/controls/PanelPainting.h"
#include "platform/ui/Control.h"

#include <functional>

class TDrawPanel : public plat::TControl {
public:
    explicit TDrawPanel(plat::TControl* parent);

    plat::Bitmap Picture;
    std::string Caption;
    TAlignment Alignment = TAlignment::taCenter;
    plat::TColor Color = plat::clSilver;
    std::function<void(TDrawPanel&, plat::Canvas&)> OnPaint;
    // Raised instead of erasing; the panel never erases by itself.
    std::function<void(TDrawPanel&)> OnErase;

    void Paint(plat::Canvas& canvas) override;
};

class TCaptionBar : public TDrawPanel {
public:
    explicit TCaptionBar(plat::TControl* parent) : TDrawPanel(parent) {}
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
};

class TCaptionBarPlus : public TCaptionBar {
public:
    explicit TCaptionBarPlus(plat::TControl* parent) : TCaptionBar(parent) { SetTransparent(true); }

    const plat::Bitmap* BkActiv = nullptr;
    const plat::Bitmap* BkPassiv = nullptr;
    int XBkActiv = 0;
    int YBkActiv = 0;
    int XBkPassiv = 0;
    int YBkPassiv = 0;
    bool ShowNameActiv = false;
    bool ShowNamePassiv = false;

    bool Active() const { return active_; }
    // Shows the bar's picture buttons when active and hides them otherwise, then repaints.
    void SetActive(bool active);

    void Paint(plat::Canvas& canvas) override;
    void MouseEnter() override { SetActive(true); }
    void MouseLeave() override { SetActive(false); }

private:
    bool active_ = false;
};
