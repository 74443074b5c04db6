// The view: line breaking and alignment, the keep-next region, the scroll bar, painting, jumps,
// history, the clipboard copy, printing, and the description panes' size words.
#include "designer/richtext/Rtfview.h"

#include "designer/richtext/RtfScale.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/print/RecordingPrinter.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/Scratch.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class RtfviewTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }

    // Elements with fixed sizes, so that layout is checked apart from fonts.
    TRTFParagraph& Para(int alignment = alLeft, int firstIndent = 0, int leftIndent = 0) {
        auto p = std::make_unique<TRTFParagraph>(nullptr, 24);
        p->Attrs.Alignment = static_cast<uint8_t>(alignment);
        p->Attrs.FirstIndent = firstIndent;
        p->Attrs.LeftIndent = leftIndent;
        p->Ascent = 8;
        p->Descent = 2;
        auto& ref = *p;
        view.Document.Elements.push_back(std::move(p));
        return ref;
    }
    TRTFElement& Add(std::unique_ptr<TRTFElement> e, int width) {
        e->NaturalWidth = e->LayoutWidth = width;
        e->Ascent = 8;
        e->Descent = 2;
        auto& ref = *e;
        view.Document.Elements.push_back(std::move(e));
        return ref;
    }
    TRTFElement& Word(int width) { return Add(std::make_unique<TRTFText>("w", TTextStyle{}), width); }
    TRTFElement& Space(int width = 5) { return Add(std::make_unique<TRTFSpace>(TTextStyle{}), width); }

    TrtfView view;
};

TEST_F(RtfviewTest, JustifiedLinesSpreadTheSpareWidthWithCarriedRounding) {
    view.Resize(100, 100);
    Para(alJustify);
    Word(40), Space(), Word(20), Space(), Word(23), Word(50); // 40+5+20+5+23 = 93: 7 to spare
    Para();
    view.LayoutLines(view.ViewCanvas(), 100);
    ASSERT_EQ(view.Lines.size(), 2u);
    const auto& first = view.Lines[0]->Elements;
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[1]->LayoutWidth, 5 + 4); // 3.5 rounds to 4 ...
    EXPECT_EQ(first[3]->LayoutWidth, 5 + 3); // ... and the carried -0.5 + 3.5 to 3
    // A paragraph's last line is not justified, and laying out again starts afresh.
    view.LayoutLines(view.ViewCanvas(), 100);
    EXPECT_EQ(view.Lines[0]->Elements[1]->LayoutWidth, 9);
}

TEST_F(RtfviewTest, LinesBreakIndentAndAlign) {
    view.Resize(100, 100);
    Para(alRight);
    Word(60), Space(), Word(60); // breaks after the space, which is removed but keeps its gap
    Para(alCenter);
    Word(40);
    Para();
    Word(150); // wider than the line: an empty line comes first
    Para();
    Word(10); // after the last paragraph mark: not shown
    view.LayoutLines(view.ViewCanvas(), 100);
    ASSERT_EQ(view.Lines.size(), 5u);
    EXPECT_EQ(view.Lines[0]->Elements.size(), 1u);
    EXPECT_EQ(view.Lines[0]->OriginX, 100 - 65);
    EXPECT_EQ(view.Lines[1]->OriginX, 40);
    EXPECT_EQ(view.Lines[2]->OriginX, 30);
    EXPECT_TRUE(view.Lines[3]->Elements.empty());
    EXPECT_EQ(view.Lines[4]->Elements.size(), 1u);
}

TEST_F(RtfviewTest, TabInAHangingFirstLineReachesTheLeftIndent) {
    view.Resize(200, 100);
    Para(alLeft, /*firstIndent=*/-360, /*leftIndent=*/360); // 24 px at 96 dpi
    Word(10);
    auto& tab = Add(std::make_unique<TRTFTab>(720), 0);
    Word(10);
    Para();
    view.LayoutLines(view.ViewCanvas(), 200);
    ASSERT_EQ(view.Lines.size(), 1u);
    EXPECT_EQ(view.Lines[0]->OriginX, 0);
    EXPECT_EQ(tab.LayoutWidth, 14); // from x = -14 to the left indent
}

