// The rich-text view on screen, driven headless with synthetic mouse events: what it shows is the
// view's back buffer, the cursor over jumps, jumps by click, the painted scroll bar as the view's
// external bar, and the copy to the clipboard (read back through Qt on the offscreen platform,
// whose clipboard lives inside the process).
#include "designer/richtext/RtfviewControl.h"

#include "designer/controls/PaintScrollBar.h"
#include "designer/controls/ProgramCursors.h"
#include "designer/richtext/RtfPaintScrollBar.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Synthetic.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Colour 1 is red; topic "a" holds a word jump and a plain word, "b" red text, "long" 30 lines.
std::string Document() {
    std::string doc = "{\\rtf1{\\fonttbl{\\f0 Sans;}}{\\colortbl;\\red255\\green0\\blue0;}"
                      "#{\\footnote a}\\plain\\fs24 Read {\\uldb more}{\\v b} here\\par\\page "
                      "#{\\footnote b}\\plain\\fs40\\b\\cf1 Target \\'e4\\'ee\\'ec\\par\\page "
                      "#{\\footnote long}\\plain\\fs24 ";
    for (int i = 0; i < 30; ++i)
        doc += "line" + std::to_string(i) + "\\par ";
    return doc + "}";
}

// The tests of this program share one application object, and windows need the full one: it is
// made before any test could make the plain one that drawing alone needs.
class UiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureUiApplication();
    }
};
testing::Environment* const kUiEnvironment = testing::AddGlobalTestEnvironment(new UiEnvironment);

class RtfviewControlTest : public testing::Test {
protected:
    RtfviewControlTest() {
        form.SetClientSize(320, 200);
        form.SetBounds(0, 0, 320, 200);
        view.SetBounds(0, 0, 300, 200);
        view.View().Document.LoadInput(std::make_unique<TRtfMemoryInput>(Document()), "C:\\help.rtf");
        form.Show();
    }

    // A point inside the first word of line 0 whose jump target is `target` ("" for a word that
    // is no jump), from the layout.
    plat::TPoint PointOn(const std::string& target) {
        const TRTFLine& line = *view.View().Lines.at(0);
        int x = line.OriginX;
        for (TRTFElement* e : line.Elements) {
            if (e->GetTopic() == target && e->LayoutWidth > 2 && IsTextElement(*e) &&
                static_cast<TRTFText*>(e)->Text != " ")
                return {x + e->LayoutWidth / 2, line.Ascent - 2};
            x += e->LayoutWidth;
        }
        ADD_FAILURE() << "no element for \"" << target << "\"";
        return {0, 0};
    }

    static int RedPixels(const plat::Bitmap& shot) {
        int n = 0;
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                n += shot.GetPixel(x, y) == 0x0000FFu;
        return n;
    }

    plat::TForm form;
    TrtfViewControl& view = form.Make<TrtfViewControl>();
};

TEST_F(RtfviewControlTest, ShowsTheBackBufferWithItsBackgroundAndFollowsItsSize) {
    view.View().Color = 0x00FFFF;
    ASSERT_TRUE(view.View().ShowTopic("long"));
    plat::Bitmap shot = view.Snapshot();
    ASSERT_EQ(shot.Width(), 300);
    ASSERT_EQ(view.View().BackBuffer.Width(), 300);
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 300; x += 5)
            ASSERT_EQ(shot.GetPixel(x, y), view.View().BackBuffer.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(shot.GetPixel(299, 199), 0x00FFFFu); // the part line below the last full one
    bool called = false;
    view.View().OnBackground = [&](plat::Canvas& canvas) {
        called = true;
        canvas.Brush = plat::TBrush{0x00FF00, plat::BrushStyle::Solid};
        canvas.FillRect(plat::Rect(0, 0, view.Width(), view.Height()));
    };
    EXPECT_EQ(view.Snapshot().GetPixel(299, 199), 0x00FF00u);
    EXPECT_TRUE(called);

    // Narrower: laid out again at the new width, a line wrapping where it did not before.
    ASSERT_TRUE(view.View().ShowTopic("a"));
    const size_t wide = view.View().Lines.size();
    view.SetBounds(0, 0, 40, 200);
    EXPECT_EQ(view.Snapshot().Width(), 40);
    EXPECT_EQ(view.View().Width(), 40);
    EXPECT_GT(view.View().Lines.size(), wide);
}

TEST(RtfviewControlHiddenTest, AWindowNotYetShownLaysOutAtTheControlsSize) {
    plat::TForm form;
    form.SetClientSize(320, 200);
    auto& view = form.Make<TrtfViewControl>();
    view.SetBounds(0, 0, 300, 200);
    view.View().Document.LoadInput(std::make_unique<TRtfMemoryInput>(Document()), "C:\\help.rtf");
    bool overflows = true;
    view.View().OnJumped = [&](const std::string&) { overflows = view.View().OverflowsView(); };
    ASSERT_TRUE(view.View().ShowTopic("a"));
    EXPECT_EQ(view.View().Width(), 300);
    EXPECT_EQ(view.View().Lines.size(), 1u);
    EXPECT_FALSE(overflows); // a help window hides its scroll bar for this topic
}

