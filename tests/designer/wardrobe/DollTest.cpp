// The doll: dressing rules, composition and shading, rendering orders, hit tests, the dissolve,
// and the mouse and drops in a test window.
#include "designer/controls/ShowHide.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "designer/wardrobe/Models.h"
#include "designer/wardrobe/PaintPiece.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"

#include <gtest/gtest.h>

namespace {

using namespace wardrobe;
using wardrobe_test::TFakePlatform;
using wardrobe_test::TWardrobeWorld;

constexpr int kWn = 0, kPl = 1, kBr = 2, kBl = 3, kHl = 4, kYu = 5, kSh = 6, kTf = 7;

struct TInbox : plat::TMessageTarget {
    std::vector<unsigned> Got;
    void HandleMessage(const plat::TMessage& m) override { Got.push_back(m.Msg - plat::WM_USER); }
};

struct TDollFixture : ::testing::Test {
    TWardrobeWorld World;
    plat::TForm Form;
    TModels* Doll = nullptr;
    TInbox Inbox;
    int Modified = 0;
    void SetUp() override {
        Form.SetClientSize(640, 480);
        Form.SetBounds(0, 0, 640, 480);
        Form.DragMovesWindow = false;
        Doll = &Form.Make<TModels>();
        Doll->AllModels = &World.All;
        Doll->StandardDollImage = World.Doll;
        Doll->OrgImage = &World.Main;
        Doll->MainWindow = &Inbox;
        Doll->OnModified = [this] { ++Modified; };
        Doll->SetUp();
        Form.Show();
    }
    void Wear(int layer, int index = 0) {
        World.Class(layer).SetItemIndex(index);
        Doll->Dress(World.Class(layer));
    }
    std::vector<int> WornLayers() const {
        std::vector<int> worn;
        for (int i = 0; i < kClassCount; ++i)
            if (Doll->Items[size_t(i)].Worn())
                worn.push_back(i);
        return worn;
    }
};

TEST(ShadeTest, TheRuleAndItsRounding) {
    EXPECT_EQ(ShadeDelta(127), 0);
    EXPECT_EQ(ShadeDelta(0), -127);
    EXPECT_EQ(ShadeDelta(254), 127);
    EXPECT_EQ(ShadeDelta(255), -128);
    for (int v : {0, 1, 100, 200, 255}) {
        EXPECT_EQ(Shade(v, 0), v);
        EXPECT_EQ(Shade(v, -128), 0); // a shading pixel of green 255 turns black
    }
    EXPECT_EQ(Shade(200, -127), 200 - 198); // 127 * 200 / 128 = 198.4375
    EXPECT_EQ(Shade(100, 127), 100 + 153);  // 127 * 154 / 128 = 152.796875
    EXPECT_EQ(Shade(1, -64), 1);            // -0.5 rounds to even: 0
    EXPECT_EQ(Shade(3, -64), 1);            // -1.5 rounds to even: -2
    EXPECT_EQ(Shade(252, 64), 253);         // (254 - 252) / 128 * 64 = 1
    EXPECT_EQ(Shade(253, 64), 253);         // 0.5 rounds to even: 0
}

// A hand-made card of two pieces: the map says where each shows, the shading darkens one spot.
TEST_F(TDollFixture, CompositionFollowsTheMapsAndTheShading) {
    geom::TModel& m = *World.Class(kSh).ModelAt(0);
    ASSERT_GE(m.Pieces.size(), 1u);
    const int P = 200, H = 80;
    plat::Bitmap card(4 * P, H);
    const plat::TColor red = plat::RGB(232, 0, 0), none = plat::RGB(127, 127, 127),
                       grey = plat::RGB(192, 192, 192);
    for (int i = 0; i < int(m.Pieces.size()); ++i)
        card.SetPixel(i, 0, i == 0 ? red : none); // only piece 0 shows
    card.SetPixel(0, 2, none);
    for (int y = 3; y < H; ++y)
        for (int x = 0; x < P; ++x) {
            card.SetPixel(P + x, y, x < 50 ? red : (x < 100 ? plat::clWhite : grey));
            card.SetPixel(3 * P + x, y, grey);
        }
    card.SetPixel(10, 20, plat::RGB(0, 0, 0));   // green 0: darken
    card.SetPixel(11, 20, plat::RGB(9, 255, 9)); // green 255: black
    card.SetPixel(12, 20, plat::RGB(0, 191, 0)); // green 191: d = 64
    m.Pictures.Release();
    m.Pictures.Card = card;
    m.Pictures.CardRead = true;
    for (auto& p : m.Pieces)
        p->SetMaterial(-1);
    m.Pieces[0]->SetMaterial(World.Fabrics.CountS()); // a tiled fabric: its tile from (0, 0)
    plat::Bitmap fabric(P, H);
    World.Fabrics.MaterialImage(fabric, World.Fabrics.CountS());
    const plat::Bitmap& front = FrontImage(m);
    ASSERT_EQ(front.Width(), P);
    ASSERT_EQ(front.Height(), H);
    EXPECT_EQ(front.GetPixel(30, 40), fabric.GetPixel(30, 40)); // on the piece's region
    EXPECT_EQ(front.GetPixel(70, 40), fabric.GetPixel(70, 40)); // map white: the fabric too
    EXPECT_EQ(front.GetPixel(150, 40), plat::clWhite);          // another region: transparent
    const plat::TColor f = fabric.GetPixel(10, 20);
    EXPECT_EQ(front.GetPixel(10, 20),
              plat::RGB(uint8_t(Shade(plat::GetRValue(f), -127)), uint8_t(Shade(plat::GetGValue(f), -127)),
                        uint8_t(Shade(plat::GetBValue(f), -127))));
    EXPECT_EQ(front.GetPixel(11, 20), plat::clBlack);
    const plat::TColor g = fabric.GetPixel(12, 20);
    EXPECT_EQ(plat::GetRValue(front.GetPixel(12, 20)), Shade(plat::GetRValue(g), 64));
    EXPECT_TRUE(BackImage(m).GetPixel(30, 40) == plat::clWhite); // the back map shows no piece
    EXPECT_TRUE(m.Pictures.Card.Empty()) << "a composed source is released without BigMemory";

    // Hit tests read the same key; outside the panel nothing is read.
    m.Pictures.Card = card;
    m.Pictures.CardRead = true;
    EXPECT_EQ(HitCardPiece(m, 30, 40, TSide::Front), 0);
    EXPECT_EQ(HitCardPiece(m, 150, 40, TSide::Front), -1);
    EXPECT_EQ(HitCardPiece(m, 30, 40, TSide::Back), -1);
    EXPECT_EQ(HitCardPiece(m, -1, 40, TSide::Front), -1);
    EXPECT_EQ(HitCardPiece(m, 30, H, TSide::Front), -1);
}

TEST_F(TDollFixture, EmptyPicturesAnswerNothing) {
    geom::TModel& m = *World.Class(kTf).ModelAt(0);
    m.Pictures.Release();
    m.Pictures.CardRead = true; // read, and empty: a missing file
    m.Pictures.RackRead = true;
    EXPECT_EQ(HitCardPiece(m, 0, 0, TSide::Front), -1);
    EXPECT_EQ(HitRackPiece(m, 0, 0), -1);
    EXPECT_TRUE(FrontImage(m).Empty());
    Wear(kTf);
    EXPECT_EQ(Doll->HitLayer(100, 300), nullptr);
    EXPECT_FALSE(
        PaintPiece(m, Doll->Items[kTf].HitPiece(100, 300, TSide::Front), 3, false, TPaintPlace::DollFront));
    // The shoe layer lies at y 240 and below: a point above it is not its business.
    EXPECT_EQ(Doll->Items[kTf].HitPiece(100, 10, TSide::Front), -1);
}

TEST_F(TDollFixture, DressingTakesOffByTheTable) {
    const std::vector<std::pair<int, std::vector<int>>> table{
        {kWn, {kPl, kBr, kSh, kTf, kWn}}, {kPl, {kSh, kTf, kPl}}, {kBr, {kWn, kBl, kSh, kTf, kBr}},
        {kBl, {kBr, kYu, kSh, kTf, kBl}}, {kHl, {kSh, kTf, kHl}}, {kYu, {kBl, kSh, kTf, kYu}},
    };
    for (const auto& [layer, left] : table) {
        SCOPED_TRACE(layer);
        for (int i = 0; i < kClassCount; ++i)
            Doll->Items[size_t(i)].NumModel = 0; // everything at once, whatever it conflicts with
        Wear(layer);
        std::vector<int> expected = left;
        std::sort(expected.begin(), expected.end());
        std::vector<int> worn = WornLayers();
        // A conflict list of the CD may take off more than the table; never less.
        for (int i : worn)
            EXPECT_NE(std::find(expected.begin(), expected.end(), i), expected.end()) << i;
        EXPECT_TRUE(Doll->Items[size_t(layer)].Worn());
    }
    EXPECT_EQ(Modified, int(table.size()));
    Doll->RefreshMenu();
    ASSERT_EQ(Doll->TakeOffMenu.Items.size(), 8u);
    EXPECT_TRUE(Doll->TakeOffMenu.Items[size_t(kYu)].Enabled);
    EXPECT_FALSE(Doll->TakeOffMenu.Items[size_t(kBr)].Enabled);
    Doll->TakeOffMenu.Items[size_t(kYu)].OnClick();
    EXPECT_FALSE(Doll->Items[size_t(kYu)].Worn());
    EXPECT_FALSE(Doll->TakeOffMenu.Items[size_t(kYu)].Enabled);
}

TEST_F(TDollFixture, TheOutfitIsSavedAndRestoredLayerByLayer) {
    Wear(kPl, 2);
    Wear(kTf, 1);
    {
        plat::TRegIniFile reg(kProductKey);
        Doll->SaveState(reg, "States5");
        reg.WriteInteger("States5", "ModelsItemSh", 77); // past the end: nothing worn
    }
    Doll->TakeOffAll();
    EXPECT_FALSE(Doll->AnyWorn());
    plat::TRegIniFile reg(kProductKey);
    Doll->LoadState(reg, "States5");
    EXPECT_EQ(Doll->Items[kPl].NumModel, 2);
    EXPECT_EQ(Doll->Items[kTf].NumModel, 1);
    EXPECT_EQ(Doll->Items[kBl].NumModel, -1);
    EXPECT_FALSE(Doll->Items[kSh].Worn());
    EXPECT_TRUE(Doll->TakeOffMenu.Items[kPl].Enabled);
    EXPECT_FALSE(Doll->TakeOffMenu.Items[kSh].Enabled);
}

TEST_F(TDollFixture, ConflictListsTakeOffEitherWay) {
    TClassModels& hats = World.Class(kSh);
    TClassModels& shoes = World.Class(kTf);
    Wear(kSh);
    shoes.ModelAt(0)->Conflicts = {hats.ModelAt(0)->FileName()};
    Wear(kTf);
    EXPECT_EQ(WornLayers(), std::vector<int>{kTf});
    shoes.ModelAt(0)->Conflicts.clear();
    hats.ModelAt(0)->Conflicts = {"TF01", shoes.ModelAt(0)->FileName()};
    Wear(kSh);
    EXPECT_EQ(WornLayers(), std::vector<int>{kSh});
}

TEST_F(TDollFixture, RenderingLaysLayersInOrderAndTheBackOverlayOnTop) {
    Wear(kBl);
    Wear(kYu);
    Wear(kTf);
    Wear(kSh);
    plat::Bitmap front, back, naked;
    Doll->RenderDoll(front, true, false);
    Doll->RenderDoll(back, false, false);
    const plat::Bitmap& skirt = FrontImage(*Doll->Items[kYu].Model());
    const plat::Bitmap& blouse = FrontImage(*Doll->Items[kBl].Model());
    int skirtShows = 0, blouseOverSkirt = 0;
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool s = skirt.GetPixel(x, y) != plat::clWhite, b = blouse.GetPixel(x, y) != plat::clWhite;
            if (b && s) {
                ++blouseOverSkirt;
                EXPECT_EQ(front.GetPixel(x, y), blouse.GetPixel(x, y));
            } else if (s) {
                ++skirtShows;
            }
        }
    EXPECT_GT(skirtShows, 100);
    EXPECT_GT(blouseOverSkirt, 0) << "the blouse is laid over the skirt";
    const std::vector<std::string> printed{Doll->Items[kSh].Model()->Name, Doll->Items[kBl].Model()->Name,
                                           Doll->Items[kYu].Model()->Name, Doll->Items[kTf].Model()->Name};
    EXPECT_EQ(Doll->PrintNames(), printed);
    const int v = Doll->Items[kSh].Model()->HatFlag ? 1 : 0;
    int overlay = 0;
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 200; ++x)
            if (const plat::TColor o = World.Doll.GetPixel((v + 4) * 200 + x, y);
                o != plat::clWhite && y >= 80) {
                ++overlay;
                EXPECT_EQ(back.GetPixel(x, y), o);
            }
    EXPECT_GT(overlay, 0);
    EXPECT_NE(front, back);
}

