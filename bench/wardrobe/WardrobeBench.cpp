// Speed of the wardrobe's animation frames and compositions on the CD's real pictures and models,
// each next to memcpy of the pixels it produces, in one run so that the ratios hold anywhere.
// Budgets (per tick of their timer): a drum frame 2 ms of 20, a rack frame 2 ms of 80, a dissolve
// step 5 ms of 50 (garment images cached), a pattern-panel frame 5 ms of 200; composing one
// dressed side of the doll 20 ms; composing 24 rack pictures at start, files read, 150 ms.
// Run with QT_QPA_PLATFORM=offscreen; the exit status says whether every budget held.
#include "bench/support/FastestReporter.h"
#include "bench/support/MemcpyReference.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/BrushSelect.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "designer/wardrobe/ModelShow.h"
#include "designer/wardrobe/ModelView.h"
#include "designer/wardrobe/Models.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace wardrobe;

namespace {

plat::Bitmap Resource(const std::string& name) {
    plat::Bitmap b;
    LoadPicture(b, DataFile("Resource\\" + name));
    return b;
}

// The wardrobe as the main window sets it up, made once.
struct TWorld {
    TMaterialCatalogue Fabrics;
    std::array<std::unique_ptr<TClassModels>, kClassCount> Classes;
    TAllModels All;
    plat::Bitmap Doll = Resource("Doll.bmp"), Main = Resource("Main.bmp"), FsView = Resource("FsView.bmp"),
                 FsBrush = Resource("FsBrush.bmp"), FsWindow = Resource("FsWindow.bmp");
    plat::TForm Form;
    TBrushSelect* Drum;
    TModelView* Rack;
    TModels* Dolly;
    TModelShow* Panel;

