// Region hit-testing and states of a region panel.
#include "designer/controls/BitmapButtonsRegions.h"

int TBitmapButtonsRegions::Press(int x, int y) {
    for (int i = 0; i < static_cast<int>(Regions.size()); ++i) {
        if (!Regions[i].Bounds.Contains(x, y))
            continue;
        pressed_ = i;
        state_ = Regions[i].Number;
    }
    return pressed_;
}

int TBitmapButtonsRegions::Release(int x, int y) {
    const int pressed = pressed_;
    pressed_ = -1;
    state_ = 0;
    if (pressed < 0 || pressed >= static_cast<int>(Regions.size()))
        return -1;
    return Regions[pressed].Bounds.Contains(x, y) ? pressed : -1;
}

int TBitmapButtonsRegions::RegionAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(Regions.size()); ++i)
        if (Regions[i].Bounds.Contains(x, y))
            return i;
    return -1;
}

plat::TPoint PanelImageOrigin(int state, int width, int height, int orgX, int orgY, bool horizontal) {
    if (horizontal)
        return {state * width + orgX, orgY};
    return {orgX, state * height + orgY};
}
