// The picture loader: tells the format from the first bytes, hands the bytes to the BMP, JPEG or
// PNG reader, and for files reads the host file within a size limit and puts its path in front of
// any error.
#include "platform/graphics/PictureLoader.h"
#include "platform/core/Exceptions.h"

#include "platform/graphics/BmpReader.h"
#include "platform/graphics/JpegReader.h"
#include "platform/graphics/PictureBytes.h"
#include "platform/graphics/PngReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace plat {

namespace {

// The largest picture file read: a 32-bit BMP of Bitmap::kMaxPixels pixels with room for its
// headers and a full palette. Anything larger cannot give a bitmap we would keep.
constexpr int64_t kMaxPictureFileBytes = Bitmap::kMaxPixels * 4 + 64 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

PictureResult ReadHostFile(const std::string& hostPath, std::string& bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(hostPath.c_str(), "rb"));
    if (!file)
        return PictureFailure(PictureError::FileUnreadable,
                              "cannot open: " + SystemErrorText(errno));
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0)
        return PictureFailure(PictureError::FileUnreadable,
                              "cannot examine: " + SystemErrorText(errno));
    if (!S_ISREG(info.st_mode))
        return PictureFailure(PictureError::FileUnreadable, "not a regular file");
    if (info.st_size > kMaxPictureFileBytes)
        return PictureFailure(PictureError::FileUnreadable,
                              "the file of " + std::to_string(info.st_size) + " bytes is over the " +
                                  std::to_string(kMaxPictureFileBytes) + "-byte limit for pictures");
    bytes.resize(static_cast<size_t>(info.st_size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return PictureFailure(PictureError::FileUnreadable,
                              "cannot read: " + SystemErrorText(errno));
    return PictureSuccess();
}

} // namespace

PictureResult LoadPictureBytes(std::string_view bytes, Bitmap& out) {
    out.Clear();
    if (LooksLikeBmp(bytes))
        return ReadBmp(bytes, out);
    if (LooksLikeJpeg(bytes))
        return ReadJpeg(bytes, out);
    if (LooksLikePng(bytes))
        return ReadPng(bytes, out);
    return PictureFailure(PictureError::UnknownFormat,
                          AtOffset(0, "neither a BMP (\"BM\"), a JPEG (FF D8 FF) nor a PNG (89 \"PNG\") "
                                      "signature"));
}

PictureResult LoadPictureFile(const std::string& hostPath, Bitmap& out) {
    out.Clear();
    std::string bytes;
    PictureResult result = ReadHostFile(hostPath, bytes);
    if (result.Ok)
        result = LoadPictureBytes(bytes, out);
    if (!result.Ok)
        result.Error = hostPath + ": " + result.Error;
    return result;
}

} // namespace plat
