// The installation run and the space estimate against the host's own tools, on one scratch tree:
// 5,000 files and 200 MB in 50 folders below "data" on a scratch CD, installed by the file-list
// entry "data\*.*==%HDPATH%\data\".
//   BM_CpTree / BM_InstallTree   `cp -r` of the tree (the reference) and the whole unattended run
//                                (scripts, space check, copy, log, registry), taking turns
//   BM_DuTree / BM_RequiredSpace `du -sk` (the reference) and ComputeRequiredSpace with the path
//                                caches reset first, taking turns as well
// Copies take turns, each into a folder that never held anything, after every dirty page is
// written back: the file system hands out fresh inodes to both (deleting a tree just before makes
// it search past the recently freed ones, which costs more than the copying), and neither pays
// for the write-back of the other's 200 MB. At the end the program prints each ratio from the
// fastest runs and exits with 1 when one is above its target (1.2 and 1.5).
#include "bench/support/FastestReporter.h"
#include "bench/support/Turns.h"
#include "platform/files/WinPath.h"
#include "setup/install/ConsoleUI.h"
#include "setup/install/Installer.h"
#include "setup/script/ScriptFile.h"
#include "setup/SetupCommand.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>

namespace fs = std::filesystem;

namespace {

constexpr int kFolders = 50;
constexpr int kFilesPerFolder = 100;
constexpr int64_t kTotalBytes = 200ll << 20;
constexpr int kCopyTurns = 3;
constexpr int kSpaceTurns = 5;
constexpr int kSpaceIterations = 4;
constexpr double kInstallTarget = 1.2;
constexpr double kSpaceTarget = 1.5;

struct Scratch {
    fs::path root;
    std::string cd, cdWin;
    std::FILE* devNull = nullptr;
};
Scratch* g_scratch = nullptr;

void MakeTree(const std::string& data) {
    const int files = kFolders * kFilesPerFolder;
    std::string block(static_cast<size_t>(kTotalBytes / files * 2), 'x');
    for (int f = 0; f < kFolders; ++f) {
        std::string folder = data + "/folder" + std::to_string(f);
        fs::create_directories(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            // Sizes from 0 to twice the mean, so the total is about 200 MB.
            size_t size = static_cast<size_t>((static_cast<int64_t>(f * kFilesPerFolder + i) * 7919 % files) *
                                              (kTotalBytes / files * 2) / files);
            std::ofstream(folder + "/file" + std::to_string(i) + ".dat", std::ios::binary)
                .write(block.data(), size);
        }
    }
}

// The CD's script, installing into `destination`.
void WriteScript(const Scratch& scratch, const std::string& destination) {
    setup::SetupParams params;
    params.SetText("ProductName", "Bench");
    params.SetText("DefaultDir", destination);
    params.SetLines("ListFiles", {"data\\*.*==%HDPATH%\\data\\"});
    setup::SaveScript(params, scratch.cdWin + "\\setup.inf");
}

Scratch& TheScratch() {
    if (!g_scratch) {
        g_scratch = new Scratch;
        g_scratch->root = fs::temp_directory_path() /
                          ("velmora-bench-setup-" +
                           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        g_scratch->cd = (g_scratch->root / "cd").string();
        setenv("VERTALIS_PREFIX", (g_scratch->root / "prefix").c_str(), 1);
        setenv("XDG_DATA_HOME", (g_scratch->root / "share").c_str(), 1);
        MakeTree(g_scratch->cd + "/data");
        // The uninstaller every run copies beside the program.
        std::ofstream(g_scratch->cd + "/vtuninst.exe", std::ios::binary) << "uninstaller";
        g_scratch->cdWin = plat::ExcludeTrailingBackslash(plat::WinPathOf(g_scratch->cd));
        g_scratch->devNull = std::fopen("/dev/null", "w");
        WriteScript(*g_scratch, "C:\\Program Files\\Bench");
    }
    return *g_scratch;
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `command` through the shell; false when it did not end with status 0.
bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

void BM_CpTree(benchmark::State& state) {
    Scratch& scratch = TheScratch();
    for (auto _ : state) {
        ::sync();
        const std::string target = (scratch.root / ("cp" + std::to_string(state.range(0)))).string();
        const auto start = std::chrono::steady_clock::now();
        if (!Shell("cp -r '" + scratch.cd + "/data' '" + target + "'"))
            state.SkipWithError("cp -r failed");
        state.SetIterationTime(Seconds(start));
    }
}

void BM_InstallTree(benchmark::State& state) {
    Scratch& scratch = TheScratch();
    WriteScript(scratch, "C:\\Program Files\\Bench" + std::to_string(state.range(0)));
    for (auto _ : state) {
        ::sync();
        const auto start = std::chrono::steady_clock::now();
        if (setup::RunSetupCommand({"/SILENT"}, scratch.cdWin + "\\", scratch.devNull, stderr) != 0)
            state.SkipWithError("the installation failed");
        state.SetIterationTime(Seconds(start));
    }
}

void BM_DuTree(benchmark::State& state) {
    Scratch& scratch = TheScratch();
    const std::string command = "du -sk '" + scratch.cd + "/data' > /dev/null";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!Shell(command))
            state.SkipWithError("du -sk failed");
        state.SetIterationTime(Seconds(start));
    }
}

void BM_RequiredSpace(benchmark::State& state) {
    Scratch& scratch = TheScratch();
    setup::SetupContext context;
    context.Discover({}, scratch.cdWin + "\\");
    std::string phases[4];
    setup::ConsoleUI quiet(scratch.devNull, stderr, phases);
    setup::Installer installer(context, quiet);
    int64_t kb = 0;
    for (auto _ : state) {
        plat::ResetPathCache();
        const auto start = std::chrono::steady_clock::now();
        kb = installer.ComputeRequiredSpace();
        state.SetIterationTime(Seconds(start));
    }
    state.counters["KB"] = static_cast<double>(kb);
}

// Each reference and ours take turns (cp, install, cp, install, ...), so both meet the same
// state of the machine.
void RegisterBenchmarks() {
    const auto add = bench_support::AddTurn;
    for (int turn = 0; turn < kCopyTurns; ++turn) {
        add("BM_CpTree", BM_CpTree, turn, 1);
        add("BM_InstallTree", BM_InstallTree, turn, 1);
    }
    for (int turn = 0; turn < kSpaceTurns; ++turn) {
        add("BM_DuTree", BM_DuTree, turn, kSpaceIterations);
        add("BM_RequiredSpace", BM_RequiredSpace, turn, kSpaceIterations);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterBenchmarks();
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool overTarget = false;
    std::printf("\nFastest runs as a multiple of the host tool's:\n");
    for (const auto& [label, name, reference, target] :
         {std::tuple{"install / cp -r", "BM_InstallTree", "BM_CpTree", kInstallTarget},
          std::tuple{"ComputeRequiredSpace / du -sk", "BM_RequiredSpace", "BM_DuTree", kSpaceTarget}}) {
        const std::optional<double> ratio = reporter.Ratio(name, reference);
        if (!ratio)
            continue;
        std::printf("  %-32s %5.2f x  (target %.1f)%s\n", label, *ratio, target,
                    *ratio > target ? "  OVER TARGET" : "");
        overTarget = overTarget || *ratio > target;
    }
    if (g_scratch) {
        std::error_code ignored;
        fs::remove_all(g_scratch->root, ignored);
    }
    if (reporter.Failed()) {
        std::printf("a run failed\n");
        return 1;
    }
    return overTarget ? 1 : 0;
}
