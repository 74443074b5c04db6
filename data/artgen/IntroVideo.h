// Encoding of the intro videos: frames painted by a maker are written as PNG files into a
// scratch folder and turned into an AVI by the ffmpeg command-line tool, with every option that
// makes its output depend only on the frames (one thread, bit-exact coding, no metadata).
#pragma once

#include <QImage>

#include <filesystem>
#include <functional>

namespace art::intro {

// Paints frame `index` of `count` (time 0 .. 1 is index / (count - 1)).
using FramePainter = std::function<QImage(int index, int count)>;

// Paints `count` frames into `scratch` and encodes them at `fps` into `out` (MPEG-4 video in
// AVI). Throws std::runtime_error when ffmpeg is missing or fails.
void EncodeAvi(const FramePainter& paint, int count, int fps, const std::filesystem::path& scratch,
               const std::filesystem::path& out);

// Smooth start and stop for 0 .. 1, clamped.
double Ease(double t);

// t mapped from [from, to] to 0 .. 1, clamped.
double Span(double t, double from, double to);

} // namespace art::intro
