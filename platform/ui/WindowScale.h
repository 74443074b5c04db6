// Whole-number scaling of every window on big screens: the program draws its windows at their own
// size, pixel for pixel, and the toolkit shows each pixel as a square of factor x factor screen
// pixels (nearest neighbour), with every mouse position, drop and hint mapped back. The factor is
// chosen once, before the first window exists.
#pragma once

namespace plat {

// The factor for a setting (0 automatic, 1, 2, 3 ... a fixed factor; negative counts as automatic)
// on a screen of the given logical size: automatic is the largest whole factor at which a
// 640 x 480 window still fits (x2 from 1280 x 960, x3 from 1920 x 1440), at least 1.
int ChooseWindowScale(int setting, int screenWidth, int screenHeight);

// Chooses the factor for `setting` from the screen the program will open its windows on and
// applies it; returns the factor. Must run before the first window (raises plat::Exception after).
// A screen that cannot be asked counts as small.
int ApplyWindowScale(int setting);
// The factor in use (1 until ApplyWindowScale chose another).
int WindowScale();

} // namespace plat
