// Each window is a rounded card in its own colour (help sky blue, slots berry, pattern printing
// mint, doll printing lilac) with a yellow title ribbon where the caption bar writes its text,
// and its buttons on it. Buttons that several windows share sit on flat areas of one colour (the
// ribbon, the print panel), so one strip of frames fits every window.
#include "data/artgen/SkinWindows.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/SkinDraw.h"
#include "data/artgen/SkinFrames.h"
#include "designer/layout/SkinLayout.h"

namespace art::skin {
namespace {

using style::kInk;
namespace lay = layout;

QRectF ToQ(const lay::Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }
Look LookOf(int frame) { return frame == 2 ? Look::Pressed : Look::Normal; }

// The card: a border colour, a pale inner panel with dots, and the title ribbon from (6, 5) to
// the right edge - 6, 22 high, flat so the shared small buttons fit on it.
QImage Card(lay::Size size, QColor border, QColor inner) {
    QImage card = NewOpaque(size.width, size.height, border);
    QPainter p(&card);
    Smooth(p);
    const QRectF all(0, 0, size.width, size.height);
    p.setPen(QPen(border.darker(135), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1, 1, -1, -1));
    const QRectF panel = all.adjusted(4, 30, -4, -4);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(inner);
    p.drawPath(RoundRect(panel, 10));
    p.setClipPath(RoundRect(panel.adjusted(1, 1, -1, -1), 10));
    Dots(p, panel, inner.darker(106), 22, 2.6);
    p.setClipping(false);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kRibbon);
    p.drawPath(RoundRect(QRectF(5, 5, size.width - 10, 22), 6));
    return card;
}

// A rounded paper area (for text, fields, pictures) with an ink outline.
void Paper(QPainter& p, const QRectF& area, QColor colour = style::kPaper) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(colour);
    p.drawPath(RoundRect(area, 8));
}

// A button with an icon above a word.
void IconButton(QPainter& p, const QRectF& box, int frame, QColor colour, const QString& word, int wordSize,
                const std::function<void(QPainter&, const QRectF&)>& icon) {
    const Look look = LookOf(frame);
    Body(p, box, colour, look, 9);
    const QRectF face = Content(box, look).adjusted(2, 2, -4, -4);
    const qreal wordHeight = wordSize + 4;
    icon(p, QRectF(face.left() + 4, face.top() + 2, face.width() - 8, face.height() - wordHeight - 4));
    Letters(p, QRectF(face.left(), face.bottom() - wordHeight - 1, face.width(), wordHeight), word, wordSize,
            style::kPaper, kInk, Qt::AlignCenter, 2.5);
}

