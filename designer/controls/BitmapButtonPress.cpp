// Press, release and State of a picture button.
#include "designer/controls/BitmapButtonPress.h"

TButtonChange TBitmapButtonPress::MouseDown() {
    pressed_ = true;
    return {Look.State != Look.PressState, false};
}

TButtonChange TBitmapButtonPress::MouseUp() {
    pressed_ = false;
    return {Look.State != Look.PressState, false};
}

TButtonChange TBitmapButtonPress::SetState(int state) {
    if (state == Look.State)
        return {};
    Look.State = state;
    return {true, true};
}

TButtonChange TBitmapButtonPress::SetPressState(int pressState) {
    if (pressState == Look.PressState)
        return {};
    Look.PressState = pressState;
    return {pressed_, false};
}

bool TBitmapButtonPress::SizeForPicture(int pictureWidth, int pictureHeight, int numBitmaps, int& width,
                                        int& height) {
    if (numBitmaps <= 0)
        return false;
    width = pictureWidth / numBitmaps;
    height = pictureHeight;
    return true;
}
