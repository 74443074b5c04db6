// Models: the sheet scale, fill masks and piece lookup, true printed sizes, stored materials, and
// the proof that printed pieces measure their true size on paper.
#include "designer/geometry/Model.h"

#include "platform/graphics/RasterCanvas.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

namespace geom {
namespace {

std::unique_ptr<TModel> FromText(const std::string& text, int w = 300, int h = 300) {
    TModelFile file("test.mdl", text);
    return std::make_unique<TModel>(file, "Models\\test", nullptr, w, h, TTypeShow::tsUnVisible);
}

TEST(Model, ScaleIsTheSmallerRatioAndCentred) {
    auto model = FromText("M(100,50)\n");
    EXPECT_DOUBLE_EQ(model->SheetScaleX, 3.0);
    EXPECT_DOUBLE_EQ(model->SheetScaleY, 3.0);
    EXPECT_EQ(model->SheetLeft, 0);
    EXPECT_EQ(model->SheetTop, 75);
    EXPECT_EQ(model->ToModelX(31), 10);
    auto empty = FromText("M(100,50)\n", 0, 0);
    EXPECT_DOUBLE_EQ(empty->SheetScaleX, 0.0001);
}

// A square outline with a ring-shaped hole (an ellipse not reached by the fill), and a second piece
// overlapping the first.
const char* kTwoPieces =
    "M(100,100)\n"
    "A(0,0,40,40)\nLINE(0,0) (39,0)\nLINE(39,0) (39,39)\nLINE(39,39) (0,39)\nLINESG(0,0) (0,39)\n"
    "Ellipse(20,20) (30,30)\nPOINTFILL(5,5)\n}\n"
    "B(30,30,40,40)\nLINE(0,0) (39,0)\nLINE(39,0) (39,39)\nLINE(39,39) (0,39)\nLINE(0,0) (0,39)\n"
    "POINTFILL(20,20)\n}\n";

TEST(Model, FillMaskDrivesHitTesting) {
    auto model = FromText(kTwoPieces);
    model->SetTypeShow(TTypeShow::tsFill);
    EXPECT_EQ(model->Sheet.Width(), 300);
    EXPECT_EQ(model->PieceAt(5, 5), 0);
    EXPECT_EQ(model->PieceAt(0, 20), 0);   // on the outline
    EXPECT_EQ(model->PieceAt(25, 25), -1); // the unfilled hole
    EXPECT_EQ(model->PieceAt(35, 35), 0);  // overlap: the earlier piece
    EXPECT_EQ(model->PieceAt(60, 60), 1);
    EXPECT_EQ(model->PieceAt(90, 90), -1);
    EXPECT_EQ(model->PieceByIndex(2), nullptr);
    EXPECT_EQ(model->PieceByIndex(-1), nullptr);
    // Without materials the inside is black, the outside white.
    EXPECT_EQ(model->Sheet.GetPixel(15, 15) & 0xFFFFFF, 0u);
    EXPECT_EQ(model->Sheet.GetPixel(295, 295) & 0xFFFFFF, plat::clWhite);
    model->SetTypeShow(TTypeShow::tsUnVisible);
    EXPECT_TRUE(model->Sheet.Empty());
    EXPECT_TRUE(model->Pieces[0]->Mask.Empty());
}

// The first column of each run of inked columns, left to right.
std::vector<int> InkedColumnStarts(const plat::Bitmap& b) {
    std::vector<int> starts;
    bool previous = false;
    for (int x = 0; x < b.Width(); ++x) {
        bool inked = false;
        for (int y = 0; y < b.Height() && !inked; ++y)
            inked = (b.GetPixel(x, y) & 0xFFFFFF) != plat::clWhite;
        if (inked && !previous)
            starts.push_back(x);
        previous = inked;
    }
    return starts;
}

TEST(Model, PrintedPointsAreRoundedExactly) {
    // x = 15 on a piece 10 units wide printed 169 pixels wide lies at 15 * 169 / 10 = 253.5 pixels,
    // which rounds to the even 254; a precomputed 16.9 pixels per unit gives 253.49999... -> 253.
    auto model = FromText("M(30,10)\nP(0,0,10,10)\nLINE(0,0) (0,10)\nLINE(15,0) (15,10)\n}\n");
    plat::Bitmap page(300, 40);
    plat::RasterCanvas canvas(page);
    canvas.Brush.Color = plat::clWhite;
    canvas.FillRect({0, 0, 300, 40});
    model->Pieces[0]->PrintAt(canvas, /*left=*/10, /*top=*/5, /*pw=*/169, /*ph=*/20, nullptr);
    const std::vector<int> starts = InkedColumnStarts(page);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[1] - starts[0], 254);
}

TEST(Model, PrintSizeFollowsThePrefix) {
    struct Case {
        const char* name;
        int w, h;
    };
    for (const Case& c : {Case{"Plain", 120, 90}, Case{"!rTurned", 60, 180}, Case{"!xBoth", 120, 180},
                          Case{"!yNone", 60, 90}, Case{"!zOther", 120, 90}}) {
        auto model = FromText(std::string("M(100,100)\n") + c.name + "(0,0,60,90)\n}\n");
        const TPrintSize standard = model->Pieces[0]->PrintSize(1.0, 1.0);
        EXPECT_EQ(standard.Width, 60);
        EXPECT_EQ(standard.Height, 90);
        const TPrintSize wide = model->Pieces[0]->PrintSize(30.0 / 30.0, 13.0 / 6.5);
        EXPECT_EQ(wide.Width, c.w) << c.name;
        EXPECT_EQ(wide.Height, c.h) << c.name;
    }
    EXPECT_EQ(FromText("M(9,9)\n!rSleeve(0,0,1,1)\n}\n")->Pieces[0]->Caption(), "Sleeve");
}

TEST(Model, StoredMaterials) {
    const std::string model =
        "M(100,100)\nA(0,0,1,1)\n}\nB(0,0,1,1)\n}\nC(0,0,1,1)\n}\nD(0,0,1,1)\n}\nE(0,0,1,1)\n}\n";
    auto m = FromText(model);
    plat::TRegIniFile ini("Software\\Test\\Geometry");
    const int8_t two[] = {3, -1};
    ini.WriteBinaryData("Sec", "test", two, 2);
    m->ReadMaterials(ini, "Sec");
    EXPECT_EQ(m->Pieces[0]->Material, 3);
    EXPECT_EQ(m->Pieces[1]->Material, -1);
    EXPECT_EQ(m->Pieces[4]->Material, -1);
    m->Pieces[4]->SetMaterial(-2);
    m->SaveMaterials(ini, "Other");
    uint8_t back[5] = {};
    ASSERT_EQ(ini.ReadBinaryData("Other", "test", back, 5), 5);
    EXPECT_EQ(back[4], 0xFE);
    const uint8_t six[6] = {};
    ini.WriteBinaryData("Sec", "test", six, 6);
    EXPECT_THROW(m->ReadMaterials(ini, "Sec"), plat::ERegistryException);
    ini.WriteString("Sec", "test", "x");
    EXPECT_THROW(m->ReadMaterials(ini, "Sec"), plat::ERegistryException);
}

TEST(Model, CompatibleComparesFileNamesIgnoringCase) {
    TModelFile fa("a", "A(1,1)|Skirt1\n"), fb("b", "B(1,1)\n");
    TModel a(fa, "models\\Coat1", nullptr, 1, 1, TTypeShow::tsUnVisible);
    TModel b(fb, "models\\SKIRT1", nullptr, 1, 1, TTypeShow::tsUnVisible);
    EXPECT_FALSE(Compatible(a, b));
    EXPECT_FALSE(Compatible(b, a));
    EXPECT_TRUE(Compatible(a, a));
}

} // namespace
} // namespace geom
