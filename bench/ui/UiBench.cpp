// Speed of the toolkit's paint path: a 640 x 480 window with a skin background and 20 picture
// controls (each one frame copied from the skin, half of them over their parent's pixels) painted
// through the back buffers and composed into one picture, next to memcpy of the window's pixels.
// Budget: 4 ms for the window.
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

using namespace plat;

namespace {

Bitmap Skin() {
    Bitmap skin(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            skin.SetPixel(x, y,
                          ((x / 8 + y / 8) % 4 == 0) ? clWhite : RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return skin;
}

class SkinPiece : public TControl {
public:
    SkinPiece(TControl* parent, const Bitmap& skin, TRect from)
        : TControl(parent), skin_(skin), from_(from) {}
    void Paint(Canvas& canvas) override {
        canvas.CopyRect(Rect(0, 0, Width(), Height()), skin_, from_, RasterOp::SrcCopy);
    }

private:
    const Bitmap& skin_;
    TRect from_;
};

void MemcpyWindow(benchmark::State& state) {
    const size_t bytes = 640 * 480 * 4;
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void WindowWith20Buttons(benchmark::State& state) {
    const Bitmap skin = Skin();
    TForm form;
    form.SetClientSize(640, 480);
    auto& background = form.Make<SkinPiece>(skin, Rect(0, 0, 640, 480));
    background.SetBounds(0, 0, 640, 480);
    for (int i = 0; i < 20; ++i) {
        auto& button = background.Make<SkinPiece>(skin, Bounds((i % 10) * 64, 0, 64, 32));
        button.SetBounds((i % 5) * 120 + 10, (i / 5) * 100 + 20, 64, 32);
        button.SetTransparent(i % 2 == 1);
    }
    form.Show();
    ProcessMessages(); // the window is exposed before it paints
    // Snapshot paints every back buffer and composes the window in one picture; it also converts
    // that into a Bitmap, so the figure is an upper bound of an on-screen paint.
    for (auto _ : state)
        benchmark::DoNotOptimize(form.Snapshot());
}

} // namespace

BENCHMARK(MemcpyWindow);
BENCHMARK(WindowWith20Buttons)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
