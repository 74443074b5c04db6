// FloodFill of RasterCanvas: border and surface fills against a plain breadth-first fill on random
// pictures, fills through pixels that already have the fill colour, and regions far too deep for
// a recursive fill.
#include "platform/graphics/RasterCanvas.h"
#include "tests/platform/graphics/RasterTestUtil.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace plat;
using raster_test::Art;

namespace {

Bitmap FromArt(const std::vector<std::string>& rows) {
    Bitmap bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.SetPixel(x, y, rows[y][x] == 'X' ? clBlack : rows[y][x] == 'r' ? clRed : clWhite);
    return bitmap;
}

TEST(RasterFloodFill, BorderFillStopsAtTheBorderColourOnly) {
    Bitmap bitmap = FromArt({
        "XXXXXXXX",
        "X..r...X",
        "X.XXXX.X",
        "X.X..X.X",
        "X.XXXXrX",
        "X.....X.",
        "X.X..X..",
    });
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clBlue;
    canvas.FloodFill(1, 1, clBlack, FillStyle::Border);
    EXPECT_EQ(Art(bitmap), "XXXXXXXX|XbbbbbbX|XbXXXXbX|XbX..XbX|XbXXXXbX|XbbbbbX.|XbXbbX..");
}

TEST(RasterFloodFill, SurfaceFillTakesOneColour) {
    Bitmap bitmap = FromArt({
        "rrrX.",
        "r.rXr",
        "rrrrr",
    });
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clGreen;
    canvas.FloodFill(0, 0, clRed, FillStyle::Surface);
    EXPECT_EQ(Art(bitmap), "gggX.|g.gXg|ggggg");
}

TEST(RasterFloodFill, StartsThatFillNothing) {
    Bitmap bitmap = FromArt({"X..", "..."});
    const Bitmap before = bitmap;
    RasterCanvas canvas(bitmap);
    canvas.Brush.Color = clRed;
    canvas.FloodFill(0, 0, clBlack, FillStyle::Border);  // on the border
    canvas.FloodFill(1, 0, clBlack, FillStyle::Surface); // not the surface colour
    canvas.FloodFill(-1, 0, clBlack, FillStyle::Border); // outside
    canvas.FloodFill(1, 5, clBlack, FillStyle::Border);
    canvas.FloodFill(1, 1, clWhite, FillStyle::Surface); // fills, but with clear brush below
    EXPECT_NE(bitmap, before);
    bitmap = before;
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.FloodFill(1, 1, clBlack, FillStyle::Border);
    EXPECT_EQ(bitmap, before);
    Bitmap empty;
    RasterCanvas(empty).FloodFill(0, 0, clBlack, FillStyle::Border);
}

// A plain breadth-first 4-connected fill, the meaning of FloodFill spelled out.
void ReferenceFill(Bitmap& bitmap, int x, int y, TColor color, FillStyle style, TColor fill) {
    auto takes = [&](int px, int py) {
        const TColor c = bitmap.GetPixel(px, py);
        return style == FillStyle::Border ? c != color : c == color;
    };
    if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height() || !takes(x, y))
        return;
    std::vector<char> seen(static_cast<size_t>(bitmap.Width()) * bitmap.Height());
    std::deque<std::pair<int, int>> queue{{x, y}};
    seen[static_cast<size_t>(y) * bitmap.Width() + x] = 1;
    std::vector<std::pair<int, int>> reached;
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        reached.push_back({px, py});
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            const int nx = px + dx[k], ny = py + dy[k];
            if (nx < 0 || ny < 0 || nx >= bitmap.Width() || ny >= bitmap.Height())
                continue;
            char& s = seen[static_cast<size_t>(ny) * bitmap.Width() + nx];
            if (!s && takes(nx, ny)) {
                s = 1;
                queue.push_back({nx, ny});
            }
        }
    }
    for (auto [px, py] : reached)
        bitmap.SetPixel(px, py, fill);
}

TEST(RasterFloodFill, MatchesABreadthFirstFillOnRandomPictures) {
    std::mt19937 random(5);
    const TColor palette[] = {clWhite, clBlack, clRed, clBlue};
    for (int n = 0; n < 600; ++n) {
        const int width = 1 + random() % 40, height = 1 + random() % 30;
        Bitmap picture(width, height);
        const int density = 1 + random() % 6; // walls are 1 in `density` pixels, of the first colours
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.SetPixel(x, y, random() % density == 0 ? palette[1 + random() % 3] : clWhite);
        const int x = random() % width, y = random() % height;
        const TColor color = palette[random() % 4];
        const TColor fill = palette[random() % 4];
        const FillStyle style = random() % 2 ? FillStyle::Border : FillStyle::Surface;
        Bitmap expected = picture;
        ReferenceFill(expected, x, y, color, style, fill);
        RasterCanvas canvas(picture);
        canvas.Brush.Color = fill;
        canvas.FloodFill(x, y, color, style);
        ASSERT_EQ(Art(picture), Art(expected)) << "case " << n << " at " << x << "," << y << " colour "
                                               << color << " fill " << fill << " style " << int(style);
    }
}

TEST(RasterFloodFill, ReachesTheEndOfALongSerpentine) {
    // Walls on every other row, open at alternating ends: one corridor a quarter of a million
    // pixels long, which a recursive fill could not follow.
    const int size = 1001;
    Bitmap bitmap(size, size);
    RasterCanvas canvas(bitmap);
    for (int y = 1; y < size; y += 2) {
        canvas.MoveTo(y % 4 == 1 ? 0 : 1, y);
        canvas.LineTo(y % 4 == 1 ? size - 1 : size, y);
    }
    canvas.Brush.Color = clRed;
    canvas.FloodFill(0, 0, clBlack, FillStyle::Border);
    EXPECT_EQ(bitmap.GetPixel(size - 1, size - 1), clRed);
    EXPECT_EQ(raster_test::PixelsOf(bitmap, clWhite).size(), 0u);
}

} // namespace
