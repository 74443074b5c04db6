// TBaseComponent: a panel that never erases its background, so whatever it paints, or its parent
// painted under it, stays. Its default paint draws nothing over the parent's pixels.
#pragma once

#include "platform/ui/Control.h"

class TBaseComponent : public plat::TControl {
public:
    explicit TBaseComponent(plat::TControl* parent) : TControl(parent) { SetTransparent(true); }
    // Number of a stock brush of the platform; kept for the owner.
    int StockObject = 0;
    void Paint(plat::Canvas&) override {}
};