TEST_F(RtfviewTest, LineSpacingAndParagraphSpacing) {
    view.Resize(200, 100);
    auto& p = Para();
    p.Attrs.LineSpacing = 480; // 32 px minimum
    p.Attrs.SpaceBefore = 150; // 10 px
    p.Attrs.SpaceAfter = 75;   // 5 px
    Word(10);
    Para();
    view.LayoutLines(view.ViewCanvas(), 200);
    ASSERT_EQ(view.Lines.size(), 1u);
    EXPECT_EQ(view.Lines[0]->Ascent, 30 + 10);
    EXPECT_EQ(view.Lines[0]->Descent, 2 + 5);
}

class FakeScrollBar : public IRtfScrollBar {
public:
    void SetLargeChange(int step) override { LargeChange = step; }
    void SetMin(int value) override { Min = value; }
    void SetMax(int value) override { Max = value; }
    void SetPosition(int value) override { Pos = value; }
    int Position() const override { return Pos; }
    void SetOnChange(std::function<void()> handler) override { OnChange = std::move(handler); }
    int LargeChange = -1, Min = -1, Max = -1, Pos = -1;
    std::function<void()> OnChange;
};

TEST_F(RtfviewTest, ScrollBarCountsTheLinesThatFit) {
    FakeScrollBar bar;
    view.ScrollBar = &bar;
    view.Resize(100, 50);
    for (int i = 0; i < 4; ++i) {
        auto& p = Para();
        p.Attrs.LineSpacing = 300; // 20 px lines
        Word(10);
    }
    Para();
    view.LayoutLines(view.ViewCanvas(), 100);
    view.UpdateScrollBar();
    EXPECT_EQ(bar.Max, 2);
    EXPECT_EQ(bar.LargeChange, 20);
    EXPECT_TRUE(view.OverflowsView());
    bar.Pos = 7;
    bar.OnChange();
    EXPECT_EQ(view.Line(), 3); // clamped to the last scrolling line
    EXPECT_EQ(bar.Pos, 3);
    EXPECT_FALSE(view.OverflowsView());
}

std::unique_ptr<TRtfMemoryInput> Doc(const std::string& body) {
    return std::make_unique<TRtfMemoryInput>("{\\rtf1{\\fonttbl{\\f0 Sans;}}" + body);
}

TEST_F(RtfviewTest, KeepNextLinesStayOnTopWithASeparator) {
    view.Resize(300, 200);
    view.Document.LoadInput(
        Doc("#{\\footnote t}\\pard\\keepn\\plain Head\\par\\pard\\plain one\\par\\keepn two\\par}"),
        "C:\\x.rtf");
    ASSERT_TRUE(view.ShowTopic("t"));
    EXPECT_EQ(view.FixedLineCount, 1); // the keep-next line further down scrolls
    EXPECT_EQ(view.ScrollLineCount, 2);
    view.Color = 0x00FFFF;
    view.Paint();
    const int y = view.Lines[0]->Height();
    EXPECT_EQ(view.BackBuffer.GetPixel(150, y), plat::clBlack); // the separating line
    EXPECT_EQ(view.BackBuffer.GetPixel(299, 199), 0x00FFFFu);   // the background colour
    bool called = false;
    view.OnBackground = [&](plat::Canvas&) { called = true; };
    view.Paint();
    EXPECT_TRUE(called);
}