    TWorld() {
        Fabrics.SetSheets(Resource("FillsS.bmp"), Resource("FillsM.bmp"));
        Drum = &Form.Make<TBrushSelect>();
        Drum->Catalogue = &Fabrics;
        Drum->FaseImage = FsBrush;
        for (int i = 0; i < kClassCount; ++i) {
            Classes[size_t(i)] = std::make_unique<TClassModels>(i);
            All.cm[size_t(i)] = Classes[size_t(i)].get();
        }
        All.BrushSelect = Drum;
        All.Load(239, 212, "States1", nullptr);
        int material = 0;
        for (auto& k : Classes)
            for (auto& m : k->Models)
                for (auto& p : m->Pieces)
                    p->SetMaterial(material++ % Fabrics.Total());
        Rack = &Form.Make<TModelView>();
        Rack->SetBounds(504, 112, 136, 165);
        Rack->ClassModels = Classes[1].get();
        Rack->AllModes = &All;
        Rack->DownImage = &FsView;
        Rack->SetUp(nullptr, "");
        Dolly = &Form.Make<TModels>();
        Dolly->AllModels = &All;
        Dolly->StandardDollImage = Doll;
        Dolly->OrgImage = &Main;
        Dolly->SetUp();
        for (int i : {1, 6, 7}) // a dress, a hat and shoes
            Dolly->Dress(*Classes[size_t(i)]);
        Panel = &Form.Make<TModelShow>();
        Panel->OrgImage = &FsWindow;
        Panel->AllModes = &All;
    }
};

TWorld& World() {
    static TWorld world;
    return world;
}

void MemcpyDrum(benchmark::State& state) {
    bench_support::Memcpy(state, 99 * 103 * 4);
}
void MemcpyRack(benchmark::State& state) {
    bench_support::Memcpy(state, 136 * 165 * 4);
}
void MemcpyDoll(benchmark::State& state) {
    bench_support::Memcpy(state, 200 * 360 * 4);
}
void MemcpyPanel(benchmark::State& state) {
    bench_support::Memcpy(state, 317 * 306 * 4);
}
void MemcpyRackPictures(benchmark::State& state) {
    bench_support::Memcpy(state, 24 * 74 * 170 * 4);
}

void DrumFrame(benchmark::State& state) {
    TBrushSelect& drum = *World().Drum;
    drum.IsOpen = true;
    drum.Phase = 3;
    drum.Opening = false;
    plat::Bitmap frame;
    for (auto _ : state) {
        drum.Render(frame);
        benchmark::DoNotOptimize(frame.Bits());
    }
}

void RackFrame(benchmark::State& state) {
    TModelView& rack = *World().Rack;
    rack.Phase = 4;
    plat::Bitmap frame;
    rack.Render(frame); // the rack images are made once, as at start
    for (auto _ : state) {
        rack.Render(frame);
        benchmark::DoNotOptimize(frame.Bits());
    }
}

void DissolveStep(benchmark::State& state) {
    TModels& doll = *World().Dolly;
    plat::Bitmap frame;
    doll.RenderDoll(frame, true, true);
    int level = 1;
    for (auto _ : state) {
        doll.FadeLevel = level;
        level = level % 16 + 1;
        doll.RenderDoll(frame, true, true);
        benchmark::DoNotOptimize(frame.Bits());
    }
    doll.FadeLevel = 0;
}

void PanelFrame(benchmark::State& state) {
    TModelShow& panel = *World().Panel;
    panel.Frame = 6;
    plat::Bitmap frame;
    panel.Render(frame); // the sheet is drawn once when the model becomes current
    for (auto _ : state) {
        panel.Render(frame);
        benchmark::DoNotOptimize(frame.Bits());
    }
}

// The doll's front made anew: every worn garment composed from its card (held in memory) and the
// layers laid over the doll.
void ComposeDressedSide(benchmark::State& state) {
    TModels& doll = *World().Dolly;
    Settings().BigMemory = true;
    plat::Bitmap frame;
    for (auto _ : state) {
        for (TModelsItem& item : doll.Items)
            if (geom::TModel* m = item.Model())
                DropSideImages(*m);
        doll.TurnAround();
        doll.TurnAround();
        doll.RenderDoll(frame, true, false);
        benchmark::DoNotOptimize(frame.Bits());
    }
    Settings().BigMemory = false;
}

// Start-up: 24 models' rack images, their picture files read from the CD.
void ComposeRackPictures(benchmark::State& state) {
    std::vector<geom::TModel*> models;
    for (auto& k : World().Classes)
        for (auto& m : k->Models)
            if (models.size() < 24)
                models.push_back(m.get());
    for (auto _ : state) {
        for (geom::TModel* m : models) {
            m->Pictures.Release();
            benchmark::DoNotOptimize(RackImage(*m).Bits());
        }
    }
}

BENCHMARK(MemcpyDrum)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrumFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyRack)->Unit(benchmark::kMicrosecond);
BENCHMARK(RackFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyDoll)->Unit(benchmark::kMicrosecond);
BENCHMARK(DissolveStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeDressedSide)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(PanelFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyRackPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeRackPictures)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    const char* cd = std::getenv("VELMORA_CD");
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd && *cd ? cd : VELMORA_CD_DIR));
    Settings().HDPath = Settings().CDPath;
    benchmark::Initialize(&argc, argv);
    bench_support::FastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    struct TBudget {
        const char* Name;
        const char* Reference;
        double Ms;
    };
    const TBudget budgets[] = {
        {"DrumFrame", "MemcpyDrum", 2},           {"RackFrame", "MemcpyRack", 2},
        {"DissolveStep", "MemcpyDoll", 5},        {"PanelFrame", "MemcpyPanel", 5},
        {"ComposeDressedSide", "MemcpyDoll", 20}, {"ComposeRackPictures", "MemcpyRackPictures", 150},
    };
    bool ok = true;
    for (const TBudget& b : budgets) {
        const auto it = reporter.Fastest().find(b.Name);
        if (it == reporter.Fastest().end())
            continue;
        const double ms = it->second.real / 1e3; // every benchmark reports in microseconds
        const auto ratio = reporter.Ratio(b.Name, b.Reference);
        std::printf("%-20s %9.3f ms (budget %3.0f ms) %8.1f x memcpy\n", b.Name, ms, b.Ms, ratio.value_or(0));
        ok = ok && ms <= b.Ms;
    }
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
