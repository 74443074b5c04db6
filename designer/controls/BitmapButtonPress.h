// The press and state rules of a picture button without a window: what a press, a release or a
// new State does and whether the button must repaint or raise OnChangeState.
#pragma once

#include "designer/controls/BitmapButtonLook.h"

struct TButtonChange {
    bool Repaint = false;
    bool ChangeState = false; // OnChangeState is raised before the repaint
};

class TBitmapButtonPress {
public:
    TBitmapButtonLook Look;

    TButtonChange MouseDown();
    TButtonChange MouseUp();
    TButtonChange SetState(int state);
    TButtonChange SetPressState(int pressState);
    // The button's size for a picture and frame count; NumBitmaps 0 or less leaves the size as is
    // (the frame width would be a division by zero).
    static bool SizeForPicture(int pictureWidth, int pictureHeight, int numBitmaps, int& width, int& height);

    bool Pressed() const { return pressed_; }

private:
    bool pressed_ = false;
};
