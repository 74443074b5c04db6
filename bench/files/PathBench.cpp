// Resolving Windows paths against a plain stat() of the host paths they name.
//
// The tree lies in a temporary folder used as the prefix: C:\ + six components, every folder on
// the way holding 1,000 entries (the next folder and fillers; the fourth level holds ten leaf
// folders), each leaf folder 1,000 files: 10,000 files, a tenth of them with Cyrillic names.
// The Windows paths spell every letter in the opposite case of the host name, so no component
// is found by its exact spelling. Measured side by side, each over all 10,000 paths per iteration:
//   BM_StatExactHostPaths   stat() of the exact host paths (the reference)
//   BM_HostPathMixedCase    HostPath() of the Windows paths, caches warm
//   BM_FileExistsMixedCase  FileExists() of the Windows paths, caches warm
//   BM_HostPathColdCache    HostPath() right after ResetPathCache() (listings read again)
// At the end the program prints each warm cost as a multiple of the stat() reference, from the
// fastest repetition of each, and exits with 1 when one is above the target of 3.
#include "bench/support/FastestReporter.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kEntriesPerFolder = 1000;
constexpr int kLeafFolders = 10;
constexpr double kTargetRatio = 3.0;

struct Tree {
    std::string root;
    std::vector<std::string> hostPaths; // exact host spelling (UTF-8)
    std::vector<std::string> winPaths;  // the same files in Windows spelling, case swapped (cp1251)
};

// Every letter in the other case, by cp1251 rules.
std::string SwapCase(const std::string& cp1251) {
    std::string out = cp1251;
    for (char& c : out) {
        const char upper = plat::UpperChar(c);
        c = upper != c ? upper : plat::LowerChar(c);
    }
    return out;
}

void Touch(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
    close(fd);
}

std::string Numbered(const char* pattern, int number) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

// A folder of `fillers` filler files (and whatever the caller adds).
void MakeFolder(const std::string& host, int fillers) {
    fs::create_directories(host);
    for (int i = 0; i < fillers; ++i)
        Touch(host + "/" + Numbered("Filler Entry %04d.dat", i));
}

Tree BuildTree() {
    Tree tree;
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    tree.root = pattern;
    const std::string prefix = tree.root + "/prefix";
    setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
    plat::ResetPathCache();
    plat::EnsurePrefix();

    const std::vector<std::string> levels = {"Outfit Catalogue", "Spring Season", "Dresses And Skirts",
                                             "Сшитые Модели"};
    std::string host = fs::canonical(prefix + "/drive_c").string();
    std::string win = "C:";
    for (size_t level = 0; level < levels.size(); ++level) {
        host += "/" + levels[level];
        win += "\\" + SwapCase(plat::Utf8ToCp1251(levels[level]));
        const bool last = level + 1 == levels.size();
        MakeFolder(host, kEntriesPerFolder - (last ? kLeafFolders : 1));
    }
    for (int leaf = 0; leaf < kLeafFolders; ++leaf) {
        const std::string leafName = Numbered("Size Group %02d", leaf);
        const std::string leafHost = host + "/" + leafName;
        fs::create_directories(leafHost);
        for (int i = 0; i < kEntriesPerFolder; ++i) {
            const std::string name =
                Numbered(i % 10 == 0 ? "Выкройка Номер %04d.mdl" : "Pattern Piece %04d.mdl", i);
            Touch(leafHost + "/" + name);
            tree.hostPaths.push_back(leafHost + "/" + name);
            tree.winPaths.push_back(win + "\\" + SwapCase(leafName) + "\\" +
                                    SwapCase(plat::Utf8ToCp1251(name)));
        }
    }
    return tree;
}

Tree* g_tree = nullptr; // built on first use, removed at exit

Tree& TheTree() {
    static Tree tree = BuildTree();
    g_tree = &tree;
    return tree;
}

// Resolves every path once, checking the answers, so the timed loops see warm caches.
void WarmUp(const Tree& tree) {
    for (size_t i = 0; i < tree.winPaths.size(); ++i) {
        if (plat::HostPath(tree.winPaths[i]) != tree.hostPaths[i]) {
            std::fprintf(stderr, "wrong answer for path %zu: %s\n", i,
                         plat::HostPath(tree.winPaths[i]).c_str());
            std::exit(2);
        }
    }
}

void BM_StatExactHostPaths(benchmark::State& state) {
    const Tree& tree = TheTree();
    struct stat st {};
    for (auto _ : state) {
        for (const std::string& path : tree.hostPaths) {
            int result = stat(path.c_str(), &st);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tree.hostPaths.size()));
}

void BM_HostPathMixedCase(benchmark::State& state) {
    const Tree& tree = TheTree();
    WarmUp(tree);
    for (auto _ : state) {
        for (const std::string& path : tree.winPaths) {
            std::string host = plat::HostPath(path);
            benchmark::DoNotOptimize(host.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tree.winPaths.size()));
}

void BM_FileExistsMixedCase(benchmark::State& state) {
    const Tree& tree = TheTree();
    WarmUp(tree);
    for (auto _ : state) {
        for (const std::string& path : tree.winPaths) {
            bool exists = plat::FileExists(path);
            benchmark::DoNotOptimize(exists);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tree.winPaths.size()));
}

void BM_HostPathColdCache(benchmark::State& state) {
    const Tree& tree = TheTree();
    for (auto _ : state) {
        state.PauseTiming();
        plat::ResetPathCache();
        plat::EnsurePrefix();
        state.ResumeTiming();
        for (const std::string& path : tree.winPaths) {
            std::string host = plat::HostPath(path);
            benchmark::DoNotOptimize(host.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tree.winPaths.size()));
}

constexpr int kRepetitions = 5;

BENCHMARK(BM_StatExactHostPaths)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_HostPathMixedCase)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_FileExistsMixedCase)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_StatExactHostPaths)
    ->Name("BM_StatExactHostPaths_again")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_HostPathColdCache)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The reference is the faster of the two stat() runs (before and after ours), so a busy
    // moment during one of them does not flatter our numbers.
    int status = 0;
    const auto& fastest = reporter.Fastest();
    bench_support::Timing reference;
    for (const char* name : {"BM_StatExactHostPaths", "BM_StatExactHostPaths_again"}) {
        if (const auto found = fastest.find(name); found != fastest.end()) {
            reference.real = std::min(reference.real, found->second.real);
            reference.cpu = std::min(reference.cpu, found->second.cpu);
        }
    }
    if (reference.real != std::numeric_limits<double>::infinity()) {
        std::printf("\nCost per path as a multiple of stat() of the exact host path, fastest repetitions\n"
                    "(target <= %.1f, judged on wall-clock time; CPU time beside it):\n",
                    kTargetRatio);
        for (const char* name : {"BM_HostPathMixedCase", "BM_FileExistsMixedCase", "BM_HostPathColdCache"}) {
            const auto found = fastest.find(name);
            if (found == fastest.end())
                continue;
            const double ratio = found->second.real / reference.real;
            const double cpuRatio = found->second.cpu / reference.cpu;
            const bool warm = std::string(name) != "BM_HostPathColdCache";
            const char* verdict = !warm                   ? "cold caches: informational"
                                  : ratio <= kTargetRatio ? "ok"
                                                          : "OVER TARGET";
            std::printf("  %-24s %6.2f x  (cpu %5.2f x)   %s\n", name, ratio, cpuRatio, verdict);
            if (warm && ratio > kTargetRatio)
                status = 1;
        }
    }
    std::error_code ignored;
    if (g_tree)
        fs::remove_all(g_tree->root, ignored);
    return status;
}
