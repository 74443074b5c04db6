// The doll (component Models, 200 x 360 at (245, 40) on the main window): one layer per garment
// class, dressing with the take-off table and the models' conflicts, taking off, turning round,
// colouring worn garments, the dissolve in and out, and the composed picture of the dressed doll.
//
// Hosting: the main window makes it as a child, sets AllModels, StandardDollImage (Doll.bmp),
// OrgImage (Main.bmp) with OrgOrigin (the control's place in it), MainWindow (refresh WM_USER and
// the exchange messages +3 doll hidden / +6 doll shown go there), OnModified, OnShowPatterns (the
// show-patterns action) and ShowModelSpot, then calls SetUp(). It is the doll side of TShowHide
// (StartHide / StartShow). Drops of racks, worn garments and fabrics are taken by the control
// itself following the main window's drop table; OnDollDrop lets the window see them too.
#pragma once

#include "designer/controls/ShowHide.h"
#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/ModelsItem.h"
#include "designer/wardrobe/WardrobeDrag.h"
#include "platform/ui/Control.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Timer.h"

#include <array>
#include <functional>
#include <vector>

namespace plat {
class TRegIniFile;
}

namespace wardrobe {

// Whether the screen is deep enough for the effects: 16 or 24 bits (a true-colour screen of 32
// bits counts as 24).
bool ScreenEffects();

class TModels : public plat::TControl,
                public plat::TDragTarget,
                public plat::TDragSource,
                public TShowHideDoll {
public:
    explicit TModels(plat::TControl* parent);
    ~TModels() override;

    bool Face = true;
    plat::Bitmap StandardDollImage;
    const plat::Bitmap* OrgImage = nullptr;
    plat::TPoint OrgOrigin{245, 40};
    TAllModels* AllModels = nullptr;
    std::array<TModelsItem, kClassCount> Items; // ModelsItemWn ... ModelsItemTf, wardrobe order
    TModelsItem* DraggedItem = nullptr;
    int FadeLevel = 0;
    plat::TPopupMenu TakeOffMenu;
    plat::TRect ShowModelSpot; // in the doll's coordinates
    plat::TMessageTarget* MainWindow = nullptr;
    std::function<void()> OnModified;
    std::function<void()> OnShowPatterns;

    // Binds the layers to the wardrobe's classes and builds the take-off menu.
    void SetUp();

    // Renders the doll into a 200 x 360 buffer; with the background and the dissolve when asked.
    void RenderDoll(plat::Bitmap& target, bool face, bool withBackground);
    TModelsItem* HitLayer(int x, int y);
    bool HitDoll(int x, int y) const;
    void Dress(TClassModels& k);
    void TakeOff(TModelsItem& item);
    void TakeOffAll();
    void TurnAround();
    bool FillAt(int x, int y, int material, bool all);
    bool AnyWorn() const;
    // The worn models' names in the order the doll print lists them: Sh, Wn, Pl, Hl, Bl, Br, Yu, Tf.
    std::vector<std::string> PrintNames() const;
    void RefreshMenu();
    int IndexOf(const TModelsItem& item) const;

    void ShowDoll(bool animate);
    void HideDoll(bool animate);
    bool Fading() const { return fadeTimer_.Enabled(); }

    void LoadState(plat::TRegIniFile& registry, std::string_view section);
    void SaveState(plat::TRegIniFile& registry, std::string_view section) const;

    // TShowHideDoll
    void StartHide(bool animate) override { HideDoll(animate); }
    void StartShow(bool animate) override { ShowDoll(animate); }
    void PrepareTimers() override {}
    void ReleaseTimers() override { fadeTimer_.SetEnabled(false); }

    // TControl
    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void MouseMove(plat::TShiftState shift, int x, int y) override;
    void MouseUp(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    // TDragTarget / TDragSource
    bool DragOver(const std::any& data, int x, int y, plat::TCursor& cursor) override;
    void DragDrop(const std::any& data, int x, int y) override;
    void EndDrag(plat::TDragTarget* target, int x, int y) override;

private:
    void Changed();
    void FadeTick();
    void Post(unsigned offset);
    void SetHintText(const std::string& text);
    TSide Shown() const { return Face ? TSide::Front : TSide::Back; }

    plat::TTimer fadeTimer_;
    int fadeStep_ = 0; // -1 showing, +1 hiding
    // What the dressed doll was last composed from: the side, each layer's model and the stamp of
    // its image; a change anywhere (a fabric dropped on a rack, say) composes it again.
    std::vector<uint64_t> Composition(bool face);
    plat::Bitmap composed_; // the dressed doll without background or dissolve
    std::vector<uint64_t> composedFrom_;
    bool composedValid_ = false;
    bool dragged_ = false;
};

} // namespace wardrobe
