// The doll's drawing, built from the landmarks of DollFigure.h with antialiased paths on a
// transparent layer. The body silhouette is one united path so its outline never crosses itself;
// the arms are painted first so the rounded shoulders of the torso sit over them.
#include "data/artgen/DollPainter.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/DollFigure.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace art::doll {
namespace {

const QColor kSkinLine{206, 146, 124};
const QColor kSuit{255, 192, 216};
const QColor kSuitLine{222, 120, 162};
const QColor kEyeWhite{254, 254, 254};
const QColor kIris{84, 146, 214};
const QColor kLips{220, 86, 118};
const QColor kBlush{255, 150, 166, 110};

// Mirrors a path about the figure's centre line.
QPainterPath Mirrored(const QPainterPath& path) {
    QTransform flip(-1, 0, 0, 1, 2.0 * kCentreX, 0);
    return flip.map(path);
}

QPainterPath WithMirror(const QPainterPath& left) {
    return left.united(Mirrored(left));
}

// A limb segment from a to b, wa wide at a and wb at b, with round ends.
QPainterPath Capsule(QPointF a, QPointF b, double wa, double wb) {
    QLineF line(a, b);
    QPointF n = QLineF(line.normalVector().unitVector()).p2() - line.p1();
    QPainterPath path;
    path.moveTo(a + n * (wa / 2));
    path.lineTo(b + n * (wb / 2));
    path.lineTo(b - n * (wb / 2));
    path.lineTo(a - n * (wa / 2));
    path.closeSubpath();
    path.addEllipse(a, wa / 2, wa / 2);
    path.addEllipse(b, wb / 2, wb / 2);
    return path.simplified();
}

QPointF P(Pt p) {
    return QPointF(p.X, p.Y);
}

// The viewer's-left hand as an oval from the wrist to the finger tips.
QPainterPath Hand() {
    QPointF wrist = P(kWrist), tips = P(kFingerTips);
    QPointF mid = (wrist + tips) / 2;
    double angle = std::atan2(tips.y() - wrist.y(), tips.x() - wrist.x()) * 180.0 / M_PI;
    QPainterPath oval;
    double length = QLineF(wrist, tips).length() + 4;
    oval.addEllipse(QPointF(0, 0), length / 2, 5.5);
    QTransform place;
    place.translate(mid.x(), mid.y());
    place.rotate(angle);
    return place.map(oval);
}

// Offset of point c by half of `width` along the normal of the direction a -> b.
QPointF Offset(QPointF a, QPointF b, QPointF c, double width) {
    QLineF normal = QLineF(a, b).normalVector().unitVector();
    return c + (normal.p2() - normal.p1()) * (width / 2);
}

// One smooth tube from the shoulder over the elbow to the wrist, a round shoulder and the hand.
QPainterPath LeftArm() {
    QPointF s = P(kShoulderJoint), e = P(kElbow), w = P(kWrist);
    QPainterPath tube;
    tube.moveTo(Offset(s, w, s, kUpperArmWidth));
    tube.quadTo(Offset(s, w, e, kForearmWidth + 3), Offset(s, w, w, kWristWidth));
    tube.lineTo(Offset(s, w, w, -kWristWidth));
    tube.quadTo(Offset(s, w, e, -(kForearmWidth + 3)), Offset(s, w, s, -kUpperArmWidth));
    tube.closeSubpath();
    QPainterPath shoulder;
    shoulder.addEllipse(s, kUpperArmWidth / 2.0, kUpperArmWidth / 2.0);
    return tube.united(shoulder).united(Hand()).simplified();
}

QPainterPath LeftTorsoHalf() {
    QPainterPath half;
    half.moveTo(kCentreX, kNeckTop);
    half.lineTo(kCentreX - kNeckHalfWidth, kNeckTop);
    half.cubicTo(93, 76, 93, 80, 91, 83);
    half.cubicTo(86, 87, 74, 86, 67, 89);
    half.cubicTo(64, 90, 65, 99, 72, kArmpitY + 2);
    half.cubicTo(72, kBustY, 74, 124, 79, 134);
    half.cubicTo(82, 141, 83, 145, kCentreX - kWaistHalfWidth, kWaistY + 1);
    half.cubicTo(83, 160, 74, 168, kCentreX - kHipHalfWidth, kHipY);
    half.cubicTo(74, 190, 75, 196, 76, kCrotchY + 2);
    half.lineTo(kCentreX, kCrotchY + 2);
    half.closeSubpath();
    return half;
}

QPainterPath LeftLeg() {
    QPainterPath leg;
    leg.moveTo(74, 186);
    leg.cubicTo(72, 222, 80, 244, kKneeOuterX, kKneeY);
    leg.cubicTo(82, 280, 79, 302, kAnkleOuterX, kAnkleY);
    leg.lineTo(kAnkleInnerX, kAnkleY);
    leg.cubicTo(96, 306, 98, 284, kKneeInnerX, kKneeY);
    leg.cubicTo(96, 244, 100, 225, kCentreX, kCrotchY);
    leg.closeSubpath();
    return leg;
}

QPainterPath LeftFoot(Side side) {
    QPainterPath foot;
    foot.moveTo(kAnkleOuterX, kAnkleY - 6);
    if (side == Side::Front) {
        foot.cubicTo(84, 334, 80, 342, 81, 347);
        foot.cubicTo(82, kSoleY + 1, 92, kSoleY + 2, 95, 349);
        foot.cubicTo(97, 344, 95, 334, kAnkleInnerX, kAnkleY - 6);
    } else {
        foot.cubicTo(84, 336, 83, 344, 85, 348);
        foot.cubicTo(87, kSoleY + 1, 93, kSoleY + 1, 95, 348);
        foot.cubicTo(97, 344, 95, 334, kAnkleInnerX, kAnkleY - 6);
    }
    foot.closeSubpath();
    return foot;
}

QPainterPath Body(Side side) {
    QPainterPath body = WithMirror(LeftTorsoHalf());
    body = body.united(WithMirror(LeftLeg()));
    return body.united(WithMirror(LeftFoot(side))).simplified();
}

QPainterPath Arms() {
    return WithMirror(LeftArm());
}

QPainterPath HeadOval() {
    QPainterPath head;
    head.addEllipse(QPointF(kCentreX, kHeadCentreY), kHeadHalfWidth, (kChin - kHeadTop) / 2.0);
    return head;
}

// The underwear: a simple bodysuit inside the body silhouette, with thin straps.
QPainterPath Suit(const QPainterPath& body) {
    QPainterPath area;
    area.moveTo(50, kBustY - 8);
    area.cubicTo(80, kBustY - 2, 120, kBustY - 2, 150, kBustY - 8);
    area.lineTo(150, 186);
    area.lineTo(127, 187);
    area.cubicTo(118, 192, 106, 200, kCentreX, kCrotchY + 6);
    area.cubicTo(94, 200, 82, 192, 73, 187);
    area.lineTo(50, 186);
    area.closeSubpath();
    QPainterPath suit = body.intersected(area);
    QPainterPath straps = WithMirror(Capsule(QPointF(84, 88), QPointF(86, kBustY - 4), 3.5, 3.5));
    return suit.united(straps.intersected(body));
}

void FillOutlined(QPainter& p, const QPainterPath& path, QColor fill, QColor line, double width = 1.3) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void Stroke(QPainter& p, const QPainterPath& path, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void SkinShading(QPainter& p, const QPainterPath& body) {
    // A soft shadow down the figure's right side gives it a rounded, doll-like body.
    QLinearGradient shade(QPointF(kCentreX - 10, 0), QPointF(kCentreX + 40, 0));
    shade.setColorAt(0, QColor(232, 184, 160, 0));
    shade.setColorAt(1, QColor(232, 184, 160, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(body);
}

void BodyDetails(QPainter& p, Side side) {
    QPainterPath lines;
    lines.moveTo(kCentreX, kCrotchY + 4);
    lines.cubicTo(kCentreX, 220, kCentreX, 240, kCentreX - 1, 252);
    for (int sign : {-1, 1}) {
        double kx = kCentreX + sign * 11;
        if (side == Side::Front) {
            lines.moveTo(kx - 3, kKneeY - 2);
            lines.quadTo(kx, kKneeY + 2, kx + 3, kKneeY - 2);
            lines.moveTo(kCentreX + sign * 4, 88);
            lines.quadTo(kCentreX + sign * 11, 91, kCentreX + sign * 18, 89);
        } else {
            lines.moveTo(kx - 4, kKneeY + 2);
            lines.quadTo(kx, kKneeY - 1, kx + 4, kKneeY + 2);
            lines.moveTo(kCentreX + sign * 8, 98);
            lines.quadTo(kCentreX + sign * 14, 104, kCentreX + sign * 12, 110);
        }
    }
    Stroke(p, lines, kSkinLine, 1.0);
}

void SuitDetails(QPainter& p, Side side) {
    if (side == Side::Back)
        return;
    QPainterPath bow;
    bow.moveTo(kCentreX, kBustY);
    bow.cubicTo(94, kBustY - 5, 92, kBustY + 4, kCentreX, kBustY);
    bow.cubicTo(106, kBustY - 5, 108, kBustY + 4, kCentreX, kBustY);
    FillOutlined(p, bow, style::kBerry, style::kBerry.darker(130), 1.0);
}

void Face(QPainter& p) {
    for (int sign : {-1, 1}) {
        double ex = kCentreX + sign * 10;
        QPainterPath eye;
        eye.addEllipse(QPointF(ex, 46), 5.0, 5.6);
        FillOutlined(p, eye, kEyeWhite, style::kInk, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(kIris);
        p.drawEllipse(QPointF(ex, 47), 3.6, 4.4);
        p.setBrush(style::kInk);
        p.drawEllipse(QPointF(ex, 47.5), 1.8, 2.3);
        p.setBrush(kEyeWhite);
        p.drawEllipse(QPointF(ex + 1.3, 45.3), 1.2, 1.2);
        QPainterPath lash;
        lash.moveTo(ex - sign * 5.6, 46);
        lash.cubicTo(ex - sign * 4, 40, ex + sign * 4, 40, ex + sign * 6.5, 44);
        lash.lineTo(ex + sign * 8, 42.5);
        Stroke(p, lash, style::kInk, 1.6);
        QPainterPath brow;
        brow.moveTo(ex - 4.5, 36.5);
        brow.quadTo(ex, 33.5, ex + 4.5, 36.5);
        Stroke(p, brow, style::kHairShade, 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlush);
        p.drawEllipse(QPointF(kCentreX + sign * 15, 56), 5.0, 3.2);
    }
    QPainterPath nose;
    nose.moveTo(98, 54.5);
    nose.quadTo(100, 56.5, 102, 54.5);
    Stroke(p, nose, kSkinLine, 1.1);
    QPainterPath mouth;
    mouth.moveTo(94, 60.5);
    mouth.cubicTo(96, 66, 104, 66, 106, 60.5);
    mouth.cubicTo(103, 62, 97, 62, 94, 60.5);
    FillOutlined(p, mouth, kLips, kLips.darker(120), 0.9);
}

// The hair mass behind the head: shoulder length at the sides in front, long down the back.
QPainterPath HairBehind(Side side) {
    QPainterPath half;
    double bottom = side == Side::Front ? kHairFrontBottom : kHairBackBottom;
    half.moveTo(kCentreX, 20);
    half.cubicTo(84, 18, 70, 28, 70, 46);
    if (side == Side::Front) {
        half.cubicTo(69, 64, 64, 80, 63, 94);
        half.quadTo(66, bottom + 2, 72, bottom - 4);
        half.quadTo(77, bottom + 2, 82, bottom - 6);
        half.lineTo(kCentreX, bottom - 6);
    } else {
        half.cubicTo(70, 70, 72, 100, 74, 120);
        half.quadTo(74, bottom - 2, 79, bottom - 4);
        half.quadTo(83, bottom + 2, 88, bottom - 3);
        half.quadTo(94, bottom + 3, kCentreX, bottom - 2);
    }
    half.closeSubpath();
    return WithMirror(half);
}

// The hair over the top of the head down to the fringe (front) or the whole head (back).
QPainterPath HairCap(Side side, Hair hair) {
    double top = hair == Hair::Free ? kHairTop : kHairTopWithHat;
    QPainterPath cap;
    if (side == Side::Back) {
        cap.addEllipse(QPointF(kCentreX, (top + kChin + 4) / 2.0), 27, (kChin + 4 - top) / 2.0);
        return cap;
    }
    cap.moveTo(72, 66);
    cap.cubicTo(70, 50, 70, 34, 76, 26);
    cap.cubicTo(82, top + 4, 94, top, kCentreX, top);
    cap.cubicTo(108, top, 120, top + 4, 125, 26);
    cap.cubicTo(130, 34, 130, 50, 128, 66);
    cap.cubicTo(126, 60, 125, 50, 122, 42);
    cap.cubicTo(118, 36, 112, 32, 106, 29);
    cap.cubicTo(102, 34, 92, 38, 84, 36);
    cap.cubicTo(80, 40, 78, 52, 72, 66);
    cap.closeSubpath();
    return cap;
}

QPainterPath HairStrands(Side side, Hair hair) {
    double top = hair == Hair::Free ? kHairTop : kHairTopWithHat;
    QPainterPath s;
    if (side == Side::Front) {
        s.moveTo(kCentreX + 2, top + 2);
        s.cubicTo(96, top + 10, 90, 28, 84, 34);
        s.moveTo(kCentreX + 8, top + 3);
        s.cubicTo(108, top + 12, 112, 26, 122, 40);
        s.moveTo(78, 30);
        s.cubicTo(74, 40, 74, 52, 75, 62);
        return s;
    }
    for (int sign : {-1, 1}) {
        s.moveTo(kCentreX + sign * 2, top + 4);
        s.cubicTo(kCentreX + sign * 12, 40, kCentreX + sign * 14, 90, kCentreX + sign * 10, kHairBackBottom - 6);
        s.moveTo(kCentreX + sign * 14, top + 10);
        s.cubicTo(kCentreX + sign * 24, 50, kCentreX + sign * 24, 100, kCentreX + sign * 22, kHairBackBottom - 10);
    }
    return s;
}

QPainterPath Bow(Side side) {
    // Seen from behind the bow sits on the other side of the head.
    double x = side == Side::Front ? 119 : MirrorX(119);
    QPainterPath bow;
    for (int sign : {-1, 1}) {
        bow.moveTo(x, 16);
        bow.lineTo(x + sign * 12, 9);
        bow.quadTo(x + sign * 16, 16, x + sign * 12, 23);
        bow.closeSubpath();
    }
    bow.addEllipse(QPointF(x, 16), 3.4, 3.4);
    return bow.simplified();
}

void PaintHair(QPainter& p, Side side, Hair hair, bool withBehind) {
    QPainterPath mass = HairCap(side, hair);
    if (side == Side::Back)
        mass = mass.united(HairBehind(side)).simplified();
    else if (withBehind)
        FillOutlined(p, HairBehind(side), style::kHair, style::kHairShade);
    FillOutlined(p, mass, style::kHair, style::kHairShade);
    Stroke(p, HairStrands(side, hair), style::kHairShade, 1.2);
    if (hair == Hair::Free)
        FillOutlined(p, Bow(side), style::kBerry, style::kBerry.darker(140), 1.0);
}

} // namespace

QImage PaintDoll(Side side, Hair hair, double scale) {
    QImage layer = NewLayer(int(std::lround(200 * scale)), int(std::lround(360 * scale)));
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    if (side == Side::Front)
        FillOutlined(p, HairBehind(side), style::kHair, style::kHairShade);
    QPainterPath arms = Arms();
    FillOutlined(p, arms, style::kSkin, kSkinLine);
    QPainterPath body = Body(side);
    FillOutlined(p, body, style::kSkin, kSkinLine);
    SkinShading(p, body);
    BodyDetails(p, side);
    FillOutlined(p, Suit(body), kSuit, kSuitLine, 1.0);
    SuitDetails(p, side);
    if (side == Side::Front) {
        FillOutlined(p, HeadOval(), style::kSkin, kSkinLine);
        Face(p);
        PaintHair(p, side, hair, /*withBehind=*/false);
    } else {
        PaintHair(p, side, hair, /*withBehind=*/true);
    }
    return layer;
}

QImage PaintBackOverlay(Hair hair) {
    QImage layer = NewLayer(200, 360);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // Only the hands: sleeves on the arm lines stay visible, while the hands stay above wide
    // skirts and coat hems, as they would seen from behind.
    QPainterPath hands = WithMirror(Hand());
    FillOutlined(p, hands, style::kSkin, kSkinLine);
    PaintHair(p, Side::Back, hair, /*withBehind=*/true);
    return layer;
}

} // namespace art::doll
