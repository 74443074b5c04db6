// Checks the main screen, the skin and the installer's pictures against the skin layout, through
// the program's own picture loader: sizes, that every rectangle a control will cut from the skin
// lies inside it and holds a painted face, that window backgrounds never let the parent through,
// that each button's rest frame is exactly what its window shows under it (so controls blend),
// and that pictures laid over others have hard edges against the transparent white.
#include "designer/layout/SkinLayout.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/PictureLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using layout::Rect;
using layout::SkinButton;

const std::string kCd = VELMORA_CD_DIR;
// The generated sources lie beside the CD image in the build folder.
const std::string kGenerated = kCd + "/../generated";

constexpr uint32_t kWhite = 0xFFFFFFFFu;

plat::Bitmap Load(const std::string& path) {
    plat::Bitmap picture;
    const plat::PictureResult result = plat::LoadPictureFile(path, picture);
    EXPECT_TRUE(result.Ok) << path << ": " << result.Error;
    EXPECT_EQ(picture.SourceBitsPerPixel(), 24) << path;
    return picture;
}

const plat::Bitmap& Skin() {
    static const plat::Bitmap skin = Load(kCd + "/Resource/Resource.bmp");
    return skin;
}

const plat::Bitmap& Screen() {
    static const plat::Bitmap screen = Load(kCd + "/Resource/Main.bmp");
    return screen;
}

Rect Whole(const plat::Bitmap& picture) { return {0, 0, picture.Width(), picture.Height()}; }

int CountWhite(const plat::Bitmap& picture, const Rect& r) {
    int count = 0;
    for (int y = r.y; y < r.Bottom(); ++y)
        for (int x = r.x; x < r.Right(); ++x)
            count += picture.Row(y)[x] == kWhite;
    return count;
}

// True when the two rectangles (of equal size) hold the same pixels.
bool SamePixels(const plat::Bitmap& a, const Rect& ra, const plat::Bitmap& b, const Rect& rb) {
    for (int y = 0; y < ra.height; ++y)
        for (int x = 0; x < ra.width; ++x)
            if (a.Row(ra.y + y)[ra.x + x] != b.Row(rb.y + y)[rb.x + x])
                return false;
    return true;
}

// A pixel next to transparent white that is itself almost white is the fringe an antialiased
// edge leaves; hard edges have none.
int CountFringe(const plat::Bitmap& picture, const Rect& r) {
    int fringe = 0;
    for (int y = r.y; y < r.Bottom(); ++y) {
        for (int x = r.x; x < r.Right(); ++x) {
            const uint32_t pixel = picture.Row(y)[x];
            if (pixel == kWhite)
                continue;
            const plat::TColor c = plat::ColorOf(pixel);
            const bool nearWhite = plat::GetRValue(c) > 235 && plat::GetGValue(c) > 235 && plat::GetBValue(c) > 235;
            bool touchesWhite = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= r.x && nx < r.Right() && ny >= r.y && ny < r.Bottom())
                    touchesWhite |= picture.Row(ny)[nx] == kWhite;
            }
            fringe += nearWhite && touchesWhite;
        }
    }
    return fringe;
}

struct WindowButtons {
    const char* name;
    layout::SkinWindow window;
    std::vector<SkinButton> buttons;
};

std::vector<WindowButtons> AllWindows() {
    namespace h = layout::help;
    namespace s = layout::outfitslots;
    namespace p = layout::patternprint;
    namespace d = layout::dollprint;
    std::vector<SkinButton> slotButtons{s::kHelp, s::kCancelSmall, s::kNo, s::kCancel};
    for (int slot = 1; slot <= s::kSlotCount; ++slot)
        slotButtons.push_back(s::SlotButton(slot));
    return {
        {"help", h::kWindow, {h::kExit, h::kMainTopic, h::kPrint, h::kAbout, h::kExit2}},
        {"slots", s::kWindow, slotButtons},
        {"pattern print", p::kWindow, {p::kHelp, p::kExit, p::kStdSize, p::kSetupPrint, p::kPrint, p::kExit2}},
        {"doll print", d::kWindow, {d::kHelp, d::kExit, d::kSetupPrint, d::kPrint, d::kExit2}},
    };
}