TEST_F(RtfviewControlTest, HotCursorOverAJumpOnlyAndAClickShowsItsTarget) {
    view.HotCursor = crHand;
    view.SetCursor(crRotate);
    ASSERT_TRUE(view.View().ShowTopic("a"));
    const plat::Bitmap before = view.Snapshot(); // painting places the jumps
    EXPECT_EQ(RedPixels(before), 0);
    const plat::TPoint jump = PointOn("b");
    const plat::TPoint plain = PointOn("");

    plat::SendMouse(view, plat::TMouseAction::Move, plat::TMouseButton::Left, jump.X, jump.Y);
    EXPECT_EQ(view.Cursor(), crHand);
    plat::SendMouse(view, plat::TMouseAction::Move, plat::TMouseButton::Left, plain.X, plain.Y);
    EXPECT_EQ(view.Cursor(), crRotate);
    plat::SendMouse(view, plat::TMouseAction::Move, plat::TMouseButton::Left, jump.X, jump.Y);
    plat::SendMouse(view, plat::TMouseAction::Move, plat::TMouseButton::Left, 299, 199);
    EXPECT_EQ(view.Cursor(), crRotate);

    // A click on plain text and a right click on the jump go nowhere.
    std::vector<std::string> jumped;
    view.View().OnJumped = [&](const std::string& topic) { jumped.push_back(topic); };
    plat::Click(view, plain.X, plain.Y);
    plat::SendMouse(view, plat::TMouseAction::Press, plat::TMouseButton::Right, jump.X, jump.Y);
    plat::SendMouse(view, plat::TMouseAction::Release, plat::TMouseButton::Right, jump.X, jump.Y);
    EXPECT_TRUE(jumped.empty());
    EXPECT_FALSE(view.View().CanGoBack());

    plat::SendMouse(view, plat::TMouseAction::Move, plat::TMouseButton::Left, jump.X, jump.Y);
    plat::Click(view, jump.X, jump.Y);
    EXPECT_EQ(jumped, std::vector<std::string>{"b"});
    EXPECT_EQ(view.View().Document.CurrentTopicName, "b");
    EXPECT_TRUE(view.View().CanGoBack());
    EXPECT_EQ(view.Cursor(), crRotate);        // the new topic has no jump under the mouse
    EXPECT_GT(RedPixels(view.Snapshot()), 20); // the target's red text is on screen

    view.View().GoBack();
    EXPECT_EQ(RedPixels(view.Snapshot()), 0);
    EXPECT_FALSE(view.View().CanGoBack());
}

TEST_F(RtfviewControlTest, PaintedScrollBarFollowsTheViewAndScrollsIt) {
    auto& bar = form.Make<TPaintScrollBar>();
    bar.SetBounds(300, 0, 17, 200);
    view.SetScrollBar(std::make_unique<TRtfPaintScrollBar>(bar));
    ASSERT_TRUE(view.View().ShowTopic("long"));
    const TrtfView& v = view.View();
    const int lineHeight = v.Lines.at(0)->Height();
    ASSERT_GT(lineHeight, 0);
    const int fit = 200 / lineHeight;
    ASSERT_LT(fit, 30);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Max(), 30 - fit); // the last position shows the last lines in full
    EXPECT_EQ(bar.State().LargeChange(), lineHeight);

    // The down arrow scrolls by one line: what was the second line is now on top.
    const plat::Bitmap before = view.Snapshot();
    plat::Click(bar, 8, 195);
    EXPECT_EQ(bar.Position(), 1);
    EXPECT_EQ(v.Line(), 1);
    const plat::Bitmap after = view.Snapshot();
    for (int y = 0; y < lineHeight; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(after.GetPixel(x, y), before.GetPixel(x, y + lineHeight)) << x << "," << y;

    // The view moves the bar, and the bar cannot scroll past the view's last line.
    view.View().SetLine(5);
    EXPECT_EQ(bar.Position(), 5);
    bar.SetPosition(bar.Max());
    EXPECT_EQ(v.Line(), bar.Max());
    EXPECT_FALSE(v.OverflowsView());

    // A short topic sets the bar up again: nothing to scroll.
    ASSERT_TRUE(view.View().ShowTopic("a"));
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(v.Line(), 0);

    // A detached bar no longer scrolls the view.
    view.SetScrollBar(nullptr);
    ASSERT_TRUE(view.View().ShowTopic("long"));
    bar.SetMax(10);
    bar.SetPosition(4);
    EXPECT_EQ(v.Line(), 0);
}

TEST_F(RtfviewControlTest, CopyPutsBothFormatsOnTheClipboard) {
    plat::SetClipboardTexts("before", "{\\rtf1 before}");
    view.CopyToClipboard(); // nothing shown yet: the clipboard stays as it was
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), "before");

    ASSERT_TRUE(view.View().ShowTopic("b"));
    view.CopyToClipboard();
    data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), "\r\nTarget дом\r\n");
    ASSERT_TRUE(data->hasFormat("text/rtf"));
    const std::string rtf = data->data("text/rtf").toStdString();
    EXPECT_EQ(rtf.substr(0, view.View().Document.HeaderEnd),
              "{\\rtf1{\\fonttbl{\\f0 Sans;}}{\\colortbl;\\red255\\green0\\blue0;}");
    EXPECT_NE(rtf.find("\\fs40\\b\\cf1 Target \xE4\xEE\xEC\\par\\page "), std::string::npos) << rtf;
}

} // namespace
