// print-windows: the help, pattern-print and doll-print windows hosted alone on a CD image, with a
// few of its models worn by a stand-in doll, for looking at them and trying them by hand; a
// developer tool, built and not installed.
//   print-windows CD_FOLDER help [TOPIC] | patterns [MODEL...] | doll [MODEL...]
#include "designer/geometry/Model.h"
#include "designer/printing/PCForm.h"
#include "designer/printing/SForm.h"
#include "designer/shell/HelpForm.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/ui/Application.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// Worn models by the layer their file name's first two letters give.
class StandIn : public printing::IPatternSource, public printing::IDollSource {
public:
    std::vector<std::unique_ptr<geom::TModel>> Models;
    std::array<const geom::TModel*, printing::kLayerCount> Layers{};

    void Wear(const std::string& name) {
        static constexpr const char* kCodes[] = {"wn", "pl", "br", "bl", "hl", "yu", "sh", "tf"};
        Models.push_back(std::make_unique<geom::TModel>("models\\" + name, nullptr, 239, 212,
                                                        geom::TTypeShow::tsUnVisible, nullptr, ""));
        for (int i = 0; i < printing::kLayerCount; ++i) {
            if (name.rfind(kCodes[i], 0) == 0)
                Layers[i] = Models.back().get();
        }
    }
    const geom::TModel* Worn(printing::TLayer layer) const override { return Layers[int(layer)]; }
    bool PatternPanelVisible() const override { return false; }
    const geom::TModel* CurrentModel() const override { return nullptr; }
    int DollWidth() const override { return 200; }
    int DollHeight() const override { return 360; }
    // The bare doll's first frames of the doll sheet stand in for the dressed views.
    plat::Bitmap DollView(bool back) const override {
        plat::Bitmap sheet;
        LoadPicture(sheet, DataFile("Resource\\Doll.bmp"));
        plat::Bitmap view(DollWidth(), DollHeight());
        const int left = back ? DollWidth() : 0;
        for (int y = 0; y < DollHeight(); ++y) {
            for (int x = 0; x < DollWidth(); ++x)
                view.SetPixel(x, y, sheet.GetPixel(left + x, y));
        }
        return view;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: print-windows CD_FOLDER help [TOPIC] | patterns [MODEL...] | doll [MODEL...]\n";
        return 2;
    }
    plat::EnsureUiApplication();
    const std::filesystem::path cd = std::filesystem::absolute(argv[1]);
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd.string()));
    Settings().HDPath = Settings().CDPath;
    Settings().ScreenFontName = kScreenFace;
    Settings().PatternFontName = kHelpPrintFace;
    plat::RegisterFontFile((cd / "comtech.fon").string(), kScreenFace);
    plat::RegisterFontFile((cd / "metip___.ttf").string(), kHelpPrintFace);
    plat::Bitmap skin;
    LoadPicture(skin, DataFile("Resource\\Resource.bmp"));

    const std::string what = argv[2];
    if (what == "help") {
        THelpForm help;
        help.SetSkin(&skin);
        help.Execute(argc > 3 ? argv[3] : "main");
        return 0;
    }
    StandIn doll;
    for (int i = 3; i < argc; ++i)
        doll.Wear(argv[i]);
    THelpForm help;
    help.SetSkin(&skin);
    if (what == "patterns") {
        printing::TSForm form(&doll);
        form.SetSkin(&skin);
        form.OpenHelp = [&](const std::string& key) { OpenHelp(form, help, key); };
        form.Execute();
        return 0;
    }
    printing::TPCForm form(&doll);
    form.SetSkin(&skin);
    form.OpenHelp = [&](const std::string& key) { OpenHelp(form, help, key); };
    form.Execute();
    return 0;
}
