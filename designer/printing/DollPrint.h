// Printing the dressed doll: its front and its back side by side at the top of a page, 0.4 mm per
// screen pixel, with equal gaps between them and the page edges, and below them the names of the
// worn garments from the head down, continued on the next page when they run out of room.
#pragma once

#include "designer/printing/PatternSource.h"

namespace plat {
class Printer;
}

namespace printing {

inline constexpr int kDollNameFontSize = 14;
inline constexpr int kNamesBelowMm = 10;

// Where the two views go on the page, in device pixels.
struct TDollPageLayout {
    int Width = 0; // of each view
    int Height = 0;
    int Gap = 0; // page edge to front view, front to back, back to page edge
};

// 0.4 mm per screen pixel at the page's resolution; on a page too small for both views they
// shrink by one ratio so that nothing is cut.
TDollPageLayout LayoutDollPage(int dollWidth, int dollHeight, int pageWidth, int pageHeight, int dpiX,
                               int dpiY);

// One print job. Any error aborts the job and is raised again.
void PrintDoll(const IDollSource& doll, plat::Printer& printer);

} // namespace printing
