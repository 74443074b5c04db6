// A child's whole session on the main window with the CD's wardrobe, by synthetic mouse input:
// the dresses rack, a dress dragged onto the doll, a fabric from the drum dropped on one of its
// pieces, the outfit saved to slot 3; then a new window restores slot 3 and shows the same doll.
#include "designer/shell/Busy.h"
#include "designer/shell/OutfitSlots.h"
#include "designer/shell/Settings.h"
#include "designer/shell/ViewForm.h"
#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"

#include "FakeMidiPlayer.h"
#include "FreshPrefix.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPl = 1;

class ClockPlatform : public plat::Platform {
public:
    uint64_t TickCount() const override { return Now; }
    int ScreenBitsPerPixel() const override { return 24; }
    uint64_t Now = 1000;
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFreshPrefix();
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(VELMORA_CD_DIR));
        Settings().BigMemory = false;
        previousBox_ = plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& t) {
            Boxes.push_back(t);
            return plat::TModalResult::Ok;
        });
    }
    void TearDown() override {
        plat::SetMessageBoxHandler(previousBox_);
        plat::RegistryReset();
    }
    std::unique_ptr<TViewForm> NewWindow() {
        auto view = std::make_unique<TViewForm>(std::make_unique<TMusic>(std::make_unique<TFakeMidiPlayer>(player_)));
        view->Init();
        view->Ready();
        view->SetBounds(0, 0, 640, 480);
        return view;
    }
    void Advance(unsigned ms) {
        for (unsigned t = 0; t < ms; t += 10) {
            Clock.Now += 10;
            plat::RunDueTimers();
        }
    }
    // A point of the open drum that shows slot `slot`.
    static plat::TPoint DrumPoint(wardrobe::TBrushSelect& drum, int slot) {
        for (int y = 0; y < drum.Height(); ++y)
            for (int x = 0; x < drum.Width(); ++x)
                if (drum.SlotAt(x, y) == slot)
                    return {x, y};
        return {-1, -1};
    }

    ClockPlatform Clock;
    plat::PlatformGuard guard_{Clock};
    std::vector<std::string> Boxes;

private:
    TFakeMidiPlayer::Log player_;
    plat::MessageBoxHandler previousBox_;
};

