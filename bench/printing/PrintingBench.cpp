// Printing the CD's longest model (pl02: three pages with its description) to the PDF printer from
// the pattern-print window, beside the same pages rendered by the rich-text and geometry layers
// alone (loading the description, printing it, printing the pieces) on the same printer. Budget:
// the window within 2 x the layers, and under 1 s.
#include "bench/support/FastestReporter.h"
#include "designer/geometry/Model.h"
#include "designer/geometry/ModelPrint.h"
#include "designer/printing/PatternPrint.h"
#include "designer/printing/SForm.h"
#include "designer/richtext/RtfScale.h"
#include "designer/shell/Settings.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// The build's CD image, or another one named by VELMORA_CD.
const std::string kCd = std::getenv("VELMORA_CD") ? std::getenv("VELMORA_CD") : VELMORA_CD_DIR;
const std::string kModel = "pl02";

class BenchDocuments : public plat::Platform {
public:
    std::string DocumentsFolder() const override { return folder; }
    std::string folder = std::filesystem::temp_directory_path().string() + "/velmora-bench-printing";
};

struct Setup : printing::IPatternSource {
    Setup() {
        plat::EnsureUiApplication();
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(kCd));
        Settings().HDPath = Settings().CDPath;
        Settings().PatternFontName = printing::kPrintFace;
        plat::RegisterFontFile(kCd + "/metip___.ttf", printing::kPrintFace);
        pdf.SetResolution(300);
        std::filesystem::create_directories(documents.folder);
        model = std::make_unique<geom::TModel>("models\\" + kModel, nullptr, 239, 212,
                                               geom::TTypeShow::tsUnVisible, nullptr, "");
    }
    const geom::TModel* Worn(printing::TLayer) const override { return nullptr; }
    bool PatternPanelVisible() const override { return true; }
    const geom::TModel* CurrentModel() const override { return model.get(); }

    // Each run writes the same file again, so the folder never fills up.
    void NextFile() { pdf.SetNextOutputFile(documents.folder + "/bench.pdf"); }

    BenchDocuments documents;
    plat::PlatformGuard platformGuard{documents};
    plat::PrinterList list;
    plat::PdfPrinter& pdf = list.Add<plat::PdfPrinter>();
    plat::PrinterProviderGuard providerGuard{list};
    std::unique_ptr<geom::TModel> model;
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void BM_WindowPrint(benchmark::State& state) {
    Setup& s = Shared();
    printing::TSForm form(&s);
    std::string error;
    // A message box would wait for a click nobody gives: the benchmark stops with its text instead.
    const plat::MessageBoxHandler previous =
        plat::SetMessageBoxHandler([&](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& text) {
            error = text;
            return plat::TModalResult::Ok;
        });
    for (auto _ : state) {
        s.NextFile();
        form.PrintClick();
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    plat::SetMessageBoxHandler(previous);
}
BENCHMARK(BM_WindowPrint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LayersAlone(benchmark::State& state) {
    Setup& s = Shared();
    plat::Printer& printer = plat::GlobalPrinter();
    for (auto _ : state) {
        s.NextFile();
        TRtfViewScale describe;
        LoadDescriptionFile(describe, s.model->ModelPath, printing::kPrintFace, printing::kDescribeMarginMm,
                            {});
        geom::PrintModel(
            *s.model, printer, [&](plat::Canvas&, int y) { return describe.PrintAt(printer, y); }, nullptr,
            1.0, 1.0, geom::TTestSquare::On);
    }
}
BENCHMARK(BM_LayersAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = reporter.Ratio("BM_WindowPrint", "BM_LayersAlone");
    const auto& fastest = reporter.Fastest();
    if (ratio && fastest.count("BM_WindowPrint")) {
        const double ms = fastest.at("BM_WindowPrint").real;
        std::printf("\nWindow print of %s: %.1f ms (limit 1000), %.2f x the layers alone (limit 2) %s\n",
                    kModel.c_str(), ms, *ratio, ms < 1000 && *ratio <= 2 ? "ok" : "OVER");
    }
    benchmark::Shutdown();
    return reporter.Failed() ? 1 : 0;
}
