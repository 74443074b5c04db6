// The skinned windows' backgrounds in the skin (help, pattern printing, saved outfits, doll
// printing) with their buttons, the frames they share, and the loose pictures of the skin (the
// flying "printing" messages, the glue glyph, the pattern panel's close button).
#pragma once

#include <QImage>

namespace art::skin {

// Frames several windows share; painted before the windows, which put frame 1 at their places.
void PaintSharedFrames(QImage& sheet);
// The four window backgrounds with their buttons.
void PaintSkinWindows(QImage& sheet);
// Pictures that stand alone over pure white, with hard edges.
void PaintLoosePictures(QImage& sheet);

} // namespace art::skin
