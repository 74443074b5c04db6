// The room: a pink wall with polka dots, the pattern board behind the doll, a round rug on the
// stage, a wooden desk along the bottom with the print and save buttons, the hat alcove, the
// class signboard and the title ribbon on the right, a shelf and a fabric basket on the left.
#include "data/artgen/SkinMain.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/SkinDraw.h"
#include "data/artgen/SkinFrames.h"
#include "designer/layout/SkinLayout.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace art::skin {
namespace {

namespace scr = layout::screen;
using style::kInk;

constexpr int kFloorTop = 318;
constexpr int kDeskTop = 398;

QRectF ToQ(const layout::Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }

void PaintWall(QPainter& p) {
    QLinearGradient wall(0, 0, 0, kFloorTop);
    wall.setColorAt(0, style::kWall.lighter(104));
    wall.setColorAt(1, style::kWall);
    p.fillRect(QRectF(0, 0, 640, kFloorTop), wall);
    Dots(p, QRectF(0, 0, 640, kFloorTop), style::kWallShade, 26, 3.2);
    // skirting board
    p.fillRect(QRectF(0, kFloorTop - 8, 640, 8), style::kWood.lighter(115));
    p.fillRect(QRectF(0, kFloorTop - 1, 640, 1), style::kWoodDark);
}

void PaintFloor(QPainter& p) {
    QLinearGradient floor(0, kFloorTop, 0, kDeskTop);
    floor.setColorAt(0, QColor(236, 196, 150));
    floor.setColorAt(1, QColor(246, 214, 170));
    p.fillRect(QRectF(0, kFloorTop, 640, kDeskTop - kFloorTop), floor);
    p.setPen(QPen(QColor(214, 170, 122), 1));
    for (int y = kFloorTop + 14; y < kDeskTop; y += 16)
        p.drawLine(QPointF(0, y), QPointF(640, y));
    for (int y = kFloorTop, row = 0; y < kDeskTop; y += 16, ++row)
        for (int x = (row % 2) * 60 + 20; x < 640; x += 120)
            p.drawLine(QPointF(x, y), QPointF(x, y + 14));
}

// The board behind the doll: where the patterns open. Pattern pieces sketched on paper under a
// banner, so the child guesses what a click on it does.
void PaintBoard(QPainter& p) {
    // Narrower than the spot on its right, so the surprises that pop up beside the doll (at
    // x 440 and on) always appear against the wall, not half over the board.
    const QRectF spot = ToQ(scr::kShowModel);
    const QRectF board(spot.left() + 2, spot.top() + 10, 438 - spot.left() - 2, spot.height() - 12);
    p.setPen(QPen(kInk, 2));
    p.setBrush(style::kWood);
    p.drawPath(RoundRect(board, 16));
    const QRectF paper = board.adjusted(12, 12, -12, -12);
    p.setBrush(QColor(250, 246, 232));
    p.setPen(QPen(style::kWoodDark, 1.5));
    p.drawPath(RoundRect(paper, 8));
    // a faint grid like tailor's paper
    p.save();
    p.setClipPath(RoundRect(paper, 8));
    p.setPen(QPen(QColor(206, 226, 244), 1));
    for (qreal x = paper.left() + 10; x < paper.right(); x += 14)
        p.drawLine(QPointF(x, paper.top()), QPointF(x, paper.bottom()));
    for (qreal y = paper.top() + 10; y < paper.bottom(); y += 14)
        p.drawLine(QPointF(paper.left(), y), QPointF(paper.right(), y));
    // pattern pieces in dashed outline
    QPen dashed(style::kSky.darker(120), 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    QPolygonF bodice;
    bodice << QPointF(176, 80) << QPointF(226, 80) << QPointF(236, 128) << QPointF(230, 190)
           << QPointF(172, 190) << QPointF(166, 128);
    p.drawPolygon(bodice);
    QPolygonF skirt;
    skirt << QPointF(174, 210) << QPointF(228, 210) << QPointF(240, 292) << QPointF(162, 292);
    p.setPen(QPen(style::kBerry, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(skirt);
    p.restore();
    // pins at the corners of the paper
    for (const QPointF& pin : {paper.topLeft() + QPointF(8, 8), paper.topRight() + QPointF(-8, 8),
                               paper.bottomLeft() + QPointF(8, -8), paper.bottomRight() + QPointF(-8, -8)}) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(style::kBerry);
        p.drawEllipse(pin, 4, 4);
    }
    Scissors(p, QRectF(175, 250, 44, 28));
    // the banner over the board
    const QRectF banner(board.center().x() - 108, 12, 216, 28);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(style::kBerry.darker(115));
    p.drawPolygon(QPolygonF({banner.bottomLeft() + QPointF(4, -6), banner.bottomLeft() + QPointF(-14, 4),
                             banner.bottomLeft() + QPointF(-6, -10), banner.topLeft() + QPointF(-14, 6),
                             banner.topLeft() + QPointF(6, 4)}));
    p.drawPolygon(QPolygonF({banner.bottomRight() + QPointF(-4, -6), banner.bottomRight() + QPointF(14, 4),
                             banner.bottomRight() + QPointF(6, -10), banner.topRight() + QPointF(14, 6),
                             banner.topRight() + QPointF(-6, 4)}));
    p.setBrush(style::kBerry);
    p.drawPath(RoundRect(banner, 6));
    Letters(p, banner, Text("Выкройки"), 18, kGold, kInk, Qt::AlignCenter, 3);
}

void PaintRug(QPainter& p) {
    const QPointF centre(345, 388);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(style::kBerry);
    p.drawEllipse(centre, 118, 22);
    p.setBrush(QColor(255, 170, 200));
    p.drawEllipse(centre, 104, 16);
    p.setPen(QPen(QColor(255, 235, 245), 2, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 111, 19);
}

void PaintDesk(QPainter& p) {
    QLinearGradient desk(0, kDeskTop, 0, 480);
    desk.setColorAt(0, style::kWood.lighter(125));
    desk.setColorAt(0.1, style::kWood.lighter(110));
    desk.setColorAt(1, style::kWood.darker(108));
    p.fillRect(QRectF(0, kDeskTop, 640, 480 - kDeskTop), desk);
    p.fillRect(QRectF(0, kDeskTop, 640, 2), style::kWoodDark);
    // wood grain
    p.setPen(QPen(QColor(196, 134, 84), 1));
    for (int i = 0; i < 9; ++i) {
        const qreal y = kDeskTop + 12 + i * 8;
        QPainterPath grain;
        grain.moveTo(0, y);
        for (int x = 0; x <= 640; x += 80)
            grain.quadTo(x + 40, y + ((i + x / 80) % 2 ? 3 : -3), x + 80, y);
        p.drawPath(grain);
    }
}

// The left wall: a round window with a sky, the shelf under the first surprise, the little table
// under the fabric drum and a basket of fabric rolls.
void PaintLeftCorner(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(style::kWood);
    p.drawEllipse(QPointF(60, 50), 42, 38);
    QRadialGradient sky(QPointF(60, 40), 40);
    sky.setColorAt(0, style::kSky.lighter(150));
    sky.setColorAt(1, style::kSky.lighter(115));
    p.setBrush(sky);
    p.drawEllipse(QPointF(60, 50), 34, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 240));
    p.drawEllipse(QPointF(48, 52), 12, 7);
    p.drawEllipse(QPointF(62, 49), 10, 8);
    p.drawEllipse(QPointF(74, 53), 9, 6);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(78, 34), 6, 6);
    p.setPen(QPen(style::kWood, 3));
    p.drawLine(QPointF(60, 20), QPointF(60, 80));
    p.drawLine(QPointF(26, 50), QPointF(94, 50));
    // shelf for the first surprise
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(style::kWood.lighter(110));
    p.drawRect(QRectF(-2, 191, 112, 8));
    p.setBrush(style::kWoodDark);
    p.drawPolygon(QPolygonF({QPointF(20, 199), QPointF(34, 199), QPointF(20, 214)}));
    p.drawPolygon(QPolygonF({QPointF(86, 199), QPointF(100, 199), QPointF(100, 214)}));
    // little round table under the drum
    p.setBrush(style::kSun.lighter(120));
    p.drawPath(RoundRect(QRectF(-6, 358, 112, 12), 5));
    p.setBrush(style::kWoodDark);
    p.drawRect(QRectF(44, 370, 10, 28));
    // a basket of fabric rolls in the corner of the desk
    const QRectF basket(6, 408, 90, 60);
    for (int i = 0; i < 4; ++i) {
        const QColor roll[] = {style::kSky, style::kMint, style::kLilac, kCoral};
        p.setBrush(roll[i]);
        p.drawPath(RoundRect(QRectF(14 + i * 18, 392 + (i % 2) * 6, 16, 40), 6));
    }
    p.setBrush(style::kSun.darker(108));
    p.drawPath(RoundRect(basket, 10));
    p.setPen(QPen(style::kWoodDark, 1.5));
    for (int x = 18; x < 96; x += 12)
        p.drawLine(QPointF(x, 412), QPointF(x, 464));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundRect(basket, 10));
}

// The right side: the hat alcove with its shelf, a rail behind the racks, the shoe cubby, a
// flower pot and the product's name in the corner of the desk.
void PaintRightSide(QPainter& p) {
    const QRectF hats = ToQ(scr::kHatView);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(style::kWallShade);
    QPainterPath alcove;
    alcove.moveTo(hats.left() + 4, hats.bottom() - 2);
    alcove.lineTo(hats.left() + 4, hats.top() + 40);
    alcove.arcTo(QRectF(hats.left() + 4, hats.top() + 2, hats.width() - 8, 76), 180, -180);
    alcove.lineTo(hats.right() - 4, hats.bottom() - 2);
    alcove.closeSubpath();
    p.drawPath(alcove);
    p.setBrush(style::kWood);
    p.drawRect(QRectF(hats.left() - 2, hats.bottom() - 8, hats.width() + 4, 7));
    // rail behind the racks
    const QRectF rack = ToQ(scr::kSkirtRack);
    p.setBrush(style::kMetal);
    p.drawRect(QRectF(rack.left(), rack.top() + 6, rack.width() + 4, 5));
    // shoe cubby
    const QRectF shoes = ToQ(scr::kShoeView);
    p.setBrush(style::kWallShade.darker(104));
    p.drawPath(RoundRect(shoes.adjusted(1, 2, 4, 0), 6));
    p.setBrush(style::kWood);
    p.drawRect(QRectF(shoes.left() - 1, shoes.bottom() - 6, shoes.width() + 4, 6));
    // a flower pot beside the desk end and the name
    p.setBrush(kCoral);
    p.drawPolygon(QPolygonF({QPointF(604, 436), QPointF(632, 436), QPointF(628, 466), QPointF(608, 466)}));
    p.setPen(QPen(kLeaf.darker(120), 2));
    p.drawLine(QPointF(618, 436), QPointF(618, 414));
    p.drawLine(QPointF(618, 426), QPointF(628, 418));
    Flower(p, QPointF(618, 410), 11, style::kLilac);
    Flower(p, QPointF(630, 420), 7, style::kSun);
    Letters(p, QRectF(508, 440, 96, 30), QStringLiteral("Velmora"), 18, style::kBerry, kInk,
            Qt::AlignCenter, 3);
    Heart(p, QRectF(546, 418, 18, 16), style::kBerry.lighter(120));
}

// The title ribbon, passive (pale) or active (bright, with a gold rim).
void PaintRibbon(QPainter& p, const QRectF& bar, bool active) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(active ? QColor(255, 222, 120) : kRibbon);
    QPainterPath ribbon;
    ribbon.moveTo(bar.left() + 10, bar.top() - 1);
    ribbon.lineTo(bar.right() + 2, bar.top() - 1);
    ribbon.lineTo(bar.right() + 2, bar.bottom() - 1);
    ribbon.lineTo(bar.left() + 10, bar.bottom() - 1);
    ribbon.lineTo(bar.left() + 1, bar.center().y());
    ribbon.closeSubpath();
    p.drawPath(ribbon);
    if (active) {
        p.setPen(QPen(kGold.darker(110), 1.5));
        p.drawLine(QPointF(bar.left() + 12, bar.bottom() - 2.5), QPointF(bar.right(), bar.bottom() - 2.5));
    }
}

