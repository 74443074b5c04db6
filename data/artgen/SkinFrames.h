// Cutting button faces into the skin so that each button blends into its window: every frame of a
// button is painted over the very pixels its window shows under it, and frame 1 (the rest face)
// goes back onto the window's background, so the window looks finished before any control paints.
#pragma once

#include "designer/layout/SkinLayout.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

namespace art::skin {

QRect ToQRect(const layout::Rect& rect);
// A copy of `rect` of `picture`.
QImage Cut(const QImage& picture, const layout::Rect& rect);
// Copies `picture` into `target` at `at`, pixel for pixel.
void Put(QImage& target, const QImage& picture, layout::Point at);

// Paints one face of a button: `box` is the frame's own rectangle (0, 0, width, height), `frame`
// its number from 1.
using FacePainter = std::function<void(QPainter& painter, const QRectF& box, int frame)>;

// Paints every frame of `button` over `backdrop` (the pixels under the button, its size) into
// the skin and returns frame 1.
QImage PaintFrames(QImage& sheet, const layout::SkinButton& button, const QImage& backdrop,
                   const FacePainter& face);

// The usual case: the backdrop is the window's background at the button's place, and frame 1 is
// put back there.
void PaintButton(QImage& window, QImage& sheet, const layout::SkinButton& button, const FacePainter& face);

// For frames that several windows share: each window puts the skin's frame 1 at the button's
// place (the windows keep a flat backdrop there so the shared frame fits all of them).
void PutRestFrame(QImage& window, const QImage& sheet, const layout::SkinButton& button);

} // namespace art::skin
