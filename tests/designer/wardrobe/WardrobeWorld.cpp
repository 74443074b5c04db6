#include "tests/designer/wardrobe/WardrobeWorld.h"

#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/ui/Timer.h"
#include "tests/support/Scratch.h"

namespace wardrobe_test {

void UseCd(const std::string& cd) {
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd));
    Settings().HDPath =
        plat::IncludeTrailingBackslash(plat::WinPathOf(testing_support::MakeScratchDir("hd")));
    Settings().BigMemory = false;
}

plat::Bitmap LoadResource(const std::string& name) {
    plat::Bitmap b;
    LoadPicture(b, DataFile("Resource\\" + name));
    return b;
}

TWardrobeWorld::TWardrobeWorld(bool load) {
    UseCd();
    Fabrics.SetSheets(LoadResource("FillsS.bmp"), LoadResource("FillsM.bmp"));
    for (int i = 0; i < wardrobe::kClassCount; ++i) {
        Classes[size_t(i)] = std::make_unique<wardrobe::TClassModels>(i);
        All.cm[size_t(i)] = Classes[size_t(i)].get();
    }
    All.BrushSelect = &Fabrics;
    Doll = LoadResource("Doll.bmp");
    Main = LoadResource("Main.bmp");
    FsView = LoadResource("FsView.bmp");
    FsBrush = LoadResource("FsBrush.bmp");
    FsWindow = LoadResource("FsWindow.bmp");
    Zamor = LoadResource("Zamor.bmp");
    if (load)
        All.Load(239, 212, "States1", nullptr);
}

void Advance(TFakePlatform& platform, unsigned ms) {
    for (unsigned t = 0; t < ms; t += 10) {
        platform.Now += 10;
        plat::RunDueTimers();
    }
}

} // namespace wardrobe_test
