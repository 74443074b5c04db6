// The fabric drum: its slots on the CD's drum picture, the wrap of small catalogues, the
// animation rows, drags of swatches onto the doll and the painting of pieces and groups.
#include "designer/wardrobe/BrushSelect.h"
#include "designer/wardrobe/Models.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Synthetic.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"

#include <gtest/gtest.h>

namespace {

using namespace wardrobe;
using wardrobe_test::TFakePlatform;
using wardrobe_test::TWardrobeWorld;

constexpr int kPl = 1, kHl = 4;

struct TDrumFixture : ::testing::Test {
    TFakePlatform Platform;
    plat::PlatformGuard Guard{Platform};
    TWardrobeWorld World;
    plat::TForm Form;
    TBrushSelect* Drum = nullptr;
    TModels* Doll = nullptr;
    void SetUp() override {
        Form.SetClientSize(640, 480);
        Form.SetBounds(0, 0, 640, 480);
        Form.DragMovesWindow = false;
        Drum = &Form.Make<TBrushSelect>();
        Drum->Catalogue = &World.Fabrics;
        Drum->FaseImage = World.FsBrush;
        Drum->SetUp();
        Doll = &Form.Make<TModels>();
        Doll->AllModels = &World.All;
        Doll->StandardDollImage = World.Doll;
        Doll->SetUp();
        Form.Show();
    }
    // A point of the open drum showing slot s.
    plat::TPoint PointOf(int slot) {
        for (int y = 0; y < 103; ++y)
            for (int x = 0; x < 99; ++x)
                if (Drum->SlotAt(x, y) == slot)
                    return {x, y};
        ADD_FAILURE() << "no point shows slot " << slot;
        return {-1, -1};
    }
    void OpenNow() {
        Drum->ClickAt(0, 0);
        wardrobe_test::Advance(Platform, 8 * 20);
        ASSERT_TRUE(Drum->IsOpen);
        ASSERT_FALSE(Drum->Animating());
    }
};

TEST_F(TDrumFixture, SlotsWrapWithAnyNumberOfFabrics) {
    ASSERT_EQ(Drum->Total(), 46);
    EXPECT_EQ(Drum->SlotMaterial(-3), 43);
    EXPECT_EQ(Drum->SlotMaterial(1), 1);
    OpenNow();
    Drum->TurnBack();
    EXPECT_EQ(Drum->Offset, 45);
    EXPECT_EQ(Drum->SlotMaterial(1), 0);
    Drum->TurnForward();
    Drum->TurnForward();
    EXPECT_EQ(Drum->Offset, 1);

    TMaterialCatalogue two;
    two.SetSheets(plat::Bitmap(60, 60), plat::Bitmap(60, 60));
    Drum->Catalogue = &two;
    Drum->Offset = 0;
    EXPECT_EQ(Drum->SlotMaterial(-3), 1);
    EXPECT_EQ(Drum->SlotMaterial(-2), 0);
    EXPECT_EQ(Drum->SlotMaterial(0), 0);
    EXPECT_EQ(Drum->SlotMaterial(1), 1);
    Drum->TurnBack();
    EXPECT_EQ(Drum->Offset, 1);

    TMaterialCatalogue none;
    Drum->Catalogue = &none;
    Drum->Offset = 0;
    EXPECT_EQ(Drum->SlotMaterial(0), -1);
    Drum->TurnForward();
    EXPECT_EQ(Drum->Offset, 0);
    plat::Bitmap shown;
    Drum->Render(shown); // black swatches, no division by zero
    const plat::TPoint p = PointOf(0);
    plat::SendMouse(*Drum, plat::TMouseAction::Press, plat::TMouseButton::Left, p.X, p.Y);
    EXPECT_FALSE(plat::DragManager::Instance().Dragging());
    plat::SendMouse(*Drum, plat::TMouseAction::Release, plat::TMouseButton::Left, p.X, p.Y);
}

TEST_F(TDrumFixture, SlotsComeFromTheKeyColumnAndAnEmptyPictureHasNone) {
    for (int s = -3; s <= 1; ++s)
        PointOf(s);
    EXPECT_EQ(Drum->SlotAt(-1, 5), TBrushSelect::kNoSlot);
    EXPECT_EQ(Drum->SlotAt(99, 5), TBrushSelect::kNoSlot);
    Drum->FaseImage.Clear();
    for (int y = 0; y < 103; y += 7)
        for (int x = 0; x < 99; x += 7)
            ASSERT_EQ(Drum->SlotAt(x, y), TBrushSelect::kNoSlot);
}

TEST_F(TDrumFixture, OpeningTurningAndClosingTakeTheirRowsAt20ms) {
    EXPECT_EQ(Drum->Hint(), plat::Ru("Выбор материала"));
    plat::Click(*Drum, 50, 50);
    EXPECT_EQ(Drum->Phase, 1);
    EXPECT_TRUE(Drum->Opening);
    for (int tick = 2; tick <= 7; ++tick) {
        wardrobe_test::Advance(Platform, 20);
        ASSERT_EQ(Drum->Phase, tick);
        ASSERT_FALSE(Drum->IsOpen);
    }
    wardrobe_test::Advance(Platform, 20);
    EXPECT_TRUE(Drum->IsOpen);
    EXPECT_EQ(Drum->Phase, 0);
    plat::SendMouse(*Drum, plat::TMouseAction::Move, plat::TMouseButton::Left, PointOf(0).X, PointOf(0).Y);
    EXPECT_EQ(Drum->Hint(), plat::Ru("Материал"));

    // The open drum shows its frame 0 of row 2 with fabrics in the slot windows.
    plat::Bitmap shown;
    Drum->Render(shown);
    const plat::TPoint window = PointOf(-1);
    plat::Bitmap fabric(99, 103);
    World.Fabrics.MaterialImage(fabric, Drum->SlotMaterial(-1));
    EXPECT_EQ(shown.GetPixel(window.X, window.Y), fabric.GetPixel(window.X, window.Y));

    Drum->ClickAt(PointOf(-2).X, PointOf(-2).Y); // a back slot turns forward: row 3
    EXPECT_EQ(Drum->Offset, 1);
    EXPECT_FALSE(Drum->Opening);
    wardrobe_test::Advance(Platform, 5 * 20);
    EXPECT_EQ(Drum->Phase, 0);
    EXPECT_TRUE(Drum->IsOpen);
    Drum->ClickAt(PointOf(1).X, PointOf(1).Y); // a front slot turns back: row 2
    EXPECT_EQ(Drum->Offset, 0);
    EXPECT_TRUE(Drum->Opening);
    wardrobe_test::Advance(Platform, 5 * 20);
    Drum->ClickAt(97, 1); // no slot: close, row 1
    EXPECT_FALSE(Drum->IsOpen);
    EXPECT_FALSE(Drum->Opening);
    wardrobe_test::Advance(Platform, 8 * 20);
    EXPECT_FALSE(Drum->IsOpen);
    EXPECT_FALSE(Drum->Animating());
}

TEST_F(TDrumFixture, ASwatchDraggedOntoTheDollPaintsThePieceOrWithShiftAll) {
    OpenNow();
    World.Class(kPl).SetItemIndex(0);
    Doll->Dress(World.Class(kPl));
    geom::TModel& dress = *Doll->Items[kPl].Model();
    const plat::TPoint slot = PointOf(0);
    const plat::TPoint onDoll{245 + 100 - 0, 40 + 150 - 261}; // doll point (100, 150), drum's coordinates
    const int piece = Doll->Items[kPl].HitPiece(100, 150, TSide::Front);
    ASSERT_GE(piece, 0);
    plat::SendMouse(*Drum, plat::TMouseAction::Press, plat::TMouseButton::Left, slot.X, slot.Y);
    ASSERT_TRUE(plat::DragManager::Instance().Dragging());
    plat::SendMouse(*Drum, plat::TMouseAction::Release, plat::TMouseButton::Left, onDoll.X, onDoll.Y);
    EXPECT_EQ(dress.Pieces[size_t(piece)]->Material, Drum->SlotMaterial(0));
    EXPECT_EQ(Drum->NumDrag, Drum->SlotMaterial(0));
    int others = 0;
    for (auto& p : dress.Pieces)
        others += p->Material == Drum->SlotMaterial(0);
    EXPECT_LT(others, int(dress.Pieces.size()));

    Drum->MouseDown(plat::TMouseButton::Left, {/*Shift=*/true}, PointOf(1).X, PointOf(1).Y);
    EXPECT_TRUE(Drum->ShiftDrag);
    plat::SendMouse(*Drum, plat::TMouseAction::Release, plat::TMouseButton::Left, onDoll.X, onDoll.Y);
    for (auto& p : dress.Pieces)
        EXPECT_EQ(p->Material, Drum->SlotMaterial(1));

    // A swatch dropped back on the drum is a click there: it turns.
    plat::SendMouse(*Drum, plat::TMouseAction::Press, plat::TMouseButton::Left, slot.X, slot.Y);
    plat::SendMouse(*Drum, plat::TMouseAction::Release, plat::TMouseButton::Left, PointOf(-3).X,
                    PointOf(-3).Y);
    EXPECT_EQ(Drum->Offset, 1);
}

TEST_F(TDrumFixture, GroupsArePaintedTogetherAndNoneAlone) {
    TClassModels& robes = World.Class(kHl);
    geom::TModel* swimsuit = nullptr;
    for (int i = 0; i < robes.Count(); ++i)
        if (robes.ModelAt(i)->ModelPath == "models\\hl02")
            swimsuit = robes.ModelAt(i);
    ASSERT_NE(swimsuit, nullptr);
    const geom::TModelPictures& key = ColourKey(*swimsuit);
    ASSERT_GE(key.Groups.size(), 3u);
    ASSERT_EQ(key.Groups[1], key.Groups[2]);
    ASSERT_EQ(key.Groups[0], key.None);
    for (auto& p : swimsuit->Pieces)
        p->SetMaterial(-1);
    EXPECT_TRUE(TBrushSelect::PaintPiece(*swimsuit, 1, 9, false, TPaintPlace::Panel));
    EXPECT_EQ(swimsuit->Pieces[1]->Material, 9);
    EXPECT_EQ(swimsuit->Pieces[2]->Material, 9);
    EXPECT_EQ(swimsuit->Pieces[0]->Material, -1);
    EXPECT_TRUE(swimsuit->Pictures.Front.Empty());
    EXPECT_TRUE(TBrushSelect::PaintPiece(*swimsuit, 0, 3, false, TPaintPlace::Rack));
    EXPECT_EQ(swimsuit->Pieces[0]->Material, 3);
    EXPECT_EQ(swimsuit->Pieces[1]->Material, 9);
    EXPECT_TRUE(TBrushSelect::PaintPiece(*swimsuit, 2, 11, true, TPaintPlace::DollBack));
    for (auto& p : swimsuit->Pieces)
        EXPECT_EQ(p->Material, 11);
    EXPECT_FALSE(TBrushSelect::PaintPiece(*swimsuit, -1, 12, true, TPaintPlace::DollBack));
    EXPECT_EQ(swimsuit->Pieces[0]->Material, 11);
}

// Stretch fabrics are scaled to the piece; tiled ones line up from (0, 0) across pieces.
TEST_F(TDrumFixture, StretchFabricsScaleAndTiledOnesAlign) {
    plat::Bitmap big(120, 120), small(60, 60);
    World.Fabrics.MaterialImage(big, 0);
    World.Fabrics.MaterialImage(small, 0);
    EXPECT_EQ(big.GetPixel(2 * 13, 2 * 17), small.GetPixel(13, 17));
    const int tiled = World.Fabrics.CountS() + 2;
    World.Fabrics.MaterialImage(big, tiled);
    World.Fabrics.MaterialImage(small, tiled);
    EXPECT_EQ(big.GetPixel(60 + 13, 60 + 17), small.GetPixel(13, 17));
    EXPECT_EQ(big.GetPixel(13, 17), small.GetPixel(13, 17));
}

} // namespace
