// Decoding of a video file into our own Bitmaps, frame after frame, through the FFmpeg libraries.
// The file is read whole into memory and demuxed from there: videos here are a few seconds long,
// and one path for files and for bytes lets the fuzz target exercise exactly what the player runs.
// Decoding runs on one thread with bit-exact settings, so the same file gives the same pixels on
// every run and every machine with the same library versions.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace plat {

// A video that cannot be opened or read; the message names the file and what was wrong.
class EVideoError : public Exception {
    using Exception::Exception;
};

class VideoDecoder {
public:
    // Limits on what a file may claim, so a lying header fails cleanly instead of allocating
    // pictures of gigabytes or running a timer a thousand times a second.
    static constexpr int kMaxSide = 4096;
    static constexpr double kMinFps = 1.0;
    static constexpr double kMaxFps = 120.0;
    // Damaged packets in a row after which the rest of the stream is taken as unreadable.
    static constexpr int kMaxBadPackets = 32;

    // Opens the video held in `bytes`; `name` is used in messages. Throws EVideoError.
    static std::unique_ptr<VideoDecoder> Open(std::string bytes, std::string name);
    // Opens a file by its Windows path. Throws EFileError when it cannot be read, EVideoError
    // when it is no video we can play.
    static std::unique_ptr<VideoDecoder> OpenFile(std::string_view winPath);

    virtual ~VideoDecoder() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    double FramesPerSecond() const { return fps_; }
    // Milliseconds one frame stays on screen, rounded to nearest (40 at 25 frames a second).
    unsigned FrameIntervalMs() const;
    // Length of the video in milliseconds as its container states it; 0 when unknown.
    int64_t DurationMs() const { return durationMs_; }

    // Decodes the next frame into `frame`, which becomes Width() x Height() opaque pixels.
    // Returns false at the end of the stream (also when the rest of it is damaged beyond
    // reading); the frame is then left as it was.
    virtual bool NextFrame(Bitmap& frame) = 0;
    // Frames handed out so far.
    int FramesDecoded() const { return framesDecoded_; }

protected:
    VideoDecoder() = default;
    int width_ = 0;
    int height_ = 0;
    double fps_ = 25.0;
    int64_t durationMs_ = 0;
    int framesDecoded_ = 0;
};

} // namespace plat
