// Sizes, origins and frame counts of the animation strips and the doll picture: the pictures the
// views slice into frames (the doll, the clothes racks, the fabric drum, the pattern panel, the
// surprise animations, the flying messages, the intro). The views and the picture generator both
// read this header, so what the generator paints is exactly what the views cut out.
//
// Each value says where it comes from: "fixed" values are the system's own (a view computes or
// copies them that way); "ours" values are choices this product makes where the views leave the
// freedom, picked so that the views' own arithmetic lands on them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace layout {

// A rectangle as x, y, width, height; used where a value is a place inside a picture or window.
struct Box {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    constexpr int Right() const { return X + Width; }
    constexpr int Bottom() const { return Y + Height; }
    constexpr bool Contains(int x, int y) const {
        return x >= X && x < X + Width && y >= Y && y < Y + Height;
    }
};

// A key colour as red, green, blue.
struct Rgb {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

// --- Doll.bmp: six panels side by side, each the doll control's size ---------------------------
namespace doll {
inline constexpr Box kControl{245, 40, 200, 360}; // fixed: the doll's place on the main window
inline constexpr int kPanelWidth = 200;           // fixed: each panel is the control's size
inline constexpr int kPanelHeight = 360;
enum class Panel : int {
    Front = 0,          // fixed order
    FrontHat = 1,       // hair that a hat sits on
    Back = 2,
    BackHat = 3,
    BackOverlay = 4,    // only what lies over the clothes seen from behind
    BackOverlayHat = 5,
};
inline constexpr int kPanelCount = 6;
inline constexpr int kPictureWidth = kPanelCount * kPanelWidth; // 1200
inline constexpr int kPictureHeight = kPanelHeight;
constexpr int PanelX(Panel panel) {
    return static_cast<int>(panel) * kPanelWidth;
}
// fixed: the hat and shoe layers' places inside the doll; garments of those classes fit in them.
inline constexpr Box kHatLayer{0, 0, 200, 80};
inline constexpr Box kShoeLayer{0, 240, 200, 120};
} // namespace doll

// --- Doll dissolve: 16 dither tiles of 8 x 8 (the window's PointImage) ---------------------------
// fixed: tile t at x = 8t; one byte per row, top row first, most significant bit leftmost;
// 1 = black (the doll pixel stays), 0 = white (the doll pixel turns transparent). Tile t has
// 4(t + 1) black pixels, so the dissolve thins the doll evenly.
namespace dissolve {
inline constexpr int kTileSize = 8;
inline constexpr int kTileCount = 16;
inline constexpr int kStripWidth = kTileSize * kTileCount; // 128
inline constexpr std::array<std::array<uint8_t, 8>, kTileCount> kTiles{{
    {0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x11},
    {0x00, 0x00, 0x44, 0x11, 0x00, 0x00, 0x44, 0x11},
    {0x00, 0x11, 0x44, 0x11, 0x00, 0x11, 0x44, 0x11},
    {0x44, 0x11, 0x44, 0x11, 0x44, 0x11, 0x44, 0x11},
    {0x44, 0x11, 0x66, 0x11, 0x44, 0x11, 0x66, 0x11},
    {0x44, 0x11, 0x66, 0x99, 0x44, 0x11, 0x66, 0x99},
    {0x66, 0x11, 0x66, 0x99, 0x66, 0x11, 0x66, 0x99},
    {0x66, 0x99, 0x66, 0x99, 0x66, 0x99, 0x66, 0x99},
    {0x66, 0x99, 0xEE, 0x99, 0x66, 0x99, 0xEE, 0x99},
    {0x66, 0x99, 0xEE, 0xBB, 0x66, 0x99, 0xEE, 0xBB},
    {0xEE, 0x99, 0xEE, 0xBB, 0xEE, 0x99, 0xEE, 0xBB},
    {0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB},
    {0xEE, 0xBB, 0xEE, 0xFF, 0xEE, 0xBB, 0xEE, 0xFF},
    {0xFF, 0xBB, 0xEE, 0xFF, 0xEE, 0xBB, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xEE, 0xFF, 0xEE, 0xFF, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
}};
// True when pixel (x, y) of tile t is black (keeps the doll).
constexpr bool TileBlack(int t, int x, int y) {
    return (kTiles[static_cast<std::size_t>(t)][static_cast<std::size_t>(y)] >> (7 - x)) & 1;
}
} // namespace dissolve

// --- FsView.bmp: the turning clothes rack ------------------------------------------------------
// A view computes Frames = strip width / view width - 2 and shows frames 0 .. Frames (frame 0 the
// rack at rest, Frames the first step of a turn, counting down) and lays the overlay frame
// Frames + 1 (the rack's front bar, white elsewhere) over the garments.
namespace rack {
inline constexpr int kViewWidth = 136;        // fixed: every clothing view is 136 wide
inline constexpr int kViewHeight = 165;       // fixed: five of the six views
inline constexpr int kSkirtViewHeight = 170;  // fixed: the skirts view
inline constexpr int kFrames = 8;             // ours: 8 steps of 80 ms, a turn of 0.64 s
inline constexpr int kOverlayFrame = kFrames + 1;
inline constexpr int kStripWidth = (kFrames + 2) * kViewWidth; // 1360
inline constexpr int kStripHeight = kSkirtViewHeight;          // ours: covers the tallest view
constexpr int FramesFromWidth(int stripWidth) {
    return stripWidth / kViewWidth - 2;
}
constexpr int FrameX(int frame) {
    return frame * kViewWidth;
}
static_assert(FramesFromWidth(kStripWidth) == kFrames);
// fixed: the slots the three models stand in at rest (view pixels).
inline constexpr Box kPrevRect{59, 6, 24, 170};
inline constexpr Box kCurrentRect{10, 0, 74, 170};
inline constexpr Box kNextRect{68, 0, 70, 170};
// ours: the rack's top ring, which the hanger hooks of the rack pictures hang on. A rack picture
// stretched into a slot should put its hook's bend at about kHookY.
inline constexpr int kRingY = 10;  // centre line of the ring's front arc
inline constexpr int kHookY = 10;
// fixed: the views' places on the main window.
inline constexpr int kViewX = 504;
inline constexpr int kViewY = 112;
} // namespace rack

// --- FsBrush.bmp: the fabric drum ----------------------------------------------------------------
// Column 0 carries the key colours (pixel (0, r) for slot r - 3); frame f of row R is the cell at
// (f * 99 + 1, R * 103). Rows: 0 closed (frame 0) and opening (1 .. 7); 1 closing (1 .. 7);
// 2 open (frame 0) and turning back (1 .. 5); 3 turning forward (1 .. 5).
namespace drum {
inline constexpr Box kControl{0, 261, 99, 103}; // fixed: the drum's place on the main window
inline constexpr int kCellWidth = 99;           // fixed
inline constexpr int kCellHeight = 103;         // fixed
inline constexpr int kKeyColumnWidth = 1;       // fixed
inline constexpr int kRows = 4;                 // fixed
inline constexpr int kCountFaseOpen = 7;        // fixed
inline constexpr int kCountFaseRotate = 5;      // fixed
inline constexpr int kRowClosedOpening = 0;
inline constexpr int kRowClosing = 1;
inline constexpr int kRowOpenTurningBack = 2;
inline constexpr int kRowTurningForward = 3;
inline constexpr int kFramesPerRow = kCountFaseOpen + 1; // the widest rows: frame 0 and 1 .. 7
inline constexpr int kPictureWidth = kKeyColumnWidth + kFramesPerRow * kCellWidth; // 793
inline constexpr int kPictureHeight = kRows * kCellHeight;                         // 412
inline constexpr int kSlotCount = 5; // slots -3 .. 1
constexpr int FrameX(int frame) {
    return frame * kCellWidth + kKeyColumnWidth;
}
constexpr int RowY(int row) {
    return row * kCellHeight;
}
// ours: five saturated colours that no painted part of the drum uses, slot -3 first.
inline constexpr std::array<Rgb, kSlotCount> kKeyColours{{
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 0},
    {0, 255, 0},
    {0, 0, 255},
}};
} // namespace drum

// --- FsWindow.bmp: the pattern panel's frame opening in nine steps --------------------------------
namespace panel {
inline constexpr Box kControl{148, 7, 317, 306}; // fixed: the panel's place on the main window
inline constexpr int kWidth = 317;               // fixed: one frame is the panel's size
inline constexpr int kHeight = 306;
inline constexpr int kCountX = 3;                // fixed: frame f at ((f mod 3) * 317, (f div 3) * 306)
inline constexpr int kCountY = 3;
inline constexpr int kFrames = kCountX * kCountY;
inline constexpr int kPictureWidth = kCountX * kWidth;  // 951
inline constexpr int kPictureHeight = kCountY * kHeight; // 918
inline constexpr Box kPatternArea{40, 57, 239, 212};     // fixed: MX, MY, MWidth, MHeight
inline constexpr Box kDescription{41, 57, 221, 212};     // fixed: the description pane
inline constexpr Box kDescriptionScroll{262, 57, 16, 212};
// fixed: pixels of the pattern area shown in each frame, counted from its top.
inline constexpr std::array<int, kFrames> kReveal{0, 0, 0, 0, 0, 53, 114, 188, 212};
constexpr Box FrameBox(int frame) {
    return {(frame % kCountX) * kWidth, (frame / kCountX) * kHeight, kWidth, kHeight};
}
} // namespace panel

// --- Zamor.bmp: the five surprise animations ------------------------------------------------------
// fixed: frame k of an animation is at (OrgX + k * width, OrgY), the control's size.
namespace surprise {
struct Animation {
    Box Place;     // on the main window; its size is the frame size
    int OrgX = 0;  // first frame in Zamor.bmp
    int OrgY = 0;
    int CountFase = 0;
    bool One = false; // only while the doll is visible
    Box HotArea;
    constexpr Box FrameBox(int k) const { return {OrgX + k * Place.Width, OrgY, Place.Width, Place.Height}; }
    constexpr int StripRight() const { return OrgX + CountFase * Place.Width; }
};
inline constexpr std::array<Animation, 5> kAnimations{{
    {{40, 137, 50, 54}, 0, 0, 9, false, {0, 164, 97, 101}},
    {{450, 180, 50, 58}, 0, 174, 8, true, {453, 183, 48, 73}},
    {{440, 255, 60, 50}, 0, 54, 7, true, {450, 255, 48, 80}},
    {{592, 305, 45, 69}, 222, 105, 5, false, {588, 306, 52, 79}},
    {{98, 264, 37, 70}, 0, 104, 6, false, {98, 265, 36, 71}},
}};
// ours: the smallest picture that holds every frame of the table.
inline constexpr int kPictureWidth = 450;
inline constexpr int kPictureHeight = 232;
constexpr bool AllFramesInside() {
    for (const Animation& a : kAnimations)
        if (a.StripRight() > kPictureWidth || a.OrgY + a.Place.Height > kPictureHeight)
            return false;
    return true;
}
static_assert(AllFramesInside());
inline constexpr int kIntervalMs = 110; // fixed
} // namespace surprise

// --- Letters.bmp: the three flying messages ------------------------------------------------------
// fixed: frames at x = 0, 221, 442, each 220 x 80, shown at the places below and laid over the
// window white-transparent; the one-pixel columns between them belong to no message.
namespace letters {
inline constexpr int kFrameWidth = 220;
inline constexpr int kFrameHeight = 80;
inline constexpr int kSaved = 0;       // FlyBitmapOk: saved or restored
inline constexpr int kDressFirst = 1;  // FlyBitmapV: print patterns with nothing worn
inline constexpr int kShowDollFirst = 2; // FlyBitmapD: print the doll while it is hidden
inline constexpr std::array<int, 3> kFrameX{0, 221, 442};
inline constexpr std::array<Box, 3> kShownAt{{{324, 400, 220, 80}, {87, 400, 220, 80}, {207, 400, 220, 80}}};
inline constexpr int kPictureWidth = 442 + kFrameWidth; // 662
inline constexpr int kPictureHeight = kFrameHeight;
} // namespace letters

// --- Intro and about box --------------------------------------------------------------------------
namespace intro {
inline constexpr int kVideoWidth = 320;  // fixed: the intro places the videos as 320 x 240
inline constexpr int kVideoHeight = 240;
inline constexpr int kVideoFps = 25;     // ours
inline constexpr int kVideoFrames = 100; // ours: 4 seconds
inline constexpr int kTitleWidth = 800;  // ours: 4:3 like the 320 x 240 it zooms from
inline constexpr int kTitleHeight = 600;
inline constexpr int kAboutWindowWidth = 342; // fixed: the about box
inline constexpr int kAboutWindowHeight = 243;
inline constexpr int kAboutPictureWidth = 320; // ours: above the credits, inside the bevel
inline constexpr int kAboutPictureHeight = 160;
} // namespace intro

} // namespace layout