// The main window's picture buttons: cut from the skin, placed on Main.bmp.
std::vector<SkinButton> MainButtons() {
    namespace m = layout::screen;
    return {m::kHelp, m::kPrint, m::kPrintDoll};
}

std::vector<SkinButton> TitleBarButtons() {
    namespace m = layout::screen;
    return {m::kSound, m::kMinimize, m::kClose};
}

// ---------------------------------------------------------------------------------------------
// The layout itself: every place fits where it must, and distinct skin areas never overlap.

TEST(SkinLayoutTest, PlacesFitTheirWindowsAndGroups) {
    for (const WindowButtons& w : AllWindows())
        for (const SkinButton& b : w.buttons)
            EXPECT_TRUE((Rect{0, 0, w.window.size.width, w.window.size.height}).Contains(b.place)) << w.name;
    const Rect screen{0, 0, layout::screen::kSize.width, layout::screen::kSize.height};
    for (const SkinButton& b : MainButtons())
        EXPECT_TRUE(screen.Contains(b.place));
    for (const SkinButton& b : TitleBarButtons())
        EXPECT_TRUE(layout::screen::kTitleBar.place.Contains(b.place)) << "title-bar buttons sit on the bar";
    const Rect classGroup{0, 0, layout::screen::kClassGroup.place.width, layout::screen::kClassGroup.place.height};
    for (const layout::GroupItem& item : layout::screen::kClassItems) {
        EXPECT_TRUE(classGroup.Contains(item.place)) << item.name;
        EXPECT_GT(item.number, 0);
        EXPECT_LT(item.number, layout::screen::kClassGroup.imageCount) << item.name;
    }
    const Rect outfitGroup{0, 0, layout::screen::kOutfitGroup.place.width, layout::screen::kOutfitGroup.place.height};
    for (const layout::GroupItem& item : {layout::screen::kOutfitKey, layout::screen::kOutfitBook}) {
        EXPECT_TRUE(outfitGroup.Contains(item.place)) << item.name;
        EXPECT_LT(item.number, layout::screen::kOutfitGroup.imageCount) << item.name;
    }
    const Rect panel{0, 0, layout::screen::kPatternPanel.width, layout::screen::kPatternPanel.height};
    for (const SkinButton& b : layout::screen::kHideModel)
        EXPECT_TRUE(panel.Contains(b.place));
}

