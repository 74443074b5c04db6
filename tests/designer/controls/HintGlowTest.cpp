#include "designer/controls/HintGlow.h"

#include "platform/core/Numeric.h"
#include "platform/graphics/RasterCanvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using plat::Bounds;
using plat::TRect;

namespace {

TEST(HintPlacement, KeepsTheHintOnScreen) {
    struct Case {
        const char* what;
        TRect requested;
        int cursorY;
        TRect expected;
    };
    const Case cases[] = {
        {"fits", Bounds(100, 100, 300, 120), 90, Bounds(100, 100, 300, 120)},
        {"bottom, mouse above the span", Bounds(100, 400, 300, 120), 300, Bounds(100, 360, 300, 120)},
        {"bottom, mouse inside the span", Bounds(100, 400, 300, 120), 420, Bounds(100, 300, 300, 120)},
        {"right edge", Bounds(500, 10, 300, 120), 0, Bounds(340, 10, 300, 120)},
        {"wider than the screen", Bounds(500, 10, 700, 120), 0, Bounds(0, 10, 700, 120)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceHint(c.requested, 640, 480, c.cursorY), c.expected) << c.what;
}

TEST(HintGlow, SolidInTheCentreUntouchedOutsideTheEllipse) {
    plat::Bitmap b(300, 120);
    PaintHintGlow(b);
    EXPECT_EQ(b.GetPixel(150, 60), kHintGlowColor);
    EXPECT_EQ(b.GetPixel(0, 0), plat::clWhite);
    EXPECT_EQ(b.GetPixel(299, 119), plat::clWhite);
    EXPECT_EQ(b.GetPixel(0, 60), plat::clWhite) << "on the ellipse's edge the weight is 0";
    // Half way along the horizontal radius the weight is 1 - 0.25 = 0.75.
    const plat::TColor mid = b.GetPixel(75, 60);
    EXPECT_EQ(plat::GetRValue(mid), 255 + plat::Round(0.75 * (72 - 255)));
    EXPECT_EQ(plat::GetBValue(mid), 255 + plat::Round(0.75 * (186 - 255)));
}

TEST(HintGlow, TinyHintsAreLeftAlone) {
    plat::Bitmap thin(1, 50);
    PaintHintGlow(thin);
    EXPECT_EQ(thin.GetPixel(0, 25), plat::clWhite);
    plat::Bitmap empty;
    PaintHintGlow(empty);
}

TEST(HintGlow, TextRectangleAndFontSize) {
    EXPECT_EQ(HintTextRect(300, 120), plat::Rect(76, 30, 225, 90));
    EXPECT_EQ(HintFontSize(96), 24);
    EXPECT_EQ(HintFontSize(120), 20);
}

TEST(HintGlow, WrapsAtBreaksAndBetweenWordsNeverInsideOne) {
    plat::Bitmap scratch(1, 1);
    plat::RasterCanvas canvas(scratch);
    const int word = canvas.TextWidth("pattern");
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"pattern pattern", word * 3, {"pattern pattern"}},
        {"pattern pattern", word + 1, {"pattern", "pattern"}},
        {"pattern\r\npattern", word * 3, {"pattern", "pattern"}},
        {"patternpattern", word, {"patternpattern"}},
        {"", word, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapHintText(canvas, c.text, c.width), c.lines) << c.text << " in " << c.width;
}

} // namespace
