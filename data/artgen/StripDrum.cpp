// FsBrush.bmp: the fabric drum. A wooden sewing box holds a drum that turns on a level axis; five
// windows on its visible face are painted in the five key colours of column 0, and the drum view
// shows each slot's fabric through its window. Closed, a roll-top lid with the word "Ткани"
// covers the drum; opening rolls the lid up in seven steps, closing rolls it down. A turn shows
// the windows sliding a slot's height along the face into their places, so the fabrics seem to
// travel with the drum. The box stands on the main background under the drum.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

namespace d = layout::drum;

constexpr double kFaceLeft = 14, kFaceRight = 85; // the drum's visible face
constexpr double kFaceTop = 9, kFaceBottom = 94;
constexpr double kAxisY = (kFaceTop + kFaceBottom) / 2;
constexpr double kRadius = (kFaceBottom - kFaceTop) / 2;
constexpr double kSlotDegrees = 34;     // between neighbouring windows
constexpr double kWindowHalfDegrees = 13;
constexpr int kWindowLeft = 21, kWindowRight = 78;

QColor Key(int slot) {
    const layout::Rgb& c = d::kKeyColours[size_t(slot)];
    return QColor(c.R, c.G, c.B);
}

double FaceY(double degrees) {
    return kAxisY + kRadius * std::sin(degrees * M_PI / 180.0);
}

// The sewing box and the drum face under the windows; `turn` moves the drum's ribs.
QImage BoxAndDrum(const QImage& background, double turn) {
    QImage layer = NewLayer(d::kCellWidth, d::kCellHeight);
    QPainter p(&layer);
    Smooth(p);
    QPainterPath box;
    box.addRoundedRect(QRectF(3, 2, 93, 99), 10, 10);
    strip::FillOutlined(p, box, style::kWood, style::kWoodDark, 2.0);
    QLinearGradient shade(0, kFaceTop, 0, kFaceBottom);
    shade.setColorAt(0, QColor(120, 150, 200));
    shade.setColorAt(0.5, QColor(200, 220, 250));
    shade.setColorAt(1, QColor(110, 140, 190));
    QPainterPath face;
    face.addRoundedRect(QRectF(kFaceLeft, kFaceTop, kFaceRight - kFaceLeft, kFaceBottom - kFaceTop), 4, 4);
    strip::FillOutlined(p, face, QColor(170, 195, 235), style::kWoodDark, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(face);
    for (int i = -3; i <= 3; ++i) {
        double deg = i * kSlotDegrees + kSlotDegrees / 2 + turn;
        if (std::abs(deg) > 84)
            continue;
        QPainterPath rib;
        rib.moveTo(kFaceLeft + 2, FaceY(deg));
        rib.lineTo(kFaceRight - 2, FaceY(deg));
        strip::Stroke(p, rib, QColor(90, 110, 160), 1.0);
    }
    for (double x : {8.0, 91.0}) { // the drum's axle ends
        QPainterPath knob;
        knob.addEllipse(QPointF(x, kAxisY), 3.2, 3.2);
        strip::FillOutlined(p, knob, style::kSun, style::kWoodDark, 1.0);
    }
    p.end();
    QImage picture = background.copy();
    StampHard(picture, layer, 0, 0);
    return picture;
}

// Replaces any pixel that happens to hold a key colour, so only the windows carry them.
void ClearKeys(QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            for (int s = 0; s < d::kSlotCount; ++s)
                if ((picture.pixel(x, y) | 0xFF000000u) == Key(s).rgb())
                    picture.setPixel(x, y, QColor(Key(s)).darker(110).rgb());
}

// The five windows with hard edges, each shifted by `turn` degrees along the face.
void Windows(QImage& picture, double turn) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(QRectF(kFaceLeft + 1, kFaceTop + 1, kFaceRight - kFaceLeft - 2, kFaceBottom - kFaceTop - 2));
    for (int slot = 0; slot < d::kSlotCount; ++slot) {
        double centre = (slot - 2) * kSlotDegrees + turn;
        double top = std::max(-88.0, centre - kWindowHalfDegrees);
        double bottom = std::min(88.0, centre + kWindowHalfDegrees);
        if (bottom - top < 3)
            continue;
        int y0 = int(std::lround(FaceY(top))), y1 = int(std::lround(FaceY(bottom)));
        p.fillRect(QRect(kWindowLeft - 1, y0 - 1, kWindowRight - kWindowLeft + 2, y1 - y0 + 2), style::kInk);
        p.fillRect(QRect(kWindowLeft, y0, kWindowRight - kWindowLeft, y1 - y0), Key(slot));
    }
}

