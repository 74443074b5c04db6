// The sub-windows as the main window uses them: the measurement texts kept with saved outfits go
// into the pattern-print window's fields (waist and hips following) and come back out, and the
// standard ones are the window's own.
#include "designer/shell/PrintSubWindows.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSubWindows, MeasurementTextsGoIntoThePatternWindowAndBack) {
    TPrintSubWindows windows;
    const TMeasureTexts standard = windows.StandardMeasureTexts();
    EXPECT_EQ(standard.Width, "6.5");
    EXPECT_EQ(standard.Height, "30.0");
    windows.SetMeasureTexts({"13", "36"});
    EXPECT_EQ(windows.Patterns.Texts(), (printing::TMeasureTexts{"36", "13", "15.4", "27.6"}));
    const TMeasureTexts back = windows.MeasureTexts();
    EXPECT_EQ(back.Width, "13");
    EXPECT_EQ(back.Height, "36");
}

} // namespace
