// Where everything lies on the main screen (Main.bmp) and in the shared skin (Resource.bmp): the
// one table of coordinates that the windows are built from and the picture generator paints from,
// so the two can never disagree.
//
// Skin conventions, as the skinned controls compute them:
//  - a picture button's frame k (from 1) is its own size, at x = frames.x + (k - 1) * width,
//    y = frames.y (TBitmapButton with ResImage);
//  - a button group's image n (from 0) is the group's size, at x = images.x + n * width when
//    the images lie side by side, or y = images.y + n * height otherwise (TBitmapButtons);
//  - a caption bar copies its own size from the skin at its active or passive corner.
// Places of controls are in their window's client coordinates. Everything marked "ours" is a
// choice of this product's art; the rest is fixed by the program's behaviour.
#pragma once

#include <array>
#include <string_view>

namespace layout {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return x + width; }   // exclusive
    constexpr int Bottom() const { return y + height; } // exclusive
    constexpr Point Origin() const { return {x, y}; }
    constexpr Size Extent() const { return {width, height}; }
    constexpr bool Contains(const Rect& r) const {
        return r.x >= x && r.y >= y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    constexpr bool Overlaps(const Rect& r) const {
        return r.x < Right() && x < r.Right() && r.y < Bottom() && y < r.Bottom();
    }
};

constexpr Rect Offset(const Rect& r, Point by) { return {r.x + by.x, r.y + by.y, r.width, r.height}; }

// A TBitmapButton cut from the skin: its place in its window, the corner of frame 1 in the skin
// and how many frames the strip holds.
struct SkinButton {
    Rect place;
    Point frames;
    int frameCount = 2;

    constexpr Rect Frame(int frame) const {
        return {frames.x + (frame - 1) * place.width, frames.y, place.width, place.height};
    }
    constexpr Rect Strip() const {
        return {frames.x, frames.y, place.width * frameCount, place.height};
    }
};

// A clickable region of a TBitmapButtons: bounds in the group, image shown while pressed.
struct GroupItem {
    std::string_view name;
    Rect place;
    int number = 0;
};

// A TBitmapButtons: place in its window, the corner of image 0 in the skin, images side by side
// (horizontal) or stacked.
struct SkinButtonGroup {
    Rect place;
    Point images;
    int imageCount = 1;
    bool horizontal = true;

    constexpr Rect Image(int n) const {
        return horizontal ? Rect{images.x + n * place.width, images.y, place.width, place.height}
                          : Rect{images.x, images.y + n * place.height, place.width, place.height};
    }
    constexpr Rect Strip() const {
        return horizontal ? Rect{images.x, images.y, place.width * imageCount, place.height}
                          : Rect{images.x, images.y, place.width, place.height * imageCount};
    }
};

// A TCaptionBarPlus: place in its window, corners of its active and passive backgrounds in the
// skin, and in which states it writes its caption.
struct SkinCaptionBar {
    Rect place;
    Point active;
    Point passive;
    bool showNameActive = true;
    bool showNamePassive = true;

    constexpr Rect ActiveRect() const { return {active.x, active.y, place.width, place.height}; }
    constexpr Rect PassiveRect() const { return {passive.x, passive.y, place.width, place.height}; }
};

// A window painted from the skin: its background is the skin rectangle at `origin` of its size.
struct SkinWindow {
    Point origin;
    Size size;

    constexpr Rect Background() const { return {origin.x, origin.y, size.width, size.height}; }
    // The skin rectangle under a rectangle of the window's client area.
    constexpr Rect Under(const Rect& client) const { return Offset(client, origin); }
};

// A picture that stands alone in the skin (flying messages, the glue glyph).
struct SkinPicture {
    Rect rect;
};

// ---------------------------------------------------------------------------------------------
// The skin sheet Resource.bmp.
namespace skin {

// Ours: wide enough for the slots window at (840, 0) and the glue glyph at (1235, 463), high
// enough for the rows of button strips below the windows.
inline constexpr Size kSize{1275, 912};

// Buttons that several windows share, so every window's close and help look alike.
// The small close cross comes from the help window's own exit button; the small help is ours.
inline constexpr Point kSmallCloseFrames{660, 500};
inline constexpr Point kSmallHelpFrames{690, 500}; // ours
inline constexpr Size kSmallButton{15, 15};

// Ours: the print windows' big buttons, 80 x 60, two frames each.
inline constexpr Size kPrintButton{80, 60};
inline constexpr Point kStdSizeFrames{0, 830};
inline constexpr Point kSetupPrintFrames{160, 830};
inline constexpr Point kPrintFrames{320, 830};
inline constexpr Point kExitFrames{480, 830};

// Ours: what flies out after printing (drawn over the window, pure white transparent).
inline constexpr SkinPicture kFlyPatternsPrinted{{948, 745, 220, 80}};
inline constexpr SkinPicture kFlyDollPrinted{{640, 830, 220, 80}};

// The glue glyph printed beside long vertical glue lines of a pattern.
inline constexpr SkinPicture kGlueGlyph{{1235, 463, 40, 120}};

} // namespace skin