// A small round title-bar button.
void TitleButton(QPainter& p, const QRectF& box, QColor colour, Look look) {
    const QRectF face = Content(box, look).adjusted(2, 1, -2, -2);
    const qreal d = std::min(face.width(), face.height());
    const QRectF disc(face.center().x() - d / 2, face.center().y() - d / 2, d, d);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(look == Look::Pressed ? colour.darker(120) : colour);
    p.drawEllipse(disc);
}

Look LookOf(int frame) { return frame == 2 ? Look::Pressed : Look::Normal; }

void PaintTitleBar(QImage& screen, QImage& sheet) {
    const layout::SkinCaptionBar& bar = scr::kTitleBar;
    const QImage under = Cut(screen, bar.place);
    const QRectF local(0, 0, bar.place.width, bar.place.height);
    QImage active = under;
    {
        QPainter p(&active);
        Smooth(p);
        PaintRibbon(p, local, true);
    }
    {
        QPainter p(&screen);
        Smooth(p);
        PaintRibbon(p, ToQ(bar.place), false);
    }
    RemovePureWhite(active);
    Put(sheet, active, bar.active);
    Put(sheet, Cut(screen, bar.place), bar.passive);

    // The buttons live on the active ribbon: they show only while the mouse is over the bar.
    auto onActive = [&](const layout::SkinButton& button) {
        const layout::Rect inBar{button.place.x - bar.place.x, button.place.y - bar.place.y,
                                 button.place.width, button.place.height};
        return Cut(active, inBar);
    };
    PaintFrames(sheet, scr::kSound, onActive(scr::kSound), [](QPainter& p, const QRectF& box, int frame) {
        using scr::SoundFrame;
        const auto state = SoundFrame(frame);
        const bool pressed = state == SoundFrame::OffPressed || state == SoundFrame::OnPressed;
        const bool on = state == SoundFrame::On || state == SoundFrame::OnPressed;
        const Look look = pressed ? Look::Pressed : Look::Normal;
        const QColor disc = state == SoundFrame::Unavailable ? QColor(200, 196, 204) : on ? style::kMint : kCoral;
        TitleButton(p, box, disc, look);
        const QRectF icon = Content(box, look).adjusted(7, 3, -6, -5);
        Note(p, icon, state == SoundFrame::Unavailable ? QColor(150, 146, 156) : style::kInk);
        if (!on) { // a slash through the note: no music
            const QColor slash = state == SoundFrame::Unavailable ? QColor(120, 116, 126) : style::kBerry.darker(130);
            p.setPen(QPen(slash, 1.6));
            p.drawLine(icon.topRight() + QPointF(1, 0), icon.bottomLeft() + QPointF(-1, 1));
        }
    });
    PaintFrames(sheet, scr::kMinimize, onActive(scr::kMinimize), [](QPainter& p, const QRectF& box, int frame) {
        TitleButton(p, box, style::kSky, LookOf(frame));
        Dash(p, Content(box, LookOf(frame)).adjusted(7, 3, -7, -7), style::kPaper, 1.6);
    });
    PaintFrames(sheet, scr::kClose, onActive(scr::kClose), [](QPainter& p, const QRectF& box, int frame) {
        TitleButton(p, box, style::kBerry, LookOf(frame));
        Cross(p, Content(box, LookOf(frame)).adjusted(7, 5, -7, -6), style::kPaper, 1.6);
    });
}