TEST_F(RtfviewTest, JumpsHistoryAndContents) {
    view.Resize(400, 300);
    view.Document.LoadInput(
        Doc("\\plain start\\par\\page#{\\footnote a}\\plain {\\uldb go}{\\v b} "
            "{\\pict\\picwgoal600\\pichgoal600 0100090000030c000000000000000000}{\\v b}\\par\\page"
            "#{\\footnote b}\\plain here\\par}"),
        "C:\\x.rtf");
    view.ShowContents(); // no CONTENTS topic: the first one
    EXPECT_EQ(view.Document.CurrentTopicName, "Contents");
    ASSERT_TRUE(view.ShowTopic("a"));
    ASSERT_TRUE(view.ShowTopic("a"));
    EXPECT_EQ(view.History, (std::vector<std::string>{"Contents", "a"}));
    view.Paint();

    std::vector<std::string> jumps;
    view.OnJump = [&](const std::string& text, const std::string& target, bool& accept) {
        jumps.push_back(text + ">" + target);
        accept = jumps.size() > 1;
    };
    const auto& line = *view.Lines.at(0);
    int x = line.OriginX;
    std::vector<std::pair<int, int>> hits;
    for (TRTFElement* e : line.Elements) {
        if (!e->GetTopic().empty())
            hits.push_back({x + 1, line.Ascent - 1});
        x += e->LayoutWidth;
    }
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_TRUE(view.MouseMove(hits[0].first, hits[0].second));
    EXPECT_FALSE(view.MouseMove(399, 299));
    view.LeftButtonDown(hits[0].first, hits[0].second); // refused by the handler
    EXPECT_EQ(view.Document.CurrentTopicName, "a");
    view.LeftButtonDown(hits[1].first, hits[1].second);
    EXPECT_EQ(jumps, (std::vector<std::string>{"go>b", "HOTBITMAP>b"}));
    EXPECT_EQ(view.Document.CurrentTopicName, "b");

    const TRtfClipboardData clip = view.CopyToClipboard();
    EXPECT_EQ(clip.PlainText, "\r\nhere\r\n");
    EXPECT_EQ(clip.RichText.substr(0, view.Document.HeaderEnd), "{\\rtf1{\\fonttbl{\\f0 Sans;}}");
    // The start state as control words (black and white are colours 1 and 16), then the tokens.
    EXPECT_EQ(clip.RichText.substr(view.Document.HeaderEnd),
              "\\f0\\fs24\\cf1\\cb16\\fi0\\li0\\ri0\\sb0\\sa0\\linex0\\ql \\plain here\\par}");

    view.GoBack();
    EXPECT_EQ(view.Document.CurrentTopicName, "a");
    view.GoBack();
    view.GoBack(); // one entry left: nothing happens
    EXPECT_EQ(view.History, (std::vector<std::string>{"Contents"}));
    EXPECT_FALSE(view.ShowTopic("nowhere"));
    EXPECT_EQ(view.Document.CurrentTopicName, "Contents");
}

TEST_F(RtfviewTest, ClipboardCopyHasTheWholeHeaderAndEndsAtThePageBreak) {
    // A header past the 64 KB the file is read by at a time, and topics divided by "\\page"
    // without the space after it.
    std::string header = "{\\rtf1{\\fonttbl{\\f0 Sans;}}{\\stylesheet";
    for (int i = 0; header.size() < 80 * 1024; ++i)
        header += "{\\s" + std::to_string(i % 200) + " Style number " + std::to_string(i) + ";}";
    header += "}";
    const std::string hostDir = testing_support::MakeScratchDir("clip");
    testing_support::WriteHostFile(hostDir + "/doc.rtf",
                                   header + "#{\\footnote a}\\plain one\\par\\page#{\\footnote b}\\plain two\\par}");
    const std::string dir = plat::IncludeTrailingBackslash(plat::WinPathOf(hostDir));
    ASSERT_TRUE(view.LoadFile(dir + "doc.rtf", dir + "doc.rtc"));
    ASSERT_TRUE(view.ShowTopic("a"));
    ASSERT_EQ(view.Document.HeaderEnd, header.size());

    const TRtfClipboardData clip = view.CopyToClipboard();
    EXPECT_EQ(clip.PlainText, "\r\none\r\n");
    ASSERT_GE(clip.RichText.size(), header.size());
    EXPECT_EQ(clip.RichText.substr(0, header.size()), header);
    EXPECT_TRUE(clip.RichText.ends_with("\\plain one\\par\\page")) << clip.RichText.substr(header.size());
}