TEST_F(TDollFixture, AHatWithItsFlagSwitchesTheDollToTheHatPanels) {
    plat::Bitmap plain, variant;
    Doll->RenderDoll(plain, true, false);
    for (int y = 0; y < 360; y += 7)
        for (int x = 0; x < 200; x += 7)
            ASSERT_EQ(plain.GetPixel(x, y), World.Doll.GetPixel(x, y));
    geom::TModel& hat = *World.Class(kSh).ModelAt(0);
    hat.HatFlag = true;
    Wear(kSh);
    Doll->RenderDoll(variant, true, false);
    const plat::Bitmap& hatImage = FrontImage(hat);
    int compared = 0;
    for (int y = 0; y < 360; y += 3)
        for (int x = 0; x < 200; x += 3)
            if (y >= 80 || hatImage.GetPixel(x, y) == plat::clWhite) {
                ++compared;
                ASSERT_EQ(variant.GetPixel(x, y), World.Doll.GetPixel(200 + x, y)) << x << "," << y;
            }
    EXPECT_GT(compared, 1000);
    EXPECT_TRUE(Doll->HitDoll(100, 200));
    EXPECT_FALSE(Doll->HitDoll(2, 2));
}

TEST_F(TDollFixture, DissolveThinsTheDollTileByTileEvery50ms) {
    TFakePlatform platform;
    plat::PlatformGuard guard(platform);
    Doll->StandardDollImage = plat::Bitmap(1200, 360);
    for (int y = 0; y < 360; ++y)
        std::fill(Doll->StandardDollImage.Row(y), Doll->StandardDollImage.Row(y) + 1200, 0xFF000000u);
    Doll->StandardDollImage.SetPixel(0, 0, plat::clWhite);
    Doll->OrgImage = nullptr; // white background: a visible doll pixel is a black one
    Doll->SetUp();
    auto visible = [&] {
        plat::Bitmap b;
        Doll->RenderDoll(b, true, true);
        int n = 0;
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 200; ++x)
                n += b.GetPixel(x, y) == plat::clBlack;
        return n;
    };
    const int all = visible() + 1; // pixel (0, 0) is white
    EXPECT_EQ(all, 72000);
    Doll->HideDoll(true);
    for (int level = 1; level <= 16; ++level) {
        wardrobe_test::Advance(platform, 50);
        ASSERT_EQ(Doll->FadeLevel, level);
        const int tile = 15 - std::min(level, 15);
        EXPECT_NEAR(visible(), 72000 * 4 * (tile + 1) / 64, 1) << level;
    }
    EXPECT_TRUE(Doll->Visible());
    wardrobe_test::Advance(platform, 50);
    EXPECT_FALSE(Doll->Visible());
    plat::DrainPostedMessages();
    EXPECT_EQ(Inbox.Got, std::vector<unsigned>{3});
    Doll->ShowDoll(true);
    EXPECT_TRUE(Doll->Visible());
    EXPECT_EQ(Doll->FadeLevel, 15);
    wardrobe_test::Advance(platform, 15 * 50);
    EXPECT_EQ(Doll->FadeLevel, 0);
    EXPECT_FALSE(Doll->Fading());
    plat::DrainPostedMessages();
    EXPECT_EQ(Inbox.Got, (std::vector<unsigned>{3, 6}));
    Doll->HideDoll(false);
    EXPECT_FALSE(Doll->Visible());
    platform.Depth = 32;
    EXPECT_TRUE(ScreenEffects());
    platform.Depth = 8;
    EXPECT_FALSE(ScreenEffects());
}