void PaintHelpButton(QImage& screen, QImage& sheet) {
    PaintButton(screen, sheet, scr::kHelp, [](QPainter& p, const QRectF& box, int frame) {
        const Look look = LookOf(frame);
        const QRectF face = Content(box, look);
        // a balloon on a string
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(face.center().x(), face.top() + 44), QPointF(face.center().x() - 3, face.bottom() - 3));
        const QRectF balloon(face.left() + 4, face.top() + 2, face.width() - 10, 44);
        if (look == Look::Normal) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawEllipse(balloon.translated(2, 2));
        }
        QRadialGradient shine(balloon.center() - QPointF(8, 10), 30);
        const QColor base = look == Look::Pressed ? style::kSky.darker(118) : style::kSky;
        shine.setColorAt(0, base.lighter(150));
        shine.setColorAt(1, base);
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(shine);
        p.drawEllipse(balloon);
        p.setBrush(base.darker(115));
        p.drawPolygon(QPolygonF({QPointF(balloon.center().x() - 3, balloon.bottom() + 3),
                                 QPointF(balloon.center().x() + 3, balloon.bottom() + 3),
                                 QPointF(balloon.center().x(), balloon.bottom() - 1)}));
        Question(p, balloon.adjusted(4, 2, -4, -2), kGold);
    });
}

