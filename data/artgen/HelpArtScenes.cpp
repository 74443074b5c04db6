// The larger help pictures (see HelpArtScenes.h). Each is a schematic drawing rather than a copy
// of the screen: it shows where things are and what to do, with Russian labels the help text
// refers to. Sizes stay below the width of the help view (388 pixels).
#include "data/artgen/HelpArtScenes.h"

#include "data/artgen/ArtStyle.h"
#include "data/artgen/HelpArtShapes.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace art::help {
namespace {

namespace st = art::style;

const QColor kDressBlue{120, 160, 230};

QPen Ink(qreal width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(st::kInk, width, style, Qt::RoundCap, Qt::RoundJoin);
}

// A leader line from a label to the thing it names, ending in a small dot.
void Leader(QPainter& p, QPointF from, QPointF to) {
    p.save();
    p.setPen(QPen(st::kBerry, 1.2));
    p.drawLine(from, to);
    p.setBrush(st::kBerry);
    p.drawEllipse(to, 2.0, 2.0);
    p.restore();
}

// A small window with a caption bar, as the program's own windows look.
void Window(QPainter& p, const QRectF& r, const QString& caption) {
    DrawCard(p, r, st::kWall);
    p.save();
    p.setPen(Ink(1.2));
    p.setBrush(st::kBerry);
    p.drawRoundedRect(QRectF(r.left() + 6, r.top() + 5, r.width() - 12, 15), 4, 4);
    p.restore();
    DrawLabel(p, QRectF(r.left() + 10, r.top() + 5, r.width() - 20, 15), caption, 11, Qt::AlignCenter, st::kPaper);
}

void MainScreen(QPainter& p) {
    // The main screen at half size: 640 x 480 becomes 320 x 240.
    p.fillRect(QRectF(0, 0, 320, 240), st::kWall);
    p.fillRect(QRectF(0, 170, 320, 70), st::kStage);
    p.setPen(Ink(1));
    p.setBrush(st::kBerry);
    p.drawRect(QRectF(0, 0, 319, 9));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 2 ? st::kSun : st::kSky);
        p.drawRect(QRectF(288 + i * 11, 1, 9, 7));
    }
    DrawDoll(p, QRectF(122, 20, 100, 178), false, st::kBerry);
    DrawRack(p, QRectF(252, 56, 68, 82), Garment::Dress);
    DrawGarment(p, QRectF(252, 14, 38, 34), Garment::Hat, st::kSky);
    DrawGarment(p, QRectF(294, 119, 26, 30), Garment::Shoes, st::kBerry);
    DrawCard(p, QRectF(244, 141, 50, 44), st::kStage);
    static const std::array<Garment, 6> kRack{Garment::Trousers, Garment::Skirt, Garment::Dress,
                                             Garment::Blouse,   Garment::Robe,  Garment::Coat};
    for (int i = 0; i < 6; ++i)
        DrawGarment(p, QRectF(248 + (i % 3) * 15, 146 + (i / 3) * 18, 13, 16), kRack[i],
                    i % 2 ? st::kSky : st::kMint);
    DrawDrum(p, QPointF(25, 156), 23, false);
    DrawCard(p, QRectF(39, 43, 24, 30), st::kSun);
    DrawLabel(p, QRectF(39, 43, 24, 30), "?", 18);
    DrawCard(p, QRectF(53, 201, 93, 36), st::kMint);
    DrawPrinter(p, QRectF(58, 205, 26, 28));
    DrawLabel(p, QRectF(84, 203, 60, 32), QStringLiteral("Печать\nвыкроек"), 9);
    DrawCard(p, QRectF(146, 201, 24, 37), st::kLilac);
    DrawPrinter(p, QRectF(148, 208, 20, 22));
    DrawCard(p, QRectF(172, 201, 84, 36), st::kSky);
    DrawLabel(p, QRectF(172, 201, 42, 36), QStringLiteral("ключ"), 9);
    DrawLabel(p, QRectF(212, 201, 44, 36), QStringLiteral("книга"), 9);

    const std::array<QPointF, 11> badges{QPointF(190, 40),  QPointF(286, 62),  QPointF(246, 18),
                                         QPointF(300, 114), QPointF(240, 150), QPointF(48, 138),
                                         QPointF(68, 46),   QPointF(58, 198),  QPointF(158, 198),
                                         QPointF(214, 198), QPointF(306, 20)};
    for (size_t i = 0; i < badges.size(); ++i)
        DrawBadge(p, badges[i], static_cast<int>(i + 1), 9.5);
}