// Centres a square icon box inside `box`.
QRectF Square(const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

QImage Flat(lay::Size size, QColor colour) { return NewOpaque(size.width, size.height, colour); }

void SmallDisc(QPainter& p, const QRectF& box, QColor colour, Look look) {
    const QRectF disc = (look == Look::Pressed ? box.translated(1, 1) : box).adjusted(0.8, 0.8, -1.6, -1.6);
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(look == Look::Pressed ? colour.darker(120) : colour);
    p.drawEllipse(disc);
}

// ---------------------------------------------------------------- help
void PaintHelp(QImage& sheet) {
    const lay::SkinWindow& window = lay::help::kWindow;
    QImage bg = Card(window.size, style::kSky, QColor(230, 243, 255));
    {
        QPainter p(&bg);
        Smooth(p);
        // paper under the text and its scroll bar
        Paper(p, QRectF(11, 28.5, 414, 285));
        p.fillRect(ToQ(lay::help::kScrollBar), QColor(236, 232, 222));
        p.setPen(QPen(QColor(214, 208, 196), 1));
        p.drawLine(QPointF(403.5, 31), QPointF(403.5, 311));
        // a little owl teacher beside the buttons
        const QPointF owl(56, 342);
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(style::kWood);
        p.drawEllipse(owl, 22, 22);
        p.setBrush(style::kPaper);
        p.drawEllipse(owl + QPointF(-8, -4), 8, 8);
        p.drawEllipse(owl + QPointF(8, -4), 8, 8);
        p.setBrush(kInk);
        p.drawEllipse(owl + QPointF(-7, -4), 3, 3);
        p.drawEllipse(owl + QPointF(7, -4), 3, 3);
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF({owl + QPointF(-3, 3), owl + QPointF(3, 3), owl + QPointF(0, 8)}));
        p.setBrush(style::kWoodDark);
        p.drawPolygon(QPolygonF({owl + QPointF(-18, -14), owl + QPointF(-10, -22), owl + QPointF(-8, -16)}));
        p.drawPolygon(QPolygonF({owl + QPointF(18, -14), owl + QPointF(10, -22), owl + QPointF(8, -16)}));
        Question(p, QRectF(80, 318, 24, 30), style::kBerry);
    }
    PutRestFrame(bg, sheet, lay::help::kExit);
    PaintButton(bg, sheet, lay::help::kMainTopic, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kMint, Text("Назад"), 11,
                   [](QPainter& q, const QRectF& icon) { BackArrow(q, Square(icon).adjusted(2, 4, -2, -4), kGold); });
    });
    PaintButton(bg, sheet, lay::help::kPrint, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kSky, Text("Печать"), 11,
                   [](QPainter& q, const QRectF& icon) { Printer(q, Square(icon), style::kLilac.lighter(120)); });
    });
    PaintButton(bg, sheet, lay::help::kAbout, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kLilac, Text("Инфо"), 11,
                   [](QPainter& q, const QRectF& icon) { Star(q, Square(icon).adjusted(-2, -2, 2, 2), kGold); });
    });
    PaintButton(bg, sheet, lay::help::kExit2, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, kCoral, Text("Выход"), 11,
                   [](QPainter& q, const QRectF& icon) { Door(q, Square(icon)); });
    });
    RemovePureWhite(bg);
    Put(sheet, bg, window.origin);
}

// ---------------------------------------------------------------- saved outfits
QColor SlotColour(int slot) {
    const QColor colours[] = {style::kBerry.lighter(120), style::kSky, style::kMint, kGold,
                              style::kLilac, kCoral, kLeaf.lighter(120), QColor(255, 160, 200)};
    return colours[(slot - 1) % 8];
}

// A slot: a little wardrobe with its number; the current slot glows gold under a star.
void PaintSlotFace(QPainter& p, const QRectF& box, int frame, int slot) {
    const bool current = frame == 3;
    const Look look = frame == 2 ? Look::Pressed : Look::Normal;
    if (current) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 64, 150));
        p.drawPath(RoundRect(box.adjusted(0, 0, 0, 0), 12));
    }
    const QRectF wardrobe = box.adjusted(4, 8, -4, -2);
    Body(p, wardrobe, current ? SlotColour(slot).lighter(112) : SlotColour(slot), look, 10);
    const QRectF face = Content(wardrobe, look).adjusted(2, 2, -4, -4);
    // two doors with knobs
    p.setPen(QPen(kInk.lighter(150), 1));
    p.drawLine(QPointF(face.center().x(), face.top() + 6), QPointF(face.center().x(), face.bottom() - 4));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(face.center().x() - 4, face.center().y() + 8), 2, 2);
    p.drawEllipse(QPointF(face.center().x() + 4, face.center().y() + 8), 2, 2);
    Letters(p, face.adjusted(0, 2, 0, -20), QString::number(slot), 28, style::kPaper, kInk, Qt::AlignCenter, 3);
    Heart(p, QRectF(face.center().x() - 6, face.bottom() - 16, 12, 10), current ? kGold : style::kPaper);
    if (current)
        Star(p, QRectF(box.right() - 24, box.top(), 22, 22), kGold);
}

