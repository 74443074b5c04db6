// The pictures of the help document: drawings of the buttons, the class icons, the main screen
// with numbered places, the doll, a rack, the drum, the pattern panel, a pattern piece with its
// lines, the measuring of a doll, the print windows and the outfit slots. They are written beside
// help.rtf in Resource/Help, where the help's bitmap references are looked for, under the names
// the help text uses.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/HelpArtScenes.h"
#include "data/artgen/HelpArtShapes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>

namespace {

namespace st = art::style;
using art::help::Garment;

constexpr std::array<Garment, 6> kRackClasses{Garment::Coat,  Garment::Dress, Garment::Trousers,
                                              Garment::Blouse, Garment::Robe, Garment::Skirt};
const QColor kDressBlue{120, 160, 230};

// A 40 x 40 button face: a card with a drawing on it.
void Button(const std::filesystem::path& dir, const char* name, QColor card,
            const std::function<void(QPainter&, const QRectF&)>& draw) {
    art::help::SavePicture(dir, name, 40, 40, [&](QPainter& p) {
        art::help::DrawCard(p, QRectF(0, 0, 40, 40), card);
        draw(p, QRectF(6, 6, 28, 28));
    });
}

void Cross(QPainter& p, const QRectF& r) {
    p.setPen(QPen(st::kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void Key(QPainter& p, const QRectF& r) {
    p.setPen(QPen(st::kInk, 1.5));
    p.setBrush(st::kSun);
    p.drawEllipse(QRectF(r.left(), r.top() + r.height() * 0.3, r.width() * 0.4, r.height() * 0.4));
    const qreal y = r.center().y();
    p.drawRect(QRectF(r.left() + r.width() * 0.38, y - 2, r.width() * 0.6, 4));
    p.drawRect(QRectF(r.right() - 6, y + 2, 3, 6));
    p.drawRect(QRectF(r.right() - 12, y + 2, 3, 4));
}

void Book(QPainter& p, const QRectF& r) {
    p.setPen(QPen(st::kInk, 1.5));
    p.setBrush(st::kBerry);
    p.drawRoundedRect(r.adjusted(0, 2, 0, -2), 3, 3);
    p.setBrush(st::kPaper);
    const QRectF left(r.left() + 3, r.top() + 4, r.width() / 2 - 3, r.height() - 8);
    const QRectF right(r.center().x(), r.top() + 4, r.width() / 2 - 3, r.height() - 8);
    p.drawRect(left);
    p.drawRect(right);
    p.setPen(QPen(st::kMetal.darker(130), 1));
    for (int i = 1; i < 5; ++i) {
        const qreal y = left.top() + left.height() * i / 5;
        p.drawLine(QPointF(left.left() + 2, y), QPointF(left.right() - 2, y));
        p.drawLine(QPointF(right.left() + 2, y), QPointF(right.right() - 2, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(st::kSun);
    p.drawPolygon(QPolygonF({QPointF(right.right() - 7, r.top() + 2), QPointF(right.right() - 3, r.top() + 2),
                             QPointF(right.right() - 3, r.top() + 14), QPointF(right.right() - 5, r.top() + 11),
                             QPointF(right.right() - 7, r.top() + 14)}));
}

void Note(QPainter& p, const QRectF& r) {
    p.setPen(QPen(st::kInk, 2));
    p.setBrush(st::kInk);
    p.drawEllipse(QRectF(r.left() + 2, r.bottom() - 9, 10, 8));
    p.drawEllipse(QRectF(r.right() - 12, r.bottom() - 12, 10, 8));
    p.drawLine(QPointF(r.left() + 11, r.bottom() - 5), QPointF(r.left() + 11, r.top() + 4));
    p.drawLine(QPointF(r.right() - 3, r.bottom() - 8), QPointF(r.right() - 3, r.top()));
    p.drawLine(QPointF(r.left() + 11, r.top() + 4), QPointF(r.right() - 3, r.top()));
}

void Ruler(QPainter& p, const QRectF& r) {
    const QRectF bar(r.left(), r.center().y() - 6, r.width(), 12);
    p.setPen(QPen(st::kInk, 1.2));
    p.setBrush(st::kSun);
    p.drawRect(bar);
    for (int i = 1; i < 7; ++i) {
        const qreal x = bar.left() + bar.width() * i / 7;
        p.drawLine(QPointF(x, bar.top()), QPointF(x, bar.top() + (i % 2 ? 4 : 7)));
    }
}

void Gear(QPainter& p, QPointF c, qreal radius) {
    p.setPen(QPen(st::kInk, 1.2));
    p.setBrush(st::kMetal);
    QPainterPath gear;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal rr = i % 2 ? radius : radius * 0.72;
        const QPointF pt = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(c, radius * 0.3, radius * 0.3);
    p.drawPath(gear);
}

void Buttons(const std::filesystem::path& dir) {
    using art::help::DrawLabel;
    using art::help::DrawPrinter;
    Button(dir, "bhelp.bmp", st::kSun, [](QPainter& p, const QRectF& r) { DrawLabel(p, r, "?", 28); });
    Button(dir, "bprintv.bmp", st::kMint, [](QPainter& p, const QRectF& r) {
        DrawPrinter(p, r);
        art::help::DrawGarment(p, QRectF(r.left() + 10, r.top() + 1, 8, 9), Garment::Dress, st::kBerry);
    });
    Button(dir, "bprintd.bmp", st::kLilac, [](QPainter& p, const QRectF& r) {
        DrawPrinter(p, r);
        art::help::DrawDoll(p, QRectF(r.left() + 9, r.top() + 1, 10, 11), false, st::kBerry);
    });
    Button(dir, "bkey.bmp", st::kSky, [](QPainter& p, const QRectF& r) { Key(p, r); });
    Button(dir, "bbook.bmp", st::kSun, [](QPainter& p, const QRectF& r) { Book(p, r); });
    Button(dir, "bclass.bmp", st::kWall, [](QPainter& p, const QRectF& r) {
        for (int i = 0; i < 6; ++i)
            art::help::DrawGarment(p, QRectF(r.left() + (i % 3) * 9.5, r.top() + (i / 3) * 14 + 1, 9, 12),
                                   kRackClasses[i], i % 2 ? st::kSky : st::kBerry);
    });
    Button(dir, "bsound.bmp", st::kMint, [](QPainter& p, const QRectF& r) { Note(p, r); });
    Button(dir, "bmin.bmp", st::kSky, [](QPainter& p, const QRectF& r) {
        p.fillRect(QRectF(r.left() + 4, r.bottom() - 6, r.width() - 8, 4), st::kInk);
    });
    Button(dir, "bclose.bmp", st::kBerry, [](QPainter& p, const QRectF& r) { Cross(p, r.adjusted(5, 5, -5, -5)); });
    Button(dir, "bstd.bmp", st::kMint, [](QPainter& p, const QRectF& r) { Ruler(p, r); });
    Button(dir, "bsetup.bmp", st::kSky, [](QPainter& p, const QRectF& r) {
        DrawPrinter(p, r.adjusted(0, 0, -8, -8));
        Gear(p, r.bottomRight() - QPointF(6, 6), 7);
    });
    Button(dir, "bprint.bmp", st::kSun, [](QPainter& p, const QRectF& r) { DrawPrinter(p, r); });
    Button(dir, "bhelpsm.bmp", st::kWall, [](QPainter& p, const QRectF& r) {
        DrawLabel(p, QRectF(r.left() - 2, r.top(), r.width() / 2, r.height()), "?", 22);
        Cross(p, QRectF(r.center().x() + 3, r.top() + 8, 10, 12));
    });
    Button(dir, "bback.bmp", st::kMint, [](QPainter& p, const QRectF& r) {
        art::help::DrawArrow(p, QPointF(r.right() - 2, r.center().y()), QPointF(r.left() + 2, r.center().y()), st::kInk,
                             4);
    });
    Button(dir, "bprinth.bmp", st::kSky, [](QPainter& p, const QRectF& r) {
        DrawPrinter(p, r);
        DrawLabel(p, QRectF(r.left() + 7, r.top() - 1, 14, 12), "?", 10);
    });
    Button(dir, "babout.bmp", st::kLilac, [](QPainter& p, const QRectF& r) {
        p.setPen(QPen(st::kInk, 1.5));
        p.setBrush(st::kPaper);
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        DrawLabel(p, r, "i", 20, Qt::AlignCenter, st::kSky);
    });
}

void ClassIcons(const std::filesystem::path& dir) {
    static const std::array<const char*, 8> kNames{"cwn.bmp", "cpl.bmp", "cbr.bmp", "cbl.bmp",
                                                   "chl.bmp", "cyu.bmp", "csh.bmp", "ctf.bmp"};
    static const std::array<QColor, 8> kColours{st::kWoodDark, st::kBerry, kDressBlue, st::kSun,
                                                st::kMint,     st::kLilac, st::kSky,   st::kBerry};
    for (size_t i = 0; i < kNames.size(); ++i) {
        art::help::SavePicture(dir, kNames[i], 40, 40, [&](QPainter& p) {
            art::help::DrawCard(p, QRectF(0, 0, 40, 40), st::kWall);
            art::help::DrawGarment(p, QRectF(5, 5, 30, 30), static_cast<Garment>(i), kColours[i]);
        });
    }
}

void Icons(const std::filesystem::path& dir) {
    art::help::SavePicture(dir, "idoll.bmp", 56, 56, [](QPainter& p) {
        art::help::DrawCard(p, QRectF(0, 0, 56, 56), st::kWall);
        art::help::DrawDoll(p, QRectF(8, 4, 40, 48), false, st::kBerry);
    });
    art::help::SavePicture(dir, "irack.bmp", 56, 56, [](QPainter& p) {
        art::help::DrawCard(p, QRectF(0, 0, 56, 56), st::kStage);
        art::help::DrawRack(p, QRectF(6, 6, 44, 44), Garment::Dress);
    });
    art::help::SavePicture(dir, "idrum.bmp", 56, 56, [](QPainter& p) {
        art::help::DrawCard(p, QRectF(0, 0, 56, 56), st::kStage);
        art::help::DrawDrum(p, QPointF(28, 28), 22, true);
    });
    art::help::SavePicture(dir, "iprint.bmp", 56, 56, [](QPainter& p) {
        art::help::DrawCard(p, QRectF(0, 0, 56, 56), st::kMint);
        art::help::DrawPrinter(p, QRectF(8, 8, 40, 40));
    });
}

void MakeHelpPictures(const art::ArtContext& context) {
    const std::filesystem::path dir = context.resourceDir / "Help";
    std::filesystem::create_directories(dir);
    Buttons(dir);
    ClassIcons(dir);
    Icons(dir);
    art::help::MakeHelpScenes(dir);
}

static art::ArtRegistration reg("help pictures", &MakeHelpPictures);

} // namespace
