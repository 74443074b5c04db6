// The intro that plays while the designer's windows are made: a full-screen black window shows
// the logo video, then the title video, each at its own size in the middle, then the title
// picture grows from 320 x 240 to the whole window in `Steps` steps of 100 ms and stays 5 s.
// Before start-up says the windows are `Ready`, clicks and keys do nothing; afterwards each one
// skips to the next stage. A video that cannot be opened or played is skipped at once, and one
// that stalls is skipped by a watchdog after its length and two seconds more, so a child never
// sits in front of a black screen.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"
#include "platform/video/VideoPlayer.h"

#include <string>

class TBeginAviForm : public plat::TForm {
public:
    // Stage values: what the intro shows.
    static constexpr int kLogo = 0;
    static constexpr int kTitle = 1;
    static constexpr int kZoom = 2;
    static constexpr int kHold = 3;
    static constexpr int kFinished = 4;

    static constexpr unsigned kZoomIntervalMs = 100;
    static constexpr unsigned kHoldMs = 5000;
    // Added to a video's length before the watchdog skips it.
    static constexpr unsigned kWatchdogSlackMs = 2000;
    // Watchdog time of a video whose length is not stated.
    static constexpr unsigned kUnknownLengthMs = 10000;

    // Made hidden, covering the whole screen.
    TBeginAviForm();
    ~TBeginAviForm() override;

    // Windows paths given by start-up.
    std::string LogoFile;
    std::string TitleFile;
    std::string PictureFile;

    // Set by start-up once every window is made: from then on a click or a key skips ahead.
    bool Ready = false;

    int Stage() const { return stage_; }
    int Steps() const { return steps_; }
    bool Finished() const { return stage_ == kFinished; }

    // Moves to the next stage.
    void Advance();

    // Zoom steps for a screen `width` pixels wide: 6 up to 640, 8 up to 800, 11 up to 1024,
    // 14 above.
    static int StepsForWidth(int width);
    // Where the picture is drawn in a client area of `clientWidth` x `clientHeight` after `k` of
    // `steps` zoom steps: from 320 x 240 in the middle (k = 0) to the whole area (k = steps).
    static plat::TRect ZoomRect(int clientWidth, int clientHeight, int steps, int k);

    void Paint(plat::Canvas& canvas) override;
    // A click or any key skips ahead once Ready.
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;
    void KeyDown(plat::TKey& key, plat::TShiftState shift) override;
    // Showing starts the intro: the picture is loaded and the video of the current stage plays.
    void DoShow() override;
    // Hiding ends it: stage 4, the player closed, the picture released.
    void DoHide() override;

    // The video player and its picture, for tests.
    const plat::TVideoPlayer& VideoBegin() const { return video_; }
    plat::TVideoPlayer& VideoBegin() { return video_; }
    const plat::Bitmap& Picture() const { return picture_; }
    int Counter() const { return counter_; }

private:
    void PlayVideo(const std::string& file);
    void CloseVideo();
    void TimerTimer();
    void WatchdogTimer();

    plat::TVideoPlayer video_;
    plat::TTimer timer_;
    plat::TTimer watchdog_;
    plat::Bitmap picture_;
    int stage_ = kLogo;
    int steps_ = 6;
    int counter_ = 0;
};
