// The fabric drum (component BrushSelect, 99 x 103 at (0, 261) on the main window): closed it
// shows a lid; a click opens it on five fabric swatches that turn forward and back; a swatch
// dragged onto a garment paints the piece under the drop (with Shift, every piece). It is also the
// material source every model paints its pieces with, through the fabric catalogue.
//
// Hosting: the main window makes it as a child, sets Catalogue (FillsS.bmp / FillsM.bmp cut into
// tiles), FaseImage (FsBrush.bmp) and calls SetUp(); it hands the drum to TAllModels::BrushSelect.
// A drag from the drum carries a TWardrobeDrag of kind Material (NumDrag, ShiftDrag); the doll,
// the racks and the pattern panel take it. Drops back on the drum act as a click there.
#pragma once

#include "designer/layout/StripLayout.h"
#include "designer/wardrobe/Materials.h"
#include "designer/wardrobe/PaintPiece.h"
#include "designer/wardrobe/WardrobeDrag.h"
#include "platform/ui/Control.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Timer.h"

namespace wardrobe {

class TBrushSelect : public plat::TControl,
                     public plat::TDragTarget,
                     public plat::TDragSource,
                     public geom::TMaterialSource {
public:
    static constexpr unsigned kInterval = 20;
    static constexpr int kNoSlot = 99;

    explicit TBrushSelect(plat::TControl* parent);
    ~TBrushSelect() override;

    const TMaterialCatalogue* Catalogue = nullptr;
    plat::Bitmap FaseImage;
    int CountFaseOpen = layout::drum::kCountFaseOpen;
    int CountFaseRotate = layout::drum::kCountFaseRotate;
    int Offset = 0;
    bool IsOpen = false;
    bool Opening = false;
    int Phase = 0;
    int NumDrag = -1;
    bool ShiftDrag = false;

    void SetUp();
    int Total() const { return Catalogue ? Catalogue->Total() : 0; }
    // The material slot s (-3 ... 1) shows, or -1 when the catalogue is empty.
    int SlotMaterial(int slot) const;
    int SlotAt(int x, int y) const;
    void OpenDrum();
    void CloseDrum();
    void TurnForward();
    void TurnBack();
    bool Animating() const { return timer_.Enabled(); }
    // What a click at (x, y) does: open, turn or close.
    void ClickAt(int x, int y);
    // The drum as it shows now, 99 x 103.
    void Render(plat::Bitmap& target) const;

    // Painting a piece of `model`, its group or every piece; see PaintPiece.
    static bool PaintPiece(geom::TModel& model, int piece, int material, bool all, TPaintPlace place) {
        return wardrobe::PaintPiece(model, piece, material, all, place);
    }

    // geom::TMaterialSource
    void MaterialImage(plat::Bitmap& target, int material) const override;

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    bool DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) override;
    void DragDrop(const std::any& data, int x, int y) override;
    void EndDrag(plat::TDragTarget* target, int x, int y) override;

private:
    void Tick();
    void Start();
    int Wrap(int n) const;

    plat::TTimer timer_;
    bool dragged_ = false;
};

} // namespace wardrobe
