// Loading and saving a registry file of about 1 MB against the plain file calls that move the
// same bytes: reading the whole file, and writing it with fsync. Two shapes of file: many small
// settings (what the designer and the installer keep) and a few large binary values. At the end
// the program prints the ratios registry / plain; the target is at most 2 for each.
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryStore.h"
#include "platform/text/Cp1251.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

using plat::RootKey;

enum class Shape { Settings, LargeValues };

// Sizes that make files of about 1 MB.
constexpr int kSettingsKeys = 3700;
constexpr int kLargeValues = 8;
constexpr int kLargeValueBytes = 40 * 1024;

std::string UserFile() {
    return plat::RegistryStore::HostFileOf(RootKey::CurrentUser);
}

// Fills HKEY_CURRENT_USER with about 1 MB of text in the given shape and saves it.
void MakeRegistry(Shape shape) {
    static std::optional<Shape> made;
    if (made == shape)
        return;
    plat::RegistryReset();
    std::filesystem::remove(UserFile());
    plat::TRegIniFile ini("Software\\Vertalis\\Velmora\\Bench");
    if (shape == Shape::Settings) {
        const std::string name = plat::Ru("Платье в горошек");
        const char material[12] = {2, -1, 0, 3, 5, 7, -1, -1, 1, 2, 3, 4};
        for (int i = 0; i < kSettingsKeys; ++i) {
            char section[32];
            std::snprintf(section, sizeof section, "States%d\\Model%05d", i % 8 + 1, i);
            ini.WriteString(section, "Name", name);
            ini.WriteString(section, "Path", "C:\\Program Files\\Vertalis\\Velmora\\models\\pl03.mdl");
            ini.WriteString(section, "Width", "6.5");
            ini.WriteInteger(section, "ModelView", i);
            ini.WriteBinaryData(section, "pl03", material, sizeof material);
            const std::string count(reinterpret_cast<const char*>(&i), 4); // DWORDs are little-endian here
            plat::RegistryStore::Instance().SetValue(
                RootKey::CurrentUser, std::string("Software\\Vertalis\\Velmora\\Bench\\") + section, "Count",
                plat::RegValue{4, count});
        }
    } else {
        std::string blob(kLargeValueBytes, '\0');
        for (size_t j = 0; j < blob.size(); ++j)
            blob[j] = static_cast<char>(j * 37);
        for (int i = 0; i < kLargeValues; ++i)
            ini.WriteBinaryData("Large" + std::to_string(i), "blob", blob.data(),
                                static_cast<int>(blob.size()));
    }
    plat::RegistryFlush();
    made = shape;
}

void Load(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    plat::RegistryFlush();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(UserFile()));
    for (auto _ : state) {
        state.PauseTiming(); // freeing the previous tree is not part of loading
        plat::RegistryReset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(plat::RegistryStore::Instance().FindKey(RootKey::CurrentUser, "Software"));
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void ReadPlain(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    const std::string path = UserFile();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::string data(static_cast<size_t>(bytes), '\0');
        size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// For reference only: the same file read line by line, as a plain text reader goes through it.
void ReadLines(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    const std::string path = UserFile();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        size_t lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The floor under any reader of the text: the plain read plus one memchr pass that finds every
// line. A parser has to do at least this much, so the load can never come closer to ReadPlain
// than this does.
void ReadAndFindLines(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    const std::string path = UserFile();
    const auto bytes = static_cast<size_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::string data(bytes, '\0');
        const ssize_t got = ::read(fd, data.data(), data.size());
        ::close(fd);
        size_t lines = 0;
        const char* p = data.data();
        const char* end = p + (got > 0 ? got : 0);
        while (const void* hit = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
            p = static_cast<const char*>(hit) + 1;
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

void Save(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    plat::RegistryReset(); // save back what was loaded from the file
    plat::TRegistry reg;
    reg.OpenKey("\\Software\\Vertalis\\Velmora\\Bench", true);
    int counter = 0;
    for (auto _ : state) {
        // One changed value makes the file dirty, as after any write.
        reg.WriteInteger("Counter", ++counter);
        plat::RegistryFlush();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(UserFile())));
}

// The text-making part of a save alone, without the file system.
void WriteText(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    std::ifstream in(UserFile(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const plat::RegistryTree tree = plat::ReadRegistryText(bytes, UserFile(), {RootKey::CurrentUser});
    for (auto _ : state) {
        const std::string text = plat::WriteRegistryText(tree, {RootKey::CurrentUser}, bytes.size() + 4096);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void WritePlain(benchmark::State& state, Shape shape) {
    MakeRegistry(shape);
    std::string data(std::filesystem::file_size(UserFile()), '\0');
    {
        std::FILE* in = std::fopen(UserFile().c_str(), "rb");
        data.resize(std::fread(data.data(), 1, data.size(), in));
        std::fclose(in);
    }
    const std::string path = UserFile() + ".plain";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        size_t put = 0;
        while (put < data.size()) {
            const ssize_t n = ::write(fd, data.data() + put, data.size() - put);
            if (n <= 0)
                break;
            put += static_cast<size_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
    std::filesystem::remove(path);
}

BENCHMARK_CAPTURE(Load, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadPlain, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAndFindLines, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteText, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WritePlain, settings, Shape::Settings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadPlain, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAndFindLines, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteText, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WritePlain, large_values, Shape::LargeValues)->Unit(benchmark::kMillisecond);

// Console output plus the ratios of each registry operation to its plain counterpart.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the benchmark, otherwise the single run.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.str()] = run.GetAdjustedRealTime();
    }
    void PrintRatios() const {
        std::printf("\nratio registry / plain file calls (target <= 2 against ReadPlain and WritePlain;\n"
                    "ReadLines, a line-by-line read, and ReadAndFindLines, the floor under any text\n"
                    "reader, are for reference):\n");
        for (const char* shape : {"settings", "large_values"}) {
            for (const auto& [ours, plain] : {std::pair{"Load", "ReadPlain"}, std::pair{"Save", "WritePlain"},
                                              std::pair{"Load", "ReadLines"},
                                              std::pair{"ReadAndFindLines", "ReadPlain"},
                                              std::pair{"Load", "ReadAndFindLines"}}) {
                const auto a = times_.find(std::string(ours) + "/" + shape);
                const auto b = times_.find(std::string(plain) + "/" + shape);
                if (a != times_.end() && b != times_.end() && b->second > 0)
                    std::printf("  %-16s / %-16s %-13s %7.2f\n", ours, plain, shape, a->second / b->second);
            }
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    // A scratch prefix on the same file system as the temporary folder, removed at the end.
    std::string folder = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data()))
        return 1;
    ::setenv("VERTALIS_PREFIX", folder.c_str(), 1);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
