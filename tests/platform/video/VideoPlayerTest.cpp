// The player's timing on a fake clock: frames at the stream's rate, dropped frames when ticks come
// late, the end notice once after the last frame's time, and never after a stop or a close.
#include "platform/video/VideoPlayer.h"

#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Timer.h"
#include "tests/platform/ui/FakeClock.h"
#include "tests/platform/video/VideoFiles.h"

#include <gtest/gtest.h>

namespace {

using plat::TVideoPlayer;

// The made red passed through the encoder's colour conversion: a step or two off pure red.
bool Reddish(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) >= 0xF0 && ((pixel >> 8) & 0xFF) < 0x10 && (pixel & 0xFF) < 0x10;
}
using velmora::test::FakeClockPlatform;
using velmora::test::VideoSeed;

class VideoPlayerTest : public ::testing::Test {
protected:
    // Moves the clock in steps of `stepMs`, firing timers and handling posted messages.
    void RunFor(uint64_t ms, uint64_t stepMs = 1) {
        for (uint64_t t = 0; t < ms; t += stepMs) {
            clock.Now += stepMs;
            plat::RunDueTimers();
            plat::DrainPostedMessages();
        }
    }
    void OpenSeed(const char* name = "tiny-mpeg4.avi") {
        player.FileName = VideoSeed(name);
        player.Open();
    }

    FakeClockPlatform clock;
    plat::PlatformGuard guard{clock};
    TVideoPlayer player;
    int ends = 0;
};

TEST_F(VideoPlayerTest, ShowsFramesAtTheStreamRateAndEndsOnceAfterTheLastFrame) {
    OpenSeed();
    EXPECT_EQ(player.LengthMs(), 240);
    player.Play([this] { ++ends; });
    EXPECT_EQ(player.FramesShown(), 1) << "the first frame goes up at once";
    RunFor(39);
    EXPECT_EQ(player.FramesShown(), 1);
    RunFor(1);
    EXPECT_EQ(player.FramesShown(), 2);
    RunFor(160); // t = 200: frame 5 (the sixth) is up
    EXPECT_EQ(player.FramesShown(), 6);
    EXPECT_EQ(ends, 0);
    RunFor(39);
    EXPECT_EQ(ends, 0) << "the last frame keeps its 40 ms";
    RunFor(1);
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(player.Playing());
    RunFor(500);
    EXPECT_EQ(ends, 1);
}

TEST_F(VideoPlayerTest, LateTicksDropFramesSoTheVideoKeepsItsLength) {
    OpenSeed();
    player.Play([this] { ++ends; });
    RunFor(130, 130); // one late tick at 130 ms: frame 3 is due
    EXPECT_EQ(player.FramesShown(), 4);
    RunFor(200, 200);
    EXPECT_EQ(ends, 1);
}

TEST_F(VideoPlayerTest, StopAndCloseNeverGiveTheEndNotice) {
    OpenSeed();
    player.Play([this] { ++ends; });
    RunFor(100);
    player.Stop();
    RunFor(1000);
    EXPECT_EQ(ends, 0);

    // Ended but its notice not yet handled: a close in between drops it.
    OpenSeed();
    player.Play([this] { ++ends; });
    for (int i = 0; i < 300; ++i) {
        clock.Now += 1;
        plat::RunDueTimers();
    }
    player.Close();
    plat::DrainPostedMessages();
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(player.Frame().Empty());
}

TEST_F(VideoPlayerTest, EndNoticeMayReopenAndPlayTheNextVideo) {
    OpenSeed();
    int stage = 0;
    player.Play([&] {
        ++stage;
        player.FileName = VideoSeed("tiny-raw.avi");
        player.Open();
        player.Play([&] { ++stage; });
    });
    RunFor(240 + 300 + 5);
    EXPECT_EQ(stage, 2);
    EXPECT_EQ(player.Frame().Width(), 16);
}

TEST_F(VideoPlayerTest, PaintsTheFrameAtItsOwnSizeOrStretched) {
    OpenSeed("tiny-raw.avi");
    player.SetDisplayRect(10, 20);
    EXPECT_EQ(player.DisplayRect(), plat::Rect(10, 20, 26, 28));
    player.Play(nullptr);
    plat::Bitmap screen(64, 48);
    plat::RasterCanvas canvas(screen);
    player.PaintFrame(canvas);
    EXPECT_TRUE(Reddish(screen.Row(20)[10]));
    EXPECT_TRUE(Reddish(screen.Row(27)[25]));
    EXPECT_EQ(screen.Row(28)[25], 0xFFFFFFFFu);
    player.SetDisplayRect(0, 0, 32, 16);
    player.PaintFrame(canvas);
    EXPECT_TRUE(Reddish(screen.Row(15)[31]));
}

TEST_F(VideoPlayerTest, PlayWithoutOpenFailsAndOpenFailureLeavesItClosed) {
    EXPECT_THROW(player.Play(nullptr), plat::EVideoError);
    player.FileName = velmora::test::DamagedVideo("random-bytes.avi");
    EXPECT_THROW(player.Open(), plat::EVideoError);
    EXPECT_FALSE(player.IsOpen());
}

} // namespace
