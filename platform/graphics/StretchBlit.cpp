#include "platform/graphics/StretchBlit.h"

#include "platform/graphics/RasterMath.h"
#include "platform/graphics/RasterOps.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace plat::raster {

namespace {

constexpr int64_t kSmallLength = int64_t(1) << 31;

// One axis of the copy: destination pixels [destStart, destStart + destLength) take source
// pixels of [sourceStart, sourceStart + sourceLength), mirrored when `mirror`.
struct AxisMap {
    int64_t destStart;
    int64_t destLength;
    int64_t sourceStart;
    int64_t sourceLength;
    bool mirror;

    AxisMap(int64_t destFrom, int64_t destTo, int64_t sourceFrom, int64_t sourceTo)
        : destStart(std::min(destFrom, destTo)), destLength(std::max(destFrom, destTo) - destStart),
          sourceStart(std::min(sourceFrom, sourceTo)),
          sourceLength(std::max(sourceFrom, sourceTo) - sourceStart),
          mirror((destTo < destFrom) != (sourceTo < sourceFrom)) {}

    bool Empty() const { return destLength == 0 || sourceLength == 0; }
    bool Identity() const { return destLength == sourceLength && !mirror; }

    // Source coordinate of destination coordinate d (inside the destination range).
    int64_t SourceOf(int64_t d) const {
        const int64_t i = d - destStart;
        if (Identity())
            return sourceStart + i;
        // (2 i + 1) * sourceLength fits 64 bits while both lengths stay below 2^31; only
        // rectangles spanning most of the int range need the slow 128-bit division.
        const bool small = destLength < kSmallLength && sourceLength < kSmallLength;
        const int64_t j =
            small ? (2 * i + 1) * sourceLength / (2 * destLength)
                  : static_cast<int64_t>((Int128(2) * i + 1) * sourceLength / (Int128(2) * destLength));
        return sourceStart + (mirror ? sourceLength - 1 - j : j);
    }
    // The destination range clipped to [0, limit).
    int64_t First() const { return std::max<int64_t>(destStart, 0); }
    int64_t End(int64_t limit) const { return std::min<int64_t>(destStart + destLength, limit); }
};

constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;

// One stretched row: the pixels of `sourceRow` (null off the source bitmap) at `columns`, white
// where a column is off it. The loop without tests is the one a stretch nearly always takes.
void FillRow(std::vector<uint32_t>& buffer, const std::vector<int32_t>& columns, bool allOnSource,
             const uint32_t* sourceRow) {
    const size_t count = buffer.size();
    if (!sourceRow) {
        std::fill(buffer.begin(), buffer.end(), kWhitePixel);
    } else if (allOnSource) {
        for (size_t k = 0; k < count; ++k)
            buffer[k] = sourceRow[columns[k]];
    } else {
        for (size_t k = 0; k < count; ++k)
            buffer[k] = columns[k] >= 0 ? sourceRow[columns[k]] : kWhitePixel;
    }
}

} // namespace

void StretchBlit(Bitmap& target, const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                 RasterOp op) {
    const AxisMap xs(dest.Left, dest.Right, sourceRect.Left, sourceRect.Right);
    const AxisMap ys(dest.Top, dest.Bottom, sourceRect.Top, sourceRect.Bottom);
    if (xs.Empty() || ys.Empty())
        return;
    const int64_t x0 = xs.First(), x1 = xs.End(target.Width());
    const int64_t y0 = ys.First(), y1 = ys.End(target.Height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const size_t count = static_cast<size_t>(x1 - x0);

    // Source column of each visible destination column, or -1 off the source bitmap (white).
    std::vector<int32_t> columns(count);
    bool allOnSource = true;
    for (size_t k = 0; k < count; ++k) {
        const int64_t sx = xs.SourceOf(x0 + static_cast<int64_t>(k));
        const bool onSource = sx >= 0 && sx < source.Width();
        columns[k] = onSource ? static_cast<int32_t>(sx) : -1;
        allOnSource = allOnSource && onSource;
    }
    const bool direct = xs.Identity() && allOnSource;

    // A stretched source row is built once and reused for every destination row that repeats it.
    std::vector<uint32_t> buffer(count);
    int64_t bufferRow = -2;
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t sy = ys.SourceOf(y);
        const bool rowOnSource = sy >= 0 && sy < source.Height();
        const uint32_t* from = nullptr;
        if (direct && rowOnSource) {
            from = source.Row(static_cast<int>(sy)) + columns[0];
        } else {
            const int64_t key = rowOnSource ? sy : -1;
            if (key != bufferRow) {
                FillRow(buffer, columns, allOnSource, rowOnSource ? source.Row(static_cast<int>(sy)) : nullptr);
                bufferRow = key;
            }
            from = buffer.data();
        }
        ApplyRasterOpRow(op, from, target.Row(static_cast<int>(y)) + x0, count);
    }
}

} // namespace plat::raster
