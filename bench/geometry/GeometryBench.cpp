// Pattern sheets of an 8-piece model in the 239 x 212 area of the pattern panel: RenderSheet in
// tsFill (masks, border flood fills, materials through the mask) and tsContur, PieceAt over the
// sheet, and reading 30 model files from disk. Each is set against memcpy of the sheet's bytes;
// the program prints the ratios at the end. Budgets: tsFill under 2 ms, 30 models under 30 ms.
#include "designer/geometry/Model.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kAreaWidth = 239;
constexpr int kAreaHeight = 212;
constexpr int kPieces = 8;
constexpr int kModelFiles = 30;

// Eight closed pieces on a 240 x 210 sheet: four straight sides, a curved hem, a fold line,
// a grain arrow, a label and a fill seed each.
std::string EightPieceModel() {
    std::string text = "Dress(240,210)|Coat1\r\n";
    for (int i = 0; i < kPieces; ++i) {
        const int x0 = (i % 4) * 60, y0 = (i / 4) * 105;
        text += "Part" + std::to_string(i) + "(" + std::to_string(x0) + "," + std::to_string(y0) + ",56,100)\r\n{\r\n";
        text += "  LINE(0,0) (56,0)\r\n  LINE(56,0) (56,80)\r\n  ARC(56,80) (40,110) (10,95) (0,80)\r\n";
        text += "  LINESG(0,80) (0,0)\r\n  LINES(4,4) (52,4)\r\n  NIT(28,20) (28,70)\r\n";
        text += "  TEXT(5,60) *\r\n  Ellipse(20,30) (36,40)\r\n  POINTFILL(28,50)\r\n}\r\n";
    }
    return text;
}

// Stands in for the fabric catalogue: tiles a 16 x 16 pattern over the piece.
class TileMaterials : public geom::TMaterialSource {
  public:
    void MaterialImage(plat::Bitmap& target, int material) const override {
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                target.SetPixel(x, y, ((x / 4 + y / 4 + material) & 1) ? 0x3366CC : 0xEEDD88);
    }
};

const TileMaterials kMaterials;

std::unique_ptr<geom::TModel> MakeModel(geom::TTypeShow mode) {
    geom::TModelFile file("dress.mdl", EightPieceModel());
    auto model = std::make_unique<geom::TModel>(file, "models\\dress", &kMaterials, kAreaWidth, kAreaHeight, mode);
    for (int i = 0; i < kPieces; ++i)
        model->Pieces[size_t(i)]->Material = i;
    return model;
}

std::map<std::string, double> g_nsPerIteration;


void BM_RenderSheet(benchmark::State& state, geom::TTypeShow mode) {
    auto model = MakeModel(mode);
    for (auto _ : state) {
        model->RenderSheet();
        benchmark::DoNotOptimize(model->Sheet.Bits());
    }
}

void BM_PieceAt(benchmark::State& state) {
    auto model = MakeModel(geom::TTypeShow::tsFill);
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model->PieceAt(x, y));
        x = (x + 7) % model->SheetWidth;
        y = (y + 3) % model->SheetHeight;
    }
}

void BM_MemcpySheet(benchmark::State& state) {
    auto model = MakeModel(geom::TTypeShow::tsFill);
    const size_t bytes = size_t(model->Sheet.Width()) * model->Sheet.Height() * 4;
    std::vector<char> copy(bytes);
    for (auto _ : state) {
        std::memcpy(copy.data(), model->Sheet.Bits(), bytes);
        benchmark::ClobberMemory();
    }
}

// The 30 files live in a host folder reached through drive Z:, as any host path is.
std::vector<std::string> WriteModelFiles() {
    const auto dir = std::filesystem::temp_directory_path() / "velmora_bench_models";
    std::filesystem::create_directories(dir);
    std::vector<std::string> names;
    const std::string text = EightPieceModel();
    for (int i = 0; i < kModelFiles; ++i) {
        const auto path = dir / ("m" + std::to_string(i) + ".mdl");
        std::ofstream(path, std::ios::binary) << text;
        std::string win = "Z:" + path.string();
        for (char& c : win)
            if (c == '/')
                c = '\\';
        names.push_back(win);
    }
    return names;
}

void BM_Read30Models(benchmark::State& state) {
    const auto names = WriteModelFiles();
    for (auto _ : state)
        for (const auto& name : names) {
            geom::TModelFile file(name);
            geom::TModel model(file, "models\\m", &kMaterials, kAreaWidth, kAreaHeight, geom::TTypeShow::tsUnVisible);
            benchmark::DoNotOptimize(model.Pieces.data());
        }
}

BENCHMARK_CAPTURE(BM_RenderSheet, tsFill, geom::TTypeShow::tsFill)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderSheet, tsContur, geom::TTypeShow::tsContur)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PieceAt);
BENCHMARK(BM_MemcpySheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Read30Models)->Unit(benchmark::kMicrosecond);

// Collects each benchmark's real time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                g_nsPerIteration[run.benchmark_name()] = run.GetAdjustedRealTime() *
                                                         (run.time_unit == benchmark::kMicrosecond ? 1e3 : 1.0);
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double copy = g_nsPerIteration["BM_MemcpySheet"];
    if (copy <= 0)
        return 0;
    for (const auto& [name, ns] : g_nsPerIteration)
        if (name != "BM_MemcpySheet")
            std::printf("%-28s %12.0f ns  = %10.4f x memcpy of the sheet\n", name.c_str(), ns, ns / copy);
    return 0;
}
