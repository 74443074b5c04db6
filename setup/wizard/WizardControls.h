// The painted pieces of the installer's windows: a picture stretched over its control, a frame
// with a caption, and the etched line above the wizard's buttons.
#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace setup {

class PictureBox : public plat::TControl {
public:
    using TControl::TControl;
    void SetPicture(plat::Bitmap picture);
    const plat::Bitmap& Picture() const { return picture_; }
    void Paint(plat::Canvas& canvas) override;

private:
    plat::Bitmap picture_;
};

class GroupFrame : public plat::TControl {
public:
    using TControl::TControl;
    std::string Caption;
    void Paint(plat::Canvas& canvas) override;
};

class EtchedLine : public plat::TControl {
public:
    using TControl::TControl;
    void Paint(plat::Canvas& canvas) override;
};

// A built-in picture (BMP bytes); an empty bitmap when it does not read.
plat::Bitmap BuiltInPicture(const unsigned char* bytes, size_t size);

} // namespace setup
