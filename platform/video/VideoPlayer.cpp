// Timing and painting of TVideoPlayer; decoding is VideoDecoder's.
#include "platform/video/VideoPlayer.h"

#include "platform/core/Platform.h"

#include <utility>

namespace plat {
namespace {
constexpr unsigned kEndNotice = WM_USER + 0x100;
} // namespace

TVideoPlayer::TVideoPlayer() {
    timer_.SetEnabled(false);
    timer_.OnTimer = [this] { Tick(); };
}

TVideoPlayer::~TVideoPlayer() = default;

void TVideoPlayer::Open() {
    Close();
    decoder_ = VideoDecoder::OpenFile(FileName);
}

void TVideoPlayer::Play(std::function<void()> onEnd) {
    if (!decoder_)
        throw EVideoError("Video " + FileName + ": not open");
    onEnd_ = std::move(onEnd);
    ++generation_;
    playing_ = true;
    startFrame_ = decoder_->FramesDecoded();
    playStart_ = Platform::Current().TickCount();
    timer_.SetInterval(decoder_->FrameIntervalMs());
    timer_.SetEnabled(true);
    // The first frame goes up at once rather than one frame time later.
    ShowNextFrame();
}

void TVideoPlayer::Stop() {
    ++generation_;
    playing_ = false;
    timer_.SetEnabled(false);
    onEnd_ = nullptr;
}

void TVideoPlayer::Close() {
    Stop();
    decoder_.reset();
    if (!frame_.Empty()) {
        frame_.Clear();
        Repaint();
    }
}

void TVideoPlayer::SetDisplayRect(int left, int top, int width, int height) {
    ownSize_ = width == 0 && height == 0;
    place_ = TRect{left, top, left + width, top + height};
    Repaint();
}

TRect TVideoPlayer::DisplayRect() const {
    if (!ownSize_ || !decoder_)
        return place_;
    return TRect{place_.Left, place_.Top, place_.Left + decoder_->Width(), place_.Top + decoder_->Height()};
}

int64_t TVideoPlayer::LengthMs() const {
    return decoder_ ? decoder_->DurationMs() : 0;
}

void TVideoPlayer::PaintFrame(Canvas& canvas) const {
    if (frame_.Empty())
        return;
    TRect rect = DisplayRect();
    if (rect.Width() == frame_.Width() && rect.Height() == frame_.Height())
        canvas.Draw(rect.Left, rect.Top, frame_);
    else
        canvas.StretchDraw(rect, frame_);
}

// Shows the frame whose time has come, dropping the ones a late tick has missed; at the end the
// last frame keeps its full time on screen before the end notice.
void TVideoPlayer::Tick() {
    if (!playing_ || !decoder_)
        return;
    uint64_t elapsed = Platform::Current().TickCount() - playStart_;
    int due =
        startFrame_ + static_cast<int>(static_cast<double>(elapsed) * decoder_->FramesPerSecond() / 1000.0);
    while (playing_ && decoder_->FramesDecoded() <= due) {
        int before = decoder_->FramesDecoded();
        ShowNextFrame();
        if (decoder_ == nullptr || decoder_->FramesDecoded() == before)
            return; // finished (or closed by the end notice)
    }
}

void TVideoPlayer::ShowNextFrame() {
    if (decoder_->NextFrame(frame_)) {
        Repaint();
        return;
    }
    Finish();
}

void TVideoPlayer::Finish() {
    playing_ = false;
    timer_.SetEnabled(false);
    PostMessage(this, kEndNotice, generation_);
}

void TVideoPlayer::HandleMessage(const TMessage& message) {
    if (message.Msg != kEndNotice || message.WParam != generation_)
        return;
    // The handler may close or reopen this player: nothing of it is touched after the call.
    auto onEnd = std::exchange(onEnd_, nullptr);
    if (onEnd)
        onEnd();
}

void TVideoPlayer::Repaint() {
    if (display_)
        display_->Invalidate();
}

} // namespace plat
