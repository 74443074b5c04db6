// Plays arbitrary bytes as a metafile into a small bitmap: no crash, no reads outside the data,
// and the picture always has the size asked for.
#include "designer/richtext/MetafilePlayer.h"
#include "platform/graphics/GuiApplication.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/1);
    plat::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const plat::Bitmap picture = PlayMetafile(bytes, 64, 48);
    Require(picture.Width() == 64 && picture.Height() == 48);
    return 0;
}
