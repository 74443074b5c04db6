// logo.avi, the first intro video: a needle flies in and stitches a heart with its thread, the
// heart fills with colour and the firm's name "Vertalis" appears under it among twinkling stars.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/IntroVideo.h"
#include "data/artgen/StripCommon.h"
#include "designer/layout/StripLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace art {
namespace {

namespace in = layout::intro;

QPainterPath HeartOutline() {
    return strip::Heart(160, 52, 110);
}

// The stitched part of the heart's outline up to `fraction`, as a dashed thread.
void Thread(QPainter& p, const QPainterPath& heart, double fraction) {
    QPainterPath sewn;
    const int steps = 160;
    for (int i = 0; i <= int(steps * fraction); ++i) {
        QPointF pt = heart.pointAtPercent(double(i) / steps);
        if (i == 0)
            sewn.moveTo(pt);
        else
            sewn.lineTo(pt);
    }
    QPen thread(style::kBerry, 3.5, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(thread);
    p.setBrush(Qt::NoBrush);
    p.drawPath(sewn);
}

void Needle(QPainter& p, QPointF tip, double angleDegrees) {
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath needle;
    needle.moveTo(0, 0);
    needle.lineTo(-34, -3);
    needle.quadTo(-38, 0, -34, 3);
    needle.closeSubpath();
    strip::FillOutlined(p, needle, QColor(210, 218, 232), style::kInk, 1.0);
    QPainterPath eye;
    eye.addEllipse(QPointF(-31, 0), 2.2, 1.1);
    strip::FillOutlined(p, eye, QColor(60, 40, 80), QColor(60, 40, 80), 0.5);
    p.restore();
}

QImage LogoFrame(int index, int count) {
    double t = index / double(count - 1);
    QImage frame = NewOpaque(in::kVideoWidth, in::kVideoHeight, Qt::black);
    QPainter p(&frame);
    Smooth(p);
    QRadialGradient glow(QPointF(160, 110), 200);
    glow.setColorAt(0, QColor(120, 60, 130));
    glow.setColorAt(1, QColor(30, 10, 40));
    p.fillRect(frame.rect(), glow);
    QPainterPath heart = HeartOutline();
    double sew = intro::Ease(intro::Span(t, 0.05, 0.55));
    double fill = intro::Ease(intro::Span(t, 0.55, 0.68));
    if (fill > 0) {
        p.setOpacity(fill);
        strip::FillOutlined(p, heart, style::kBerry, style::kBerry, 1.0);
        p.setOpacity(1);
    }
    Thread(p, heart, sew);
    if (sew < 1) {
        double at = std::max(sew, 0.001);
        Needle(p, heart.pointAtPercent(at), -heart.angleAtPercent(at) + 180 + 20);
    }
    double name = intro::Ease(intro::Span(t, 0.66, 0.82));
    if (name > 0) {
        p.setOpacity(name);
        p.setFont(style::Lettering(34));
        p.setPen(style::kSun);
        p.drawText(QRectF(0, 168 + (1 - name) * 12, 320, 44), Qt::AlignCenter, QStringLiteral("Vertalis"));
        p.setOpacity(1);
    }
    for (int i = 0; i < 5 && t > 0.75; ++i) {
        double twinkle = std::fabs(std::sin((t - 0.75) * 18 + i * 1.7));
        QPointF at(60 + i * 50, 30 + (i % 2) * 186);
        strip::FillOutlined(p, strip::Star(at.x(), at.y(), 3 + 4 * twinkle, 1.5 + 1.8 * twinkle),
                            style::kSun, style::kSun, 0.5);
    }
    return frame;
}

void MakeLogoVideo(const ArtContext& context) {
    intro::EncodeAvi(&LogoFrame, in::kVideoFrames, in::kVideoFps, context.scratchDir / "logo",
                     context.resourceDir / "logo.avi");
}

ArtRegistration registration("logo.avi", &MakeLogoVideo);

} // namespace
} // namespace art
