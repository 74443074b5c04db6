// The main screen Main.bmp and its share of the skin: the room the doll stands in, and the faces
// of the main window's buttons, button groups and title bar, cut from that room so each control
// blends into its place.
#pragma once

#include <QImage>

namespace art::skin {

// Paints the screen (640 x 480) with every control at rest on it, writing the controls' frames
// and images into `sheet`.
QImage PaintMainScreen(QImage& sheet);

} // namespace art::skin
