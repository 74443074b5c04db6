// Checks the doll picture, the animation strips, the messages and the intro media of the CD image
// against the strip layout, through the program's own picture loader: sizes; frame counts as the
// views compute them from the widths; the drum's key colours and the windows they mark; the
// doll's transparent white around the figure; hard edges on every picture laid over another;
// and that the intro videos are real AVI files of the size the intro window places.
#include "data/artgen/DollFigure.h"
#include "designer/layout/StripLayout.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PictureLoader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using layout::Box;

const std::string kResource = std::string(VELMORA_CD_DIR) + "/Resource/";
constexpr uint32_t kWhite = 0xFFFFFFFFu;

plat::Bitmap Load(const std::string& name, int bitsPerPixel = 24) {
    plat::Bitmap picture;
    const plat::PictureResult result = plat::LoadPictureFile(kResource + name, picture);
    EXPECT_TRUE(result.Ok) << name << ": " << result.Error;
    EXPECT_EQ(picture.SourceBitsPerPixel(), bitsPerPixel) << name;
    return picture;
}

uint32_t Pixel(const plat::Bitmap& picture, int x, int y) {
    return picture.Row(y)[x];
}

uint32_t Word(const layout::Rgb& c) {
    return 0xFF000000u | (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B;
}

int Count(const plat::Bitmap& picture, const Box& box, uint32_t word) {
    int count = 0;
    for (int y = box.Y; y < box.Bottom(); ++y)
        for (int x = box.X; x < box.Right(); ++x)
            count += Pixel(picture, x, y) == word;
    return count;
}

bool SamePixels(const plat::Bitmap& picture, const Box& a, const Box& b) {
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (Pixel(picture, a.X + x, a.Y + y) != Pixel(picture, b.X + x, b.Y + y))
                return false;
    return true;
}

// A painted pixel next to the transparent white must not be a near-white blend, or a light
// fringe would show wherever the picture is laid over another. Returns the first offender.
std::string LightFringe(const plat::Bitmap& picture, const Box& box) {
    for (int y = box.Y; y < box.Bottom(); ++y)
        for (int x = box.X; x < box.Right(); ++x) {
            uint32_t p = Pixel(picture, x, y);
            if (p == kWhite)
                continue;
            int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (r + g + b < 3 * 240)
                continue;
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                int nx = x + dx, ny = y + dy;
                if (box.Contains(nx, ny) && Pixel(picture, nx, ny) == kWhite)
                    return "light pixel at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    return {};
}

struct PictureSize {
    const char* name;
    int width;
    int height;
};

TEST(StripArtSizes, EveryPictureHasTheSizeItsViewCutsFrom) {
    namespace s = layout;
    const PictureSize sizes[] = {
        {"Doll.bmp", s::doll::kPictureWidth, s::doll::kPictureHeight},
        {"FsView.bmp", s::rack::kStripWidth, s::rack::kStripHeight},
        {"FsBrush.bmp", s::drum::kPictureWidth, s::drum::kPictureHeight},
        {"FsWindow.bmp", s::panel::kPictureWidth, s::panel::kPictureHeight},
        {"Zamor.bmp", s::surprise::kPictureWidth, s::surprise::kPictureHeight},
        {"Letters.bmp", s::letters::kPictureWidth, s::letters::kPictureHeight},
        {"about.bmp", s::intro::kAboutPictureWidth, s::intro::kAboutPictureHeight},
    };
    for (const PictureSize& size : sizes) {
        plat::Bitmap picture = Load(size.name);
        EXPECT_EQ(picture.Width(), size.width) << size.name;
        EXPECT_EQ(picture.Height(), size.height) << size.name;
    }
    plat::Bitmap title = Load("title.jpg");
    EXPECT_EQ(title.Width(), s::intro::kTitleWidth);
    EXPECT_EQ(title.Height(), s::intro::kTitleHeight);
    // The about picture sits inside the about box above its text.
    EXPECT_LE(s::intro::kAboutPictureWidth, s::intro::kAboutWindowWidth - 4);
}

TEST(StripArtSizes, TheLayoutsOwnNumbersAgree) {
    using namespace layout;
    EXPECT_EQ(doll::kPanelWidth, doll::kControl.Width);
    EXPECT_EQ(doll::kPanelHeight, doll::kControl.Height);
    EXPECT_EQ(panel::FrameBox(8).X, 2 * 317);
    EXPECT_EQ(panel::FrameBox(8).Y, 2 * 306);
    const Box frame{0, 0, panel::kWidth, panel::kHeight};
    EXPECT_TRUE(frame.Contains(panel::kPatternArea.Right() - 1, panel::kPatternArea.Bottom() - 1));
    // Surprise frames never overlap one another in the picture.
    std::vector<std::vector<int>> owner(surprise::kPictureHeight,
                                        std::vector<int>(surprise::kPictureWidth, -1));
    for (size_t i = 0; i < surprise::kAnimations.size(); ++i)
        for (int k = 0; k < surprise::kAnimations[i].CountFase; ++k) {
            Box box = surprise::kAnimations[i].FrameBox(k);
            for (int y = box.Y; y < box.Bottom(); ++y)
                for (int x = box.X; x < box.Right(); ++x) {
                    ASSERT_EQ(owner[size_t(y)][size_t(x)], -1) << "animation " << i << " frame " << k;
                    owner[size_t(y)][size_t(x)] = int(i);
                }
        }
}

TEST(StripArtDissolve, TileTHasFourTimesTPlusOneBlackPixels) {
    using namespace layout::dissolve;
    for (int t = 0; t < kTileCount; ++t) {
        int black = 0;
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x)
                black += TileBlack(t, x, y);
        EXPECT_EQ(black, 4 * (t + 1)) << "tile " << t;
        // Each tile keeps every doll pixel the thinner tile before it keeps.
        if (t > 0)
            for (int y = 0; y < kTileSize; ++y)
                EXPECT_EQ(kTiles[size_t(t - 1)][size_t(y)] & ~kTiles[size_t(t)][size_t(y)], 0)
                    << "tile " << t << " row " << y;
    }
}

TEST(StripArtDoll, PanelsStandOnTransparentWhiteWithTheFigureInside) {
    namespace d = layout::doll;
    namespace f = art::doll;
    plat::Bitmap doll = Load("Doll.bmp");
    ASSERT_EQ(doll.Width(), d::kPictureWidth);
    // The view tells the doll from the stage by the colour of pixel (0, 0).
    EXPECT_EQ(Pixel(doll, 0, 0), kWhite);
    for (int panel = 0; panel < d::kPanelCount; ++panel) {
        const int x0 = panel * d::kPanelWidth;
        SCOPED_TRACE("panel " + std::to_string(panel));
        const Box whole{x0, 0, d::kPanelWidth, d::kPanelHeight};
        // Outside the figure: the side strips beyond the hands and everything below the soles.
        EXPECT_EQ(Count(doll, {x0, 0, 30, d::kPanelHeight}, kWhite), 30 * d::kPanelHeight);
        EXPECT_EQ(Count(doll, {x0 + 170, 0, 30, d::kPanelHeight}, kWhite), 30 * d::kPanelHeight);
        EXPECT_EQ(Count(doll, {x0, f::kSoleY + 4, d::kPanelWidth, d::kPanelHeight - f::kSoleY - 4}, kWhite),
                  d::kPanelWidth * (d::kPanelHeight - f::kSoleY - 4));
        // Between the arm and the waist the stage shows through.
        if (panel < 4)
            EXPECT_EQ(Pixel(doll, x0 + f::kCentreX - f::kWaistHalfWidth - 8, f::kWaistY), kWhite);
        EXPECT_EQ(LightFringe(doll, whole), "");
    }
    // The body itself is painted in the four full panels, head to foot.
    for (int panel : {0, 1, 2, 3}) {
        const int x0 = panel * d::kPanelWidth;
        for (auto [x, y] : {std::pair{f::kCentreX, f::kHeadCentreY}, {f::kCentreX, f::kWaistY},
                            {f::kCentreX - 11, f::kKneeY}, {f::kCentreX + 11, f::kKneeY},
                            {f::kElbow.X, f::kElbow.Y}, {f::MirrorX(f::kElbow.X), f::kElbow.Y}})
            EXPECT_NE(Pixel(doll, x0 + x, y), kWhite) << "panel " << panel << " at " << x << ", " << y;
    }
    // The overlays leave the clothes visible: only hair and hands, white over the body.
    for (int panel : {4, 5}) {
        const int x0 = panel * d::kPanelWidth;
        EXPECT_NE(Pixel(doll, x0 + f::kCentreX, f::kHeadCentreY), kWhite);
        EXPECT_NE(Pixel(doll, x0 + f::kCentreX, f::kShoulderY + 20), kWhite); // hair down the back
        EXPECT_NE(Pixel(doll, x0 + f::kWrist.X, f::kWrist.Y + 10), kWhite);  // a hand
        EXPECT_EQ(Pixel(doll, x0 + f::kCentreX, f::kWaistY + 10), kWhite);
        EXPECT_EQ(Pixel(doll, x0 + f::kCentreX - 11, f::kKneeY), kWhite);
        EXPECT_EQ(Pixel(doll, x0 + f::kElbow.X, f::kElbow.Y), kWhite);
    }
    // The hat panels differ from the bare-headed ones only above the shoulders.
    for (int panel : {0, 2, 4}) {
        const int x0 = panel * d::kPanelWidth, x1 = x0 + d::kPanelWidth;
        const int below = f::kShoulderY + 60;
        EXPECT_FALSE(SamePixels(doll, {x0, 0, d::kPanelWidth, f::kShoulderY}, {x1, 0, d::kPanelWidth, f::kShoulderY}));
        EXPECT_TRUE(SamePixels(doll, {x0, below, d::kPanelWidth, d::kPanelHeight - below},
                               {x1, below, d::kPanelWidth, d::kPanelHeight - below}));
    }
}

TEST(StripArtRack, FramesAreWhatTheViewComputesFromTheWidth) {
    namespace r = layout::rack;
    plat::Bitmap strip = Load("FsView.bmp");
    const int frames = r::FramesFromWidth(strip.Width());
    EXPECT_EQ(frames, r::kFrames);
    EXPECT_GE(frames, 6);
    EXPECT_EQ(strip.Width() % r::kViewWidth, 0);
    EXPECT_GE(strip.Height(), r::kSkirtViewHeight);
    // Frames 0 .. Frames are opaque backgrounds; a turn changes them and ends where it started.
    for (int f = 0; f <= frames; ++f)
        EXPECT_EQ(Count(strip, {r::FrameX(f), 0, r::kViewWidth, strip.Height()}, kWhite), 0) << "frame " << f;
    // A turn starts where the rack stood (the garments too start in their old places) and every
    // later step shows the rack further round.
    auto frameBox = [&](int f) { return Box{r::FrameX(f), 0, r::kViewWidth, strip.Height()}; };
    EXPECT_TRUE(SamePixels(strip, frameBox(0), frameBox(frames)));
    for (int f = 1; f < frames; ++f) {
        EXPECT_FALSE(SamePixels(strip, frameBox(0), frameBox(f))) << "frame " << f;
        EXPECT_FALSE(SamePixels(strip, frameBox(f + 1), frameBox(f))) << "frame " << f;
    }
    // The overlay frame: the front bar near the hooks, transparent white everywhere else.
    const Box overlay{r::FrameX(frames + 1), 0, r::kViewWidth, strip.Height()};
    const int white = Count(strip, overlay, kWhite);
    EXPECT_GT(white, overlay.Width * overlay.Height * 9 / 10);
    EXPECT_LT(white, overlay.Width * overlay.Height);
    EXPECT_EQ(Count(strip, {overlay.X, 40, overlay.Width, overlay.Height - 40}, kWhite),
              overlay.Width * (overlay.Height - 40));
    EXPECT_EQ(LightFringe(strip, overlay), "");
}

TEST(StripArtDrum, KeyColoursAreDistinctAndMarkTheOpenWindows) {
    namespace d = layout::drum;
    plat::Bitmap drum = Load("FsBrush.bmp");
    ASSERT_EQ(drum.Width(), d::kPictureWidth);
    std::set<uint32_t> keys;
    for (int r = 0; r < d::kSlotCount; ++r) {
        const uint32_t key = Pixel(drum, 0, r);
        EXPECT_EQ(key, Word(d::kKeyColours[size_t(r)])) << "slot " << r - 3;
        EXPECT_NE(key, kWhite);
        keys.insert(key);
    }
    ASSERT_EQ(keys.size(), size_t(d::kSlotCount));
    // The open frame holds every key colour, and the view's slot test finds each slot from the
    // middle of its window: read (x + 1, y + 2 * 103), compare with column 0.
    const Box open{d::FrameX(0), d::RowY(d::kRowOpenTurningBack), d::kCellWidth, d::kCellHeight};
    for (int r = 0; r < d::kSlotCount; ++r) {
        const uint32_t key = Pixel(drum, 0, r);
        ASSERT_GT(Count(drum, open, key), 20) << "slot " << r - 3;
        long sx = 0, sy = 0, n = 0;
        for (int y = open.Y; y < open.Bottom(); ++y)
            for (int x = open.X; x < open.Right(); ++x)
                if (Pixel(drum, x, y) == key)
                    sx += x, sy += y, ++n;
        const int vx = int(sx / n) - 1, vy = int(sy / n) - d::RowY(d::kRowOpenTurningBack);
        EXPECT_EQ(Pixel(drum, vx + 1, vy + 2 * d::kCellHeight), key) << "slot " << r - 3;
    }
    // Pure white would let the fabric through where no window is: none in any frame. The closed
    // frame shows no window at all.
    for (int row = 0; row < d::kRows; ++row)
        for (int f = 0; f < d::kFramesPerRow; ++f) {
            const Box cell{d::FrameX(f), d::RowY(row), d::kCellWidth, d::kCellHeight};
            EXPECT_EQ(Count(drum, cell, kWhite), 0) << "row " << row << " frame " << f;
        }
    const Box closed{d::FrameX(0), d::RowY(d::kRowClosedOpening), d::kCellWidth, d::kCellHeight};
    for (uint32_t key : keys)
        EXPECT_EQ(Count(drum, closed, key), 0);
}

// Mean row of the pixels of `key` in a drum cell, or -1 when the key is absent.
double KeyRow(const plat::Bitmap& drum, int row, int frame, uint32_t key) {
    namespace d = layout::drum;
    long sum = 0, n = 0;
    for (int y = d::RowY(row); y < d::RowY(row) + d::kCellHeight; ++y)
        for (int x = d::FrameX(frame); x < d::FrameX(frame) + d::kCellWidth; ++x)
            if (Pixel(drum, x, y) == key)
                sum += y - d::RowY(row), ++n;
    return n ? double(sum) / double(n) : -1;
}

TEST(StripArtDrum, OpeningClosingAndTurningPlayInOrder) {
    namespace d = layout::drum;
    plat::Bitmap drum = Load("FsBrush.bmp");
    ASSERT_EQ(drum.Width(), d::kPictureWidth);
    auto cell = [](int row, int frame) {
        return Box{d::FrameX(frame), d::RowY(row), d::kCellWidth, d::kCellHeight};
    };
    // The lid rolls up step by step: each opening frame shows more of the windows.
    int shown = 0;
    for (int f = 1; f <= d::kCountFaseOpen; ++f) {
        int keys = 0;
        for (const layout::Rgb& key : d::kKeyColours)
            keys += Count(drum, cell(d::kRowClosedOpening, f), Word(key));
        EXPECT_GT(keys, shown) << "opening frame " << f;
        shown = keys;
        // Closing plays the same pictures backwards.
        EXPECT_TRUE(SamePixels(drum, cell(d::kRowClosing, d::kCountFaseOpen + 1 - f),
                               cell(d::kRowClosedOpening, f)))
            << "closing frame " << d::kCountFaseOpen + 1 - f;
    }
    // Turning: the middle window comes from below (forward) or above (back) and closes in on its
    // place in the open frame, one step at a time.
    const uint32_t middle = Word(d::kKeyColours[2]);
    const double rest = KeyRow(drum, d::kRowOpenTurningBack, 0, middle);
    double forward = 1e9, back = -1e9;
    for (int f = 1; f <= d::kCountFaseRotate; ++f) {
        const double fw = KeyRow(drum, d::kRowTurningForward, f, middle);
        const double bk = KeyRow(drum, d::kRowOpenTurningBack, f, middle);
        EXPECT_GT(fw, rest) << "forward frame " << f;
        EXPECT_LT(fw, forward) << "forward frame " << f;
        EXPECT_LT(bk, rest) << "back frame " << f;
        EXPECT_GT(bk, back) << "back frame " << f;
        forward = fw;
        back = bk;
    }
}

TEST(StripArtPanel, PaperUnrollsAsThePatternIsRevealed) {
    namespace w = layout::panel;
    plat::Bitmap strip = Load("FsWindow.bmp");
    ASSERT_EQ(strip.Width(), w::kPictureWidth);
    const Box& area = w::kPatternArea;
    const Box full = w::FrameBox(8);
    const uint32_t paper = Pixel(strip, full.X + area.X, full.Y + area.Y);
    EXPECT_NE(paper, kWhite);
    for (int f = 0; f < w::kFrames; ++f) {
        const Box frame = w::FrameBox(f);
        EXPECT_EQ(Count(strip, frame, kWhite), 0) << "frame " << f;
        const int shown = w::kReveal[size_t(f)];
        // The revealed rows are plain paper edge to edge, so a pattern drawn there reads well.
        const Box revealed{frame.X + area.X, frame.Y + area.Y, area.Width, shown};
        EXPECT_EQ(Count(strip, revealed, paper), area.Width * shown) << "frame " << f;
        if (f > 0)
            EXPECT_FALSE(SamePixels(strip, frame, w::FrameBox(f - 1))) << "frame " << f;
    }
}

TEST(StripArtSurprises, EveryAnimationMoves) {
    namespace z = layout::surprise;
    plat::Bitmap strip = Load("Zamor.bmp");
    ASSERT_EQ(strip.Width(), z::kPictureWidth);
    for (size_t i = 0; i < z::kAnimations.size(); ++i)
        for (int k = 1; k < z::kAnimations[i].CountFase; ++k)
            EXPECT_FALSE(SamePixels(strip, z::kAnimations[i].FrameBox(k - 1), z::kAnimations[i].FrameBox(k)))
                << "animation " << i + 1 << " frame " << k;
}

TEST(StripArtLetters, ThreeMessagesOnTransparentWhite) {
    namespace l = layout::letters;
    plat::Bitmap letters = Load("Letters.bmp");
    ASSERT_EQ(letters.Width(), l::kPictureWidth);
    for (int x : l::kFrameX) {
        const Box frame{x, 0, l::kFrameWidth, l::kFrameHeight};
        EXPECT_EQ(Pixel(letters, x, 0), kWhite);
        EXPECT_EQ(Pixel(letters, x + l::kFrameWidth - 1, l::kFrameHeight - 1), kWhite);
        EXPECT_NE(Pixel(letters, x + l::kFrameWidth / 2, l::kFrameHeight / 2 + 20), kWhite);
        EXPECT_LT(Count(letters, frame, kWhite), l::kFrameWidth * l::kFrameHeight / 5);
        EXPECT_EQ(LightFringe(letters, frame), "");
    }
    // The one-pixel gaps between the frames belong to no message.
    for (int gap : {220, 441})
        EXPECT_EQ(Count(letters, {gap, 0, 1, l::kFrameHeight}, kWhite), l::kFrameHeight);
}

uint32_t Le32(const std::string& bytes, size_t at) {
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

TEST(StripArtIntro, VideosAreAviOfTheIntroSizeAndAboutFourSeconds) {
    namespace in = layout::intro;
    for (const char* name : {"logo.avi", "title.avi"}) {
        SCOPED_TRACE(name);
        std::ifstream file(kResource + name, std::ios::binary);
        ASSERT_TRUE(file) << "missing";
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 20000u);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(bytes.substr(8, 4), "AVI ");
        EXPECT_EQ(Le32(bytes, 4) + 8, bytes.size());
        ASSERT_EQ(bytes.substr(24, 4), "avih");
        // The main header: microseconds per frame, total frames, width, height.
        const uint32_t usPerFrame = Le32(bytes, 32), frames = Le32(bytes, 48);
        EXPECT_EQ(Le32(bytes, 64), uint32_t(in::kVideoWidth));
        EXPECT_EQ(Le32(bytes, 68), uint32_t(in::kVideoHeight));
        const double seconds = double(usPerFrame) * frames / 1e6;
        EXPECT_GT(seconds, 3.5);
        EXPECT_LT(seconds, 5.0);
        EXPECT_NE(bytes.find("movi"), std::string::npos);
    }
}

} // namespace
