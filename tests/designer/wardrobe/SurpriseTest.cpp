// The surprises: hot areas, the doll-visible rule, 110 ms frames from the strip, the end.
#include "designer/wardrobe/Zamor.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"

#include <gtest/gtest.h>

namespace {

using namespace wardrobe;

TEST(SurpriseTest, HotAreasStartTheirAnimationFrameByFrame) {
    wardrobe_test::TFakePlatform platform;
    plat::PlatformGuard guard(platform);
    wardrobe_test::UseCd();
    const plat::Bitmap strip = wardrobe_test::LoadResource("Zamor.bmp");
    plat::TForm form;
    form.SetClientSize(640, 480);
    TZamor zamor;
    zamor.MakeAnimations(form, &strip);
    form.Show();

    EXPECT_FALSE(zamor.Trigger(300, 20, true));
    // The kitten beside the doll plays only while the doll is there.
    EXPECT_FALSE(zamor.Trigger(460, 200, false));
    EXPECT_TRUE(zamor.Trigger(460, 200, true));
    EXPECT_EQ(zamor.Running(), zamor.ZamorI[1]);
    // Another area takes over: the running one is hidden first.
    EXPECT_TRUE(zamor.Trigger(10, 200, false));
    TZamorI& butterfly = *zamor.ZamorI[0];
    EXPECT_FALSE(zamor.ZamorI[1]->Visible());
    ASSERT_TRUE(butterfly.Visible());
    for (int fase = 0; fase < 9; ++fase) {
        ASSERT_EQ(butterfly.Fase, fase);
        plat::Bitmap frame;
        butterfly.Render(frame);
        EXPECT_EQ(frame.GetPixel(25, 27), strip.GetPixel(fase * 50 + 25, 27));
        wardrobe_test::Advance(platform, 110);
    }
    EXPECT_FALSE(butterfly.Visible());
    EXPECT_EQ(zamor.Running(), nullptr);
    EXPECT_TRUE(zamor.Trigger(600, 320, false));
    zamor.Stop();
    EXPECT_FALSE(zamor.ZamorI[3]->Visible());
    EXPECT_EQ(zamor.ZamorI[5], nullptr);
}

} // namespace
