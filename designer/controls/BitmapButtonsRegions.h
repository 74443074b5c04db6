// The behaviour of a region panel without a window: which region a press hits, which image the
// panel shows, whether a release clicks, and the cursor and hint over a point. TBitmapButtons
// forwards its mouse to this and acts on what comes back (z-order, repaint, OnLClick, hint).
#pragma once

#include "platform/core/ScreenCursor.h"
#include "platform/graphics/Geometry.h"

#include <string>
#include <vector>

struct TRegionInfo {
    plat::TRect Bounds; // in the panel's coordinates
    int Number = 0;     // image shown while pressed
    std::string Hint;
};

// The program's pointing cursor: number 4 of its own cursor table, which the toolkit numbers from
// plat::crFirstCustom.
constexpr plat::TCursor kRegionCursor = plat::crFirstCustom + 4;

class TBitmapButtonsRegions {
public:
    std::vector<TRegionInfo> Regions; // in child order

    // Left press: the last region containing the point is pressed; returns its index or -1.
    int Press(int x, int y);
    // Left release: returns the index of the region clicked (still under the point), or -1; the
    // panel is back at image 0 either way.
    int Release(int x, int y);
    // Index of the first region containing the point, or -1 (for cursor and hint).
    int RegionAt(int x, int y) const;

    int State() const { return state_; }
    int PressedItem() const { return pressed_; }

private:
    int state_ = 0;
    int pressed_ = -1;
};

// Top-left of image `state` in the skin, for a panel of the given size.
plat::TPoint PanelImageOrigin(int state, int width, int height, int orgX, int orgY, bool horizontal);
