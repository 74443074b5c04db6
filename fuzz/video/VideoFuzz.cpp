// Feeds arbitrary bytes to the video opener and decodes what opens, checking what it promises
// whatever the input: no crash, a failure only as EVideoError, frames of the size the opener
// reported and within its limits, and an end to every stream.
#include "platform/video/VideoDecoder.h"

#include <cstdint>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// More frames than any input this size can hold ends the run: a decoder that never ends is a bug.
constexpr int kFrameLimit = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<plat::VideoDecoder> video;
    try {
        video = plat::VideoDecoder::Open(std::string(reinterpret_cast<const char*>(data), size), "fuzz.avi");
    } catch (const plat::EVideoError&) {
        return 0;
    }
    Require(video->Width() > 0 && video->Width() <= plat::VideoDecoder::kMaxSide);
    Require(video->Height() > 0 && video->Height() <= plat::VideoDecoder::kMaxSide);
    Require(video->FramesPerSecond() >= plat::VideoDecoder::kMinFps &&
            video->FramesPerSecond() <= plat::VideoDecoder::kMaxFps);
    plat::Bitmap frame;
    int frames = 0;
    while (video->NextFrame(frame)) {
        Require(frame.Width() == video->Width() && frame.Height() == video->Height());
        Require((frame.Row(0)[0] >> 24) == 0xFF);
        Require(++frames < kFrameLimit);
    }
    Require(!video->NextFrame(frame));
    return 0;
}
