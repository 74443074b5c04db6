// Primitives: model-file lines read and written back, the editing operations, and the drawing
// rules that masks and prints depend on.
#include "designer/geometry/Primitiv.h"

#include "platform/graphics/RasterCanvas.h"

#include <gtest/gtest.h>

namespace geom {
namespace {

TEST(Primitiv, LinesRoundTrip) {
    for (const char* line :
         {"LINE(0,0) (10,0)", "LINES(1,2) (3,4)", "LINESG(0,0) (0,50)", "LINESP(-1,-2) (3,4)",
          "NIT(30,20) (30,70)", "LIP(1,1) (2,2)", "ARC(60,0) (70,45) (60,90)", "ARC2X(0,0) (1,1)",
          "ARC2Y(0,0) (1,1) (2,2)", "TEXT(5,80) *", "POINTFILL(30,45)", "Ellipse(0,0) (10,20)",
          "Ellipse2(0,0) (10,10) (10,5) (0,5) 3"}) {
        auto prim = PrimitiveFromLine(line);
        ASSERT_NE(prim, nullptr) << line;
        EXPECT_EQ(prim->GetText(), line);
        EXPECT_EQ(prim->Clone()->GetText(), line);
    }
    EXPECT_EQ(PrimitiveFromLine("{"), nullptr);
}

TEST(Primitiv, SelectingMovingAndWritingSelectedPoints) {
    auto line = PrimitiveFromLine("LINE(5,5) (5,5)");
    EXPECT_TRUE(line->SelectAt(5, 6));
    EXPECT_EQ(line->GetText(), "LINE*(5,5)* (5,5)"); // coinciding points: P1 only
    EXPECT_FALSE(line->SelectAt(5, 6));
    EXPECT_TRUE(line->MoveSelected(7, 8));
    EXPECT_EQ(line->Clone()->GetText(), "LINE(7,8) (5,5)");

    TPrimArc arc({{0, 0}, {1, 1}, {20, 0}});
    arc.SelectAt(0, 0); // both first points are near: the highest index wins
    EXPECT_FALSE(arc.Pts[0].Selected);
    EXPECT_TRUE(arc.Pts[1].Selected);
}

TEST(Primitiv, ArcPointEditing) {
    TPrimArc arc({{0, 0}, {30, 0}});
    EXPECT_FALSE(arc.DeletePointAt(0, 0));
    EXPECT_FALSE(arc.InsertPointAt(15, 0));
    EXPECT_TRUE(arc.InsertPointAt(30, 1));
    EXPECT_EQ(arc.GetText(), "ARC(0,0) (30,1) (30,0)");
    EXPECT_TRUE(arc.DeletePointAt(31, 1));
    EXPECT_EQ(arc.GetText(), "ARC(0,0) (30,0)");
    EXPECT_TRUE(arc.Subdivide(2));
    EXPECT_EQ(arc.GetText(), "ARC(0,0) (10,0) (20,0) (30,0)");
}

TEST(Primitiv, MirrorShiftScale) {
    auto line = PrimitiveFromLine("LINE(1,2) (3,4)");
    EXPECT_EQ(line->Mirrored({0, 0}, {10, 10})->GetText(), "LINE(-1,2) (-3,4)"); // |dY| = |dX|: vertical axis
    EXPECT_EQ(line->Mirrored({0, 10}, {10, 10})->GetText(), "LINE(1,18) (3,16)");
    EXPECT_EQ(PrimitiveFromLine("POINTFILL(1,1)")->Mirrored({0, 0}, {1, 0}), nullptr);
    line->Shift(10, -2);
    line->ScaleX(0.5); // 5.5 -> 6, 6.5 -> 6: halves to even
    line->FlipY(10);
    EXPECT_EQ(line->GetText(), "LINE(6,10) (6,8)");
    line->SwapXY();
    EXPECT_EQ(line->GetText(), "LINE(10,6) (8,6)");
    EXPECT_EQ(line->Width(), 2);
    EXPECT_EQ(line->Height(), 0);
    EXPECT_EQ(PrimitiveFromLine("ARC(0,0) (9,9)")->Width(), 1);
}

TEST(Primitiv, TextLines) {
    TPrimText text;
    text.Caption = "left_sleeve*two_parts";
    EXPECT_EQ(text.Lines(""), (std::vector<std::string>{"left sleeve", "two parts"}));
    text.Caption = "*";
    EXPECT_EQ(text.Lines("Back piece"), (std::vector<std::string>{"Back", "piece"}));
}

int CountInk(const plat::Bitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += (b.GetPixel(x, y) & 0xFFFFFF) != plat::clWhite;
    return n;
}

plat::Bitmap Draw(const char* line, TTypeShow mode) {
    plat::Bitmap b(60, 60);
    plat::RasterCanvas c(b);
    c.Brush.Color = plat::clWhite;
    c.FillRect({0, 0, 60, 60});
    TDrawParams p;
    p.Canvas = &c;
    p.Mode = mode;
    PrimitiveFromLine(line)->Draw(p);
    return b;
}

TEST(Primitiv, FoldLineIsSolidInTheMaskAndDashedElsewhere) {
    EXPECT_EQ(CountInk(Draw("LINESG(5,0) (5,50)", TTypeShow::tsFill)), 51);
    EXPECT_LT(CountInk(Draw("LINESG(5,0) (5,50)", TTypeShow::tsContur)), 51);
    EXPECT_EQ(CountInk(Draw("LINES(5,0) (5,50)", TTypeShow::tsFill)), 0);
    EXPECT_EQ(CountInk(Draw("NIT(5,0) (5,50)", TTypeShow::tsFill)), 0);
}

TEST(Primitiv, CurveEndsOnItsLastPointBeyond101) {
    std::vector<TXY> pts;
    for (int i = 0; i < 150; ++i)
        pts.push_back({i % 2 ? 2 : 1, 1});
    pts.back() = {40, 40};
    TPrimArc arc(pts);
    plat::Bitmap b(60, 60);
    plat::RasterCanvas c(b);
    c.FillRect({0, 0, 60, 60});
    TDrawParams p;
    p.Canvas = &c;
    arc.Draw(p);
    EXPECT_EQ(b.GetPixel(40, 40) & 0xFFFFFF, plat::clBlack);
}

} // namespace
} // namespace geom
