// Time from starting `velmora --no-intro` to its main window's first frame (the program ends
// right after it with --startup-report), with the CD's data in a scratch prefix and no display
// (Qt's offscreen platform), next to starting /bin/true: the floor of any program start.
// Target: at most 1 s; resident memory after the start under 120 MB (printed by the program).
#include "bench/support/FastestReporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

const std::string kDesigner = std::string(VELMORA_CD_DIR) + "/velmora";

std::string Scratch() {
    static const std::string dir = [] {
        std::string path = (std::filesystem::temp_directory_path() / "velmora-bench-start-XXXXXX").string();
        if (!mkdtemp(path.data()))
            return std::string();
        std::filesystem::create_directories(path + "/runtime");
        std::filesystem::permissions(path + "/runtime", std::filesystem::perms::owner_all);
        return path;
    }();
    return dir;
}

std::string DesignerCommand() {
    const std::string s = Scratch();
    return "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen VERTALIS_PREFIX='" + s +
           "/prefix' XDG_DATA_HOME='" + s + "/data' XDG_RUNTIME_DIR='" + s + "/runtime' '" + kDesigner +
           "' --no-intro --startup-report";
}

void StartTrue(benchmark::State& state) {
    for (auto _ : state)
        if (std::system("/bin/true") != 0)
            state.SkipWithError("/bin/true failed");
}

void StartDesigner(benchmark::State& state) {
    if (!std::filesystem::exists(kDesigner)) {
        state.SkipWithError("no velmora in the CD image; build the cd_image target first");
        return;
    }
    const std::string command = DesignerCommand() + " >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("velmora did not start and end cleanly");
}

BENCHMARK(StartTrue)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(StartDesigner)->Repetitions(3)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& fastest = reporter.Fastest();
    if (auto it = fastest.find("StartDesigner"); it != fastest.end())
        std::printf("\nStart to the main window's first frame and exit: %.0f ms (limit 1000 ms) %s\n",
                    it->second.real, it->second.real <= 1000 ? "ok" : "OVER");
    if (const std::optional<double> ratio = reporter.Ratio("StartDesigner", "StartTrue"))
        std::printf("  %.0f x starting /bin/true\n", *ratio);
    // The program's own report of one more start: its time and its resident memory.
    if (FILE* report = popen(DesignerCommand().c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, report))
            std::printf("  %s", line);
        pclose(report);
    }
    std::filesystem::remove_all(Scratch());
    benchmark::Shutdown();
    return reporter.Failed() ? 1 : 0;
}
