// Reading model files: the header, the keyword table, indentation, line ends, and every kind of
// bad input the reader must refuse with a message naming the offending text and line.
#include "designer/geometry/Model.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace geom {
namespace {

std::unique_ptr<TModel> FromText(const std::string& text) {
    TModelFile file("test.mdl", text);
    return std::make_unique<TModel>(file, "models\\test", nullptr, 240, 180, TTypeShow::tsUnVisible);
}

TEST(ModelReader, ReadsTheWorkedExample) {
    const std::string bytes =
        testing_support::ReadHostFile(std::string(VELMORA_SOURCE_DIR) + "/tests/data/model_file/jacket.mdl");
    auto model = FromText(bytes);
    EXPECT_EQ(model->Name, "Jacket");
    EXPECT_EQ(model->SheetWidth, 120);
    EXPECT_EQ(model->SheetHeight, 90);
    EXPECT_TRUE(model->HatFlag);
    EXPECT_EQ(model->Conflicts, (std::vector<std::string>{"Skirt1", "Hat2"}));
    ASSERT_EQ(model->Pieces.size(), 1u);
    const TDetal& piece = *model->Pieces[0];
    EXPECT_EQ(piece.Name, "Front");
    EXPECT_EQ(piece.SizeX, 60);
    EXPECT_EQ(piece.SizeY, 90);
    ASSERT_EQ(piece.Primitives.size(), 7u);
    EXPECT_EQ(piece.Primitives[2]->GetText(), "LINESG(0,0) (0,90)");
    EXPECT_EQ(piece.Primitives[3]->GetText(), "ARC(60,0) (70,45) (60,90)");
    EXPECT_EQ(piece.Primitives[6]->GetText(), "TEXT(5,80) *");
    ASSERT_NE(piece.Primitives[5]->FillPoint(), nullptr);
}

TEST(ModelReader, BodyLinesAndLineEnds) {
    // Bare LF reads as CR LF; tabs and blanks indent; keywords ignore case; unknown lines are skipped;
    // the last piece may end at the end of the file.
    auto model = FromText("M(10,10)\nA(0,0,5,5)\n{\n\t  arc2y(0,0) (1,1)\nremark\nlinesp(0,0) (1,1)\n}\n"
                          "B(1,1,2,2)\n{\n}\nC(0,0,3,3)\nEllipse2(0,0) (2,2) (2,1) (0,1) 1");
    ASSERT_EQ(model->Pieces.size(), 3u);
    EXPECT_TRUE(model->Conflicts.empty());
    EXPECT_FALSE(model->HatFlag);
    ASSERT_EQ(model->Pieces[0]->Primitives.size(), 2u);
    EXPECT_EQ(model->Pieces[0]->Primitives[0]->GetText(), "ARC2Y(0,0) (1,1)");
    EXPECT_EQ(model->Pieces[0]->Primitives[1]->GetText(), "LINESP(0,0) (1,1)");
    EXPECT_TRUE(model->Pieces[1]->Primitives.empty());
    EXPECT_EQ(model->Pieces[2]->Primitives[0]->GetText(), "Ellipse2(0,0) (2,2) (2,1) (0,1) 1");
}

struct BadCase {
    const char* text;
    const char* message; // part of the message
    int line;
};

class ModelReaderBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(ModelReaderBad, IsRefusedNamingTextAndLine) {
    try {
        FromText(GetParam().text);
        FAIL() << "accepted";
    } catch (const EModelFileError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
        EXPECT_EQ(e.Line, GetParam().line) << e.what();
        EXPECT_EQ(e.File, "test.mdl");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelReaderBad,
    ::testing::Values(
        BadCase{"M(1x,10)\n", "'1x' is not a valid integer value", 1},
        BadCase{"M(10)\n", "'' is not a valid integer value", 1},
        BadCase{"M(10,10)\nA(0,0,5,5)\nLINESGX(0,0) (1,1)\n}\n", "'X(0' is not a valid integer value", 3},
        BadCase{"M(10,10)\nA(0,0,5,5)\n}\n\n", "'' is not a valid integer value", 4},
        BadCase{"M(10,10)\nA(0,0,5,5)\nARC(0,0)\n}\n", "at least two points", 3},
        BadCase{"M(0,10)\n", "sheet width 0", 1}, BadCase{"M(10,10)\nA(0,0,-5,5)\n}\n", "piece size", 2},
        BadCase{"M(10,10)\nA(0,0,5,5)\nLINE(99999999999,0) (1,1)\n}\n", "not a valid integer", 3},
        // Numbers are decimal only: no hexadecimal forms and no blanks before the digits, in the
        // header, a piece header, a point and an allowance alike.
        BadCase{"M($1F,10)\n", "'$1F' is not a valid integer value", 1},
        BadCase{"M(10, 10)\n", "' 10' is not a valid integer value", 1},
        BadCase{"M(10,10)\nA(0,0x1F,5,5)\n}\n", "'0x1F' is not a valid integer value", 2},
        BadCase{"M(10,10)\nA(0,0,\t5,5)\n}\n", "'\t5' is not a valid integer value", 2},
        BadCase{"M(10,10)\nA(0,0,5,5)\nLINE(0,$1F) (1,1)\n}\n", "'$1F' is not a valid integer value", 3},
        BadCase{"M(10,10)\nA(0,0,5,5)\nLINE(0x1F,0) (1,1)\n}\n", "'0x1F' is not a valid integer value", 3},
        BadCase{"M(10,10)\nA(0,0,5,5)\nLINE(0,\t1) (1,1)\n}\n", "'\t1' is not a valid integer value", 3},
        BadCase{"M(10,10)\nA(0,0,5,5)\nELLIPSE2(0,0) (2,2) (2,1) (0,1) $1\n}\n",
                "'$1' is not a valid integer value", 3},
        BadCase{"M(10,10)\nA(0,0,5,5)\nELLIPSE2(0,0) (2,2) (2,1) (0,1) 0x1\n}\n",
                "'0x1' is not a valid integer value", 3}));

TEST(ModelReader, RefusesMoreThan64Pieces) {
    std::string text = "M(10,10)\n";
    for (int i = 0; i < 65; ++i)
        text += "P(0,0,1,1)\n}\n";
    EXPECT_THROW(FromText(text), EModelFileError);
    text.resize(text.size() - std::string("P(0,0,1,1)\n}\n").size());
    EXPECT_EQ(FromText(text)->Pieces.size(), 64u);
}

TEST(ModelReader, ExtremeCoordinatesRenderWithoutOverflow) {
    auto model = FromText("M(1000000,1000000)\nA(0,0,1000000,1000000)\n"
                          "LINE(-2147483648,-2147483648) (2147483647,2147483647)\n"
                          "ARC(2147483647,0) (0,-2147483648) (5,5)\nEllipse2(-2147483648,0) (2147483647,5) "
                          "(0,0) (1,1) 2147483647\n"
                          "POINTFILL(2147483647,-2147483648)\nTEXT(2147483647,0) a\n}\n");
    for (auto mode : {TTypeShow::tsFill, TTypeShow::tsContur, TTypeShow::tsEdit})
        model->SetTypeShow(mode);
    EXPECT_EQ(model->Sheet.Width(), 180); // a square sheet in 240 x 180
}

} // namespace
} // namespace geom
