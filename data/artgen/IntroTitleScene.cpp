// The title scene in 320 x 240 units; see IntroTitleScene.h.
#include "data/artgen/IntroTitleScene.h"

#include "data/artgen/ArtStyle.h"
#include "data/artgen/DollPainter.h"
#include "data/artgen/IntroVideo.h"
#include "data/artgen/StripCommon.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace art::intro {
namespace {

constexpr double kDollHeight = 220; // in scene units
constexpr double kDollScale = kDollHeight / 360.0;

void Background(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(186, 226, 255));
    sky.setColorAt(0.75, style::kWall);
    p.fillRect(QRectF(0, 0, 320, 240), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(style::kStage);
    p.drawEllipse(QPointF(160, 250), 220, 42);
    const std::array<QPointF, 5> bubbles{QPointF(260, 40), QPointF(300, 120), QPointF(200, 24),
                                         QPointF(150, 200), QPointF(290, 200)};
    for (size_t i = 0; i < bubbles.size(); ++i) {
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(bubbles[i], 10 + 4.0 * double(i % 3), 10 + 4.0 * double(i % 3));
    }
}

void Sparkles(QPainter& p, double t) {
    const std::array<QPointF, 6> at{QPointF(150, 60), QPointF(296, 70), QPointF(176, 176),
                                    QPointF(302, 168), QPointF(232, 30), QPointF(120, 120)};
    for (size_t i = 0; i < at.size(); ++i) {
        double phase = Span(t, 0.62 + 0.05 * double(i), 0.8 + 0.05 * double(i));
        if (phase <= 0)
            continue;
        double size = 3 + 4 * std::fabs(std::sin(phase * M_PI * 2 + double(i)));
        strip::FillOutlined(p, strip::Star(at[i].x(), at[i].y(), size, size * 0.45), style::kSun,
                            style::kWoodDark, 0.8);
    }
}

} // namespace

void PaintTitleWord(QPainter& p, double x, double y, double pixelSize, double t, double start,
                    double step) {
    const QString word = QStringLiteral("Velmora");
    const std::array<QColor, 7> colours{style::kBerry, style::kSky, style::kSun, style::kMint,
                                        style::kLilac, QColor(255, 150, 90), style::kBerry};
    QFont font = style::Lettering(int(pixelSize));
    QFontMetricsF metrics(font);
    double pen = x;
    for (int i = 0; i < word.size(); ++i) {
        double k = Span(t, start + i * step, start + i * step + 0.16);
        double drop = (1 - Ease(k)) * -80 + std::sin(k * M_PI) * -6; // falls, then bounces
        if (k > 0) {
            QPainterPath letter;
            letter.addText(pen, y + pixelSize + drop, font, word.mid(i, 1));
            strip::FillOutlined(p, letter, colours[size_t(i)], style::kInk, pixelSize / 18.0);
        }
        pen += metrics.horizontalAdvance(word.mid(i, 1)) + pixelSize * 0.02;
    }
}

QImage TitleDoll(double scale) {
    return doll::PaintDoll(doll::Side::Front, doll::Hair::Free, kDollScale * scale);
}

void PaintTitleScene(QPainter& p, double t, const QImage& doll) {
    Smooth(p);
    Background(p);
    double slide = Ease(Span(t, 0.0, 0.3));
    QRectF dollBox(-130 + 150 * slide, 12, 200 * kDollScale, kDollHeight);
    p.drawImage(dollBox, doll);
    PaintTitleWord(p, 120, 72, 36, t, 0.28, 0.05);
    double line = Ease(Span(t, 0.7, 0.85));
    if (line > 0) {
        p.setOpacity(line);
        p.setFont(style::Lettering(15));
        p.setPen(style::kInk);
        p.drawText(QRectF(114, 128, 204, 26), Qt::AlignCenter, QString::fromUtf8("Наряды для куклы"));
        p.setOpacity(1);
    }
    Sparkles(p, t);
}

} // namespace art::intro
