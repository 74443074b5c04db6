// The main window at twice its size, in a process of its own (the scale is chosen before the first
// window): it still draws its 640 x 480 picture, now as 2 x 2 squares, and a dress dragged from the
// rack to the doll's point (100, 150) is put on exactly as at the normal size.
#include "designer/shell/Settings.h"
#include "designer/shell/ViewForm.h"
#include "platform/files/WinPath.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/WindowScale.h"

#include "FakeMidiPlayer.h"
#include "FreshPrefix.h"

#include <gtest/gtest.h>

namespace {

const int kScale = plat::ApplyWindowScale(2);

TEST(ScaledWindowTest, TheDoubledWindowDrawsItsOwnPictureAndTakesTheSameDrop) {
    ASSERT_EQ(kScale, 2);
    UseFreshPrefix();
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(VELMORA_CD_DIR));
    TFakeMidiPlayer::Log log;
    TViewForm view(std::make_unique<TMusic>(std::make_unique<TFakeMidiPlayer>(log)));
    view.Init();
    view.Ready();
    view.SetBounds(0, 0, 640, 480);
    const plat::Bitmap shot = view.Snapshot();
    EXPECT_EQ(shot.Width(), 640);
    EXPECT_EQ(shot.Height(), 480);
    // The screen position of a window point is twice as far from the window's corner.
    const plat::TPoint corner = view.ClientToScreen({0, 0});
    const plat::TPoint far = view.ClientToScreen({100, 50});
    EXPECT_EQ(far.X - corner.X, 100); // positions stay in the window's own pixels
    EXPECT_EQ(far.Y - corner.Y, 50);

    TWardrobeOnScreen& w = view.Wardrobe();
    view.ShowRack(1);
    w.Classes[1]->SetItemIndex(1);
    wardrobe::TModelView& rack = *w.Views[1];
    const layout::Box current = rack.Parts.CurrentRect;
    const plat::TPoint onDoll = w.Models->ClientToScreen({100, 150});
    plat::SendMouse(rack, plat::TMouseAction::Press, plat::TMouseButton::Left, current.X + current.Width / 2,
                    current.Y + current.Height / 2);
    ASSERT_TRUE(plat::DragManager::Instance().Dragging());
    plat::SendMouseAtScreen(rack, plat::TMouseAction::Move, plat::TMouseButton::Left, onDoll);
    plat::SendMouseAtScreen(rack, plat::TMouseAction::Release, plat::TMouseButton::Left, onDoll);
    EXPECT_EQ(w.Models->Items[1].NumModel, 1);
    EXPECT_TRUE(view.Modified);
    view.Modified = false;
}

} // namespace
