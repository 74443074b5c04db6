// Helpers every picture maker shares: a transparent canvas to paint on with antialiasing, the
// flattening that turns it into a picture over the transparent pure white with hard edges, and
// the writers of the file formats the product reads.
//
// Transparency in the product is the colour RGB (255, 255, 255): a picture laid over another
// shows the one below wherever it is pure white. Antialiased edges blended towards white would
// leave a light fringe, so `Flatten` decides every pixel: covered enough means the painted
// colour itself, otherwise pure white. Inside a shape antialiasing between colours stays.
#pragma once

#include <QColor>
#include <QImage>

#include <filesystem>

namespace art {

inline constexpr QRgb kTransparentWhite = 0xFFFFFFFFu;

// A fully transparent ARGB canvas of the given size.
QImage NewLayer(int width, int height);

// An opaque RGB picture filled with `fill`.
QImage NewOpaque(int width, int height, QColor fill);

// Layer -> opaque picture over pure white: alpha >= 128 keeps the un-premultiplied colour,
// anything less becomes pure white. A painted pixel that happens to be pure white is nudged to
// (254, 254, 254) so it does not turn transparent by accident.
QImage Flatten(const QImage& layer);

// Draws `layer` onto the opaque `target` at (x, y) with the same hard-edge rule: covered pixels
// replace the target's, the rest leave it alone.
void StampHard(QImage& target, const QImage& layer, int x, int y);

// Nudges any pure-white pixel of an opaque picture to (254, 254, 254): for backgrounds that must
// never show through.
void RemovePureWhite(QImage& picture);

// Writes an uncompressed bottom-up 24-bit BMP; byte-for-byte deterministic. Throws
// std::runtime_error when the file cannot be written.
void SaveBmp24(const QImage& picture, const std::filesystem::path& path);

// Writes a baseline JPEG at the given quality; throws std::runtime_error on failure.
void SaveJpeg(const QImage& picture, const std::filesystem::path& path, int quality = 90);

} // namespace art
