// Speed of the skinned controls' painting, each next to memcpy of the pixels it produces, in one
// run so that the ratios hold on any machine:
//  - a 640 x 480 window with 20 picture buttons (the frames copied from a skin over the window's
//    background, every fourth button transparent): budget 4 ms;
//  - the glow of a 300 x 120 hint over its backdrop: budget 2 ms;
//  - one frame of a 220 x 80 flying message half way out: budget 1 ms.
// After the table the ratios are printed.
#include "bench/support/MemcpyReference.h"
#include "designer/controls/BitmapButtonLook.h"
#include "designer/controls/FlyBitmapFlight.h"
#include "designer/controls/HintGlow.h"
#include "platform/graphics/RasterCanvas.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace plat;

namespace {

std::map<std::string, double> g_nsPerIteration;

Bitmap Skin(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, ((x / 9 + y / 7) % 4 == 0) ? clWhite : RGB(x * 3, y * 5, (x ^ y) & 0xFF));
    return b;
}

using bench_support::Memcpy;

void MemcpyWindow(benchmark::State& state) {
    Memcpy(state, 640 * 480 * 4);
}
void MemcpyHint(benchmark::State& state) {
    Memcpy(state, 300 * 120 * 4);
}
void MemcpyFly(benchmark::State& state) {
    Memcpy(state, 220 * 80 * 4);
}

void WindowWith20Buttons(benchmark::State& state) {
    const Bitmap skin = Skin(640, 480);
    const Bitmap background = Skin(640, 480);
    Bitmap surface(640, 480);
    for (auto _ : state) {
        RasterCanvas(surface).Draw(0, 0, background);
        for (int i = 0; i < 20; ++i) {
            TBitmapButtonLook look;
            look.Transparent = i % 4 == 0;
            PaintBitmapButton(surface, Bounds(20 + (i % 5) * 120, 20 + (i / 5) * 110, 64, 32), look, false,
                              {&skin, (i % 4) * 128, (i / 4) * 40});
        }
        benchmark::DoNotOptimize(surface.Bits());
    }
}

void HintGlow300x120(benchmark::State& state) {
    const Bitmap backdrop = Skin(300, 120);
    for (auto _ : state) {
        Bitmap work = backdrop;
        PaintHintGlow(work);
        benchmark::DoNotOptimize(work.Bits());
    }
}

void FlyFrame220x80(benchmark::State& state) {
    const Bitmap snapshot = Skin(220, 80);
    const Bitmap skin = Skin(400, 200);
    TFlyBitmapFlight flight;
    flight.StateBefore = 4;
    flight.StateStatic = 10;
    flight.StateAfter = 4;
    flight.Tick = 2;
    const TRect rect = flight.PictureRect(FlyCentrePoint(220, 80), Bounds(0, 0, 220, 80), 220, 80);
    for (auto _ : state) {
        Bitmap frame = ComposeFlyFrame(snapshot, &skin, Bounds(10, 10, 220, 80), rect);
        benchmark::DoNotOptimize(frame.Bits());
    }
}

BENCHMARK(MemcpyWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowWith20Buttons)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyHint)->Unit(benchmark::kMicrosecond);
BENCHMARK(HintGlow300x120)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyFly)->Unit(benchmark::kMicrosecond);
BENCHMARK(FlyFrame220x80)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's mean time so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            g_nsPerIteration[run.benchmark_name()] = run.GetAdjustedRealTime() * 1000.0;
    }
};

void PrintRatio(const char* name, const char* reference, double budgetMs) {
    const double ns = g_nsPerIteration[name];
    const double ref = g_nsPerIteration[reference];
    std::printf("%-22s %8.3f ms (budget %.0f ms)  %6.1f x memcpy\n", name, ns / 1e6, budgetMs,
                ref > 0 ? ns / ref : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio("WindowWith20Buttons", "MemcpyWindow", 4);
    PrintRatio("HintGlow300x120", "MemcpyHint", 2);
    PrintRatio("FlyFrame220x80", "MemcpyFly", 1);
    benchmark::Shutdown();
    return 0;
}
