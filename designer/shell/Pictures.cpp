#include "designer/shell/Pictures.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/PictureLoader.h"
#include "platform/text/Cp1251.h"

int PictureLoadDepth() {
    const plat::Platform& platform = plat::Platform::Current();
    const int depth = platform.ScreenBitsPerPixel() * platform.ScreenPlanes();
    return depth <= 16 ? 24 : depth;
}

int LoadPicture(plat::Bitmap& bitmap, std::string_view file) {
    bitmap.Clear();
    std::string host;
    try {
        host = plat::HostPath(file);
    } catch (const plat::EFileError&) {
        return -static_cast<int>(plat::PictureError::FileUnreadable);
    }
    // Our bitmaps hold 32 bits per pixel, which is never below PictureLoadDepth(): no picture
    // loses colours on the way in.
    const plat::PictureResult result = plat::LoadPictureFile(host, bitmap);
    return result.Ok ? 1 : -static_cast<int>(result.Code);
}

void DrawTransparent(int x, int y, plat::Canvas& destination, const plat::Bitmap& source) {
    if (source.Empty())
        return;
    const plat::Bitmap mask = plat::MakeWhiteMask(source);
    const plat::TRect whole = plat::Bounds(0, 0, source.Width(), source.Height());
    const plat::TRect target = plat::Bounds(x, y, source.Width(), source.Height());
    destination.CopyRect(target, mask, whole, plat::RasterOp::MergePaint);
    destination.CopyRect(target, source, whole, plat::RasterOp::SrcAnd);
    destination.CopyMode = plat::RasterOp::SrcCopy;
}

bool RegisterFont(std::string_view path, std::string_view face) {
    try {
        return plat::RegisterFontFile(plat::HostPath(path), face);
    } catch (const plat::EFileError&) {
        return false;
    }
}

bool UnregisterFont(std::string_view path) {
    try {
        return plat::UnregisterFontFile(plat::HostPath(path));
    } catch (const plat::EFileError&) {
        return false;
    }
}
