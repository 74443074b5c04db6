// Frame cutting for the skin (see SkinFrames.h).
#include "data/artgen/SkinFrames.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/SkinDraw.h"

namespace art::skin {

QRect ToQRect(const layout::Rect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

QImage Cut(const QImage& picture, const layout::Rect& rect) {
    return picture.copy(ToQRect(rect)).convertToFormat(QImage::Format_RGB32);
}

void Put(QImage& target, const QImage& picture, layout::Point at) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at.x, at.y, picture);
}

QImage PaintFrames(QImage& sheet, const layout::SkinButton& button, const QImage& backdrop,
                   const FacePainter& face) {
    QImage first;
    for (int frame = 1; frame <= button.frameCount; ++frame) {
        QImage image = backdrop.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&image);
            Smooth(painter);
            face(painter, QRectF(0, 0, image.width(), image.height()), frame);
        }
        RemovePureWhite(image); // an opaque button never lets its parent through by accident
        Put(sheet, image, button.Frame(frame).Origin());
        if (frame == 1)
            first = image;
    }
    return first;
}

void PaintButton(QImage& window, QImage& sheet, const layout::SkinButton& button, const FacePainter& face) {
    const QImage first = PaintFrames(sheet, button, Cut(window, button.place), face);
    Put(window, first, button.place.Origin());
}

void PutRestFrame(QImage& window, const QImage& sheet, const layout::SkinButton& button) {
    Put(window, Cut(sheet, button.Frame(1)), button.place.Origin());
}

} // namespace art::skin