// ---------------------------------------------------------------------------------------------
// The main window and its background Main.bmp.
namespace screen {

inline constexpr Size kSize{640, 480};

// The big spot behind the doll that opens the patterns. Ours: it takes no frames from the skin;
// Main.bmp paints it (a pattern board), and the button over it is transparent and frameless.
inline constexpr Rect kShowModel{148, 7, 313, 306};

inline constexpr SkinButton kHelp{{79, 86, 47, 61}, {963, 585}, 2};
inline constexpr SkinButton kPrint{{106, 403, 186, 72}, {0, 585}, 2};
inline constexpr SkinButton kPrintDoll{{292, 402, 48, 74}, {867, 585}, 2};

// Save / restore group BitmapButtons2. Its size, the items' numbers and the images are ours.
inline constexpr SkinButtonGroup kOutfitGroup{{341, 403, 165, 72}, {372, 585}, 3, true};
inline constexpr GroupItem kOutfitKey{"ItemBitmapButtonsKey", {11, 39, 51, 30}, 1};
inline constexpr GroupItem kOutfitBook{"ItemBitmapButtonsBook", {51, 3, 110, 50}, 2};

// The class selector BitmapButtons1: image 0 at rest, image n with the class numbered n pressed.
inline constexpr SkinButtonGroup kClassGroup{{488, 282, 101, 89}, {0, 380}, 7, true};
inline constexpr std::array<GroupItem, 6> kClassItems{{
    {"ItemBitmapButtonsBr", {16, 4, 28, 28}, 1},
    {"ItemBitmapButtonsYu", {44, 9, 30, 32}, 2},
    {"ItemBitmapButtonsBl", {16, 32, 28, 31}, 3},
    {"ItemBitmapButtonsHl", {44, 41, 30, 32}, 4},
    {"ItemBitmapButtonsPl", {74, 15, 26, 37}, 5},
    {"ItemBitmapButtonsWn", {74, 52, 26, 33}, 6},
}};

// The title bar. Ours: its place (the strip that holds the three buttons) and both backgrounds;
// its buttons are its children, so their places inside it are these minus the bar's corner.
inline constexpr SkinCaptionBar kTitleBar{{470, 0, 170, 17}, {1057, 625}, {1057, 642}, true, true};
inline constexpr SkinButton kSound{{576, 0, 21, 17}, {1057, 585}, 5};
inline constexpr SkinButton kMinimize{{598, 0, 21, 17}, {1097, 605}, 2};
inline constexpr SkinButton kClose{{620, 0, 20, 17}, {1057, 605}, 2};

// The sound button's frames: the music state.
enum class SoundFrame { Unavailable = 1, Off = 2, OffPressed = 3, On = 4, OnPressed = 5 };

// Places the other components take on the screen (their pictures are their own strips).
inline constexpr Rect kDoll{245, 40, 200, 360};
inline constexpr Rect kPatternPanel{148, 7, 317, 306};
inline constexpr Rect kRack{504, 112, 136, 165};
inline constexpr Rect kSkirtRack{504, 112, 136, 170};
inline constexpr Rect kHatView{489, 18, 117, 86};
inline constexpr Rect kShoeView{593, 239, 47, 71};
inline constexpr Rect kDrum{0, 261, 99, 103};

// The pattern panel's three close buttons. Ours: places inside the panel (around the pattern
// area), transparent over the panel's frame, one shared two-frame strip.
inline constexpr Point kHideModelFrames{1162, 585};
inline constexpr std::array<SkinButton, 3> kHideModel{{
    {{287, 9, 24, 24}, kHideModelFrames, 2},
    {{6, 276, 24, 24}, kHideModelFrames, 2},
    {{287, 276, 24, 24}, kHideModelFrames, 2},
}};

} // namespace screen

