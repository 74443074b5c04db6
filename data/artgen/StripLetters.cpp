// Letters.bmp: the three flying messages, each a bright rounded card on transparent white:
// "Готово!" after saving or restoring an outfit (one card serves both), "Сначала одень куклу!"
// when patterns are printed with nothing worn, and "Сначала покажи куклу!" when the doll is
// printed while the pattern panel hides her.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

namespace l = layout::letters;

struct Message {
    const char* text; // UTF-8
    QColor card;
    int pixelSize;
};

QImage MessageCard(const Message& message) {
    QImage layer = NewLayer(l::kFrameWidth, l::kFrameHeight);
    QPainter p(&layer);
    Smooth(p);
    QPainterPath card;
    card.addRoundedRect(QRectF(3, 5, l::kFrameWidth - 6, l::kFrameHeight - 10), 24, 24);
    strip::FillOutlined(p, card, message.card, style::kInk, 2.5);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(9, 11, l::kFrameWidth - 18, l::kFrameHeight - 22), 18, 18);
    QPen stitch(QColor(255, 255, 255, 200), 1.5, Qt::DashLine);
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner);
    strip::FillOutlined(p, strip::Star(15, 15, 8, 3.5), style::kSun, style::kInk, 1.0);
    strip::FillOutlined(p, strip::Star(l::kFrameWidth - 15, l::kFrameHeight - 15, 8, 3.5),
                        style::kSun, style::kInk, 1.0);
    p.setFont(style::Lettering(message.pixelSize));
    p.setPen(style::kInk);
    p.drawText(QRectF(24, 10, l::kFrameWidth - 48, l::kFrameHeight - 20),
               Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(message.text));
    p.end();
    return Flatten(layer);
}

void MakeLetters(const ArtContext& context) {
    const Message messages[3] = {
        {"Готово!", QColor(150, 226, 180), 30},
        {"Сначала одень куклу!", QColor(255, 214, 110), 19},
        {"Сначала покажи куклу!", QColor(150, 204, 246), 19},
    };
    QImage picture = NewOpaque(l::kPictureWidth, l::kPictureHeight, Qt::white);
    QPainter p(&picture);
    for (int i = 0; i < 3; ++i)
        p.drawImage(l::kFrameX[size_t(i)], 0, MessageCard(messages[i]));
    p.end();
    SaveBmp24(picture, context.resourceDir / "Letters.bmp");
}

ArtRegistration registration("Letters.bmp", &MakeLetters);

} // namespace
} // namespace art
