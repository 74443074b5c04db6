// The small videos the video tests play: the fuzz seeds (six 32 x 24 MPEG-4 frames at 25 frames a
// second; three 16 x 8 raw frames at 10) and the kept damaged files.
#pragma once

#include "platform/files/WinPath.h"

#include <string>

namespace velmora::test {

inline std::string VideoSeed(const std::string& name) {
    return plat::WinPathOf(std::string(VELMORA_SOURCE_DIR) + "/fuzz/seeds/video/" + name);
}

inline std::string DamagedVideo(const std::string& name) {
    return plat::WinPathOf(std::string(VELMORA_SOURCE_DIR) + "/tests/data/video/malformed/" + name);
}

} // namespace velmora::test