TEST_F(RtfviewTest, PrintingPaginatesWithinTheMarginsAndMonochromePrintsBlack) {
    plat::PrinterList printers;
    auto format = plat::PageFormat::FromMillimetres(100, 60, 96, /*bitsPerPixel=*/1);
    auto& recorder = printers.Add<plat::RecordingPrinter>("Rec", format);
    plat::PrinterProviderGuard guard(printers);
    plat::Printer printer;

    std::string body = "#{\\footnote t}\\plain\\cf2\\fs24 ";
    for (int i = 0; i < 12; ++i)
        body += "line" + std::to_string(i) + "\\par ";
    view.Resize(300, 200);
    view.Document.LoadInput(Doc(body + "}"), "C:\\x.rtf");
    ASSERT_TRUE(view.ShowTopic("t"));
    view.PrintMarginTop = 0;
    int pages = 0;
    view.OnNewPage = [&] { ++pages; };
    view.OnPrinted = [](int&, int&) { throw std::runtime_error("swallowed"); };
    view.Print(printer);
    ASSERT_EQ(recorder.Documents().size(), 1u);
    const auto& doc = recorder.Documents()[0];
    EXPECT_EQ(static_cast<int>(doc.Pages.size()), pages);
    EXPECT_GT(pages, 1);
    const int left = plat::Round(20 / 100.0 * format.Width);
    const int bottomLimit = format.Height - plat::Round(20 / 60.0 * format.Height);
    for (const auto& page : doc.Pages) {
        for (const auto& call : page.Calls) {
            if (call.What != plat::CanvasCall::Kind::TextOut)
                continue;
            EXPECT_GE(call.Args[0], left);
            EXPECT_LT(call.Args[1], bottomLimit);
            EXPECT_EQ(call.Font.Color, plat::clBlack);
        }
    }
    EXPECT_EQ(view.Width(), 300); // laid out for the screen again
}

TEST_F(RtfviewTest, DescriptionPanesScaleTheirSizeWordsAndTakeTheFontAndMargins) {
    const std::string dir = plat::WinPathOf(testing_support::MakeScratchDir("describe"));
    Settings().CDPath = plat::IncludeTrailingBackslash(dir);
    plat::ForceDirectories(Settings().CDPath + "models");
    plat::WriteFileBytes(
        Settings().CDPath + "models\\coat.rtf",
        "{\\rtf1{\\fonttbl{\\f1 Serif;}}#{\\footnote coat}\\plain\\f1 Cut !X4.5 by !y10 cm !Z3\\par}");
    TRtfViewScale pane;
    pane.Resize(300, 100);
    LoadDescriptionFile(pane, "models\\coat", "Vizo", 5, TDollFactors{2.0, 1.5});
    std::string words;
    for (const auto& e : pane.Document.Elements) {
        if (IsTextElement(*e))
            words += static_cast<TRTFText&>(*e).Text + " ";
    }
    EXPECT_EQ(words, "Cut 9 by 16 cm !Z3 ");
    EXPECT_EQ(pane.Document.Fonts[1]->Font.Name, "Vizo");
    EXPECT_EQ(pane.Document.Fonts[1]->SavedName, "Serif");
    EXPECT_EQ(pane.PrintMarginLeft, 5);
    EXPECT_EQ(pane.PrintMarginRight, 5);
    EXPECT_EQ(pane.PrintMarginTop, 20);
    EXPECT_EQ(pane.Lines.size(), 1u);
}

TEST(RtfScale, SizeWordsFollowTheDoll) {
    struct Case {
        const char* Word;
        TDollFactors Factors;
        const char* Shown;
    };
    const Case cases[] = {
        {"!X4.5", {2, 1}, "9"},   {"!x4.5", {2, 1}, "10"},    {"!X3.3", {2, 1}, "6.6"},
        {"!x12", {1, 1}, "12"},   {"!X12", {0, 0}, "0"},      {"!x12", {0, 0}, "1"},
        {"!Y10", {1, 1.5}, "15"}, {"!y10", {2, 1.5}, "16"},   {"!Z12", {2, 2}, "!Z12"},
        {"!X", {2, 2}, "!X"},     {"!Xabc", {2, 2}, "!Xabc"}, {"word", {2, 2}, "word"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleSizeWord(c.Word, c.Factors), c.Shown) << c.Word;
}

// The designer runs under the desktop's locale once the toolkit has started; a Russian desktop
// must still read "6.6", not "6,6".
TEST(RtfScale, SizeWordsKeepTheirPointOnARussianDesktop) {
    VELMORA_UNDER_COMMA_LOCALE();
    EXPECT_EQ(ScaleSizeWord("!X3.3", {2, 1}), "6.6");
    EXPECT_EQ(ScaleSizeWord("!y6.5", {1, 1.2}), "8.8");
}

} // namespace
