// The pattern panel: frames and the reveal table, the exchange with the doll through the show/hide
// sequence, the display-mode cycle, fabrics dropped on pieces and the piece hints.
#include "designer/controls/ShowHide.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "designer/wardrobe/ModelShow.h"
#include "designer/wardrobe/Models.h"
#include "platform/core/Numeric.h"
#include "platform/ui/Messages.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"

#include <gtest/gtest.h>

namespace {

using namespace wardrobe;
using wardrobe_test::TFakePlatform;
using wardrobe_test::TWardrobeWorld;

// The main window's part in the exchange: passes the six messages to the sequence.
struct TExchange : plat::TMessageTarget {
    TShowHide Sequence;
    std::vector<unsigned> Got;
    void HandleMessage(const plat::TMessage& m) override {
        Got.push_back(m.Msg - plat::WM_USER);
        Sequence.HandleMessage(int(m.Msg - plat::WM_USER));
    }
};

struct TPanelFixture : ::testing::Test {
    TFakePlatform Platform;
    plat::PlatformGuard Guard{Platform};
    TWardrobeWorld World;
    plat::TForm Form;
    TModelShow* Panel = nullptr;
    TModels* Doll = nullptr;
    TExchange Exchange;
    void SetUp() override {
        Form.SetClientSize(640, 480);
        Form.SetBounds(0, 0, 640, 480);
        Form.DragMovesWindow = false;
        Doll = &Form.Make<TModels>();
        Doll->AllModels = &World.All;
        Doll->StandardDollImage = World.Doll;
        Doll->MainWindow = &Exchange;
        Doll->SetUp();
        Panel = &Form.Make<TModelShow>();
        Panel->OrgImage = &World.FsWindow;
        Panel->AllModes = &World.All;
        Panel->MainWindow = &Exchange;
        Exchange.Sequence.Models = Doll;
        Exchange.Sequence.ModelShow = Panel;
        Exchange.Sequence.Start();
        AnimationsEnabled = ScreenEffects(); // as the main window sets it: 24 bits here
        Form.Show();
    }
    void TearDown() override { AnimationsEnabled = false; }
    void Run(unsigned ms) {
        for (unsigned t = 0; t < ms; t += 10) {
            wardrobe_test::Advance(Platform, 10);
            plat::DrainPostedMessages();
        }
    }
    // Pattern pixels (not the frame's) in the pattern area's rows [from, to).
    int PatternPixels(const plat::Bitmap& shown, int from, int to) {
        const layout::Box frame = layout::panel::FrameBox(Panel->Frame);
        int n = 0;
        for (int y = from; y < to; ++y)
            for (int x = Panel->MX; x < Panel->MX + Panel->MWidth; ++x)
                n += shown.GetPixel(x, y) != World.FsWindow.GetPixel(frame.X + x, frame.Y + y);
        return n;
    }
};

TEST_F(TPanelFixture, TheExchangeDissolvesTheDollAndRevealsThePatternRowByRow) {
    plat::PostMessage(&Exchange, plat::WM_USER + 1);
    plat::DrainPostedMessages();
    Run(17 * 50 + 10);
    EXPECT_FALSE(Doll->Visible());
    ASSERT_TRUE(Panel->Visible());
    const std::array<int, 9> reveal{0, 0, 0, 0, 0, 53, 114, 188, 212};
    for (int f = 0; f <= 8; ++f) {
        ASSERT_EQ(Panel->Frame, f);
        plat::Bitmap shown;
        Panel->Render(shown);
        const int edge = Panel->MY + reveal[size_t(f)];
        EXPECT_EQ(PatternPixels(shown, edge, Panel->MY + Panel->MHeight), 0) << f;
        if (f >= 5)
            EXPECT_GT(PatternPixels(shown, Panel->MY, edge), 0) << f;
        EXPECT_EQ(Panel->bHideModel[0]->Visible(), f == 8) << "the close buttons come with the last frame";
        if (f < 8)
            Run(200);
        else
            Run(10);
    }
    EXPECT_FALSE(Panel->Animating());
    EXPECT_TRUE(Panel->bHideModel[2]->Visible());
    EXPECT_EQ(Exchange.Got, (std::vector<unsigned>{1, 3, 5}));
    EXPECT_EQ(Panel->Hint(), World.All.CurrentModel()->Name);

    plat::PostMessage(&Exchange, plat::WM_USER + 2);
    plat::DrainPostedMessages();
    EXPECT_FALSE(Panel->bHideModel[0]->Visible());
    Run(9 * 200);
    EXPECT_FALSE(Panel->Visible());
    EXPECT_EQ(Panel->Frame, 0);
    Run(16 * 50);
    EXPECT_TRUE(Doll->Visible());
    EXPECT_EQ(Doll->FadeLevel, 0);
    EXPECT_EQ(Exchange.Got, (std::vector<unsigned>{1, 3, 5, 2, 4, 6}));
}

TEST_F(TPanelFixture, ClicksCycleFillOutlineAndDescription) {
    Panel->Show();
    Panel->Frame = 8;
    geom::TModel& model = *World.All.CurrentModel();
    plat::Bitmap fill, outline;
    Panel->Render(fill);
    Panel->CycleMode();
    EXPECT_EQ(World.All.TypeShow, geom::TTypeShow::tsContur);
    EXPECT_EQ(model.TypeShow, geom::TTypeShow::tsContur);
    Panel->Render(outline);
    EXPECT_NE(fill, outline);
    EXPECT_FALSE(Panel->ViewDescribe->Visible());
    Panel->CycleMode();
    EXPECT_EQ(model.TypeShow, geom::TTypeShow::tsUnVisible);
    EXPECT_TRUE(model.Sheet.Empty());
    EXPECT_TRUE(Panel->ViewDescribe->Visible());
    EXPECT_FALSE(Panel->ViewDescribe->View().History.empty()) << "the model's description is shown";
    std::any drag = TWardrobeDrag{TWardrobeDrag::TKind::Material};
    plat::TCursor cursor = 0;
    EXPECT_FALSE(Panel->DragOver(drag, 150, 150, cursor)) << "fabrics only while the pieces are filled";
    Panel->CycleMode();
    EXPECT_EQ(World.All.TypeShow, geom::TTypeShow::tsFill);
    EXPECT_FALSE(Panel->ViewDescribe->Visible());
    EXPECT_TRUE(Panel->DragOver(drag, 150, 150, cursor));
}

TEST_F(TPanelFixture, FabricsPaintThePieceUnderThePointAcrossTheSheetOffsets) {
    Panel->Show();
    Panel->Frame = 8;
    plat::Bitmap shown;
    Panel->Render(shown);
    geom::TModel& model = *World.All.CurrentModel();
    FrontImage(model);
    for (auto& piece : model.Pieces) {
        const int i = int(&piece - model.Pieces.data());
        // The middle of the piece's box on the sheet, in the panel's coordinates.
        const int sx = plat::Round((piece->X0 + piece->SizeX / 2.0) * model.SheetScaleX);
        const int sy = plat::Round((piece->Y0 + piece->SizeY / 2.0) * model.SheetScaleY);
        const int px = Panel->MX + model.SheetLeft + sx, py = Panel->MY + model.SheetTop + sy;
        if (model.PieceAt(model.ToModelX(sx), model.ToModelY(sy)) != i)
            continue;
        Panel->MouseMove({}, px, py);
        EXPECT_EQ(Panel->Hint(), piece->Caption());
        EXPECT_TRUE(Panel->FillAt(px, py, 20 + i, false));
        EXPECT_EQ(piece->Material, 20 + i);
        EXPECT_TRUE(model.Pictures.Front.Empty());
    }
    EXPECT_FALSE(Panel->FillAt(Panel->MX - 1, Panel->MY + 5, 3, false)) << "outside the pattern area";
    Panel->MouseMove({}, 2, 2);
    EXPECT_EQ(Panel->Hint(), model.Name);
}

} // namespace
