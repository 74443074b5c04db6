#include "tests/designer/printing/PdfPages.h"

#include "platform/graphics/PictureLoader.h"
#include "tests/support/Scratch.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace print_test {

namespace {

constexpr int kDarkLevel = 160;

bool Dark(uint32_t pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return (r + g + b) / 3 < kDarkLevel;
}

// Centres of groups of neighbouring indices.
std::vector<double> Centres(const std::vector<int>& indices) {
    std::vector<double> out;
    for (size_t i = 0; i < indices.size();) {
        size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1)
            ++j;
        out.push_back((indices[i] + indices[j]) / 2.0);
        i = j + 1;
    }
    return out;
}

int LongestRun(const plat::Bitmap& page, int fixed, bool horizontal) {
    const int length = horizontal ? page.Width() : page.Height();
    int best = 0, run = 0;
    for (int i = 0; i < length; ++i) {
        const uint32_t pixel = horizontal ? page.Row(fixed)[i] : page.Row(i)[fixed];
        run = Dark(pixel) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

} // namespace

bool HavePdftoppm() {
    return std::system("command -v pdftoppm > /dev/null 2>&1") == 0;
}

std::vector<plat::Bitmap> RenderPdf(const std::string& hostPath, int count) {
    std::vector<plat::Bitmap> pages;
    const std::string folder = testing_support::MakeScratchDir("pdf-pages");
    const std::string range = count > 0 ? " -f 1 -l " + std::to_string(count) : "";
    const std::string command = "pdftoppm -r " + std::to_string(kReadDpi) + range + " -png '" + hostPath +
                                "' '" + folder + "/page' > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return pages;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path().string());
    // pdftoppm pads page numbers to the same width, so the names sort in page order.
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        plat::Bitmap page;
        if (!plat::LoadPictureFile(file, page).Ok)
            return {};
        pages.push_back(std::move(page));
    }
    return pages;
}

PageLines FindLines(const plat::Bitmap& page, int minRun) {
    std::vector<int> rows, columns;
    for (int y = 0; y < page.Height(); ++y) {
        if (LongestRun(page, y, /*horizontal=*/true) >= minRun)
            rows.push_back(y);
    }
    for (int x = 0; x < page.Width(); ++x) {
        if (LongestRun(page, x, /*horizontal=*/false) >= minRun)
            columns.push_back(x);
    }
    return {Centres(rows), Centres(columns)};
}

std::vector<double> LeftEdgeRuns(const plat::Bitmap& page, int minRun, int maxRun) {
    std::vector<int> rows;
    for (int y = 0; y < page.Height(); ++y) {
        int x = 0;
        while (x < 3 && x < page.Width() && !Dark(page.Row(y)[x]))
            ++x;
        const int start = x;
        while (x < page.Width() && Dark(page.Row(y)[x]))
            ++x;
        const int run = x - start;
        if (start < 3 && run >= minRun && run <= maxRun)
            rows.push_back(y);
    }
    return Centres(rows);
}

int LongestVerticalRun(const plat::Bitmap& page, int x) {
    int best = 0;
    for (int c = std::max(0, x - 2); c <= std::min(page.Width() - 1, x + 2); ++c)
        best = std::max(best, LongestRun(page, c, /*horizontal=*/false));
    return best;
}

} // namespace print_test