TEST(SkinLayoutTest, SkinAreasLieInsideTheSheetWithoutOverlapping) {
    const Rect sheet{0, 0, layout::skin::kSize.width, layout::skin::kSize.height};
    std::vector<layout::NamedRect> areas(layout::kWindowBackgrounds.begin(), layout::kWindowBackgrounds.end());
    areas.insert(areas.end(), layout::kButtonStrips.begin(), layout::kButtonStrips.end());
    areas.insert(areas.end(), layout::kOtherSkinAreas.begin(), layout::kOtherSkinAreas.end());
    for (int slot = 1; slot <= layout::outfitslots::kSlotCount; ++slot)
        areas.push_back({"slot", layout::outfitslots::SlotButton(slot).Strip()});
    for (size_t i = 0; i < areas.size(); ++i) {
        EXPECT_TRUE(sheet.Contains(areas[i].rect)) << areas[i].name;
        for (size_t j = i + 1; j < areas.size(); ++j) {
            const bool same = areas[i].rect.x == areas[j].rect.x && areas[i].rect.y == areas[j].rect.y;
            EXPECT_TRUE(same || !areas[i].rect.Overlaps(areas[j].rect)) << areas[i].name << " / " << areas[j].name;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The pictures.

TEST(SkinArtTest, PicturesHaveTheSizesTheLayoutNeeds) {
    EXPECT_EQ(Screen().Width(), layout::screen::kSize.width);
    EXPECT_EQ(Screen().Height(), layout::screen::kSize.height);
    EXPECT_EQ(Skin().Width(), layout::skin::kSize.width);
    EXPECT_EQ(Skin().Height(), layout::skin::kSize.height);
    struct Expected {
        std::string path;
        int width, height;
    };
    for (const Expected& e : {Expected{kCd + "/back.bmp", 640, 480}, Expected{kCd + "/back800.bmp", 800, 600},
                              Expected{kCd + "/back1024.bmp", 1024, 768},
                              Expected{kGenerated + "/setup_art/WizardSide.bmp", 120, 260},
                              Expected{kGenerated + "/setup_art/LicenseIcon.bmp", 32, 32}}) {
        const plat::Bitmap picture = Load(e.path);
        EXPECT_EQ(picture.Width(), e.width) << e.path;
        EXPECT_EQ(picture.Height(), e.height) << e.path;
        EXPECT_EQ(CountWhite(picture, Whole(picture)) == 0, e.path.find("Icon") == std::string::npos)
            << e.path << ": backdrops are opaque, the icon stands on white";
    }
}

TEST(SkinArtTest, BackgroundsNeverLetTheParentThrough) {
    ASSERT_FALSE(Skin().Empty());
    for (const layout::NamedRect& area : layout::kWindowBackgrounds)
        EXPECT_EQ(CountWhite(Skin(), area.rect), 0) << area.name;
    EXPECT_EQ(CountWhite(Screen(), Whole(Screen())), 0) << "Main.bmp";
    for (const layout::NamedRect& area : layout::kOtherSkinAreas)
        if (area.name.find("group") != std::string::npos || area.name.find("title") != std::string::npos ||
            area.name.find("selector") != std::string::npos)
            EXPECT_EQ(CountWhite(Skin(), area.rect), 0) << area.name;
}

TEST(SkinArtTest, EveryButtonFrameIsPaintedAndPressingShows) {
    std::vector<SkinButton> buttons = MainButtons();
    for (const SkinButton& b : TitleBarButtons())
        buttons.push_back(b);
    for (const WindowButtons& w : AllWindows())
        buttons.insert(buttons.end(), w.buttons.begin(), w.buttons.end());
    for (const SkinButton& b : buttons) {
        ASSERT_TRUE(Whole(Skin()).Contains(b.Strip()));
        for (int frame = 1; frame <= b.frameCount; ++frame)
            EXPECT_EQ(CountWhite(Skin(), b.Frame(frame)), 0) << "opaque frame " << frame << " at " << b.frames.x
                                                             << ", " << b.frames.y;
        for (int frame = 2; frame <= b.frameCount; ++frame)
            EXPECT_FALSE(SamePixels(Skin(), b.Frame(1), Skin(), b.Frame(frame)))
                << "frame " << frame << " looks like the rest frame at " << b.frames.x << ", " << b.frames.y;
    }
    // The music button's five states and the slot's current frame are all distinct.
    const SkinButton sound = layout::screen::kSound;
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            EXPECT_FALSE(SamePixels(Skin(), sound.Frame(a), Skin(), sound.Frame(b))) << a << " vs " << b;
    const SkinButton slot = layout::outfitslots::SlotButton(1);
    EXPECT_FALSE(SamePixels(Skin(), slot.Frame(3), Skin(), slot.Frame(2)));
    // Group images differ from the rest image.
    for (const layout::SkinButtonGroup& g : {layout::screen::kClassGroup, layout::screen::kOutfitGroup})
        for (int image = 1; image < g.imageCount; ++image)
            EXPECT_FALSE(SamePixels(Skin(), g.Image(0), Skin(), g.Image(image))) << "image " << image;
}

TEST(SkinArtTest, RestFacesBlendIntoTheirPlaces) {
    for (const WindowButtons& w : AllWindows())
        for (const SkinButton& b : w.buttons)
            EXPECT_TRUE(SamePixels(Skin(), b.Frame(1), Skin(), w.window.Under(b.place)))
                << w.name << " button at " << b.place.x << ", " << b.place.y;
    for (const SkinButton& b : MainButtons())
        EXPECT_TRUE(SamePixels(Skin(), b.Frame(1), Screen(), b.place)) << b.place.x << ", " << b.place.y;
    for (const layout::SkinButtonGroup& g : {layout::screen::kClassGroup, layout::screen::kOutfitGroup})
        EXPECT_TRUE(SamePixels(Skin(), g.Image(0), Screen(), g.place)) << g.place.x << ", " << g.place.y;
    const layout::SkinCaptionBar& bar = layout::screen::kTitleBar;
    EXPECT_TRUE(SamePixels(Skin(), bar.PassiveRect(), Screen(), bar.place));
    EXPECT_FALSE(SamePixels(Skin(), bar.ActiveRect(), Screen(), bar.place)) << "the active bar should light up";
    // The windows' caption bars take their backgrounds from under themselves.
    for (const auto& [window, caption] : {std::pair{layout::help::kWindow, layout::help::kCaption},
                                          {layout::outfitslots::kWindow, layout::outfitslots::kCaption},
                                          {layout::patternprint::kWindow, layout::patternprint::kCaption},
                                          {layout::dollprint::kWindow, layout::dollprint::kCaption}}) {
        EXPECT_TRUE(window.Background().Contains(caption.ActiveRect()));
        EXPECT_TRUE(SamePixels(Skin(), caption.ActiveRect(), Skin(), window.Under(caption.place)));
    }
}

TEST(SkinArtTest, PicturesOverWhiteHaveHardEdges) {
    const std::vector<Rect> overWhite{layout::skin::kFlyPatternsPrinted.rect, layout::skin::kFlyDollPrinted.rect,
                                      layout::skin::kGlueGlyph.rect, layout::screen::kHideModel[0].Strip()};
    for (const Rect& r : overWhite) {
        const int white = CountWhite(Skin(), r);
        EXPECT_GT(white, 0) << r.x << ", " << r.y << ": nothing transparent around the picture";
        EXPECT_LT(white, r.width * r.height * 9 / 10) << r.x << ", " << r.y << ": hardly anything painted";
        EXPECT_EQ(CountFringe(Skin(), r), 0) << r.x << ", " << r.y;
    }
    const plat::Bitmap logo = Load(kCd + "/logo.bmp");
    ASSERT_FALSE(logo.Empty());
    EXPECT_EQ(logo.Row(logo.Height() - 1)[0], kWhite) << "the lower-left pixel is the logo's transparent colour";
    EXPECT_EQ(CountFringe(logo, Whole(logo)), 0);
}

TEST(SkinArtTest, GlueGlyphStandsUprightInItsPlace) {
    const Rect glyph = layout::skin::kGlueGlyph.rect;
    int top = glyph.Bottom(), bottom = glyph.y, left = glyph.Right(), right = glyph.x;
    for (int y = glyph.y; y < glyph.Bottom(); ++y)
        for (int x = glyph.x; x < glyph.Right(); ++x)
            if (Skin().Row(y)[x] != kWhite) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    // It fills its 40 x 120 cell (printing stretches the whole cell beside the line).
    EXPECT_GE(bottom - top + 1, glyph.height * 3 / 4);
    EXPECT_GE(right - left + 1, glyph.width / 2);
    // Nothing else of the skin touches the cell from below or from the left.
    for (int x = glyph.x; x < glyph.Right() && glyph.Bottom() < Skin().Height(); ++x)
        EXPECT_EQ(Skin().Row(glyph.Bottom())[x], kWhite);
}

} // namespace
