// Zamor.bmp: the five small surprises of the main window, each frame at the place the animation
// table gives. Each surprise starts and ends almost on the bare background, so it pops in and
// leaves without a jump: a butterfly flutters through, hearts float up beside the doll, a kitten
// peeks up, a flower blooms and a balloon rises.
//
// The frames are laid over the main background where they play. Makers run in name order, so
// Main.bmp is already painted when this one runs and its pixels under each animation become the
// frames' background; without it (a partial run) the frames stand on the plain wall colour.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace art {
namespace {

namespace z = layout::surprise;
using Painter = std::function<void(QPainter&, int frame)>;

void Butterfly(QPainter& p, int frame) { // 50 x 54, 9 frames
    double t = frame / 8.0;
    double cx = 6 + 38 * t, cy = 48 - 40 * t + 6 * std::sin(t * 2 * M_PI);
    double flap = frame % 2 ? 0.35 : 1.0; // wings open and nearly shut in turn
    for (int side : {-1, 1}) {
        QPainterPath upper, lower;
        upper.addEllipse(QPointF(cx + side * 7 * flap, cy - 4), 7 * flap + 0.8, 6.5);
        lower.addEllipse(QPointF(cx + side * 5 * flap, cy + 5), 5 * flap + 0.8, 4.5);
        strip::FillOutlined(p, upper, style::kLilac, style::kInk, 1.0);
        strip::FillOutlined(p, lower, style::kBerry, style::kInk, 1.0);
    }
    QPainterPath body;
    body.addRoundedRect(QRectF(cx - 1.5, cy - 7, 3, 15), 1.5, 1.5);
    strip::FillOutlined(p, body, style::kInk, style::kInk, 0.8);
    QPainterPath feelers;
    feelers.moveTo(cx, cy - 7);
    feelers.quadTo(cx - 3, cy - 12, cx - 5, cy - 12);
    feelers.moveTo(cx, cy - 7);
    feelers.quadTo(cx + 3, cy - 12, cx + 5, cy - 12);
    strip::Stroke(p, feelers, style::kInk, 1.0);
}

void Hearts(QPainter& p, int frame) { // 50 x 58, 8 frames
    const double sizes[3] = {20, 13, 9};
    const double xs[3] = {24, 12, 38};
    for (int i = 0; i < 3; ++i) {
        int age = frame - i * 2;
        if (age < 0 || age > 5)
            continue;
        double top = 44 - age * 8.0 - i * 2;
        double size = sizes[i] * (age < 2 ? 0.5 + age * 0.25 : 1.0);
        strip::FillOutlined(p, strip::Heart(xs[i] + std::sin(age) * 2, top, size),
                            i == 1 ? style::kLilac : style::kBerry, style::kInk, 1.0);
    }
}

void Kitten(QPainter& p, int frame) { // 60 x 50, 7 frames
    const double rise[7] = {46, 30, 16, 12, 12, 26, 44};
    double top = rise[frame];
    const QColor fur{255, 178, 102}, line{150, 86, 40};
    QPainterPath head;
    head.addEllipse(QPointF(30, top + 18), 17, 15);
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(30 + side * 15, top + 12);
        ear.lineTo(30 + side * 14, top - 2);
        ear.lineTo(30 + side * 4, top + 5);
        ear.closeSubpath();
        head = head.united(ear);
    }
    strip::FillOutlined(p, head, fur, line, 1.3);
    bool blink = frame == 3;
    for (int side : {-1, 1}) {
        QPointF eye(30 + side * 7, top + 16);
        if (blink) {
            QPainterPath closed;
            closed.moveTo(eye + QPointF(-3, 0));
            closed.quadTo(eye + QPointF(0, 3), eye + QPointF(3, 0));
            strip::Stroke(p, closed, style::kInk, 1.3);
        } else {
            QPainterPath open;
            open.addEllipse(eye, 2.6, 3.4);
            strip::FillOutlined(p, open, style::kInk, style::kInk, 0.5);
        }
        QPainterPath whiskers;
        whiskers.moveTo(30 + side * 6, top + 23);
        whiskers.lineTo(30 + side * 20, top + 21);
        whiskers.moveTo(30 + side * 6, top + 25);
        whiskers.lineTo(30 + side * 20, top + 27);
        strip::Stroke(p, whiskers, line, 0.9);
    }
    QPainterPath nose;
    nose.addEllipse(QPointF(30, top + 22), 2, 1.5);
    strip::FillOutlined(p, nose, style::kBerry, style::kBerry, 0.5);
    if (frame == 4)
        strip::FillOutlined(p, strip::Heart(52, top - 8, 10), style::kBerry, style::kInk, 0.8);
}