void PaintSlots(QImage& sheet) {
    const lay::SkinWindow& window = lay::outfitslots::kWindow;
    QImage bg = Card(window.size, style::kBerry, QColor(255, 234, 242));
    {
        QPainter p(&bg);
        Smooth(p);
        // a shelf under each row of wardrobes
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(style::kWood);
        p.drawRect(QRectF(30, 128, 375, 6));
        p.drawRect(QRectF(30, 219, 375, 6));
        for (int i = 0; i < 7; ++i)
            Flower(p, QPointF(40 + i * 59, 248), 7,
                   i % 2 ? style::kSky : style::kLilac);
    }
    PutRestFrame(bg, sheet, lay::outfitslots::kHelp);
    PutRestFrame(bg, sheet, lay::outfitslots::kCancelSmall);
    for (int slot = 1; slot <= lay::outfitslots::kSlotCount; ++slot)
        PaintButton(bg, sheet, lay::outfitslots::SlotButton(slot),
                    [slot](QPainter& p, const QRectF& box, int frame) { PaintSlotFace(p, box, frame, slot); });
    PaintButton(bg, sheet, lay::outfitslots::kNo, [](QPainter& p, const QRectF& box, int frame) {
        Body(p, box, kCoral, LookOf(frame), 10);
        Letters(p, Content(box, LookOf(frame)).adjusted(0, 0, -3, -3), Text("Нет"), 16, style::kPaper, kInk,
                Qt::AlignCenter, 3);
    });
    PaintButton(bg, sheet, lay::outfitslots::kCancel, [](QPainter& p, const QRectF& box, int frame) {
        Body(p, box, style::kSky, LookOf(frame), 10);
        Letters(p, Content(box, LookOf(frame)).adjusted(0, 0, -3, -3), Text("Отмена"), 13, style::kPaper, kInk,
                Qt::AlignCenter, 3);
    });
    RemovePureWhite(bg);
    Put(sheet, bg, window.origin);
}

// ---------------------------------------------------------------- printing windows
// The flat panel the shared print buttons stand on.
void ButtonPanel(QPainter& p, const QRectF& area) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPanel);
    p.drawPath(RoundRect(area, 10));
}

void PaintPatternPrint(QImage& sheet) {
    namespace pp = lay::patternprint;
    const lay::SkinWindow& window = pp::kWindow;
    QImage bg = Card(window.size, style::kMint, QColor(230, 250, 240));
    {
        QPainter p(&bg);
        Smooth(p);
        // the measurement table: a header band and a stripe per row
        Paper(p, QRectF(10, 34, 385, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 244, 228));
        p.drawRect(QRectF(176, 36, 98, 146));
        p.setBrush(QColor(255, 240, 200));
        p.drawRect(QRectF(284, 36, 98, 146));
        p.setPen(QPen(QColor(200, 220, 210), 1));
        for (int row = 0; row < pp::kRowCount; ++row) {
            const qreal y = pp::RowEdit(row).y - 4.5;
            p.drawLine(QPointF(14, y), QPointF(390, y));
        }
        DollFigure(p, QRectF(20, 36, 22, 28), style::kBerry);
        Ruler(p, QRectF(46, 40, 60, 24));
        // printer line and progress line
        Paper(p, QRectF(10, 188, 385, 26));
        Printer(p, QRectF(370, 191, 20, 20), style::kSky);
        ButtonPanel(p, QRectF(10, 216, 385, 70));
        Paper(p, QRectF(10, 289, 385, 24), QColor(250, 246, 232));
    }
    for (const lay::SkinButton* button : {&pp::kHelp, &pp::kExit, &pp::kStdSize, &pp::kSetupPrint,
                                          &pp::kPrint, &pp::kExit2})
        PutRestFrame(bg, sheet, *button);
    RemovePureWhite(bg);
    Put(sheet, bg, window.origin);
}