void PaintPrintButtons(QImage& screen, QImage& sheet) {
    PaintButton(screen, sheet, scr::kPrint, [](QPainter& p, const QRectF& box, int frame) {
        const Look look = LookOf(frame);
        Body(p, box, style::kSky, look, 14);
        const QRectF face = Content(box, look);
        Printer(p, QRectF(face.left() + 10, face.top() + 9, 50, 50), style::kLilac.lighter(120));
        Letters(p, QRectF(face.left() + 62, face.top() + 6, face.width() - 70, face.height() - 14),
                Text("Печать\nвыкроек"), 17, style::kPaper, kInk, Qt::AlignCenter, 3);
    });
    PaintButton(screen, sheet, scr::kPrintDoll, [](QPainter& p, const QRectF& box, int frame) {
        const Look look = LookOf(frame);
        Body(p, box, style::kLilac, look, 10);
        const QRectF face = Content(box, look);
        DollFigure(p, QRectF(face.left() + 10, face.top() + 4, 24, 34), style::kBerry);
        Printer(p, QRectF(face.left() + 7, face.top() + 38, 30, 28), style::kSky.lighter(115));
    });
}

void PaintOutfitImage(QPainter& p, int pressed) {
    const layout::Rect keyRect = scr::kOutfitKey.place, bookRect = scr::kOutfitBook.place;
    // the book (save)
    const Look bookLook = pressed == scr::kOutfitBook.number ? Look::Pressed : Look::Normal;
    const QRectF book = Content(ToQ(bookRect), bookLook).adjusted(2, 1, -2, -1);
    if (bookLook == Look::Normal) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 46));
        p.drawPath(RoundRect(book.translated(2, 2), 5));
    }
    Book(p, book, bookLook == Look::Pressed ? style::kBerry.darker(118) : style::kBerry);
    Heart(p, QRectF(book.left() + 15, book.top() + 6, 12, 11), kGold);
    Letters(p, book.adjusted(14, 14, -6, -8), Text("Сохранить"), 14, kGold, kInk, Qt::AlignCenter, 2.5);
    // the key (restore) lying in front of the book
    const Look keyLook = pressed == scr::kOutfitKey.number ? Look::Pressed : Look::Normal;
    const QRectF key = Content(ToQ(keyRect), keyLook).adjusted(2, 6, -4, -6);
    if (keyLook == Look::Pressed) {
        p.setPen(QPen(kGold.darker(130), 2));
        p.setBrush(QColor(255, 240, 160));
        p.drawEllipse(key.adjusted(-2, -5, 2, 5));
    }
    Key(p, key);
}