void Flower(QPainter& p, int frame) { // 45 x 69, 5 frames
    double stemTop = 64 - frame * 9.0;
    QPainterPath pot;
    pot.moveTo(12, 56);
    pot.lineTo(33, 56);
    pot.lineTo(30, 68);
    pot.lineTo(15, 68);
    pot.closeSubpath();
    QPainterPath stem;
    stem.moveTo(22.5, 57);
    stem.lineTo(22.5, stemTop + 4);
    strip::Stroke(p, stem, QColor(60, 150, 80), 2.2);
    if (frame >= 2) {
        QPainterPath leaf;
        leaf.moveTo(22.5, 50);
        leaf.quadTo(34, 40, 36, 46);
        leaf.quadTo(30, 52, 22.5, 50);
        strip::FillOutlined(p, leaf, style::kMint, QColor(60, 150, 80), 1.0);
    }
    double bloom = frame * 2.2;
    for (int i = 0; i < 5 && frame >= 1; ++i) {
        double a = (i * 72 - 90) * M_PI / 180.0;
        QPainterPath petal;
        petal.addEllipse(QPointF(22.5 + std::cos(a) * bloom, stemTop + std::sin(a) * bloom), 1.5 + bloom * 0.7, 1.5 + bloom * 0.7);
        strip::FillOutlined(p, petal, style::kBerry.lighter(130), style::kBerry.darker(120), 1.0);
    }
    QPainterPath centre;
    centre.addEllipse(QPointF(22.5, stemTop), 2 + frame * 0.7, 2 + frame * 0.7);
    strip::FillOutlined(p, centre, style::kSun, style::kWoodDark, 1.0);
    strip::FillOutlined(p, pot, QColor(226, 120, 80), style::kInk, 1.2);
}

void Balloon(QPainter& p, int frame) { // 37 x 70, 6 frames
    double cy = 60 - frame * 12.0;
    QPainterPath string;
    string.moveTo(18.5, cy + 13);
    string.cubicTo(14, cy + 20, 23, cy + 26, 18.5, cy + 34);
    strip::Stroke(p, string, style::kInk, 1.0);
    QPainterPath balloon;
    balloon.addEllipse(QPointF(18.5, cy), 11, 13);
    balloon.moveTo(16, cy + 15);
    balloon.lineTo(21, cy + 15);
    balloon.lineTo(18.5, cy + 12);
    balloon.closeSubpath();
    strip::FillOutlined(p, balloon.simplified(), style::kSky, style::kInk, 1.2);
    QPainterPath shine;
    shine.addEllipse(QPointF(14.5, cy - 5), 2.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 244, 255));
    p.drawPath(shine);
}

void MakeSurprises(const ArtContext& context) {
    const Painter painters[5] = {Butterfly, Hearts, Kitten, Flower, Balloon};
    QImage picture = strip::Wall(z::kPictureWidth, z::kPictureHeight);
    for (size_t i = 0; i < z::kAnimations.size(); ++i) {
        const z::Animation& a = z::kAnimations[i];
        QImage background = strip::MainBackground(context, a.Place);
        for (int k = 0; k < a.CountFase; ++k) {
            QImage layer = NewLayer(a.Place.Width, a.Place.Height);
            QPainter p(&layer);
            Smooth(p);
            painters[i](p, k);
            p.end();
            QImage frame = background.copy();
            StampHard(frame, layer, 0, 0);
            QPainter out(&picture);
            layout::Box box = a.FrameBox(k);
            out.drawImage(box.X, box.Y, frame);
        }
    }
    RemovePureWhite(picture);
    SaveBmp24(picture, context.resourceDir / "Zamor.bmp");
}

ArtRegistration registration("Zamor.bmp", &MakeSurprises);

} // namespace
} // namespace art