void PaintDollPrint(QImage& sheet) {
    namespace dp = lay::dollprint;
    const lay::SkinWindow& window = dp::kWindow;
    QImage bg = Card(window.size, style::kLilac, QColor(242, 234, 255));
    {
        QPainter p(&bg);
        Smooth(p);
        // a page with the doll's front and back, as it will come out of the printer
        Paper(p, QRectF(10, 34, 375, 108), QColor(250, 246, 232));
        const QRectF page(132, 40, 130, 96);
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(style::kPaper);
        p.drawRect(page);
        DollFigure(p, QRectF(page.left() + 14, page.top() + 8, 44, 64), style::kBerry);
        const QRectF back(page.right() - 58, page.top() + 8, 44, 64);
        DollFigure(p, back, style::kSky);
        // seen from behind: the hair covers the face
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(style::kHair);
        p.drawEllipse(QPointF(back.center().x(), back.top() + back.height() * 0.17), back.width() * 0.2,
                      back.width() * 0.21);
        p.setPen(QPen(QColor(180, 170, 200), 2));
        for (qreal y : {page.bottom() - 16, page.bottom() - 9})
            p.drawLine(QPointF(page.left() + 20, y), QPointF(page.right() - 20, y));
        Printer(p, QRectF(290, 60, 60, 60), style::kSky.lighter(110));
        Heart(p, QRectF(40, 70, 26, 22), style::kBerry);
        Flower(p, QPointF(90, 110), 10, style::kSun);
        Paper(p, QRectF(10, 146, 375, 26));
        ButtonPanel(p, QRectF(10, 174, 375, 70));
    }
    for (const lay::SkinButton* button : {&dp::kHelp, &dp::kExit, &dp::kSetupPrint, &dp::kPrint, &dp::kExit2})
        PutRestFrame(bg, sheet, *button);
    RemovePureWhite(bg);
    Put(sheet, bg, window.origin);
}

// ---------------------------------------------------------------- loose pictures
QImage Flattened(lay::Size size, const std::function<void(QPainter&, const QRectF&)>& paint) {
    QImage layer = NewLayer(size.width, size.height);
    {
        QPainter p(&layer);
        Smooth(p);
        paint(p, QRectF(0, 0, size.width, size.height));
    }
    return Flatten(layer);
}

// A sunny speech cloud with the message; pure white around it lets the window show through.
QImage Message(const QString& text, QColor colour) {
    return Flattened({220, 80}, [&](QPainter& p, const QRectF& box) {
        QPainterPath cloud;
        cloud.addRoundedRect(box.adjusted(6, 8, -6, -8), 28, 28);
        for (int i = 0; i < 5; ++i)
            cloud.addEllipse(QPointF(36 + i * 37, 12 + (i % 2) * 2), 16, 10);
        cloud.setFillRule(Qt::WindingFill);
        p.setPen(QPen(kInk, 2));
        p.setBrush(colour);
        p.drawPath(cloud.simplified());
        Star(p, QRectF(12, 26, 26, 26), kGold);
        Star(p, QRectF(184, 26, 26, 26), kGold);
        Letters(p, box.adjusted(38, 10, -38, -6), text, 17, style::kPaper, kInk, Qt::AlignCenter, 3);
    });
}

// The glue glyph printed beside glue lines: a tube of glue squeezing out a drop, upright.
QImage GlueGlyph() {
    return Flattened(lay::skin::kGlueGlyph.rect.Extent(), [](QPainter& p, const QRectF&) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // the drop
        QPainterPath drop;
        drop.moveTo(20, 4);
        drop.cubicTo(24, 12, 29, 17, 29, 22);
        drop.cubicTo(29, 28, 11, 28, 11, 22);
        drop.cubicTo(11, 17, 16, 12, 20, 4);
        p.setBrush(style::kSky);
        p.drawPath(drop);
        // nozzle, cap ring and tube
        p.setBrush(style::kMetal);
        p.drawPolygon(QPolygonF({QPointF(16, 44), QPointF(18, 32), QPointF(22, 32), QPointF(24, 44)}));
        p.setBrush(kGold);
        p.drawRect(QRectF(10, 44, 20, 8));
        QPainterPath tube;
        tube.moveTo(8, 52);
        tube.lineTo(32, 52);
        tube.lineTo(35, 112);
        tube.lineTo(5, 112);
        tube.closeSubpath();
        p.setBrush(style::kSun);
        p.drawPath(tube);
        p.setBrush(style::kBerry);
        p.drawRect(QRectF(4, 110, 32, 7));
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(style::kPaper);
        p.drawRect(QRectF(11, 66, 18, 32));
        Heart(p, QRectF(14, 74, 12, 11), style::kBerry);
    });
}

