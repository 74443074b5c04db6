// RasterCanvas's pen and brush shapes: lines, rectangles, ellipses and arcs, built from the line
// and ellipse rasterisers and written through the clipped span writers.
#include "platform/graphics/EllipseRasterizer.h"
#include "platform/graphics/LineRasterizer.h"
#include "platform/graphics/PenPattern.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/graphics/Spans.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace plat {

using raster::Box;
using raster::ClipBox;
using raster::EllipseShape;
using raster::PenPattern;

namespace {

// Styled outlines of ellipses up to this size count their pattern from the true start even when
// it lies off the bitmap; larger ones count from the first pixel that is drawn, so the cost stays
// that of the visible part.
constexpr int64_t kExactPatternSide = int64_t(1) << 16;

// The pen as a styled outline applies it: dash pixels in the pen colour, gap pixels in the
// background colour when the background is opaque.
struct StyledInk {
    PenPattern Pattern;
    uint32_t Pixel;
    uint32_t GapPixel;
    bool PaintGaps;

    void Dot(Bitmap& bitmap, int64_t x, int64_t y, int64_t index) const {
        if (Pattern.On(index))
            return raster::PutPixel(bitmap, x, y, Pixel);
        if (PaintGaps)
            raster::PutPixel(bitmap, x, y, GapPixel);
    }
};

StyledInk InkOf(const Canvas& canvas, const PenPattern& pattern) {
    return StyledInk{pattern, PixelOf(canvas.Pen.Color), PixelOf(canvas.BackgroundColor),
                     canvas.BackgroundMode == BkMode::Opaque};
}

// A line of a pen wider than one pixel: a round tip stamped at every pixel of the path. The tip
// spans of one row from consecutive path pixels always touch, so each bitmap row gets one span
// from its leftmost to its rightmost tip pixel; the line costs path length x width.
void ThickLine(Bitmap& bitmap, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width, uint32_t pixel) {
    const int64_t top = -(width / 2);
    const EllipseShape tip(Box{top, top, top + width, top + width});
    std::vector<std::pair<int64_t, int64_t>> tipRows(width);
    for (int k = 0; k < width; ++k)
        tip.Span(top + k, tipRows[k].first, tipRows[k].second);

    ClipBox reach = raster::BitmapClip(bitmap);
    reach = ClipBox{reach.Left - width, reach.Top - width, reach.Right + width, reach.Bottom + width};
    const int height = bitmap.Height();
    std::vector<int64_t> left(height, std::numeric_limits<int64_t>::max());
    std::vector<int64_t> right(height, std::numeric_limits<int64_t>::min());
    raster::LineWalk(x0, y0, x1, y1, reach).ForEach([&](int64_t, int64_t x, int64_t y) {
        for (int k = 0; k < width; ++k) {
            const int64_t row = y + top + k;
            if (row < 0 || row >= height)
                continue;
            left[row] = std::min(left[row], x + tipRows[k].first);
            right[row] = std::max(right[row], x + tipRows[k].second);
        }
    });
    for (int row = 0; row < height; ++row)
        if (left[row] <= right[row])
            raster::FillSpan(bitmap, row, left[row], right[row], pixel);
}

// The outline of an ellipse (or, with a sector, of an arc) with a solid pen of any width: the
// shape of the box grown by the pen's outward reach, less the interior of the box shrunk by its
// inward reach.
void StrokeEllipse(Bitmap& bitmap, const Box& box, int width, const raster::ArcSector* sector,
                   uint32_t pixel) {
    const EllipseShape outer(box.Grown(width / 2));
    const Box innerBox = box.Grown(-((width - 1) / 2));
    std::optional<EllipseShape> inner;
    if (!innerBox.Empty())
        inner.emplace(innerBox);
    const ClipBox clip = raster::BitmapClip(bitmap);
    const int64_t top = std::max(outer.Bounds().Top, clip.Top);
    const int64_t bottom = std::min(outer.Bounds().Bottom - 1, clip.Bottom);
    for (int64_t y = top; y <= bottom; ++y) {
        int64_t left = 0, right = 0;
        if (!outer.Span(y, left, right))
            continue;
        int64_t holeLeft = 1, holeRight = 0;
        if (!inner || !inner->InteriorSpan(y, holeLeft, holeRight))
            holeLeft = 1, holeRight = 0;
        if (!sector) {
            raster::FillSpanAround(bitmap, y, left, right, holeLeft, holeRight, pixel);
            continue;
        }
        for (int64_t x = std::max(left, clip.Left); x <= std::min(right, clip.Right); ++x)
            if ((x < holeLeft || x > holeRight) && sector->Contains(x, y))
                raster::PutPixel(bitmap, x, y, pixel);
    }
}

// A one-pixel styled outline of an ellipse or arc: the pattern runs counter-clockwise from angle 0
// (an ellipse) or from the arc's start direction. The pixels of an arc that come before its start
// in the walk from angle 0 are those past angle 0 of an arc that wraps; they continue its pattern
// after the others, so the first pass counts the others.
void StyledEllipse(Bitmap& bitmap, const Box& box, const raster::ArcSector* sector, const StyledInk& ink) {
    const EllipseShape shape(box);
    const bool exact = box.Width() <= kExactPatternSide && box.Height() <= kExactPatternSide;
    const ClipBox walk =
        exact ? ClipBox{box.Left, box.Top, box.Right - 1, box.Bottom - 1} : raster::BitmapClip(bitmap);
    int64_t fromStart = 0;
    if (sector)
        shape.ForEachBorderPixelInOrder(walk, [&](int64_t x, int64_t y) {
            if (sector->Contains(x, y) && sector->AtOrAfterStart(x, y))
                ++fromStart;
        });
    int64_t afterStart = 0, beforeStart = 0;
    shape.ForEachBorderPixelInOrder(walk, [&](int64_t x, int64_t y) {
        if (sector && !sector->Contains(x, y))
            return;
        const bool first = !sector || sector->AtOrAfterStart(x, y);
        ink.Dot(bitmap, x, y, first ? afterStart++ : fromStart + beforeStart++);
    });
}

// One side of a styled rectangle: `count` pixels from (x, y) in direction (dx, dy), numbered from
// firstIndex in the pattern.
void StyledSide(Bitmap& bitmap, int64_t x, int64_t y, int64_t dx, int64_t dy, int64_t count,
                int64_t firstIndex, const StyledInk& ink) {
    if (count <= 0)
        return;
    raster::LineWalk(x, y, x + dx * count, y + dy * count, raster::BitmapClip(bitmap))
        .ForEach([&](int64_t step, int64_t px, int64_t py) { ink.Dot(bitmap, px, py, firstIndex + step); });
}

// Clockwise on screen from the top-left corner: top, right, bottom, left.
void StyledRectangle(Bitmap& bitmap, const Box& box, const StyledInk& ink) {
    const int64_t w = box.Width(), h = box.Height();
    const int64_t right = box.Right - 1, bottom = box.Bottom - 1;
    StyledSide(bitmap, box.Left, box.Top, 1, 0, w, 0, ink);
    StyledSide(bitmap, right, box.Top + 1, 0, 1, h - 1, w, ink);
    if (h > 1)
        StyledSide(bitmap, right - 1, bottom, -1, 0, w - 1, w + h - 1, ink);
    if (w > 1)
        StyledSide(bitmap, box.Left, bottom - 1, 0, -1, h - 2, 2 * w + h - 2, ink);
}

} // namespace

