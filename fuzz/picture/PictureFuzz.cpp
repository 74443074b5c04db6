// Feeds arbitrary bytes to the picture loader and checks what it promises whatever the input:
// no crash, no access outside the data, an error text exactly when it fails, an empty bitmap
// after a failure unless the failure keeps a partial picture, and sizes within the Bitmap limits.
#include "platform/graphics/PictureLoader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The JPEG decoder reports every damaged file on stderr; at fuzzing speed that is only noise.
    setenv("QT_LOGGING_RULES", "qt.gui.imageio*=false", /*overwrite=*/0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plat::Bitmap out(1, 1);
    const plat::PictureResult result =
        plat::LoadPictureBytes(std::string_view(reinterpret_cast<const char*>(data), size), out);
    Require(result.Ok == result.Error.empty());
    Require(result.Ok == (result.Code == plat::PictureError::None));
    if (result.Ok)
        Require(!out.Empty());
    if (!result.Ok && !plat::KeepsPartialPicture(result.Code))
        Require(out.Empty() && !out.HasPalette());
    Require(static_cast<int64_t>(out.Width()) * out.Height() <= plat::Bitmap::kMaxPixels);
    Require(out.Palette().size() <= 256);
    return 0;
}