// ---------------------------------------------------------------------------------------------
// The help window: skin origin (0, 0), 435 x 374.
namespace help {

inline constexpr SkinWindow kWindow{{0, 0}, {435, 374}};
inline constexpr SkinCaptionBar kCaption{{9, 8, 401, 16}, {9, 8}, {9, 8}, true, true};
inline constexpr SkinButton kExit{{411, 9, 15, 15}, skin::kSmallCloseFrames, 2};
inline constexpr Rect kRtfView{15, 31, 388, 280};
inline constexpr Rect kScrollBar{404, 31, 17, 280};
inline constexpr SkinButton kMainTopic{{111, 315, 72, 51}, {128, 494}, 2};
inline constexpr SkinButton kPrint{{195, 315, 66, 51}, {272, 494}, 2};
inline constexpr SkinButton kAbout{{278, 315, 60, 51}, {404, 494}, 2};
inline constexpr SkinButton kExit2{{352, 315, 68, 51}, {524, 494}, 2};

} // namespace help

// ---------------------------------------------------------------------------------------------
// The saved-outfits window: skin origin (840, 0), 435 x 329.
namespace outfitslots {

inline constexpr SkinWindow kWindow{{840, 0}, {435, 329}};
inline constexpr SkinCaptionBar kCaption{{9, 8, 387, 16}, {849, 8}, {849, 8}, true, true};
inline constexpr SkinButton kHelp{{396, 9, 15, 15}, skin::kSmallHelpFrames, 2};
inline constexpr SkinButton kCancelSmall{{411, 9, 15, 15}, skin::kSmallCloseFrames, 2};

// The slot buttons: frame 1 normal, 2 pressed, 3 the current slot. Ours: the size 76 x 80 and
// the strips, five in one row and three in the next.
inline constexpr Size kSlotButton{76, 80};
inline constexpr int kSlotCount = 8;
inline constexpr std::array<Point, kSlotCount> kSlotPlaces{{
    {46, 47}, {129, 47}, {228, 49}, {324, 52}, {50, 139}, {139, 139}, {233, 137}, {326, 137}}};
constexpr SkinButton SlotButton(int slot) { // slot 1 ... 8
    const Point place = kSlotPlaces[slot - 1];
    const int strip = kSlotButton.width * 3;
    const Point frames = slot <= 5 ? Point{(slot - 1) * strip, 662} : Point{(slot - 6) * strip, 745};
    return {{place.x, place.y, kSlotButton.width, kSlotButton.height}, frames, 3};
}

// Ours: the size of the two answer buttons and their strips.
inline constexpr SkinButton kNo{{150, 270, 66, 46}, {684, 745}, 2};
inline constexpr SkinButton kCancel{{225, 270, 66, 46}, {816, 745}, 2};

} // namespace outfitslots

// ---------------------------------------------------------------------------------------------
// The pattern-print window: skin origin (435, 0). Its size and every place in it are ours.
namespace patternprint {

inline constexpr SkinWindow kWindow{{435, 0}, {405, 320}};
inline constexpr SkinCaptionBar kCaption{{9, 8, 357, 16}, {444, 8}, {444, 8}, true, true};
inline constexpr SkinButton kHelp{{366, 9, 15, 15}, skin::kSmallHelpFrames, 2};
inline constexpr SkinButton kExit{{381, 9, 15, 15}, skin::kSmallCloseFrames, 2};

// The measurement table: a row per measurement, columns for the child's doll and the standard.
inline constexpr int kRowTop = 68;
inline constexpr int kRowStep = 30;
inline constexpr Rect kColumnMine{178, 40, 96, 18};     // Label9 "Моя кукла"
inline constexpr Rect kColumnStandard{286, 40, 96, 18}; // Label10 "Стандарт"
constexpr Rect RowLabel(int row) { return {18, kRowTop + row * kRowStep + 2, 156, 18}; } // Label1..4
constexpr Rect RowEdit(int row) { return {186, kRowTop + row * kRowStep, 54, 22}; }      // sH, sW1..3
constexpr Rect RowMineUnit(int row) { return {244, kRowTop + row * kRowStep + 2, 24, 18}; }
constexpr Rect RowStandard(int row) { return {298, kRowTop + row * kRowStep + 2, 44, 18}; } // bH...
constexpr Rect RowStandardUnit(int row) { return {346, kRowTop + row * kRowStep + 2, 24, 18}; }
inline constexpr int kRowCount = 4;

inline constexpr Rect kPrinterLabel{18, 192, 70, 18}; // Label11
inline constexpr Rect kPrinterName{92, 192, 270, 18};
inline constexpr Rect kInfo{18, 292, 370, 18};
inline constexpr Rect kPrintDescribe{0, 0, 221, 212}; // never shown: only holds the text to print

inline constexpr SkinButton kStdSize{{24, 220, 80, 60}, skin::kStdSizeFrames, 2};
inline constexpr SkinButton kSetupPrint{{116, 220, 80, 60}, skin::kSetupPrintFrames, 2};
inline constexpr SkinButton kPrint{{208, 220, 80, 60}, skin::kPrintFrames, 2};
inline constexpr SkinButton kExit2{{300, 220, 80, 60}, skin::kExitFrames, 2};

// The flying message: the picture grows from the print button's corner to its whole size.
inline constexpr Rect kFlyBitmap{92, 110, 220, 80};
inline constexpr Rect kMinWindow{150, 70, 20, 10}; // in the flying picture's coordinates

} // namespace patternprint

