// Reading printed PDFs back the way paper comes out: every page rendered by pdftoppm at 300 dpi,
// and the long straight lines on a page found in the pixels, so that tests measure what a ruler
// would measure.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <string>
#include <vector>

namespace print_test {

inline constexpr int kReadDpi = 300;

// Every page of the PDF (or the first `pages` of them) as a 300 dpi picture; empty when pdftoppm
// is missing or fails.
std::vector<plat::Bitmap> RenderPdf(const std::string& hostPath, int pages = 0);
bool HavePdftoppm();

// Positions (pixel centres) of the straight dark lines of a page that are at least `minRun`
// pixels long: Rows for horizontal lines, Columns for vertical ones. Neighbouring pixel rows of
// one line count as one.
struct PageLines {
    std::vector<double> Rows;
    std::vector<double> Columns;
};
PageLines FindLines(const plat::Bitmap& page, int minRun);

// The longest vertical dark run in column band [x - 2, x + 2], in pixels.
int LongestVerticalRun(const plat::Bitmap& page, int x);

// Rows whose dark run starting at the left edge of the page (within 3 pixels) is between
// `minRun` and `maxRun` pixels long: the top and bottom of a box standing at the left edge.
std::vector<double> LeftEdgeRuns(const plat::Bitmap& page, int minRun, int maxRun);

inline double PixelsToMm(double pixels) {
    return pixels * 25.4 / kReadDpi;
}

} // namespace print_test