// A stand-in for a rack: pressing it drags its class's current model.
struct TRackStandIn : plat::TControl, plat::TDragSource {
    TRackStandIn(plat::TControl* parent, TClassModels& k) : plat::TControl(parent), Class(k) {}
    void MouseDown(plat::TMouseButton, plat::TShiftState, int, int) override {
        TWardrobeDrag drag;
        drag.Kind = TWardrobeDrag::TKind::Rack;
        drag.Class = &Class;
        plat::DragManager::Instance().BeginDrag(*this, drag);
    }
    void EndDrag(plat::TDragTarget*, int, int) override {}
    TClassModels& Class;
};

TEST_F(TDollFixture, DropsDressAndClicksTurn) {
    auto& rack = Form.Make<TRackStandIn>(World.Class(kPl));
    rack.SetBounds(504, 112, 136, 165);
    const int dx = 245 - 504, dy = 40 - 112;
    // Dropped beside the doll's body: refused.
    plat::SendMouse(rack, plat::TMouseAction::Press, plat::TMouseButton::Left, 20, 20);
    plat::SendMouse(rack, plat::TMouseAction::Release, plat::TMouseButton::Left, dx + 2, dy + 2);
    EXPECT_FALSE(Doll->AnyWorn());
    // Dropped on the body.
    plat::SendMouse(rack, plat::TMouseAction::Press, plat::TMouseButton::Left, 20, 20);
    plat::SendMouse(rack, plat::TMouseAction::Release, plat::TMouseButton::Left, dx + 100, dy + 150);
    EXPECT_TRUE(Doll->Items[kPl].Worn());
    EXPECT_EQ(Modified, 1);
    // A worn garment dragged onto the doll turns it round.
    ASSERT_NE(Doll->HitLayer(100, 150), nullptr);
    plat::SendMouse(*Doll, plat::TMouseAction::Press, plat::TMouseButton::Left, 100, 150);
    plat::SendMouse(*Doll, plat::TMouseAction::Release, plat::TMouseButton::Left, 100, 152);
    EXPECT_FALSE(Doll->Face);
    EXPECT_EQ(Doll->Hint(), "");
    plat::SendMouse(*Doll, plat::TMouseAction::Move, plat::TMouseButton::Left, 100, 150);
    EXPECT_EQ(Doll->Hint(), Doll->Items[kPl].Model()->Name);
    // A fabric dropped on the dress paints the piece under it.
    plat::TControl drum(&Form);
    geom::TModel& dress = *Doll->Items[kPl].Model();
    const int piece = Doll->Items[kPl].HitPiece(100, 150, TSide::Back);
    ASSERT_GE(piece, 0);
    EXPECT_TRUE(Doll->FillAt(100, 150, 5, false));
    EXPECT_EQ(dress.Pieces[size_t(piece)]->Material, 5);
    EXPECT_FALSE(dress.Pictures.Back.Empty());
    EXPECT_TRUE(dress.Pictures.Front.Empty()) << "the side not shown is dropped";
    EXPECT_TRUE(Doll->FillAt(100, 150, 7, true));
    for (auto& p : dress.Pieces)
        EXPECT_EQ(p->Material, 7);
    EXPECT_EQ(Modified, 3);
}

} // namespace