// ---------------------------------------------------------------------------------------------
// The doll-print window: skin origin (840, 329). Its size and every place in it are ours.
namespace dollprint {

inline constexpr SkinWindow kWindow{{840, 329}, {395, 250}};
inline constexpr SkinCaptionBar kCaption{{9, 8, 347, 16}, {849, 337}, {849, 337}, true, true};
inline constexpr SkinButton kHelp{{356, 9, 15, 15}, skin::kSmallHelpFrames, 2};
inline constexpr SkinButton kExit{{371, 9, 15, 15}, skin::kSmallCloseFrames, 2};
inline constexpr Rect kPrinterLabel{18, 150, 70, 18};
inline constexpr Rect kPrinterName{92, 150, 286, 18};
inline constexpr SkinButton kSetupPrint{{62, 178, 80, 60}, skin::kSetupPrintFrames, 2};
inline constexpr SkinButton kPrint{{158, 178, 80, 60}, skin::kPrintFrames, 2};
inline constexpr SkinButton kExit2{{254, 178, 80, 60}, skin::kExitFrames, 2};
inline constexpr Rect kFlyBitmap{88, 52, 220, 80};
inline constexpr Rect kMinWindow{100, 70, 20, 10};

} // namespace dollprint

// ---------------------------------------------------------------------------------------------
// Every rectangle the skin must hold, named, for whoever needs to walk them all (the checker,
// the contact sheet).
struct NamedRect {
    std::string_view name;
    Rect rect;
};

inline constexpr std::array<NamedRect, 4> kWindowBackgrounds{{
    {"help window", help::kWindow.Background()},
    {"pattern-print window", patternprint::kWindow.Background()},
    {"slots window", outfitslots::kWindow.Background()},
    {"doll-print window", dollprint::kWindow.Background()},
}};

inline constexpr std::array<NamedRect, 22> kButtonStrips{{
    {"main Help", screen::kHelp.Strip()},
    {"main Print", screen::kPrint.Strip()},
    {"main bPrintDoll", screen::kPrintDoll.Strip()},
    {"main Sound", screen::kSound.Strip()},
    {"main bMinimize", screen::kMinimize.Strip()},
    {"main bClose", screen::kClose.Strip()},
    {"pattern panel bHideModel", screen::kHideModel[0].Strip()},
    {"help bExit", help::kExit.Strip()},
    {"help bMainTopic", help::kMainTopic.Strip()},
    {"help bPrint", help::kPrint.Strip()},
    {"help bAbout", help::kAbout.Strip()},
    {"help bExit2", help::kExit2.Strip()},
    {"small help", outfitslots::kHelp.Strip()},
    {"slots No", outfitslots::kNo.Strip()},
    {"slots Cancel", outfitslots::kCancel.Strip()},
    {"print bStdSize", patternprint::kStdSize.Strip()},
    {"print bSetupPrint", patternprint::kSetupPrint.Strip()},
    {"print bPrint", patternprint::kPrint.Strip()},
    {"print bExit2", patternprint::kExit2.Strip()},
    {"slot 1", outfitslots::SlotButton(1).Strip()},
    {"slot 5", outfitslots::SlotButton(5).Strip()},
    {"slot 8", outfitslots::SlotButton(8).Strip()},
}};

inline constexpr std::array<NamedRect, 7> kOtherSkinAreas{{
    {"class selector images", screen::kClassGroup.Strip()},
    {"outfit group images", screen::kOutfitGroup.Strip()},
    {"title bar active", screen::kTitleBar.ActiveRect()},
    {"title bar passive", screen::kTitleBar.PassiveRect()},
    {"patterns printed message", skin::kFlyPatternsPrinted.rect},
    {"doll printed message", skin::kFlyDollPrinted.rect},
    {"glue glyph", skin::kGlueGlyph.rect},
}};

} // namespace layout