// The pattern panel's close button: a round red cross, over pure white so it sits on any frame.
void PaintHideModel(QImage& sheet) {
    const lay::SkinButton& button = lay::screen::kHideModel[0];
    for (int frame = 1; frame <= button.frameCount; ++frame) {
        const QImage face = Flattened(button.place.Extent(), [frame](QPainter& p, const QRectF& box) {
            const Look look = LookOf(frame);
            const QRectF disc = (look == Look::Pressed ? box.translated(1, 1) : box).adjusted(1, 1, -2, -2);
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(look == Look::Pressed ? style::kBerry.darker(125) : style::kBerry);
            p.drawEllipse(disc);
            Cross(p, disc.adjusted(7, 7, -7, -7), style::kPaper, 2.2);
        });
        Put(sheet, face, button.Frame(frame).Origin());
    }
}

} // namespace

void PaintSharedFrames(QImage& sheet) {
    PaintFrames(sheet, lay::help::kExit, Flat(lay::skin::kSmallButton, kRibbon),
                [](QPainter& p, const QRectF& box, int frame) {
                    SmallDisc(p, box, style::kBerry, LookOf(frame));
                    Cross(p, Content(box, LookOf(frame)).adjusted(4.5, 4.5, -5.5, -5.5), style::kPaper, 1.4);
                });
    PaintFrames(sheet, lay::outfitslots::kHelp, Flat(lay::skin::kSmallButton, kRibbon),
                [](QPainter& p, const QRectF& box, int frame) {
                    SmallDisc(p, box, style::kSky, LookOf(frame));
                    const QRectF face = frame == 2 ? box.translated(1, 1) : box;
                    Letters(p, face.adjusted(0, 0, -1, -1), QStringLiteral("?"), 11, style::kPaper, kInk,
                            Qt::AlignCenter, 1.5);
                });
    namespace pp = lay::patternprint;
    const QImage panel = Flat(lay::skin::kPrintButton, kPanel);
    PaintFrames(sheet, pp::kStdSize, panel, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kMint, Text("Стандарт"), 11,
                   [](QPainter& q, const QRectF& icon) { Ruler(q, icon.adjusted(8, 0, -8, 0)); });
    });
    PaintFrames(sheet, pp::kSetupPrint, panel, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kSun, Text("Принтер"), 11, [](QPainter& q, const QRectF& icon) {
            const QRectF square = Square(icon);
            Printer(q, square.translated(-8, 0), style::kSky.lighter(115));
            Gear(q, QRectF(square.right() - 6, square.center().y() - 4, 18, 18), style::kMetal);
        });
    });
    PaintFrames(sheet, pp::kPrint, panel, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, style::kSky, Text("Печать"), 11,
                   [](QPainter& q, const QRectF& icon) { Printer(q, Square(icon), style::kLilac.lighter(120)); });
    });
    PaintFrames(sheet, pp::kExit2, panel, [](QPainter& p, const QRectF& box, int frame) {
        IconButton(p, box, frame, kCoral, Text("Выход"), 11,
                   [](QPainter& q, const QRectF& icon) { Door(q, Square(icon)); });
    });
}

void PaintSkinWindows(QImage& sheet) {
    PaintHelp(sheet);
    PaintPatternPrint(sheet);
    PaintSlots(sheet);
    PaintDollPrint(sheet);
}

void PaintLoosePictures(QImage& sheet) {
    Put(sheet, Message(Text("Выкройки\nпечатаются!"), style::kMint), lay::skin::kFlyPatternsPrinted.rect.Origin());
    Put(sheet, Message(Text("Кукла\nпечатается!"), style::kLilac), lay::skin::kFlyDollPrinted.rect.Origin());
    Put(sheet, GlueGlyph(), lay::skin::kGlueGlyph.rect.Origin());
    PaintHideModel(sheet);
}

} // namespace art::skin
