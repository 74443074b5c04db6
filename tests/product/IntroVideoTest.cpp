// The CD's intro videos as the intro plays them: through the program's decoder, each 100 frames
// of 320 x 240 at 25 frames a second (4 s), the same pixels on every decode, and moving pictures
// that are not black; the title picture zooms from the videos' 4:3.
#include "designer/layout/StripLayout.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/PictureLoader.h"
#include "platform/video/VideoDecoder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

namespace in = layout::intro;
const std::string kResource = std::string(VELMORA_CD_DIR) + "/Resource/";

// How much of a frame is not (nearly) black.
double LitShare(const plat::Bitmap& frame) {
    int lit = 0;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) {
            const uint32_t p = frame.Row(y)[x];
            lit += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) > 48;
        }
    return static_cast<double>(lit) / (frame.Width() * frame.Height());
}

TEST(IntroVideos, EachHasAHundredFramesOf320x240At25FramesASecond) {
    for (const char* name : {"logo.avi", "title.avi"}) {
        SCOPED_TRACE(name);
        auto video = plat::VideoDecoder::OpenFile(plat::WinPathOf(kResource + name));
        EXPECT_EQ(video->Width(), in::kVideoWidth);
        EXPECT_EQ(video->Height(), in::kVideoHeight);
        EXPECT_DOUBLE_EQ(video->FramesPerSecond(), in::kVideoFps);
        EXPECT_EQ(video->FrameIntervalMs(), 40u);
        EXPECT_EQ(video->DurationMs(), 4000);
        auto again = plat::VideoDecoder::OpenFile(plat::WinPathOf(kResource + name));
        plat::Bitmap frame, same, first;
        int frames = 0, changed = 0;
        double lit = 0;
        while (video->NextFrame(frame)) {
            ASSERT_TRUE(again->NextFrame(same));
            ASSERT_EQ(frame, same) << "frame " << frames << " decodes differently";
            if (frames == 0)
                first = frame;
            changed += frame != first;
            lit += LitShare(frame);
            ++frames;
        }
        EXPECT_EQ(frames, in::kVideoFrames);
        EXPECT_FALSE(again->NextFrame(same));
        EXPECT_GT(changed, frames / 2) << "the picture moves";
        EXPECT_GT(lit / frames, 0.2) << "mostly something to see, not black";
    }
}

TEST(IntroVideos, TitlePictureIsFourByThree) {
    plat::Bitmap title;
    const plat::PictureResult result = plat::LoadPictureFile(kResource + "title.jpg", title);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(title.Width() * 3, title.Height() * 4);
    EXPECT_EQ(title.Width(), in::kTitleWidth);
}

} // namespace