int RasterCanvas::PenWidth() const {
    return std::clamp(Pen.Width, 1, kMaxPenWidth);
}

void RasterCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    const StyleTrail trail = trail_;
    trail_ = StyleTrail{};
    if (Pen.Style == PenStyle::Clear)
        return;
    const int width = PenWidth();
    const PenPattern pattern(Pen.Style, width);
    const uint32_t pixel = PixelOf(Pen.Color);
    if (width > 1)
        return ThickLine(target_, from.X, from.Y, x, y, width, pixel);
    const raster::LineWalk walk(from.X, from.Y, x, y, raster::BitmapClip(target_));
    if (!pattern.Styled())
        return walk.ForEach(
            [&](int64_t, int64_t px, int64_t py) { raster::PutPixel(target_, px, py, pixel); });

    const bool continues = trail.Valid && trail.End == from && trail.Style == Pen.Style;
    const int64_t phase = continues ? trail.Phase : 0;
    const StyledInk ink = InkOf(*this, pattern);
    walk.ForEach([&](int64_t step, int64_t px, int64_t py) { ink.Dot(target_, px, py, phase + step); });
    trail_ = StyleTrail{true, penPos_, Pen.Style, (phase + walk.Length()) % pattern.Period()};
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const Box box = raster::NormalBox(x1, y1, x2, y2);
    if (box.Empty())
        return;
    const bool pen = Pen.Style != PenStyle::Clear;
    const int width = PenWidth();
    // The pixels strictly inside the pen's inner edge.
    const Box inside = pen ? box.Grown(-((width - 1) / 2) - 1) : box;
    if (Brush.Style == BrushStyle::Solid && !inside.Empty())
        raster::FillBox(target_, inside, PixelOf(Brush.Color));
    if (!pen)
        return;
    const PenPattern pattern(Pen.Style, width);
    if (pattern.Styled())
        return StyledRectangle(target_, box, InkOf(*this, pattern));
    const Box outer = box.Grown(width / 2);
    const uint32_t pixel = PixelOf(Pen.Color);
    const int64_t top = std::max<int64_t>(outer.Top, 0);
    const int64_t bottom = std::min<int64_t>(outer.Bottom, Height());
    for (int64_t y = top; y < bottom; ++y) {
        const bool holeRow = !inside.Empty() && y >= inside.Top && y < inside.Bottom;
        raster::FillSpanAround(target_, y, outer.Left, outer.Right - 1, holeRow ? inside.Left : 1,
                               holeRow ? inside.Right - 1 : 0, pixel);
    }
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const Box box = raster::NormalBox(x1, y1, x2, y2);
    if (box.Empty())
        return;
    const bool pen = Pen.Style != PenStyle::Clear;
    const int width = PenWidth();
    if (Brush.Style == BrushStyle::Solid) {
        const uint32_t pixel = PixelOf(Brush.Color);
        const Box fillBox = pen ? box.Grown(-((width - 1) / 2)) : box;
        if (!fillBox.Empty()) {
            const EllipseShape shape(fillBox);
            const int64_t top = std::max<int64_t>(fillBox.Top, 0);
            const int64_t bottom = std::min<int64_t>(fillBox.Bottom, Height());
            for (int64_t y = top; y < bottom; ++y) {
                int64_t left = 0, right = 0;
                if (pen ? shape.InteriorSpan(y, left, right) : shape.Span(y, left, right))
                    raster::FillSpan(target_, y, left, right, pixel);
            }
        }
    }
    if (!pen)
        return;
    const PenPattern pattern(Pen.Style, width);
    if (pattern.Styled())
        return StyledEllipse(target_, box, nullptr, InkOf(*this, pattern));
    StrokeEllipse(target_, box, width, nullptr, PixelOf(Pen.Color));
}

void RasterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const Box box = raster::NormalBox(x1, y1, x2, y2);
    if (box.Empty() || Pen.Style == PenStyle::Clear)
        return;
    const raster::ArcSector sector(box, x3, y3, x4, y4);
    const int width = PenWidth();
    const PenPattern pattern(Pen.Style, width);
    if (pattern.Styled())
        return StyledEllipse(target_, box, &sector, InkOf(*this, pattern));
    StrokeEllipse(target_, box, width, &sector, PixelOf(Pen.Color));
}

} // namespace plat
