// Doll.bmp: the six 200 x 360 panels of the doll (front, front for a hat, back, back for a hat,
// and the two back overlays), white around the figure so the doll lays over the stage.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/DollPainter.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>

namespace art {
namespace {

QImage PanelLayer(layout::doll::Panel panel) {
    using layout::doll::Panel;
    using doll::Hair;
    switch (panel) {
    case Panel::Front: return doll::PaintDoll(doll::Side::Front, Hair::Free);
    case Panel::FrontHat: return doll::PaintDoll(doll::Side::Front, Hair::UnderHat);
    case Panel::Back: return doll::PaintDoll(doll::Side::Back, Hair::Free);
    case Panel::BackHat: return doll::PaintDoll(doll::Side::Back, Hair::UnderHat);
    case Panel::BackOverlay: return doll::PaintBackOverlay(Hair::Free);
    case Panel::BackOverlayHat: return doll::PaintBackOverlay(Hair::UnderHat);
    }
    return {};
}

void MakeDoll(const ArtContext& context) {
    namespace d = layout::doll;
    QImage picture = NewOpaque(d::kPictureWidth, d::kPictureHeight, Qt::white);
    QPainter painter(&picture);
    for (int i = 0; i < d::kPanelCount; ++i) {
        auto panel = static_cast<d::Panel>(i);
        painter.drawImage(d::PanelX(panel), 0, Flatten(PanelLayer(panel)));
    }
    painter.end();
    SaveBmp24(picture, context.resourceDir / "Doll.bmp");
}

ArtRegistration registration("Doll.bmp", &MakeDoll);

} // namespace
} // namespace art
