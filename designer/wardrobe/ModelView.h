// A class's selector view: for the six clothing classes a turning clothes rack that shows the
// previous, current and next model (ModelViewWn ... ModelViewYu, 136 wide at (504, 112)); for hats
// and shoes a plain picture of the current model (ModelViewSh, ModelViewTf).
//
// Hosting: the main window makes it as a child at its place, sets ClassModels, AllModes,
// DownImage (FsView.bmp for racks with HasParts; Main.bmp for hats and shoes, with DownOrigin the
// view's place in it), MainWindow (refresh WM_USER), OnModified, PatternsShown (whether the
// pattern panel is open) and OnGarmentReturned (a worn garment was dragged back here: the window
// shows that class's rack and hides the other clothing racks), then SetUp(registry, section).
// Dragging starts on a left press; drops of fabrics, worn garments and racks are taken here as
// the main window's drop table says.
#pragma once

#include "designer/layout/StripLayout.h"
#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/WardrobeDrag.h"
#include "platform/ui/Control.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Timer.h"

#include <functional>

namespace wardrobe {

// The three slots of the clothes rack inside a 136-wide view.
struct TParts {
    layout::Box PrevRect = layout::rack::kPrevRect;
    layout::Box CurrentRect = layout::rack::kCurrentRect;
    layout::Box NextRect = layout::rack::kNextRect;
};

// A + round((B - A) / frames * phase) for each of x, y, width and height, ties to even.
layout::Box Between(const layout::Box& a, const layout::Box& b, int frames, int phase);

class TModelView : public plat::TControl, public plat::TDragTarget, public plat::TDragSource {
public:
    static constexpr unsigned kInterval = 80;

    explicit TModelView(plat::TControl* parent);
    ~TModelView() override;

    TClassModels* ClassModels = nullptr;
    TAllModels* AllModes = nullptr;
    const plat::Bitmap* DownImage = nullptr;
    plat::TPoint DownOrigin; // hats and shoes: the view's place in the background picture
    bool HasParts = true;    // false for hats and shoes
    TParts Parts;
    int Frames = 0;
    int Phase = 0;
    bool DragStarted = false;
    plat::TMessageTarget* MainWindow = nullptr;
    std::function<void()> OnModified;
    std::function<bool()> PatternsShown;
    std::function<void(TClassModels&)> OnGarmentReturned;

    void SetUp(plat::TRegIniFile* registry, std::string_view section);
    void SaveState(plat::TRegIniFile& registry, std::string_view section) const;
    std::string StateName() const;
    void RefreshMenu();
    // Paints the piece of the current model under (x, y) with `material` (the rack at rest).
    bool FillAt(int x, int y, int material, bool all);
    // A counted click: turn (unless the pattern panel shows another class) and become current.
    void Click();
    bool Turning() const { return timer_.Enabled(); }
    // The frame the view shows now, drawn into a bitmap of its size.
    void Render(plat::Bitmap& target);

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    bool DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) override;
    void DragDrop(const std::any& data, int x, int y) override;
    void EndDrag(plat::TDragTarget* target, int x, int y) override;

private:
    void Tick();
    bool InsideCurrent(int x, int y) const;
    void DrawModel(plat::Bitmap& target, geom::TModel* model, const layout::Box& box);
    void Post();

    plat::TTimer timer_;
};

} // namespace wardrobe
