// Frame writing and encoding of the intro videos; see IntroVideo.h.
#include "data/artgen/IntroVideo.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace art::intro {
namespace {

QString FindFfmpeg() {
    QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        throw std::runtime_error("the ffmpeg command-line tool is needed to encode the intro videos "
                                 "and was not found on PATH; install it with scripts/install-deps");
    return ffmpeg;
}

void WriteFrames(const FramePainter& paint, int count, const std::filesystem::path& scratch) {
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "frame%04d.png", i);
        QImage frame = paint(i, count).convertToFormat(QImage::Format_RGB32);
        if (!frame.save(QString::fromStdString((scratch / name).string()), "PNG"))
            throw std::runtime_error("cannot write video frame " + (scratch / name).string());
    }
}

} // namespace

void EncodeAvi(const FramePainter& paint, int count, int fps, const std::filesystem::path& scratch,
               const std::filesystem::path& out) {
    QString ffmpeg = FindFfmpeg();
    WriteFrames(paint, count, scratch);
    QStringList args{"-nostdin", "-v", "error", "-y",
                     "-framerate", QString::number(fps),
                     "-i", QString::fromStdString((scratch / "frame%04d.png").string()),
                     "-c:v", "mpeg4", "-q:v", "2", "-pix_fmt", "yuv420p", "-threads", "1",
                     "-fflags", "+bitexact", "-flags:v", "+bitexact", "-map_metadata", "-1",
                     QString::fromStdString(out.string())};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("ffmpeg failed to encode " + out.string() + ": " +
                                 process.readAll().toStdString());
}

double Ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Span(double t, double from, double to) {
    return std::clamp((t - from) / (to - from), 0.0, 1.0);
}

} // namespace art::intro
