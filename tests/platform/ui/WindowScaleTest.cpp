// The choice of the window scale; applying it once the toolkit runs is refused.
#include "platform/core/Exceptions.h"
#include "platform/ui/Control.h"
#include "platform/ui/WindowScale.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(WindowScaleTest, AutomaticIsTheLargestWholeFactorThatFitsAndFixedSettingsWin) {
    struct Case {
        int setting, width, height, factor;
    };
    const Case cases[] = {
        {0, 1024, 768, 1},  {0, 1279, 1024, 1}, {0, 1280, 960, 2},  {0, 1920, 1080, 2},
        {0, 1920, 1440, 3}, {0, 3840, 2160, 4}, {0, 0, 0, 1},        {-5, 2560, 1440, 3},
        {1, 3840, 2160, 1}, {2, 800, 600, 2},   {3, 1280, 1024, 3},  {99, 640, 480, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseWindowScale(c.setting, c.width, c.height), c.factor)
            << c.setting << " on " << c.width << " x " << c.height;
}

TEST(WindowScaleTest, TheScaleIsChosenBeforeTheFirstWindowOnly) {
    TForm form; // the toolkit runs from here on
    EXPECT_THROW(ApplyWindowScale(2), Exception);
    EXPECT_EQ(WindowScale(), 1);
}

} // namespace
} // namespace plat
