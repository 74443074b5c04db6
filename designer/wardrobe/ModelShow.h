// The pattern panel (component ModelShow, 317 x 306 at (148, 7) on the main window, normally
// hidden): its frame opens in nine steps of 200 ms and reveals the current model's pattern sheet,
// or in tsUnVisible the model's description; a click cycles fill, outline and description; fabrics
// dropped on a piece paint it.
//
// Hosting: the main window makes it as a child, sets OrgImage (FsWindow.bmp), AllModes,
// MainWindow (refresh WM_USER and the exchange messages +5 panel opened / +4 panel closed go
// there) and OnHidePatterns (the three close buttons; the window posts WM_USER + 2), gives the
// close buttons the skin with SetSkin, and calls LoadDescription whenever the current model
// changes. It is the panel side of TShowHide (StartOpen / StartClose).
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/controls/PaintScrollBar.h"
#include "designer/controls/ShowHide.h"
#include "designer/layout/StripLayout.h"
#include "designer/richtext/RtfPaintScrollBar.h"
#include "designer/richtext/RtfScale.h"
#include "designer/richtext/RtfviewControl.h"
#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/WardrobeDrag.h"
#include "platform/ui/Control.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Timer.h"

#include <array>
#include <functional>

namespace wardrobe {

class TModelShow : public plat::TControl, public plat::TDragTarget, public TShowHidePanel {
public:
    static constexpr unsigned kInterval = 200;
    static constexpr int kLastFrame = layout::panel::kFrames - 1; // 8

    explicit TModelShow(plat::TControl* parent);
    ~TModelShow() override;

    const plat::Bitmap* OrgImage = nullptr;
    int CountX = layout::panel::kCountX;
    int CountY = layout::panel::kCountY;
    int MX = layout::panel::kPatternArea.X;
    int MY = layout::panel::kPatternArea.Y;
    int MWidth = layout::panel::kPatternArea.Width;
    int MHeight = layout::panel::kPatternArea.Height;
    TAllModels* AllModes = nullptr;
    TrtfViewControl* ViewDescribe = nullptr;
    TPaintScrollBar* ViewDescribeSB = nullptr;
    std::array<TBitmapButton*, 3> bHideModel{};
    int Frame = 0;
    TDollFactors Factors;
    plat::TMessageTarget* MainWindow = nullptr;
    std::function<void()> OnModified;
    std::function<void()> OnHidePatterns;

    void SetSkin(const plat::Bitmap* skin);
    void Open();
    void Close();
    bool Animating() const { return timer_.Enabled(); }
    int Direction() const { return direction_; }
    void CycleMode();
    bool FillAt(int x, int y, int material, bool all);
    void LoadDescription();
    // The panel as it shows now.
    void Render(plat::Bitmap& target);

    // TShowHidePanel
    void StartOpen() override { Open(); }
    void StartClose() override { Close(); }
    void PrepareTimers() override {}
    void ReleaseTimers() override { timer_.SetEnabled(false); }

    void Paint(plat::Canvas& canvas) override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    bool DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) override;
    void DragDrop(const std::any& data, int x, int y) override;

private:
    void Tick();
    void ShowPane(bool show);
    geom::TModel* Model() const;
    int PieceUnder(int x, int y) const;

    plat::TTimer timer_;
    int direction_ = 1;
};

} // namespace wardrobe