TEST_F(SessionTest, DressColourSaveRestartAndRestoreGiveTheSameDollAndValues) {
    auto view = NewWindow();
    TWardrobeOnScreen& w = view->Wardrobe();
    ASSERT_GT(w.Classes[kPl]->Count(), 1) << "the CD has dresses";

    // The dresses rack, by its class button.
    plat::Click(*view->BitmapButtons1, 80, 20);
    ASSERT_EQ(view->VisibleRack(), kPl);
    ASSERT_TRUE(w.Views[kPl]->Visible());
    w.Classes[kPl]->SetItemIndex(1);

    // Drag the dress in front onto the doll.
    wardrobe::TModelView& rack = *w.Views[kPl];
    const layout::Box current = rack.Parts.CurrentRect;
    const int px = current.X + current.Width / 2;
    const int py = current.Y + current.Height / 2;
    const plat::TPoint onDoll = w.Models->ClientToScreen({100, 150});
    plat::SendMouse(rack, plat::TMouseAction::Press, plat::TMouseButton::Left, px, py);
    ASSERT_TRUE(plat::DragManager::Instance().Dragging());
    plat::SendMouseAtScreen(rack, plat::TMouseAction::Move, plat::TMouseButton::Left, onDoll);
    plat::SendMouseAtScreen(rack, plat::TMouseAction::Release, plat::TMouseButton::Left, onDoll);
    ASSERT_EQ(w.Models->Items[kPl].NumModel, 1);
    EXPECT_TRUE(view->Modified);

    // Open the drum and drop its middle fabric on the dress.
    w.BrushSelect->ClickAt(0, 0);
    Advance(10 * 20);
    ASSERT_TRUE(w.BrushSelect->IsOpen);
    const plat::TPoint swatch = DrumPoint(*w.BrushSelect, 0);
    ASSERT_GE(swatch.X, 0);
    const int fabric = w.BrushSelect->SlotMaterial(0);
    const int piece = w.Models->Items[kPl].HitPiece(100, 150, wardrobe::TSide::Front);
    ASSERT_GE(piece, 0);
    plat::SendMouse(*w.BrushSelect, plat::TMouseAction::Press, plat::TMouseButton::Left, swatch.X, swatch.Y);
    plat::SendMouseAtScreen(*w.BrushSelect, plat::TMouseAction::Release, plat::TMouseButton::Left, onDoll);
    geom::TModel& dress = *w.Models->Items[kPl].Model();
    ASSERT_EQ(dress.Pieces[size_t(piece)]->Material, fabric);

    // Save to slot 3.
    view->Slots().OnShow = [](plat::TForm& f) { static_cast<TOpenSaveForm&>(f).SlotButtons[2]->Click(); };
    view->SaveClick();
    EXPECT_FALSE(view->Modified);
    EXPECT_TRUE(Boxes.empty());
    plat::Bitmap dollBefore;
    w.Models->RenderDoll(dollBefore, true, false);
    std::vector<int> materialsBefore;
    for (const auto& p : dress.Pieces)
        materialsBefore.push_back(p->Material);
    const std::string dressValue = dress.MaterialsName();
    view.reset();

    // A new window starts on the default slot (slot 3 since the slots window went) and shows it.
    auto again = NewWindow();
    TWardrobeOnScreen& w2 = again->Wardrobe();
    EXPECT_EQ(again->Slots().Slot, 3);
    EXPECT_EQ(again->VisibleRack(), kPl); // the front rack saved with the outfit
    ASSERT_EQ(w2.Models->Items[kPl].NumModel, 1);
    // Undress it, then restore slot 3 by hand: the same doll again, and the front rack stays.
    w2.Models->TakeOffAll();
    again->ShowRack(0);
    again->Slots().OnShow = [](plat::TForm& f) { static_cast<TOpenSaveForm&>(f).SlotButtons[2]->Click(); };
    again->RestoreClick();
    EXPECT_EQ(again->VisibleRack(), 0);
    ASSERT_EQ(w2.Models->Items[kPl].NumModel, 1);
    EXPECT_EQ(w2.Classes[kPl]->ItemIndex(), 1);
    std::vector<int> materialsAfter;
    for (const auto& p : w2.Models->Items[kPl].Model()->Pieces)
        materialsAfter.push_back(p->Material);
    EXPECT_EQ(materialsAfter, materialsBefore);
    plat::Bitmap dollAfter;
    w2.Models->RenderDoll(dollAfter, true, false);
    ASSERT_EQ(dollAfter.Width(), dollBefore.Width());
    ASSERT_EQ(dollAfter.Height(), dollBefore.Height());
    int differing = 0;
    for (int y = 0; y < dollAfter.Height(); ++y)
        for (int x = 0; x < dollAfter.Width(); ++x)
            differing += dollAfter.GetPixel(x, y) != dollBefore.GetPixel(x, y);
    EXPECT_EQ(differing, 0);

    plat::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Vertalis\\Velmora\\States3"));
    // Every value of a slot, as strings, and one binary value per model of the wardrobe.
    size_t models = 0;
    for (const auto& cls : w2.Classes)
        models += size_t(cls->Count());
    const char* codes[] = {"Wn", "Pl", "Br", "Bl", "Hl", "Yu", "Sh", "Tf"};
    for (const char* code : codes) {
        EXPECT_NO_THROW(reg.ReadString(std::string("ModelsItem") + code)) << code;
        EXPECT_NO_THROW(reg.ReadString(std::string("ModelView") + code)) << code;
    }
    EXPECT_EQ(reg.GetValueNames().size(), models + 8 + 8 + 3);
    EXPECT_EQ(reg.ReadString("ModelsItemPl"), "1");
    EXPECT_EQ(reg.ReadString("ModelsItemWn"), "-1");
    EXPECT_EQ(reg.ReadString("Width"), "6.5");
    EXPECT_EQ(reg.ReadString("Height"), "30.0");
    EXPECT_EQ(reg.ReadString("ModelViewPl"), "1");
    EXPECT_EQ(reg.ReadString("ModelView"), "1");
    std::vector<int8_t> stored(materialsBefore.size());
    EXPECT_EQ(reg.ReadBinaryData(dressValue, stored.data(), int(stored.size())), int(stored.size()));
    EXPECT_EQ(std::vector<int>(stored.begin(), stored.end()), materialsBefore);
    again.reset();
}

TEST_F(SessionTest, PatternsOpenAfterTheDollDissolvesAndTheDollReturnsAfterThePanelCloses) {
    auto view = NewWindow();
    TWardrobeOnScreen& w = view->Wardrobe();
    view->ShowRack(kPl);
    w.Models->Dress(*w.Classes[kPl]);
    const auto settle = [&] {
        for (int i = 0; i < 400; ++i) {
            plat::DrainPostedMessages();
            Advance(10);
        }
        plat::DrainPostedMessages();
    };
    view->bShowModelClick();
    settle();
    EXPECT_TRUE(w.Exchange.Shown());
    EXPECT_TRUE(w.ModelShow->Visible());
    EXPECT_FALSE(w.Models->Visible());
    EXPECT_EQ(BusyDepth(), 0);
    // Showing them again while shown changes nothing.
    view->bShowModelClick();
    settle();
    EXPECT_TRUE(w.ModelShow->Visible());

    plat::PostMessage(view.get(), plat::WM_USER + 2);
    settle();
    EXPECT_FALSE(w.Exchange.Shown());
    EXPECT_FALSE(w.ModelShow->Visible());
    EXPECT_TRUE(w.Models->Visible());
    EXPECT_EQ(BusyDepth(), 0);
}

} // namespace
