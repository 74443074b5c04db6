// FsWindow.bmp: the pattern panel's nine frames. A wooden board with a ribbon reading "Выкройки"
// holds the pattern area behind two little doors. Frames 0 .. 4 swing the doors open onto a
// rolled-up sheet of paper; frames 5 .. 8 unroll the paper down over exactly as many rows of the
// pattern area as the panel reveals of the pattern in that frame, so the pattern appears on paper.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

namespace w = layout::panel;

constexpr layout::Box kArea = w::kPatternArea;
constexpr int kDoorFrames = 4; // frames 1 .. 4 open the doors; frame 0 shows them shut
const QColor kFelt{214, 196, 236};
const QColor kPaper = style::kPaper;

QRectF AreaRect() {
    return QRectF(kArea.X, kArea.Y, kArea.Width, kArea.Height);
}

void Board(QPainter& p) {
    QPainterPath board;
    board.addRoundedRect(QRectF(2, 2, w::kWidth - 4, w::kHeight - 4), 12, 12);
    strip::FillOutlined(p, board, style::kWood, style::kWoodDark, 2.5);
    QPainterPath inner;
    inner.addRoundedRect(AreaRect().adjusted(-9, -9, 9, 9), 8, 8);
    strip::FillOutlined(p, inner, style::kWoodDark, style::kInk, 1.2);
    // The corners stay plain wood: the panel's close buttons sit there once it is open.
}

void Ribbon(QPainter& p) {
    QPainterPath ribbon;
    ribbon.moveTo(70, 14);
    ribbon.lineTo(247, 14);
    ribbon.lineTo(237, 29);
    ribbon.lineTo(247, 44);
    ribbon.lineTo(70, 44);
    ribbon.lineTo(80, 29);
    ribbon.closeSubpath();
    strip::FillOutlined(p, ribbon, style::kBerry, style::kInk, 1.5);
    p.setFont(style::Lettering(19));
    p.setPen(kPaper);
    p.drawText(QRectF(80, 14, 157, 30), Qt::AlignCenter, QString::fromUtf8("Выкройки"));
}

// The paper unrolled over the top `shown` rows of the pattern area, with its roll just below.
void Paper(QPainter& p, int shown) {
    if (shown > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPaper);
        p.drawRect(QRectF(kArea.X, kArea.Y, kArea.Width, shown));
    }
    double rollY = kArea.Y + shown;
    QPainterPath roll;
    roll.addRoundedRect(QRectF(kArea.X - 4, rollY, kArea.Width + 8, 9), 4.5, 4.5);
    QLinearGradient shade(0, rollY, 0, rollY + 9);
    shade.setColorAt(0, QColor(250, 244, 226));
    shade.setColorAt(1, QColor(214, 200, 170));
    p.setPen(QPen(style::kWoodDark, 1.0));
    p.setBrush(shade);
    p.drawPath(roll);
}

// Two doors hinged at the area's sides; `open` runs from 0 (shut) to 1 (folded away).
void Doors(QPainter& p, double open) {
    double half = kArea.Width / 2.0;
    double width = half * (1.0 - open);
    if (width < 1)
        return;
    for (int side = 0; side < 2; ++side) {
        double x = side == 0 ? kArea.X : kArea.Right() - width;
        QPainterPath door;
        door.addRect(QRectF(x, kArea.Y - 2, width, kArea.Height + 4));
        strip::FillOutlined(p, door, QColor(232, 176, 120), style::kWoodDark, 1.5);
        if (width > 40) {
            double cx = side == 0 ? x + width - 22 : x + 22;
            strip::FillOutlined(p, strip::Heart(cx, kArea.Y + kArea.Height / 2.0 - 12, 24 * width / half),
                                style::kBerry, style::kInk, 1.0);
        }
    }
}

QImage PanelFrame(int frame, const QImage& background) {
    QImage layer = NewLayer(w::kWidth, w::kHeight);
    QPainter p(&layer);
    Smooth(p);
    Board(p);
    Ribbon(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kFelt);
    p.drawRect(AreaRect());
    if (frame > 0)
        Paper(p, w::kReveal[size_t(frame)]);
    Doors(p, frame >= kDoorFrames ? 1.0 : frame / double(kDoorFrames));
    p.end();
    QImage picture = background.copy();
    StampHard(picture, layer, 0, 0);
    // The paper must stay exactly paper-coloured, edge to edge, under the pattern.
    int shown = w::kReveal[size_t(frame)];
    QPainter fill(&picture);
    if (shown > 0)
        fill.fillRect(QRect(kArea.X, kArea.Y, kArea.Width, shown), kPaper);
    fill.end();
    RemovePureWhite(picture);
    return picture;
}

void MakePanelStrip(const ArtContext& context) {
    const QImage background = strip::MainBackground(context, w::kControl);
    QImage strip = NewOpaque(w::kPictureWidth, w::kPictureHeight, style::kWall);
    QPainter p(&strip);
    for (int frame = 0; frame < w::kFrames; ++frame) {
        layout::Box box = w::FrameBox(frame);
        p.drawImage(box.X, box.Y, PanelFrame(frame, background));
    }
    p.end();
    SaveBmp24(strip, context.resourceDir / "FsWindow.bmp");
}

// Named to run after Main.bmp, whose pixels show round the board's corners.
ArtRegistration registration("strips/FsWindow.bmp", &MakePanelStrip);

} // namespace
} // namespace art