// Every image of a button group, painted over the screen's own pixels at the group's place so it
// blends in; image 0, the rest state, goes back onto the screen too.
void PaintGroupImages(QImage& screen, QImage& sheet, const layout::SkinButtonGroup& group,
                      void (*paintImage)(QPainter&, int)) {
    const QImage under = Cut(screen, group.place);
    for (int image = 0; image < group.imageCount; ++image) {
        QImage face = under;
        {
            QPainter p(&face);
            Smooth(p);
            paintImage(p, image);
        }
        RemovePureWhite(face);
        Put(sheet, face, group.Image(image).Origin());
        if (image == 0)
            Put(screen, face, group.place.Origin());
    }
}

void PaintOutfitGroup(QImage& screen, QImage& sheet) {
    PaintGroupImages(screen, sheet, scr::kOutfitGroup, &PaintOutfitImage);
}

QColor ClassColour(int number) {
    const QColor colours[] = {style::kSky, style::kBerry.lighter(125), style::kMint, kGold, style::kLilac, kCoral};
    return colours[(number - 1) % 6];
}

Garment ClassGarment(int number) {
    // numbers: Br 1, Yu 2, Bl 3, Hl 4, Pl 5, Wn 6
    const Garment garments[] = {Garment::Trousers, Garment::Skirt, Garment::Blouse,
                                Garment::Swimsuit, Garment::Dress, Garment::Coat};
    return garments[(number - 1) % 6];
}

void PaintClassImage(QPainter& p, int pressed) {
    const QRectF board(1, 1, scr::kClassGroup.place.width - 2, scr::kClassGroup.place.height - 2);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(style::kWood);
    p.drawPath(RoundRect(board, 10));
    p.setBrush(QColor(255, 240, 246));
    p.drawPath(RoundRect(board.adjusted(4, 3, -3, -3), 7));
    Hanger(p, QRectF(1, 30, 15, 22), style::kBerry);
    for (const layout::GroupItem& item : scr::kClassItems) {
        const Look look = item.number == pressed ? Look::Pressed : Look::Normal;
        const QRectF tile = ToQ(item.place).adjusted(0, 0, 1, 1);
        Body(p, tile, ClassColour(item.number).lighter(150), look, 5);
        const QRectF icon = Content(tile, look).adjusted(5, 5, -7, -7);
        GarmentIcon(p, icon, ClassGarment(item.number), ClassColour(item.number));
    }
}

void PaintClassGroup(QImage& screen, QImage& sheet) {
    PaintGroupImages(screen, sheet, scr::kClassGroup, &PaintClassImage);
}

} // namespace

QImage PaintMainScreen(QImage& sheet) {
    QImage screen = NewOpaque(layout::screen::kSize.width, layout::screen::kSize.height, style::kWall);
    {
        QPainter p(&screen);
        Smooth(p);
        PaintWall(p);
        PaintFloor(p);
        PaintBoard(p);
        PaintRug(p);
        PaintDesk(p);
        PaintLeftCorner(p);
        PaintRightSide(p);
    }
    PaintTitleBar(screen, sheet);
    PaintHelpButton(screen, sheet);
    PaintPrintButtons(screen, sheet);
    PaintOutfitGroup(screen, sheet);
    PaintClassGroup(screen, sheet);
    RemovePureWhite(screen);
    return screen;
}

} // namespace art::skin