// The roll-top lid, rolled down to `bottom` (the whole face when closed).
void Lid(QImage& picture, double bottom) {
    QImage layer = NewLayer(d::kCellWidth, d::kCellHeight);
    QPainter p(&layer);
    Smooth(p);
    if (bottom > kFaceTop + 1) {
        QPainterPath lid;
        lid.addRect(QRectF(kFaceLeft - 2, kFaceTop - 1, kFaceRight - kFaceLeft + 4, bottom - kFaceTop + 1));
        strip::FillOutlined(p, lid, QColor(244, 170, 196), style::kWoodDark, 1.2);
        for (double y = bottom - 6; y > kFaceTop + 1; y -= 7) {
            QPainterPath slat;
            slat.moveTo(kFaceLeft, y);
            slat.lineTo(kFaceRight, y);
            strip::Stroke(p, slat, QColor(214, 120, 160), 1.0);
        }
        QPainterPath handle;
        handle.addRoundedRect(QRectF(42, bottom - 5, 16, 4), 2, 2);
        strip::FillOutlined(p, handle, style::kSun, style::kWoodDark, 1.0);
        if (bottom >= kFaceBottom - 0.5) {
            p.setFont(style::Lettering(15));
            p.setPen(style::kInk);
            p.drawText(QRectF(kFaceLeft, 22, kFaceRight - kFaceLeft, 20), Qt::AlignCenter,
                       QString::fromUtf8("Ткани"));
            strip::FillOutlined(p, strip::Heart(50, 52, 22), style::kBerry, style::kInk, 1.2);
        }
    }
    QPainterPath roll;
    roll.addRoundedRect(QRectF(kFaceLeft - 3, kFaceTop - 6, kFaceRight - kFaceLeft + 6, 7), 3.5, 3.5);
    strip::FillOutlined(p, roll, QColor(234, 150, 182), style::kWoodDark, 1.2);
    p.end();
    StampHard(picture, layer, 0, 0);
}

// Frame of the drum: `lidBottom` where the lid ends, `turn` degrees the windows are shifted.
QImage DrumFrame(const QImage& background, double lidBottom, double turn) {
    QImage picture = BoxAndDrum(background, turn);
    ClearKeys(picture);
    Windows(picture, turn);
    Lid(picture, lidBottom);
    RemovePureWhite(picture);
    return picture;
}

// 0 closed .. kCountFaseOpen + 1 fully rolled up (the open frame), so every step shows a change.
double LidAtOpeningStep(int step) {
    return kFaceBottom - (kFaceBottom - kFaceTop) * step / double(d::kCountFaseOpen + 1);
}

void Put(QImage& strip, int row, int frame, const QImage& cell) {
    QPainter p(&strip);
    p.drawImage(d::FrameX(frame), d::RowY(row), cell);
}

void MakeDrumStrip(const ArtContext& context) {
    const QImage background = strip::MainBackground(context, d::kControl);
    QImage strip = NewOpaque(d::kPictureWidth, d::kPictureHeight, style::kWall);
    // Closing plays the opening backwards; frame 0 of the closing row is never shown and holds
    // the closed drum like the opening row's.
    for (int step = 0; step <= d::kCountFaseOpen; ++step) {
        QImage cell = DrumFrame(background, LidAtOpeningStep(step), 0);
        Put(strip, d::kRowClosedOpening, step, cell);
        Put(strip, d::kRowClosing, step == 0 ? 0 : d::kCountFaseOpen + 1 - step, cell);
    }
    QImage open = DrumFrame(background, LidAtOpeningStep(d::kCountFaseOpen + 1), 0);
    Put(strip, d::kRowOpenTurningBack, 0, open);
    Put(strip, d::kRowTurningForward, 0, open);
    for (int k = 1; k <= d::kCountFaseRotate; ++k) {
        double shift = kSlotDegrees * (1.0 - k / double(d::kCountFaseRotate + 1));
        // Back: the fabrics move down a slot, so the windows come from above; forward: from below.
        Put(strip, d::kRowOpenTurningBack, k, DrumFrame(background, kFaceTop, -shift));
        Put(strip, d::kRowTurningForward, k, DrumFrame(background, kFaceTop, shift));
    }
    for (int slot = 0; slot < d::kSlotCount; ++slot)
        strip.setPixel(0, slot, Key(slot).rgb());
    SaveBmp24(strip, context.resourceDir / "FsBrush.bmp");
}

// Named to run after Main.bmp, whose pixels the frames stand on.
ArtRegistration registration("strips/FsBrush.bmp", &MakeDrumStrip);

} // namespace
} // namespace art
