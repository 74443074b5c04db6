// Speed of the main window with the CD's wardrobe (the CD image folder: $VELMORA_CD, else the
// build's). Budgets: a full refresh 16 ms; Init to the first painted frame 500 ms with less than
// 100 MB resident (BigMemory off); a fabric dropped on a worn garment repainted within one
// dissolve tick, 50 ms. The reference is memcpy of the window's 640 x 480 pixels.
#include "bench/support/FastestReporter.h"
#include "bench/support/MemcpyReference.h"
#include "designer/shell/Settings.h"
#include "designer/shell/ViewForm.h"
#include "platform/files/WinPath.h"
#include "platform/ui/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// Plays nothing: the benchmark measures the window, not the synthesiser.
class SilentPlayer : public plat::TMidiPlayer {
public:
    void Open(const std::string&) override {}
    void Play() override {}
    void Stop() override {}
    void Close() override {}
};

void UseCd() {
    const char* chosen = std::getenv("VELMORA_CD");
    const std::string cd = chosen && *chosen ? chosen : VELMORA_CD_DIR;
    const std::string prefix = std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(getpid()));
    setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd));
    Settings().BigMemory = false;
}

std::unique_ptr<TViewForm> StartedWindow() {
    auto view = std::make_unique<TViewForm>(std::make_unique<TMusic>(std::make_unique<SilentPlayer>()));
    view->Init();
    view->Ready();
    return view;
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A dress on the doll and the dresses rack in front.
wardrobe::TModelsItem& Dressed(TViewForm& view) {
    TWardrobeOnScreen& w = view.Wardrobe();
    view.ShowRack(1);
    w.Classes[1]->SetItemIndex(0);
    w.Models->Dress(*w.Classes[1]);
    return w.Models->Items[1];
}

void MemcpyWindow(benchmark::State& state) {
    bench_support::Memcpy(state, 640 * 480 * 4);
}

void FullRefresh(benchmark::State& state) {
    UseCd();
    auto view = StartedWindow();
    Dressed(*view);
    plat::ProcessMessages();
    for (auto _ : state)
        benchmark::DoNotOptimize(view->Snapshot());
}

void InitToFirstFrame(benchmark::State& state) {
    UseCd();
    double resident = 0;
    for (auto _ : state) {
        auto view = StartedWindow();
        benchmark::DoNotOptimize(view->Snapshot());
        resident = std::max(resident, ResidentMegabytes());
    }
    state.counters["resident_MB"] = resident;
}

void FabricDropRepaint(benchmark::State& state) {
    UseCd();
    auto view = StartedWindow();
    wardrobe::TModelsItem& dress = Dressed(*view);
    wardrobe::TModels& doll = *view->Wardrobe().Models;
    doll.Repaint();
    int material = 0;
    for (auto _ : state) {
        doll.FillAt(100, 150, material, /*all=*/false);
        doll.Repaint();
        material = (material + 1) % 4;
    }
    benchmark::DoNotOptimize(dress.NumModel);
}

} // namespace

BENCHMARK(MemcpyWindow);
BENCHMARK(FullRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(InitToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FabricDropRepaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
