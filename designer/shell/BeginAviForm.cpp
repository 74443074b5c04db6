// The intro's stages, timers and painting; see BeginAviForm.h.
#include "designer/shell/BeginAviForm.h"

#include "designer/shell/Pictures.h"
#include "platform/core/Numeric.h"
#include "platform/ui/Screen.h"

#include <algorithm>

namespace {

constexpr int kVideoWidth = 320;
constexpr int kVideoHeight = 240;

} // namespace

TBeginAviForm::TBeginAviForm() {
    SetClientSize(plat::ScreenWidth(), plat::ScreenHeight());
    SetBounds(0, 0, plat::ScreenWidth(), plat::ScreenHeight());
    DragMovesWindow = false;
    video_.SetDisplay(this);
    timer_.SetEnabled(false);
    timer_.OnTimer = [this] { TimerTimer(); };
    watchdog_.SetEnabled(false);
    watchdog_.OnTimer = [this] { WatchdogTimer(); };
}

TBeginAviForm::~TBeginAviForm() = default;

int TBeginAviForm::StepsForWidth(int width) {
    if (width <= 640)
        return 6;
    if (width <= 800)
        return 8;
    if (width <= 1024)
        return 11;
    return 14;
}

plat::TRect TBeginAviForm::ZoomRect(int clientWidth, int clientHeight, int steps, int k) {
    k = std::clamp(k, 0, steps);
    const int w = kVideoWidth + plat::Round(static_cast<double>(clientWidth - kVideoWidth) * k / steps);
    const int h = kVideoHeight + plat::Round(static_cast<double>(clientHeight - kVideoHeight) * k / steps);
    const int left = (clientWidth - w) / 2;
    const int top = (clientHeight - h) / 2;
    return plat::TRect{left, top, left + w, top + h};
}

void TBeginAviForm::DoShow() {
    TForm::DoShow();
    LoadPicture(picture_, PictureFile);
    steps_ = StepsForWidth(plat::ScreenWidth());
    if (stage_ == kLogo || stage_ == kTitle)
        PlayVideo(stage_ == kLogo ? LogoFile : TitleFile);
    Repaint();
}

void TBeginAviForm::DoHide() {
    stage_ = kFinished;
    timer_.SetEnabled(false);
    CloseVideo();
    picture_.Clear();
    TForm::DoHide();
}

void TBeginAviForm::Advance() {
    switch (stage_) {
    case kLogo:
        CloseVideo();
        // The stage moves before the title plays, so that a title which fails at once skips on
        // to the picture instead of starting the title again.
        stage_ = kTitle;
        PlayVideo(TitleFile);
        break;
    case kTitle:
        CloseVideo();
        counter_ = steps_;
        timer_.SetInterval(kZoomIntervalMs);
        timer_.SetEnabled(true);
        stage_ = kZoom;
        Invalidate();
        break;
    case kZoom:
        counter_ = 0;
        timer_.SetInterval(kHoldMs);
        timer_.SetEnabled(true);
        stage_ = kHold;
        Invalidate();
        break;
    case kHold:
        timer_.SetEnabled(false);
        stage_ = kFinished;
        break;
    case kFinished:
        timer_.SetEnabled(false);
        break;
    }
}

void TBeginAviForm::KeyDown(plat::TKey& key, plat::TShiftState shift) {
    TForm::KeyDown(key, shift);
    if (Ready)
        Advance();
}

void TBeginAviForm::MouseDown(plat::TMouseButton, plat::TShiftState, int, int) {
    if (Ready)
        Advance();
}

// Opens and plays `file` in the middle of the window. Any failure skips the video at once; a
// video that starts gets a watchdog in case its end never comes.
void TBeginAviForm::PlayVideo(const std::string& file) {
    try {
        video_.FileName = file;
        video_.Open();
        video_.SetDisplayRect((Width() - kVideoWidth) / 2, (Height() - kVideoHeight) / 2);
        video_.Play([this] { Advance(); });
    } catch (const plat::Exception&) {
        CloseVideo();
        Advance();
        return;
    }
    const int64_t length = video_.LengthMs() > 0 ? video_.LengthMs() : kUnknownLengthMs;
    watchdog_.SetInterval(static_cast<unsigned>(length) + kWatchdogSlackMs);
    watchdog_.SetEnabled(true);
}

void TBeginAviForm::CloseVideo() {
    watchdog_.SetEnabled(false);
    video_.Close();
}

void TBeginAviForm::WatchdogTimer() {
    watchdog_.SetEnabled(false);
    if (stage_ == kLogo || stage_ == kTitle)
        Advance();
}

void TBeginAviForm::TimerTimer() {
    --counter_;
    Invalidate();
    if (counter_ < 0)
        Advance();
}

void TBeginAviForm::Paint(plat::Canvas& canvas) {
    canvas.Brush.Color = plat::clBlack;
    canvas.Brush.Style = plat::BrushStyle::Solid;
    canvas.FillRect(plat::TRect{0, 0, Width(), Height()});
    if (stage_ == kZoom || stage_ == kHold) {
        if (!picture_.Empty())
            canvas.StretchDraw(ZoomRect(Width(), Height(), steps_, steps_ - counter_), picture_);
        return;
    }
    video_.PaintFrame(canvas);
}
