// about.bmp: the picture above the scrolling credits of the about box, on the box's black: the
// doll waving from the left and the title word in its bright letters with the Russian line.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/DollPainter.h"
#include "data/artgen/IntroTitleScene.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>

namespace art {
namespace {

namespace in = layout::intro;

void MakeAboutPicture(const ArtContext& context) {
    QImage picture = NewOpaque(in::kAboutPictureWidth, in::kAboutPictureHeight, Qt::black);
    QPainter p(&picture);
    Smooth(p);
    // Head and shoulders of the doll, cut at the waist.
    QImage doll = doll::PaintDoll(doll::Side::Front, doll::Hair::Free, 1.0);
    p.drawImage(QRectF(4, 6, 120, 150), doll, QRectF(40, 4, 120, 150));
    intro::PaintTitleWord(p, 126, 40, 34, 1.0, 0.0, 0.0);
    p.setFont(style::Lettering(15));
    p.setPen(style::kMint);
    p.drawText(QRectF(124, 92, 192, 24), Qt::AlignCenter, QString::fromUtf8("Наряды для куклы"));
    for (int i = 0; i < 4; ++i)
        strip::FillOutlined(p, strip::Star(150 + i * 44, 132 + (i % 2) * 10, 5, 2.2), style::kSun,
                            style::kSun, 0.5);
    p.end();
    SaveBmp24(picture, context.resourceDir / "about.bmp");
}

ArtRegistration registration("about.bmp", &MakeAboutPicture);

} // namespace
} // namespace art
