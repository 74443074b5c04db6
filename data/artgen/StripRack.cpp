// FsView.bmp: the turning clothes rack behind the six clothing views. Frames 0 .. kFrames show a
// round carousel rack (a top ring on a pole over a small painted turntable) standing on the main
// background under the view; the turntable keeps clear of the shoe view, which overlaps the
// rack's lower right corner on the screen. A turn counts down from
// frame kFrames to the rack at rest, turning the ring's beads and the turntable a third of a
// round, which brings them back where they started, as the three garments swap places. The
// overlay frame holds only the ring's front arc, laid over the garments so they hang on it.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace art {
namespace {

namespace r = layout::rack;

constexpr double kCx = 74;                // the rack's axis
constexpr double kRingRx = 52, kRingRy = 6;
constexpr double kBaseY = 150, kBaseRx = 15, kBaseRy = 5;
const QColor kRingColour{150, 170, 205};
const QColor kRingLine{92, 104, 140};

QPointF OnEllipse(double cx, double cy, double rx, double ry, double degrees) {
    double a = degrees * M_PI / 180.0;
    return {cx + rx * std::cos(a), cy + ry * std::sin(a)};
}

// The angle the rack has turned in a frame: a third of a round spread over the turn.
double TurnDegrees(int frame) {
    return frame == 0 ? 0.0 : 120.0 * (r::kFrames - frame) / r::kFrames;
}

void PaintTurntable(QPainter& p, double turn) {
    const std::array<QColor, 6> colours{style::kBerry, style::kSun, style::kSky,
                                        style::kMint, style::kLilac, QColor(255, 150, 90)};
    QRectF top(kCx - kBaseRx, kBaseY - kBaseRy, 2 * kBaseRx, 2 * kBaseRy);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(kCx - kBaseRx, kBaseY, 2 * kBaseRx, 6), 3, 3);
    strip::FillOutlined(p, rim, style::kWoodDark, style::kInk, 1.0);
    for (int i = 0; i < 6; ++i) {
        QPainterPath wedge;
        wedge.moveTo(kCx, kBaseY);
        wedge.arcTo(top, -(turn + i * 60.0), -60.0);
        wedge.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colours[size_t(i)]);
        p.drawPath(wedge);
    }
    QPainterPath edge;
    edge.addEllipse(top);
    strip::Stroke(p, edge, style::kInk, 1.2);
    QPainterPath hub;
    hub.addEllipse(QPointF(kCx, kBaseY), 4, 1.6);
    strip::FillOutlined(p, hub, kRingColour, kRingLine, 1.0);
}

void PaintPoleAndBackRing(QPainter& p, double turn) {
    QPainterPath pole;
    pole.addRoundedRect(QRectF(kCx - 2.5, r::kRingY - 4, 5, kBaseY - r::kRingY + 4), 2, 2);
    strip::FillOutlined(p, pole, kRingColour, kRingLine, 1.0);
    QPainterPath back;
    QRectF ring(kCx - kRingRx, r::kRingY - kRingRy, 2 * kRingRx, 2 * kRingRy);
    back.arcMoveTo(ring, 0);
    back.arcTo(ring, 0, 180);
    strip::Stroke(p, back, kRingLine, 4.2);
    strip::Stroke(p, back, kRingColour, 2.4);
    // Beads on the far half of the ring turn with it.
    for (int i = 0; i < 6; ++i) {
        double deg = std::fmod(turn + i * 60.0 + 30.0, 360.0);
        if (deg < 180.0)
            continue; // on the near half, hidden behind the front arc
        QPainterPath bead;
        bead.addEllipse(OnEllipse(kCx, r::kRingY, kRingRx, kRingRy, deg), 3, 3);
        strip::FillOutlined(p, bead, i % 2 ? style::kSun : style::kBerry, style::kInk, 0.8);
    }
    QPainterPath finial = strip::Star(kCx, r::kRingY - 5, 5, 2.2);
    strip::FillOutlined(p, finial, style::kSun, style::kWoodDark, 1.0);
}

QImage RackFrame(int frame, const QImage& background) {
    QImage layer = NewLayer(r::kViewWidth, r::kStripHeight);
    QPainter p(&layer);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(style::kWallShade);
    p.drawEllipse(QPointF(kCx, kBaseY + 7), kBaseRx + 6, 4);
    double turn = TurnDegrees(frame);
    PaintTurntable(p, turn);
    PaintPoleAndBackRing(p, turn);
    p.end();
    QImage picture = background.copy();
    StampHard(picture, layer, 0, 0);
    RemovePureWhite(picture);
    return picture;
}

// The ring's near half, which the garments' hooks hang over.
QImage FrontBar() {
    QImage layer = NewLayer(r::kViewWidth, r::kStripHeight);
    QPainter p(&layer);
    Smooth(p);
    QRectF ring(kCx - kRingRx, r::kRingY - kRingRy, 2 * kRingRx, 2 * kRingRy);
    QPainterPath front;
    front.arcMoveTo(ring, 180);
    front.arcTo(ring, 180, 180);
    strip::Stroke(p, front, kRingLine, 4.6);
    strip::Stroke(p, front, kRingColour, 2.6);
    for (double deg : {180.0, 360.0}) {
        QPainterPath knob;
        knob.addEllipse(OnEllipse(kCx, r::kRingY, kRingRx, kRingRy, deg), 3.6, 3.6);
        strip::FillOutlined(p, knob, style::kSun, style::kInk, 0.8);
    }
    p.end();
    return Flatten(layer);
}

void MakeRackStrip(const ArtContext& context) {
    const QImage background =
        strip::MainBackground(context, {r::kViewX, r::kViewY, r::kViewWidth, r::kStripHeight});
    QImage strip = NewOpaque(r::kStripWidth, r::kStripHeight, Qt::white);
    QPainter p(&strip);
    for (int frame = 0; frame <= r::kFrames; ++frame)
        p.drawImage(r::FrameX(frame), 0, RackFrame(frame, background));
    p.drawImage(r::FrameX(r::kOverlayFrame), 0, FrontBar());
    p.end();
    SaveBmp24(strip, context.resourceDir / "FsView.bmp");
}

// Named to run after Main.bmp, whose pixels the frames stand on.
ArtRegistration registration("strips/FsView.bmp", &MakeRackStrip);

} // namespace
} // namespace art