void DollScene(QPainter& p) {
    DrawRack(p, QRectF(6, 20, 70, 100), Garment::Dress);
    DrawDoll(p, QRectF(110, 8, 100, 140), false, st::kBerry);
    DrawDoll(p, QRectF(225, 8, 100, 140), true, st::kBerry);
    DrawArrow(p, QPointF(58, 58), QPointF(132, 70), st::kSky, 3);
    QPainterPath turn;
    turn.moveTo(190, 30);
    turn.quadTo(222, 0, 252, 30);
    p.setPen(QPen(st::kMint, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(turn);
    DrawArrow(p, QPointF(248, 25), QPointF(253, 32), st::kMint, 3);
    DrawLabel(p, QRectF(0, 148, 160, 32), QStringLiteral("Перетащи вещь\nна куклу"), 11);
    DrawLabel(p, QRectF(165, 148, 155, 32), QStringLiteral("Нажми на куклу,\nи она повернётся"), 11);
}

void RackScene(QPainter& p) {
    DrawRack(p, QRectF(80, 8, 140, 125), Garment::Dress);
    p.setPen(QPen(st::kMint, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(60, 24, 180, 60), 200 * 16, 140 * 16);
    DrawArrow(p, QPointF(226, 66), QPointF(232, 60), st::kMint, 3);
    DrawLabel(p, QRectF(0, 136, 300, 22), QStringLiteral("Нажми на вещь впереди"), 12);
}

void DrumScene(QPainter& p) {
    DrawDrum(p, QPointF(50, 55), 38, false);
    DrawArrow(p, QPointF(94, 55), QPointF(128, 55), st::kSky, 3);
    DrawDrum(p, QPointF(180, 55), 44, true);
    DrawGarment(p, QRectF(262, 16, 54, 80), Garment::Dress, st::kSun);
    DrawArrow(p, QPointF(196, 20), QPointF(272, 50), st::kBerry, 2.5);
    DrawLabel(p, QRectF(0, 100, 100, 22), QStringLiteral("Закрыт"), 12);
    DrawLabel(p, QRectF(130, 102, 100, 22), QStringLiteral("Открыт"), 12);
    DrawLabel(p, QRectF(228, 100, 92, 22), QStringLiteral("Тяни ткань"), 12);
}

// Three pattern pieces in a box: filled with fabrics, as outlines, or as lines of text.
void PanelPieces(QPainter& p, const QRectF& r, int mode) {
    const qreal w = r.width();
    const qreal h = r.height();
    const std::array<QPolygonF, 3> pieces{
        QPolygonF({r.topLeft() + QPointF(w * 0.05, h * 0.10), r.topLeft() + QPointF(w * 0.30, h * 0.10),
                   r.topLeft() + QPointF(w * 0.34, h * 0.90), r.topLeft() + QPointF(w * 0.02, h * 0.90)}),
        QPolygonF({r.topLeft() + QPointF(w * 0.40, h * 0.15), r.topLeft() + QPointF(w * 0.62, h * 0.15),
                   r.topLeft() + QPointF(w * 0.68, h * 0.60), r.topLeft() + QPointF(w * 0.36, h * 0.60)}),
        QPolygonF({r.topLeft() + QPointF(w * 0.74, h * 0.20), r.topLeft() + QPointF(w * 0.96, h * 0.20),
                   r.topLeft() + QPointF(w * 0.98, h * 0.85), r.topLeft() + QPointF(w * 0.72, h * 0.85)})};
    const std::array<QColor, 3> colours{st::kBerry, st::kSky, st::kMint};
    p.save();
    if (mode == 2) {
        p.setPen(Ink(1.5));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(r.left() + w * 0.08, r.top() + h * (0.2 + i * 0.2)),
                       QPointF(r.right() - w * (i == 3 ? 0.4 : 0.08), r.top() + h * (0.2 + i * 0.2)));
    } else {
        for (size_t i = 0; i < pieces.size(); ++i) {
            p.setPen(Ink(1.2));
            p.setBrush(mode == 0 ? colours[i] : QColor(Qt::transparent));
            p.drawPolygon(pieces[i]);
        }
    }
    p.restore();
}

void PanelScene(QPainter& p) {
    const QRectF frame(40, 4, 220, 104);
    p.setPen(Ink(1.5));
    p.setBrush(st::kWood);
    p.drawRoundedRect(frame, 8, 8);
    const QRectF inner = frame.adjusted(14, 12, -14, -12);
    p.setBrush(st::kPaper);
    p.drawRect(inner);
    PanelPieces(p, inner.adjusted(6, 6, -6, -6), 0);
    DrawCard(p, QRectF(frame.right() - 20, frame.top() + 2, 16, 16), st::kBerry);
    DrawLabel(p, QRectF(frame.right() - 20, frame.top() + 2, 16, 16), "x", 11, Qt::AlignCenter, st::kPaper);

    static const std::array<const char*, 3> kModes{"Цветная", "Контур", "Описание"};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(14 + i * 100, 118, 72, 40);
        DrawCard(p, box, st::kPaper);
        PanelPieces(p, box.adjusted(5, 4, -5, -4), i);
        DrawLabel(p, QRectF(box.left() - 14, 158, 100, 18), QString::fromUtf8(kModes[i]), 11);
        if (i < 2)
            DrawArrow(p, QPointF(box.right() + 4, 138), QPointF(box.right() + 24, 138), st::kMint, 2.5);
    }
}

void PieceScene(QPainter& p) {
    const QPolygonF cut({QPointF(60, 20), QPointF(160, 20), QPointF(210, 200), QPointF(60, 200)});
    p.setPen(Qt::NoPen);
    p.setBrush(st::kStage);
    p.drawPolygon(cut);
    p.setPen(Ink(2));
    p.drawLine(QPointF(60, 20), QPointF(160, 20));
    p.drawLine(QPointF(160, 20), QPointF(210, 200));
    p.drawLine(QPointF(210, 200), QPointF(60, 200));
    p.setPen(Ink(2, Qt::DashLine));
    p.drawLine(QPointF(60, 20), QPointF(60, 200));
    p.setPen(Ink(1.5, Qt::DotLine));
    p.drawLine(QPointF(60, 29), QPointF(154, 29));
    p.drawLine(QPointF(154, 29), QPointF(199, 191));
    p.setPen(Ink(1.5, Qt::DashDotDotLine));
    p.drawLine(QPointF(60, 191), QPointF(199, 191));
    // The glue mark: a small tube.
    p.setPen(Ink(1.2));
    p.setBrush(st::kSky);
    p.drawRoundedRect(QRectF(120, 166, 26, 10), 3, 3);
    p.setBrush(st::kSun);
    p.drawRect(QRectF(146, 168, 6, 6));
    p.setPen(Ink(1.5, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(128, 36, 20, 12));
    DrawArrow(p, QPointF(105, 70), QPointF(105, 150), st::kInk, 1.8);
    DrawLabel(p, QRectF(62, 85, 90, 40), QStringLiteral("Юбка\n1 деталь"), 11);

    const auto callout = [&](const QRectF& box, const QString& text, QPointF to, int flags) {
        DrawLabel(p, box, text, 11, flags | Qt::AlignVCenter, st::kBerry);
        Leader(p, QPointF(flags & Qt::AlignRight ? box.right() + 2 : box.left() - 2, box.center().y()), to);
    };
    callout(QRectF(232, 20, 98, 18), QStringLiteral("застёжка"), QPointF(148, 42), Qt::AlignLeft);
    callout(QRectF(232, 56, 98, 18), QStringLiteral("строчка"), QPointF(166, 72), Qt::AlignLeft);
    callout(QRectF(232, 102, 98, 18), QStringLiteral("разрез"), QPointF(185, 110), Qt::AlignLeft);
    callout(QRectF(232, 150, 98, 18), QStringLiteral("долевая нить"), QPointF(107, 140), Qt::AlignLeft);
    callout(QRectF(232, 190, 98, 18), QStringLiteral("клей"), QPointF(170, 191), Qt::AlignLeft);
    callout(QRectF(0, 100, 44, 18), QStringLiteral("сгиб"), QPointF(60, 110), Qt::AlignRight);
}

void MeasureScene(QPainter& p) {
    // Front: height, waist and hips; back: the width of the back.
    const QRectF front(40, 14, 110, 220);
    DrawDoll(p, front, false, QColor());
    const qreal cx = front.center().x();
    const qreal dollWidth = front.height() * 0.45;
    DrawArrow(p, QPointF(34, 14), QPointF(34, 232), st::kSky, 2, true);
    p.save();
    p.translate(18, 150);
    p.rotate(-90);
    DrawLabel(p, QRectF(0, -9, 80, 18), QStringLiteral("Рост"), 12, Qt::AlignLeft | Qt::AlignVCenter, st::kSky);
    p.restore();
    const qreal waistY = front.top() + front.height() * 0.45;
    const qreal hipY = front.top() + front.height() * 0.56;
    p.setPen(QPen(st::kBerry, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, waistY), dollWidth * 0.22, 5);
    p.setPen(QPen(st::kMint.darker(130), 2, Qt::DashLine));
    p.drawEllipse(QPointF(cx, hipY), dollWidth * 0.27, 6);
    DrawLabel(p, QRectF(150, waistY - 22, 70, 16), QStringLiteral("Талия"), 12, Qt::AlignLeft, st::kBerry);
    Leader(p, QPointF(150, waistY - 14), QPointF(cx + dollWidth * 0.22, waistY));
    DrawLabel(p, QRectF(150, hipY + 6, 70, 16), QStringLiteral("Бедра"), 12, Qt::AlignLeft, st::kMint.darker(130));
    Leader(p, QPointF(150, hipY + 14), QPointF(cx + dollWidth * 0.27, hipY));

    const QRectF back(190, 14, 110, 220);
    DrawDoll(p, back, true, QColor());
    const qreal bx = back.center().x();
    const qreal shoulderY = back.top() + back.height() * 0.33;
    DrawArrow(p, QPointF(bx - dollWidth * 0.19, shoulderY), QPointF(bx + dollWidth * 0.19, shoulderY), st::kLilac, 2,
              true);
    DrawLabel(p, QRectF(272, shoulderY + 60, 58, 32), QStringLiteral("Ширина\nспинки"), 12, Qt::AlignLeft,
              st::kLilac);
    Leader(p, QPointF(282, shoulderY + 58), QPointF(bx + dollWidth * 0.19, shoulderY));
}

// The face of the "standard sizes" button: a ruler.
void Ruler(QPainter& p, const QRectF& r) {
    const QRectF bar(r.left(), r.center().y() - 5, r.width(), 10);
    p.save();
    p.setPen(Ink(1.2));
    p.setBrush(st::kSun);
    p.drawRect(bar);
    for (int i = 1; i < 6; ++i) {
        const qreal x = bar.left() + bar.width() * i / 6;
        p.drawLine(QPointF(x, bar.top()), QPointF(x, bar.top() + (i % 2 ? 3 : 6)));
    }
    p.restore();
}

void PrintPatternsScene(QPainter& p) {
    Window(p, QRectF(10, 2, 300, 206), QStringLiteral("Печать выкроек"));
    DrawLabel(p, QRectF(140, 26, 70, 16), QStringLiteral("Моя кукла"), 10);
    DrawLabel(p, QRectF(224, 26, 70, 16), QStringLiteral("Стандарт"), 10);
    static const std::array<const char*, 4> kRows{"Рост", "Ширина спинки", "Объем талии", "Объем бедер"};
    static const std::array<const char*, 4> kMine{"25.0", "5.5", "6.5", "11.7"};
    static const std::array<const char*, 4> kStandard{"30.0", "6.5", "7.7", "13.8"};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 46 + i * 24;
        DrawLabel(p, QRectF(20, y, 118, 18), QString::fromUtf8(kRows[i]), 11, Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(Ink(1));
        p.setBrush(st::kPaper);
        p.drawRect(QRectF(148, y, 40, 18));
        DrawLabel(p, QRectF(148, y, 40, 18), QString::fromUtf8(kMine[i]), 11, Qt::AlignCenter, st::kInk, false);
        DrawLabel(p, QRectF(190, y, 24, 18), QStringLiteral("см"), 10);
        DrawLabel(p, QRectF(228, y, 36, 18), QString::fromUtf8(kStandard[i]), 11);
        DrawLabel(p, QRectF(264, y, 24, 18), QStringLiteral("см"), 10);
    }
    DrawLabel(p, QRectF(20, 144, 280, 16), QStringLiteral("Принтер:  мой принтер"), 10, Qt::AlignLeft);
    for (int i = 0; i < 4; ++i) {
        const QRectF b(60 + i * 52, 166, 36, 34);
        DrawCard(p, b, i == 0 ? st::kMint : i == 3 ? st::kWall : st::kSky);
        if (i == 0)
            Ruler(p, b.adjusted(5, 5, -5, -5));
        else if (i == 3)
            DrawLabel(p, b, "?", 18);
        else
            DrawPrinter(p, b.adjusted(6, 5, -6, -5));
    }
}

void PrintDollScene(QPainter& p) {
    const QRectF page(40, 6, 150, 200);
    p.fillRect(page.translated(4, 4), st::kWallShade);
    p.setPen(Ink(1.2));
    p.setBrush(st::kPaper);
    p.drawRect(page);
    DrawDoll(p, QRectF(52, 20, 60, 110), false, st::kBerry);
    DrawDoll(p, QRectF(118, 20, 60, 110), true, st::kBerry);
    DrawGarment(p, QRectF(68, 8, 28, 20), Garment::Hat, st::kSky);
    DrawGarment(p, QRectF(134, 8, 28, 20), Garment::Hat, st::kSky);
    static const std::array<const char*, 3> kNames{"Шляпка", "Платье", "Туфли"};
    for (int i = 0; i < 3; ++i)
        DrawLabel(p, QRectF(56, 140 + i * 18, 120, 16), QString::fromUtf8(kNames[i]), 11, Qt::AlignLeft);
}

void SlotsScene(QPainter& p) {
    Window(p, QRectF(4, 2, 312, 180), QStringLiteral("Сохранить изменения ?"));
    for (int i = 0; i < 8; ++i) {
        const QRectF slot(26 + (i % 4) * 72, 28 + (i / 4) * 64, 54, 56);
        DrawCard(p, slot, i == 0 ? st::kSun : st::kPaper);
        DrawDoll(p, slot.adjusted(4, 3, -22, -3), false, i % 3 == 0 ? st::kBerry : i % 3 == 1 ? st::kSky : st::kMint);
        DrawLabel(p, QRectF(slot.right() - 22, slot.top() + 2, 20, 20), QString::number(i + 1), 13);
    }
    DrawCard(p, QRectF(70, 154, 100, 22), st::kSky);
    DrawLabel(p, QRectF(70, 154, 100, 22), QStringLiteral("Не выполнять"), 10);
    DrawCard(p, QRectF(180, 154, 70, 22), st::kBerry);
    DrawLabel(p, QRectF(180, 154, 70, 22), QStringLiteral("Выход"), 10, Qt::AlignCenter, st::kPaper);
}

void CoverScene(QPainter& p) {
    static const std::array<QColor, 4> kFabrics{st::kBerry, st::kSky, st::kSun, st::kMint};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(40 + i * 14, 36 + i * 10);
        p.rotate(-15 + i * 10);
        DrawSwatch(p, QRectF(-18, -18, 36, 36), i + 1, kFabrics[i]);
        p.restore();
    }
    DrawDoll(p, QRectF(110, 4, 80, 110), false, kDressBlue);
    DrawPrinter(p, QRectF(214, 30, 60, 60));
    DrawGarment(p, QRectF(232, 30, 22, 22), Garment::Dress, st::kBerry);
}

} // namespace

void MakeHelpScenes(const std::filesystem::path& dir) {
    // The help view scrolls by whole lines and leaves out a line that does not fit, so no picture
    // may be taller than the view under a topic's fixed title: they stay within 192 pixels.
    SavePicture(dir, "hcover.bmp", 300, 118, CoverScene);
    SavePicture(dir, "hmain.bmp", 320, 240, MainScreen, 0.8);
    SavePicture(dir, "hdoll.bmp", 320, 182, DollScene);
    SavePicture(dir, "hrack.bmp", 300, 160, RackScene);
    SavePicture(dir, "hdrum.bmp", 320, 124, DrumScene);
    SavePicture(dir, "hpanel.bmp", 300, 178, PanelScene);
    SavePicture(dir, "hpiece.bmp", 330, 214, PieceScene, 0.88);
    SavePicture(dir, "hmeasure.bmp", 330, 240, MeasureScene, 0.8);
    SavePicture(dir, "hprintv.bmp", 320, 210, PrintPatternsScene, 0.9);
    SavePicture(dir, "hprintd.bmp", 230, 212, PrintDollScene, 0.9);
    SavePicture(dir, "hslots.bmp", 320, 184, SlotsScene);
}

} // namespace art::help
