// The floating window of hints: on top where it is told, and never taking the activation from the
// window the user works in.
#include "platform/ui/FloatingWindow.h"

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(FloatingWindowTest, ShowsOnTopWhereToldWithoutTakingTheActivation) {
    TForm form;
    form.SetClientSize(100, 100);
    form.Show();
    form.Activate();
    ProcessMessages();
    ASSERT_TRUE(form.WindowActive());

    TFloatingWindow floating;
    EXPECT_FALSE(floating.Visible());
    floating.ShowAt(Bounds(30, 40, 50, 20));
    ProcessMessages();
    EXPECT_TRUE(floating.Visible());
    EXPECT_EQ(floating.BoundsRect(), Bounds(30, 40, 50, 20));
    EXPECT_TRUE(form.WindowActive());
    EXPECT_FALSE(floating.WindowActive());
}

} // namespace
} // namespace plat
