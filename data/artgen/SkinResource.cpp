// Makers of the main screen Main.bmp and the skin Resource.bmp. The two are painted together
// (the main window's button faces are cut from the screen), so each maker paints both and keeps
// its own; painting is deterministic, so both runs agree pixel for pixel.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/SkinMain.h"
#include "data/artgen/SkinWindows.h"
#include "designer/layout/SkinLayout.h"

namespace art::skin {
namespace {

// The whole skin; unused parts stay pure white. `screen` receives the main screen.
QImage PaintSkin(QImage& screen) {
    QImage sheet = NewOpaque(layout::skin::kSize.width, layout::skin::kSize.height, Qt::white);
    PaintSharedFrames(sheet);
    PaintSkinWindows(sheet);
    screen = PaintMainScreen(sheet);
    PaintLoosePictures(sheet);
    return sheet;
}

void MakeMain(const ArtContext& context) {
    QImage screen;
    PaintSkin(screen);
    SaveBmp24(screen, context.resourceDir / "Main.bmp");
}

void MakeResource(const ArtContext& context) {
    QImage screen;
    SaveBmp24(PaintSkin(screen), context.resourceDir / "Resource.bmp");
}

const ArtRegistration kMain("Main.bmp", &MakeMain);
const ArtRegistration kResource("Resource.bmp", &MakeResource);

} // namespace
} // namespace art::skin
