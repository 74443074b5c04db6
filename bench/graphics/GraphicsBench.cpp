// Speed of the raster canvas's picture work, each next to memcpy of the bytes it writes, in one
// run so that the ratios hold on any machine:
//  - the white-transparent overlay of a whole 640 x 480 window (mask, merge-paint, AND), as the
//    designer composes the doll, racks and drum: at most 4 x memcpy of 640 x 480 x 4 bytes;
//  - a 60 x 60 fabric tile stretched colour on colour to 240 x 212: at most 4 x memcpy;
//  - a border flood fill of a 239 x 212 pattern piece: at most 10 x memcpy.
// After the table the ratios are printed with their limits.
#include "platform/graphics/RasterCanvas.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
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

void Memcpy(benchmark::State& state, size_t bytes) {
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

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

BENCHMARK(MemcpyOverlay);
BENCHMARK(Overlay);
BENCHMARK(MemcpyStretch);
BENCHMARK(Stretch);
BENCHMARK(MemcpyFill);
BENCHMARK(Fill);

// Keeps each benchmark's time per iteration while printing the usual table.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> Nanoseconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            Nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    struct Target {
        const char* name;
        const char* reference;
        double limit;
    };
    const Target targets[] = {
        {"Overlay", "MemcpyOverlay", 4}, {"Stretch", "MemcpyStretch", 4}, {"Fill", "MemcpyFill", 10}};
    for (const Target& t : targets) {
        const auto ours = reporter.Nanoseconds.find(t.name), base = reporter.Nanoseconds.find(t.reference);
        if (ours == reporter.Nanoseconds.end() || base == reporter.Nanoseconds.end() || base->second <= 0)
            continue;
        const double ratio = ours->second / base->second;
        std::printf("%-8s %6.2f x memcpy (limit %g) %s\n", t.name, ratio, t.limit,
                    ratio <= t.limit ? "ok" : "OVER");
    }
    benchmark::Shutdown();
    return 0;
}
