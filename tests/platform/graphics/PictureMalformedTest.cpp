// Kept malformed pictures (tests/data/picture/malformed): inputs that once broke the loader and
// hand-made lies it must keep refusing. Each must fail with its error; those that keep a partial
// picture keep one of the header's size. The fuzz target replays the same folder.
#include "platform/graphics/PictureLoader.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

using namespace plat;

const std::map<std::string, PictureError> kMalformed = {
    {"header-100000-square.bmp", PictureError::TooLarge},
    // Its frame size was once read from the wrong bytes and passed the limit check.
    {"jpeg-frame-65535-square.jpg", PictureError::TooLarge},
    {"lying-image-size.bmp", PictureError::Truncated},
    {"palette-count-100000.bmp", PictureError::BadPalette},
    {"rle4-delta-past-last-row.bmp", PictureError::BadPixelData},
    {"rle8-run-past-edge.bmp", PictureError::BadPixelData},
    {"truncated-rows.bmp", PictureError::Truncated},
};

TEST(PictureMalformed, EveryKeptInputFailsWithItsError) {
    const std::filesystem::path dir =
        std::filesystem::path(VELMORA_SOURCE_DIR) / "tests/data/picture/malformed";
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        present.insert(entry.path().filename().string());
    std::set<std::string> listed;
    for (const auto& [name, code] : kMalformed)
        listed.insert(name);
    EXPECT_EQ(present, listed) << "every kept input needs its expected error here";

    for (const auto& [name, code] : kMalformed) {
        Bitmap out;
        const PictureResult result = LoadPictureFile((dir / name).string(), out);
        SCOPED_TRACE(name + ": " + result.Error);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Code, code);
        EXPECT_NE(result.Error.find(": offset "), std::string::npos);
        EXPECT_EQ(out.Empty(), !KeepsPartialPicture(code));
    }
}

} // namespace
