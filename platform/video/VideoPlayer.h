// The media player for video: the operations a window uses to play a video file into itself
// (file name, open, play with an end notice, stop, close, display window and rectangle). Frames
// are decoded on a toolkit timer at the stream's frame rate and kept as the current frame; the
// display window is asked to repaint and draws it with PaintFrame. Playing follows the platform
// clock: when a tick comes late, the frames whose time has passed are dropped, so a video takes
// its own length however slow the painting is, and a test moves a fake clock instead of waiting.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Control.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Timer.h"
#include "platform/video/VideoDecoder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace plat {

class TVideoPlayer : private TMessageTarget {
public:
    TVideoPlayer();
    ~TVideoPlayer();
    TVideoPlayer(const TVideoPlayer&) = delete;
    TVideoPlayer& operator=(const TVideoPlayer&) = delete;

    // Windows path of the video the next Open reads.
    std::string FileName;

    // Opens FileName, closing what was open. Throws EFileError or EVideoError; the player is
    // then closed.
    void Open();
    // Starts playing from the current position; `onEnd` runs once when the last frame has had
    // its time on screen, as a posted message (never inside Play, even for a video without
    // frames). Throws EVideoError when nothing is open.
    void Play(std::function<void()> onEnd);
    // Stops where it is; the end notice of that play is never given.
    void Stop();
    // Stops and closes the file; the current frame is dropped.
    void Close();

    bool IsOpen() const { return decoder_ != nullptr; }
    bool Playing() const { return playing_; }

    // The window that shows the video (not owned; null for none); it is asked to repaint on every
    // new frame.
    void SetDisplay(TControl* window) { display_ = window; }
    // Where in the display window the video goes; a zero width and height keep the video's own
    // size.
    void SetDisplayRect(int left, int top, int width = 0, int height = 0);
    TRect DisplayRect() const;

    // Length of the open video in milliseconds (0 when closed or unknown).
    int64_t LengthMs() const;
    // Frames shown since Open.
    int FramesShown() const { return decoder_ ? decoder_->FramesDecoded() : 0; }
    const Bitmap& Frame() const { return frame_; }
    // Draws the current frame into the display rectangle; nothing when there is none.
    void PaintFrame(Canvas& canvas) const;

private:
    void Tick();
    void ShowNextFrame();
    void Finish();
    void Repaint();
    void HandleMessage(const TMessage& message) override;

    std::unique_ptr<VideoDecoder> decoder_;
    Bitmap frame_;
    TTimer timer_;
    TControl* display_ = nullptr;
    std::function<void()> onEnd_;
    TRect place_{};
    bool ownSize_ = true;
    bool playing_ = false;
    uint64_t playStart_ = 0; // platform clock time at which frame `startFrame_` was due
    int startFrame_ = 0;
    // Counts plays, stops and closes: an end notice posted for an earlier one is dropped.
    intptr_t generation_ = 0;
};

} // namespace plat
