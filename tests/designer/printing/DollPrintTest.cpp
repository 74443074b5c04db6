// The doll on paper: the two views at 0.4 mm a screen pixel with equal gaps, shrunk together on a
// page too narrow for them, and the names of the worn garments from the head down, continued on
// the next page when they run out of room.
#include "designer/printing/DollPrint.h"

#include "platform/print/RecordingPrinter.h"
#include "tests/designer/printing/PrintTestSupport.h"

#include <gtest/gtest.h>

namespace printing {
namespace {

using plat::CanvasCall;

TEST(DollPrint, ViewsAreEightyByHundredFortyFourMillimetresWithEqualGaps) {
    const TDollPageLayout a4 = LayoutDollPage(200, 360, 2480, 3508, 300, 300);
    EXPECT_EQ(a4.Width, 945);
    EXPECT_EQ(a4.Height, 1701);
    EXPECT_EQ(a4.Gap, 196);

    // A page narrower than the two views: both shrink by one ratio and still fit side by side.
    const TDollPageLayout narrow = LayoutDollPage(200, 360, 1000, 3508, 300, 300);
    EXPECT_LE(2 * narrow.Width, 1000);
    EXPECT_NEAR(double(narrow.Height) / narrow.Width, 1701.0 / 945, 0.01);
    EXPECT_GE(narrow.Gap, 0);
}

class DollPrintJob : public ::testing::Test {
protected:
    DollPrintJob() : recorder_(list_.Add<plat::RecordingPrinter>()), guard_(list_) {
        print_test::UseWidgets();
        recorder_.SetFormat(plat::PageFormat::FromMillimetres(210, 297, 300, 24));
    }

    std::vector<std::unique_ptr<geom::TModel>> Dress(const std::vector<TLayer>& layers) {
        std::vector<std::unique_ptr<geom::TModel>> models;
        for (TLayer layer : layers) {
            models.push_back(print_test::BoxModel("Layer" + std::to_string(int(layer)), {{"P", 10, 10}}));
            main_.Layers[int(layer)] = models.back().get();
        }
        return models;
    }

    plat::PrinterList list_;
    plat::RecordingPrinter& recorder_;
    plat::PrinterProviderGuard guard_;
    plat::Printer printer_;
    print_test::FakeMainWindow main_;
};

TEST_F(DollPrintJob, ViewsSideBySideAndNamesFromTheHeadDown) {
    const auto models = Dress({TLayer::Tf, TLayer::Br, TLayer::Sh, TLayer::Wn, TLayer::Bl});
    PrintDoll(main_, printer_);
    ASSERT_EQ(recorder_.Documents().size(), 1u);
    const auto& doc = recorder_.Documents()[0];
    ASSERT_EQ(doc.Pages.size(), 1u);
    std::vector<std::vector<int>> stretched;
    for (const CanvasCall& call : doc.Pages[0].Calls) {
        if (call.What == CanvasCall::Kind::StretchDraw)
            stretched.push_back(call.Args);
    }
    ASSERT_EQ(stretched.size(), 2u);
    EXPECT_EQ(stretched[0], (std::vector<int>{196, 0, 196 + 945, 1701}));
    EXPECT_EQ(stretched[1], (std::vector<int>{2480 - 945 - 196, 0, 2480 - 196, 1701}));
    EXPECT_EQ(recorder_.Texts(0),
              (std::vector<std::string>{"Layer6", "Layer0", "Layer3", "Layer2", "Layer7"}));
}

TEST_F(DollPrintJob, NamesThatDoNotFitContinueOnTheNextPage) {
    // A page only a little taller than the views and the 10 mm below them.
    recorder_.SetFormat(plat::PageFormat::FromMillimetres(210, 144 + 10 + 12, 300, 24));
    const auto models = Dress({TLayer::Sh, TLayer::Wn, TLayer::Pl, TLayer::Hl, TLayer::Bl, TLayer::Br});
    PrintDoll(main_, printer_);
    const auto& doc = recorder_.Documents().at(0);
    ASSERT_EQ(doc.Pages.size(), 2u);
    int namesOnFirst = 0, namesOnSecond = 0;
    int firstY = -1;
    for (const CanvasCall& call : doc.Pages[0].Calls)
        namesOnFirst += call.What == CanvasCall::Kind::TextOut;
    for (const CanvasCall& call : doc.Pages[1].Calls) {
        if (call.What != CanvasCall::Kind::TextOut)
            continue;
        if (firstY < 0)
            firstY = call.Args.at(1);
        ++namesOnSecond;
    }
    EXPECT_GT(namesOnFirst, 0);
    EXPECT_EQ(namesOnFirst + namesOnSecond, 6);
    EXPECT_EQ(firstY, 0); // the rest starts at the top of the next page
}

TEST_F(DollPrintJob, NakedDollPrintsBothViewsAndNoNames) {
    PrintDoll(main_, printer_);
    EXPECT_TRUE(recorder_.Texts(0).empty());
    EXPECT_EQ(recorder_.Documents().at(0).Outcome, plat::RecordedDocument::State::Finished);
}

} // namespace
} // namespace printing
