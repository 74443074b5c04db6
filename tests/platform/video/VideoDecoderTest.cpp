// The decoder on small made videos and on damaged ones: sizes, rates, frame counts, pixels that
// come out the same on every run, and clean failures.
#include "platform/video/VideoDecoder.h"

#include "platform/files/Files.h"
#include "tests/platform/video/VideoFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

using plat::Bitmap;
using plat::VideoDecoder;
using velmora::test::DamagedVideo;
using velmora::test::VideoSeed;

std::vector<Bitmap> DecodeAll(VideoDecoder& video) {
    std::vector<Bitmap> frames;
    Bitmap frame;
    while (video.NextFrame(frame))
        frames.push_back(frame);
    return frames;
}

TEST(VideoDecoder, ReadsSizeRateLengthAndEveryFrame) {
    struct Case {
        const char* file;
        int width, height;
        double fps;
        int frames;
        uint32_t firstPixel; // 0xFFRRGGBB, within a few steps of the colour the frames were made of
    };
    for (const Case& c : {Case{"tiny-mpeg4.avi", 32, 24, 25.0, 6, 0xFF3366CC},
                          Case{"tiny-raw.avi", 16, 8, 10.0, 3, 0xFFFF0000}}) {
        SCOPED_TRACE(c.file);
        auto video = VideoDecoder::OpenFile(VideoSeed(c.file));
        EXPECT_EQ(video->Width(), c.width);
        EXPECT_EQ(video->Height(), c.height);
        EXPECT_DOUBLE_EQ(video->FramesPerSecond(), c.fps);
        EXPECT_EQ(video->FrameIntervalMs(), static_cast<unsigned>(1000 / c.fps));
        EXPECT_EQ(video->DurationMs(), static_cast<int64_t>(c.frames * 1000 / c.fps));
        std::vector<Bitmap> frames = DecodeAll(*video);
        ASSERT_EQ(static_cast<int>(frames.size()), c.frames);
        EXPECT_EQ(video->FramesDecoded(), c.frames);
        for (const Bitmap& f : frames) {
            ASSERT_EQ(f.Width(), c.width);
            ASSERT_EQ(f.Height(), c.height);
        }
        uint32_t got = frames[0].Row(c.height - 1)[0];
        EXPECT_EQ(got >> 24, 0xFFu);
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF),
                        static_cast<int>((c.firstPixel >> shift) & 0xFF), 6);
        // After the end it stays at the end and leaves the frame alone.
        Bitmap last = frames.back();
        Bitmap kept = last;
        EXPECT_FALSE(video->NextFrame(kept));
        EXPECT_EQ(kept, last);
    }
}

TEST(VideoDecoder, SameFileGivesTheSamePixelsAndFramesDiffer) {
    auto a = VideoDecoder::OpenFile(VideoSeed("tiny-mpeg4.avi"));
    auto b = VideoDecoder::OpenFile(VideoSeed("tiny-mpeg4.avi"));
    std::vector<Bitmap> fa = DecodeAll(*a);
    std::vector<Bitmap> fb = DecodeAll(*b);
    ASSERT_EQ(fa.size(), fb.size());
    for (size_t i = 0; i < fa.size(); ++i)
        EXPECT_EQ(fa[i], fb[i]) << "frame " << i;
    // The yellow square moves, so the frames are not one picture repeated.
    EXPECT_NE(fa.front(), fa.back());
}

TEST(VideoDecoder, DamagedFilesFailOrEndCleanly) {
    // Opening either fails with a message naming the file, or gives a stream that ends.
    for (const char* name : {"truncated-half.avi", "header-only.avi", "random-bytes.avi",
                             "damaged-packets.avi", "huge-frame.avi"}) {
        SCOPED_TRACE(name);
        try {
            auto video = VideoDecoder::OpenFile(DamagedVideo(name));
            std::vector<Bitmap> frames = DecodeAll(*video);
            EXPECT_LE(frames.size(), 6u);
            for (const Bitmap& f : frames)
                EXPECT_EQ(f.Width(), video->Width());
        } catch (const plat::EVideoError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(VideoDecoder::OpenFile(DamagedVideo("random-bytes.avi")), plat::EVideoError);
    EXPECT_THROW(VideoDecoder::OpenFile(DamagedVideo("header-only.avi")), plat::EVideoError);
    EXPECT_THROW(VideoDecoder::Open("", "empty.avi"), plat::EVideoError);
}

TEST(VideoDecoder, MissingFileIsAFileError) {
    EXPECT_THROW(VideoDecoder::OpenFile("C:\\no such folder\\logo.avi"), plat::EFileError);
}

TEST(VideoDecoder, TruncatedVideoGivesTheFramesItHolds) {
    std::string bytes = plat::ReadFileBytes(VideoSeed("tiny-mpeg4.avi"));
    int whole = static_cast<int>(DecodeAll(*VideoDecoder::Open(bytes, "whole")).size());
    int cut = 0;
    try {
        cut = static_cast<int>(
            DecodeAll(*VideoDecoder::Open(bytes.substr(0, bytes.size() * 3 / 4), "cut")).size());
    } catch (const plat::EVideoError&) {
        cut = 0;
    }
    EXPECT_LT(cut, whole);
}

} // namespace
