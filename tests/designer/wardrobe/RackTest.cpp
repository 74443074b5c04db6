// The clothes racks and the hat and shoe views in a test window with the doll beside them.
#include "designer/layout/SkinLayout.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "designer/wardrobe/ModelView.h"
#include "designer/wardrobe/Models.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"

#include <gtest/gtest.h>

namespace {

using namespace wardrobe;
using wardrobe_test::TFakePlatform;
using wardrobe_test::TWardrobeWorld;

constexpr int kPl = 1, kBr = 2, kBl = 3, kYu = 5, kTf = 7;

bool operator==(const layout::Box& a, const layout::Box& b) {
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

TEST(BetweenTest, RackSlotsAtPhasesOneFourAndEight) {
    const TParts p;
    struct TCase {
        int Phase;
        layout::Box NextToPrev, PrevToCurrent, CurrentToNext;
    };
    const TCase cases[] = {
        {0, {68, 0, 70, 170}, {59, 6, 24, 170}, {10, 0, 74, 170}},
        {1, {67, 1, 64, 170}, {53, 5, 30, 170}, {17, 0, 74, 170}}, // width 74 - 0.5 goes to even
        {4, {64, 3, 47, 170}, {35, 3, 49, 170}, {39, 0, 72, 170}}, // -4.5 and -24.5 go to even
        {8, {59, 6, 24, 170}, {10, 0, 74, 170}, {68, 0, 70, 170}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Phase);
        EXPECT_TRUE(Between(p.NextRect, p.PrevRect, 8, c.Phase) == c.NextToPrev);
        EXPECT_TRUE(Between(p.PrevRect, p.CurrentRect, 8, c.Phase) == c.PrevToCurrent);
        EXPECT_TRUE(Between(p.CurrentRect, p.NextRect, 8, c.Phase) == c.CurrentToNext);
    }
    EXPECT_TRUE(Between(p.NextRect, p.PrevRect, 0, 5) == p.NextRect); // no frames: at rest
}

struct TRackFixture : ::testing::Test {
    TFakePlatform Platform;
    plat::PlatformGuard Guard{Platform};
    TWardrobeWorld World;
    plat::TForm Form;
    std::array<TModelView*, kClassCount> Views{};
    TModels* Doll = nullptr;
    bool PanelOpen = false;
    int Modified = 0;
    std::vector<int> Returned;

    void SetUp() override {
        Form.SetClientSize(640, 480);
        Form.SetBounds(0, 0, 640, 480);
        Form.DragMovesWindow = false;
        Doll = &Form.Make<TModels>();
        Doll->AllModels = &World.All;
        Doll->StandardDollImage = World.Doll;
        Doll->OrgImage = &World.Main;
        Doll->SetUp();
        for (int i = 0; i < kClassCount; ++i) {
            TModelView& v = Form.Make<TModelView>();
            v.ClassModels = &World.Class(i);
            v.AllModes = &World.All;
            if (i == 6 || i == kTf) {
                const layout::Rect r = i == 6 ? layout::screen::kHatView : layout::screen::kShoeView;
                v.SetBounds(r.x, r.y, r.width, r.height);
                v.HasParts = false;
                v.DownImage = &World.Main;
                v.DownOrigin = {r.x, r.y};
            } else {
                v.SetBounds(504, 112, 136, i == kYu ? 170 : 165);
                v.DownImage = &World.FsView;
                v.SetVisible(i == kPl);
            }
            v.PatternsShown = [this] { return PanelOpen; };
            v.OnModified = [this] { ++Modified; };
            v.OnGarmentReturned = [this](TClassModels& k) { Returned.push_back(k.Index); };
            v.SetUp(nullptr, "");
            Views[size_t(i)] = &v;
        }
        Form.Show();
    }
    TModelView& View(int i) { return *Views[size_t(i)]; }
};

TEST_F(TRackFixture, AClickTurnsTheRackIn80msStepsAndMakesItsClassCurrent) {
    TModelView& skirts = View(kYu);
    EXPECT_EQ(skirts.Frames, 8);
    EXPECT_EQ(skirts.Hint(), World.Class(kYu).NameClassM);
    plat::Bitmap atRest;
    skirts.Render(atRest);
    skirts.Click();
    EXPECT_EQ(World.Class(kYu).ItemIndex(), 1);
    EXPECT_EQ(World.All.ClassModels(), &World.Class(kYu));
    EXPECT_FALSE(World.Class(kYu).PopupMenu.Items[3].Enabled);
    EXPECT_TRUE(World.Class(kYu).PopupMenu.Items[2].Enabled);
    for (int phase = 8; phase > 0; --phase) {
        ASSERT_EQ(skirts.Phase, phase);
        ASSERT_TRUE(skirts.Turning());
        plat::Bitmap frame;
        skirts.Render(frame);
        // The strip's frame shows where no garment and no bar is: the top-left corner.
        EXPECT_EQ(frame.GetPixel(2, 168), World.FsView.GetPixel(phase * 136 + 2, 168)) << phase;
        wardrobe_test::Advance(Platform, 80);
    }
    EXPECT_EQ(skirts.Phase, 0);
    EXPECT_FALSE(skirts.Turning());
    plat::Bitmap now;
    skirts.Render(now);
    EXPECT_NE(now, atRest) << "another skirt stands in front";

    // The shoes turn to the next pair and never become the current class.
    View(kTf).Click();
    EXPECT_EQ(World.Class(kTf).ItemIndex(), 1);
    EXPECT_EQ(World.All.ClassModels(), &World.Class(kYu));
    EXPECT_FALSE(View(kTf).Turning());
}

TEST_F(TRackFixture, WithThePatternPanelOpenTheFirstClickOnlySwitchesTheClass) {
    PanelOpen = true;
    View(kBr).Click();
    EXPECT_EQ(World.All.ClassModels(), &World.Class(kBr));
    EXPECT_EQ(World.Class(kBr).ItemIndex(), 0);
    EXPECT_FALSE(View(kBr).Turning());
    View(kBr).Click();
    EXPECT_EQ(World.Class(kBr).ItemIndex(), 1);
    EXPECT_TRUE(View(kBr).Turning());
}

TEST_F(TRackFixture, DroppingTheRackOnItselfIsAClickInsideTheCurrentSlot) {
    TModelView& dresses = View(kPl);
    plat::SendMouse(dresses, plat::TMouseAction::Press, plat::TMouseButton::Left, 40, 80);
    EXPECT_TRUE(dresses.DragStarted);
    plat::SendMouse(dresses, plat::TMouseAction::Release, plat::TMouseButton::Left, 41, 80);
    EXPECT_EQ(World.Class(kPl).ItemIndex(), 1);
    EXPECT_FALSE(dresses.DragStarted);
    // Outside the current slot the drop is no click.
    plat::SendMouse(dresses, plat::TMouseAction::Press, plat::TMouseButton::Left, 40, 80);
    plat::SendMouse(dresses, plat::TMouseAction::Release, plat::TMouseButton::Left, 120, 80);
    EXPECT_EQ(World.Class(kPl).ItemIndex(), 1);
}

TEST_F(TRackFixture, AGarmentDraggedOffReturnsToTheFrontOfItsRackAlone) {
    World.Class(kPl).SetItemIndex(2);
    Doll->Dress(World.Class(kPl));
    World.Class(kTf).SetItemIndex(1);
    Doll->Dress(World.Class(kTf));
    World.Class(kPl).SetItemIndex(0);
    World.All.SetClassModels(&World.Class(kBr));
    ASSERT_NE(Doll->HitLayer(100, 150), &Doll->Items[kTf]);
    TModelView& trousers = View(kBr);
    trousers.Show();
    const plat::TPoint at = {504 + 40 - 245, 112 + 80 - 40}; // the rack, in the doll's coordinates
    plat::SendMouse(*Doll, plat::TMouseAction::Press, plat::TMouseButton::Left, 100, 150);
    plat::SendMouse(*Doll, plat::TMouseAction::Release, plat::TMouseButton::Left, at.X, at.Y);
    EXPECT_FALSE(Doll->Items[kPl].Worn());
    EXPECT_TRUE(Doll->Items[kTf].Worn()) << "the shoes stay on";
    EXPECT_EQ(World.Class(kPl).ItemIndex(), 2);
    EXPECT_EQ(World.All.ClassModels(), &World.Class(kPl));
    EXPECT_EQ(Returned, std::vector<int>{kPl});
    EXPECT_EQ(Modified, 1);
}

TEST_F(TRackFixture, FabricsPaintTheRackAtRest) {
    TModelView& dresses = View(kPl);
    geom::TModel& dress = *World.Class(kPl).Current();
    const plat::Bitmap& image = RackImage(dress);
    int px = -1, py = -1;
    for (int y = 20; y < image.Height() && px < 0; ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (HitRackPiece(dress, x, y) >= 0) {
                px = x;
                py = y;
                break;
            }
    ASSERT_GE(px, 0);
    const int piece = HitRackPiece(dress, px, py);
    const layout::Box r = dresses.Parts.CurrentRect; // the panel is the slot's size: one to one
    Doll->Dress(World.Class(kPl));
    plat::Bitmap before, after;
    Doll->RenderDoll(before, true, false);
    EXPECT_TRUE(dresses.FillAt(r.X + px, r.Y + py, 4, false));
    Doll->RenderDoll(after, true, false);
    EXPECT_NE(before, after) << "the worn dress shows its new fabric";
    EXPECT_EQ(dress.Pieces[size_t(piece)]->Material, 4);
    EXPECT_FALSE(dress.Pictures.Front.Empty()) << "a rack drop composes both sides";
    EXPECT_FALSE(dress.Pictures.Back.Empty());
    dresses.Click();
    EXPECT_FALSE(dresses.FillAt(r.X + px, r.Y + py, 5, false)) << "not while turning";
}

TEST_F(TRackFixture, AShortStripOrAnEmptyClassNeverBreaksTheRack) {
    plat::Bitmap narrow(136, 165);
    TModelView& blouses = View(kBl);
    blouses.DownImage = &narrow;
    blouses.SetUp(nullptr, "");
    EXPECT_EQ(blouses.Frames, 0);
    blouses.Click();
    EXPECT_EQ(World.Class(kBl).ItemIndex(), 1);
    EXPECT_FALSE(blouses.Turning());
    plat::Bitmap frame;
    blouses.Render(frame);
    EXPECT_EQ(frame.Width(), 136);

    World.Class(kBl).Models.clear();
    blouses.Show();
    plat::SendMouse(blouses, plat::TMouseAction::Press, plat::TMouseButton::Left, 40, 80);
    EXPECT_FALSE(plat::DragManager::Instance().Dragging());
    plat::SendMouse(blouses, plat::TMouseAction::Release, plat::TMouseButton::Left, 40, 80);
    blouses.Render(frame);
    EXPECT_FALSE(blouses.FillAt(40, 80, 3, false));
}

TEST_F(TRackFixture, StoredIndicesOutsideTheListAreIgnored) {
    {
        plat::TRegIniFile reg(kProductKey);
        reg.WriteInteger("States3", "ModelViewBr", -2);
        reg.WriteInteger("States3", "ModelViewBl", 99);
        reg.WriteInteger("States3", "ModelViewYu", 2);
    }
    plat::TRegIniFile reg(kProductKey);
    for (int i : {kBr, kBl, kYu})
        View(i).SetUp(&reg, "States3");
    EXPECT_EQ(World.Class(kBr).ItemIndex(), 0);
    EXPECT_EQ(World.Class(kBl).ItemIndex(), 0);
    EXPECT_EQ(World.Class(kYu).ItemIndex(), 2);
    View(kYu).SaveState(reg, "States4");
    EXPECT_EQ(reg.ReadInteger("States4", "ModelViewYu", -1), 2);
}

} // namespace
