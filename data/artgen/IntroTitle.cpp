// title.avi, the animated title of the intro (the doll slides in, "Velmora" drops in letter by
// letter, the Russian line and sparkles follow), and title.jpg, its last moment painted large for
// the intro's zoom to full screen.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/IntroTitleScene.h"
#include "data/artgen/IntroVideo.h"
#include "designer/layout/StripLayout.h"

namespace art {
namespace {

namespace in = layout::intro;

void MakeTitleVideo(const ArtContext& context) {
    QImage doll = intro::TitleDoll(1.0);
    auto paint = [&doll](int index, int count) {
        QImage frame = NewOpaque(in::kVideoWidth, in::kVideoHeight, Qt::black);
        QPainter p(&frame);
        intro::PaintTitleScene(p, index / double(count - 1), doll);
        return frame;
    };
    intro::EncodeAvi(paint, in::kVideoFrames, in::kVideoFps, context.scratchDir / "title",
                     context.resourceDir / "title.avi");
}

void MakeTitlePicture(const ArtContext& context) {
    double scale = in::kTitleWidth / double(in::kVideoWidth);
    QImage picture = NewOpaque(in::kTitleWidth, in::kTitleHeight, Qt::black);
    QPainter p(&picture);
    p.scale(scale, scale);
    intro::PaintTitleScene(p, 1.0, intro::TitleDoll(scale));
    p.end();
    SaveJpeg(picture, context.resourceDir / "title.jpg");
}

ArtRegistration video("title.avi", &MakeTitleVideo);
ArtRegistration picture("title.jpg", &MakeTitlePicture);

} // namespace
} // namespace art
