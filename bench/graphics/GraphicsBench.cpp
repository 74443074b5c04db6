// Speed of the raster canvas's picture work, each next to memcpy of the bytes it writes, in one
// run so that the ratios hold on any machine:
//  - the white-transparent overlay of a whole 640 x 480 window (mask, merge-paint, AND), as the
//    designer composes the doll, racks and drum: at most 4 x memcpy of 640 x 480 x 4 bytes;
//  - a 60 x 60 fabric tile stretched colour on colour to 240 x 212: at most 4 x memcpy;
//  - a border flood fill of a 239 x 212 pattern piece: at most 10 x memcpy.
// After the table the ratios of the fastest repetitions are printed with their limits.
#include "bench/support/FastestReporter.h"
#include "bench/support/MemcpyReference.h"
#include "platform/graphics/RasterCanvas.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace plat;

namespace {

Bitmap Picture(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) // white background with coloured stripes and blobs
            bitmap.SetPixel(x, y, ((x / 7 + y / 5) % 3 == 0) ? clWhite : RGB(x * 3, y * 5, (x ^ y) & 0xFF));
    return bitmap;
}

using bench_support::Memcpy;

void MemcpyOverlay(benchmark::State& state) {
    Memcpy(state, 640 * 480 * 4);
}
void MemcpyStretch(benchmark::State& state) {
    Memcpy(state, 240 * 212 * 4);
}
void MemcpyFill(benchmark::State& state) {
    Memcpy(state, 239 * 212 * 4);
}

// The designer's white-transparent overlay, step by step as it draws it.
void Overlay(benchmark::State& state) {
    const Bitmap source = Picture(640, 480);
    Bitmap dest = Picture(640, 480);
    RasterCanvas canvas(dest);
    const TRect whole = Rect(0, 0, 640, 480);
    for (auto _ : state) {
        const Bitmap mask = MakeWhiteMask(source);
        canvas.CopyRect(whole, mask, whole, RasterOp::MergePaint);
        canvas.CopyRect(whole, source, whole, RasterOp::SrcAnd);
        benchmark::DoNotOptimize(dest.Bits());
        benchmark::ClobberMemory();
    }
}

void Stretch(benchmark::State& state) {
    const Bitmap tile = Picture(60, 60);
    Bitmap dest(240, 212);
    RasterCanvas canvas(dest);
    for (auto _ : state) {
        canvas.StretchDraw(Rect(0, 0, 240, 212), tile);
        benchmark::DoNotOptimize(dest.Bits());
        benchmark::ClobberMemory();
    }
}

// A 239 x 212 region inside a black frame, filled in turn with two colours so that every pass
// fills all of it.
void Fill(benchmark::State& state) {
    Bitmap piece(241, 214);
    RasterCanvas canvas(piece);
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 241, 214);
    canvas.Brush.Style = BrushStyle::Solid;
    bool red = false;
    for (auto _ : state) {
        red = !red;
        canvas.Brush.Color = red ? clRed : clGreen;
        canvas.FloodFill(120, 100, clBlack, FillStyle::Border);
        benchmark::DoNotOptimize(piece.Bits());
        benchmark::ClobberMemory();
    }
}

// Each is repeated and judged by its fastest repetition, so a busy moment during one run of the
// reference or of ours does not decide the ratio.
constexpr int kRepetitions = 5;
BENCHMARK(MemcpyOverlay)->Repetitions(kRepetitions);
BENCHMARK(Overlay)->Repetitions(kRepetitions);
BENCHMARK(MemcpyStretch)->Repetitions(kRepetitions);
BENCHMARK(Stretch)->Repetitions(kRepetitions);
BENCHMARK(MemcpyFill)->Repetitions(kRepetitions);
BENCHMARK(Fill)->Repetitions(kRepetitions);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    struct Target {
        const char* name;
        const char* reference;
        double limit;
    };
    const Target targets[] = {
        {"Overlay", "MemcpyOverlay", 4}, {"Stretch", "MemcpyStretch", 4}, {"Fill", "MemcpyFill", 10}};
    std::printf("\nFastest repetitions as a multiple of memcpy of the same pixels:\n");
    for (const Target& t : targets) {
        if (const std::optional<double> ratio = reporter.Ratio(t.name, t.reference))
            std::printf("  %-8s %6.2f x memcpy (limit %g) %s\n", t.name, *ratio, t.limit,
                        *ratio <= t.limit ? "ok" : "OVER");
    }
    benchmark::Shutdown();
    return 0;
}
