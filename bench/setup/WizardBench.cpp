// The installer's windows against plain references in the same run:
//   BM_SilentCd / BM_WizardCd      the product CD installed unattended (`setup /SILENT`, the
//                                  reference) and through the wizard's Copying page (from the
//                                  Next on the Group page to the Finish page, the pauses between
//                                  phases off as in the unattended run), taking turns, each into
//                                  a fresh prefix made before the clock starts; the unattended
//                                  run's time also holds loading the scripts and the space check
//   BM_Memcpy / BM_PaintStartScreen   a memcpy of 1920 x 1080 pixels and the start screen's first
//                                  paint at that size (background stretched, logo, shadowed text)
// The CD is the build's (<build>/cd), or the folder VELMORA_BENCH_CD names. At the end the program
// prints each ratio from the fastest runs and exits with 1 when one is above its target.
#include "bench/support/FastestReporter.h"
#include "bench/support/Turns.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StdInput.h"
#include "setup/SetupCommand.h"
#include "setup/wizard/DialogForm.h"
#include "setup/wizard/MainForm.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kInstallTurns = 5;
constexpr double kWizardTarget = 1.2;
constexpr double kPaintTargetMs = 30.0;
constexpr int kScreenWidth = 1920, kScreenHeight = 1080;

fs::path g_root;
int g_prefixes = 0;

std::string CdHost() {
    const char* cd = std::getenv("VELMORA_BENCH_CD");
    return cd && *cd ? cd : VELMORA_CD_DIR;
}

std::string CdWin() {
    return plat::IncludeTrailingBackslash(plat::WinPathOf(CdHost()));
}

void FreshPrefix() {
    if (g_root.empty())
        g_root = fs::temp_directory_path() /
                 ("velmora-bench-wizard-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path prefix = g_root / ("prefix" + std::to_string(g_prefixes++));
    fs::create_directories(prefix);
    setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
    setenv("XDG_DATA_HOME", (g_root / "share").c_str(), 1);
    plat::RegistryReset();
    plat::ResetPathCache();
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SilentCd(benchmark::State& state) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        FreshPrefix();
        // The prefix is made before the clock starts, as the wizard's is made while it loads.
        plat::EnsurePrefix();
        ::sync(); // neither run pays for the other's write-back
        const auto start = std::chrono::steady_clock::now();
        if (setup::RunSetupCommand({"/SILENT"}, CdWin(), devNull, stderr) != 0)
            state.SkipWithError("the unattended installation failed");
        state.SetIterationTime(Seconds(start));
    }
    std::fclose(devNull);
}

template <class T> T& Find(plat::TControl& root, const char* name) {
    return *dynamic_cast<T*>(plat::FindControl(root, name));
}

void BM_WizardCd(benchmark::State& state) {
    for (auto _ : state) {
        FreshPrefix();
        setup::SetupContext context;
        context.Discover({"/NOGROUP"}, CdWin());
        setup::TDialogForm wizard(context, {"/NOGROUP"});
        wizard.PhasePauses = false;
        wizard.FormShow();
        for (int guard = 0; guard < 10 && wizard.CurrentPage() != setup::WizardPage::Group; ++guard) {
            if (wizard.CurrentPage() == setup::WizardPage::User)
                plat::TypeText(Find<plat::TEdit>(wizard, "UserName"), "Bench");
            wizard.NextBtn().Press();
        }
        ::sync();
        const auto start = std::chrono::steady_clock::now();
        wizard.NextBtn().Press();
        state.SetIterationTime(Seconds(start));
        if (wizard.CurrentPage() != setup::WizardPage::Finish)
            state.SkipWithError("the wizard did not reach Finish");
    }
}

class FakeScreen : public plat::ScreenSource {
public:
    int Width() const override { return kScreenWidth; }
    int Height() const override { return kScreenHeight; }
    plat::TPoint CursorPos() const override { return {0, 0}; }
    plat::Bitmap Capture(const plat::TRect& rect) const override { return plat::Bitmap(rect.Width(), rect.Height()); }
};

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint32_t> from(static_cast<size_t>(kScreenWidth) * kScreenHeight, 0x123456), to(from.size());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        state.SetIterationTime(Seconds(start));
    }
}

void BM_PaintStartScreen(benchmark::State& state) {
    FakeScreen screen;
    plat::ScreenSourceGuard guard(screen);
    FreshPrefix();
    setup::SetupContext context;
    context.Discover({}, CdWin());
    plat::Bitmap target(kScreenWidth, kScreenHeight);
    for (auto _ : state) {
        setup::TMainForm form(context, CdWin());
        form.StartTimerTimer();
        plat::RasterCanvas canvas(target);
        const auto start = std::chrono::steady_clock::now();
        form.Paint(canvas);
        state.SetIterationTime(Seconds(start));
    }
}

void RegisterBenchmarks() {
    const auto add = bench_support::AddTurn;
    for (int turn = 0; turn < kInstallTurns; ++turn) {
        add("BM_SilentCd", BM_SilentCd, turn, 1);
        add("BM_WizardCd", BM_WizardCd, turn, 1);
    }
    for (int turn = 0; turn < 3; ++turn) {
        add("BM_Memcpy", BM_Memcpy, turn, 10);
        add("BM_PaintStartScreen", BM_PaintStartScreen, turn, 5);
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterBenchmarks();
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool overTarget = false;
    std::printf("\nFastest runs as a multiple of the reference's:\n");
    if (auto ratio = reporter.Ratio("BM_WizardCd", "BM_SilentCd")) {
        std::printf("  %-36s %5.2f x  (target %.1f)%s\n", "wizard Copying / setup /SILENT", *ratio, kWizardTarget,
                    *ratio > kWizardTarget ? "  OVER TARGET" : "");
        overTarget = overTarget || *ratio > kWizardTarget;
    }
    if (auto ratio = reporter.Ratio("BM_PaintStartScreen", "BM_Memcpy"))
        std::printf("  %-36s %5.1f x\n", "start screen paint / memcpy", *ratio);
    if (auto paint = reporter.Fastest().find("BM_PaintStartScreen"); paint != reporter.Fastest().end()) {
        const double ms = paint->second.real; // the benchmarks report milliseconds
        std::printf("  %-36s %5.1f ms  (target %.0f ms)%s\n", "start screen paint at 1920 x 1080", ms, kPaintTargetMs,
                    ms > kPaintTargetMs ? "  OVER TARGET" : "");
        overTarget = overTarget || ms > kPaintTargetMs;
    }
    std::error_code ignored;
    if (!g_root.empty())
        fs::remove_all(g_root, ignored);
    if (reporter.Failed()) {
        std::printf("a run failed\n");
        return 1;
    }
    return overTarget ? 1 : 0;
}
