// The five small surprises of the main window: a press on the free background inside a hot area
// plays that area's animation (frames from Zamor.bmp, one every 110 ms) and hides it at the end.
//
// Hosting: the main window makes the five TZamorI as its children (MakeAnimations does it with the
// places of the layout), sets their OrgImage (Zamor.bmp), and calls Trigger(x, y, doll visible)
// on a press of any mouse button on its free background; Stop when the patterns are shown.
#pragma once

#include "designer/layout/StripLayout.h"
#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"

#include <array>

namespace wardrobe {

class TZamorI : public plat::TControl {
public:
    explicit TZamorI(plat::TControl* parent);

    const plat::Bitmap* OrgImage = nullptr;
    int OrgX = 0;
    int OrgY = 0;
    int CountFase = 0;
    bool One = false;    // only while the doll is visible
    layout::Box ZamorIv; // the invisible hot area, in the window's coordinates
    int Fase = 0;

    void Render(plat::Bitmap& target) const;
    void Paint(plat::Canvas& canvas) override;
};

class TZamor {
public:
    static constexpr unsigned kInterval = layout::surprise::kIntervalMs;

    TZamor();
    std::array<TZamorI*, 6> ZamorI{}; // ZamorI1 ... ZamorI5; the sixth stays empty

    // Makes the five animations of the layout on `window`, hidden, and takes them.
    void MakeAnimations(plat::TControl& window, const plat::Bitmap* strip);
    // Starts the first animation whose hot area holds (x, y); false when none does.
    bool Trigger(int x, int y, bool dollVisible);
    void Stop();
    TZamorI* Running() const { return running_; }

private:
    void Tick();

    plat::TTimer timer_;
    TZamorI* running_ = nullptr;
};

} // namespace wardrobe
