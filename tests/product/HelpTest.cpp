// The help document of the CD image, read with the designer's own rich-text reader from the place
// the help window asks for it: the topics the windows open and the contents exist, every topic
// shows Russian text, every jump lands on a topic, every topic can be reached from the contents,
// and every bitmap reference resolves to a picture that fits the help view. Also the conversion
// of the hand-written source into the form the reader takes.
#include "data/texts/help/RtfSource.h"
#include "designer/richtext/Rtfview.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/text/Cp1251.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;

// The help window's view (left 15, top 31 in the window) is 388 by 280 pixels.
constexpr int kViewWidth = 388;
constexpr int kViewHeight = 280;

bool HasCyrillic(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
}

class HelpDocument : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }

    void SetUp() override {
        ASSERT_TRUE(fs::exists(HostFile())) << HostFile();
        // Resolved as the window does it: the data folder plus the help's relative name. The index
        // cache goes to a scratch folder, so the CD image stays as the build made it.
        const std::string cd = plat::IncludeTrailingBackslash(plat::WinPathOf(VELMORA_CD_DIR));
        const std::string cache = testing_support::MakeScratchDir("help") + "/help.rtc";
        view_.Resize(kViewWidth, kViewHeight);
        ASSERT_TRUE(view_.LoadFile(cd + "Resource\\Help\\help.rtf", plat::WinPathOf(cache)));
    }

    static std::string HostFile() { return std::string(VELMORA_CD_DIR) + "/Resource/Help/help.rtf"; }

    std::set<std::string> TopicIds() const {
        std::set<std::string> ids;
        for (const TTopic& t : view_.Document.Topics)
            ids.insert(t.ContextId);
        return ids;
    }

    // Shows a topic and returns the targets of its jumps.
    std::set<std::string> Show(const std::string& id) {
        EXPECT_TRUE(view_.ShowTopic(id)) << id;
        std::set<std::string> targets;
        for (const auto& e : view_.Document.Elements) {
            if (!e->GetTopic().empty())
                targets.insert(e->GetTopic());
        }
        return targets;
    }

    TrtfView view_;
};

TEST_F(HelpDocument, HasTheTopicsTheWindowsOpenAndAContents) {
    std::map<std::string, int> count;
    for (const TTopic& t : view_.Document.Topics) {
        ++count[t.ContextId];
        EXPECT_FALSE(t.ContextId.empty()) << "a topic without a \"#\" name after " << view_.Document.Topics.size();
        EXPECT_FALSE(t.Title.empty()) << t.ContextId;
    }
    for (const auto& [id, n] : count)
        EXPECT_EQ(n, 1) << id << " is named twice; only the first could be shown";
    for (const char* key : {"main", "key_opsvform", "key_print_d", "key_print_v"})
        EXPECT_TRUE(count.count(key)) << key;

    view_.ShowContents();
    ASSERT_FALSE(view_.History.empty());
    EXPECT_EQ(plat::UpperCase(view_.History.back()), "CONTENTS");
    // The "$" titles are read through the cp1251 escapes.
    const auto main = std::find_if(view_.Document.Topics.begin(), view_.Document.Topics.end(),
                                   [](const TTopic& t) { return t.ContextId == "main"; });
    ASSERT_NE(main, view_.Document.Topics.end());
    EXPECT_EQ(main->Title, plat::Ru("Главный экран"));
}

TEST_F(HelpDocument, EveryTopicShowsRussianTextToItsLastLine) {
    for (const std::string& id : TopicIds()) {
        SCOPED_TRACE(id);
        Show(id);
        const auto& elements = view_.Document.Elements;
        int words = 0;
        int russian = 0;
        for (const auto& e : elements) {
            if (!IsTextElement(*e))
                continue;
            const std::string& text = static_cast<const TRTFText&>(*e).Text;
            ++words;
            russian += HasCyrillic(text);
            EXPECT_EQ(text.find('\\'), std::string::npos) << "an escape shown as text: " << plat::Cp1251ToUtf8(text);
        }
        EXPECT_GE(words, 10);
        EXPECT_GE(russian * 2, words) << "most words are Russian";
        // Text after the last paragraph mark of a topic is never shown.
        auto last = std::find_if(elements.rbegin(), elements.rend(),
                                 [](const auto& e) { return e->Kind() != ElementKind::Space; });
        ASSERT_NE(last, elements.rend());
        EXPECT_EQ((*last)->Kind(), ElementKind::Paragraph) << "the topic does not end with a paragraph mark";
        EXPECT_FALSE(view_.Lines.empty());
    }
}

TEST_F(HelpDocument, EveryJumpLandsOnATopicAndTheContentsReachesAll) {
    const std::set<std::string> ids = TopicIds();
    std::map<std::string, std::set<std::string>> jumps;
    for (const std::string& id : ids) {
        jumps[id] = Show(id);
        for (const std::string& target : jumps[id])
            EXPECT_TRUE(ids.count(target)) << id << " jumps to the missing topic " << target;
    }
    view_.ShowContents();
    std::set<std::string> reached{view_.History.back()};
    std::deque<std::string> queue{view_.History.back()};
    while (!queue.empty()) {
        for (const std::string& next : jumps[queue.front()]) {
            if (reached.insert(next).second)
                queue.push_back(next);
        }
        queue.pop_front();
    }
    for (const std::string& id : ids)
        EXPECT_TRUE(reached.count(id)) << id << " cannot be reached from the contents";
    EXPECT_FALSE(jumps["contents"].empty());
}

TEST_F(HelpDocument, EveryPictureLoadsAndFitsTheView) {
    int pictures = 0;
    for (const std::string& id : TopicIds()) {
        SCOPED_TRACE(id);
        Show(id);
        int here = 0;
        for (const auto& e : view_.Document.Elements) {
            if (IsTextElement(*e)) {
                // A reference to a missing file is shown as its name in braces.
                const std::string& text = static_cast<const TRTFText&>(*e).Text;
                EXPECT_FALSE(text.size() > 1 && text.front() == '{' && text.back() == '}')
                    << "unresolved picture " << plat::Cp1251ToUtf8(text);
            }
            if (!IsBitmapElement(*e))
                continue;
            const auto& bitmap = static_cast<const TRTFBitmap&>(*e);
            ASSERT_TRUE(bitmap.Picture);
            EXPECT_FALSE(bitmap.Picture->Empty());
            EXPECT_GT(bitmap.WidthTwips, 0);
            ++here;
        }
        // The view draws only whole lines: a line taller than the room under the fixed title
        // would never be seen, however far the child scrolls.
        int fixedHeight = 0;
        for (int i = 0; i < view_.FixedLineCount; ++i)
            fixedHeight += view_.Lines[i]->Height();
        for (const auto& line : view_.Lines) {
            int right = line->OriginX;
            bool hasPicture = false;
            for (const TRTFElement* e : line->Elements) {
                right += e->LayoutWidth;
                hasPicture |= IsBitmapElement(*e);
            }
            if (!hasPicture)
                continue;
            EXPECT_LE(right, kViewWidth) << "a picture overhangs the help view";
            EXPECT_LT(fixedHeight + line->Height(), kViewHeight) << "a picture line that never fits the view";
        }
        pictures += here;
        const bool windowTopic = id == "main" || id.rfind("key_", 0) == 0;
        if (windowTopic)
            EXPECT_GT(here, 0) << "the topic a window opens shows that window";
    }
    EXPECT_GT(pictures, 0);
}

TEST(HelpFile, HasNoZeroByteAndEndsLinesWithCrLf) {
    const std::string path = std::string(VELMORA_CD_DIR) + "/Resource/Help/help.rtf";
    ASSERT_TRUE(fs::exists(path)) << path;
    const std::string bytes = testing_support::ReadHostFile(path);
    for (size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_NE(bytes[i], '\0') << "the reader stops at a zero byte, offset " << i;
        if (bytes[i] == '\n')
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare line feed at offset " << i;
    }
}

TEST(HelpSource, WritesCyrillicAsCp1251EscapesAndEndsLinesWithCrLf) {
    EXPECT_EQ(helptext::RtfSourceToReaderForm("{\\b Ёж}\\par\n\\page Ok «да»\n"),
              "{\\b \\'a8\\'e6}\\par\r\n\\page Ok \\'ab\\'e4\\'e0\\'bb\r\n");
    // What the reader reads back is the cp1251 text.
    TRtfDocument doc;
    doc.LoadInput(std::make_unique<TRtfMemoryInput>(
                      "{\\rtf1 {#{\\footnote t}}" + helptext::RtfSourceToReaderForm("\\plain Привет\\par\n}")),
                  "C:\\t.rtf");
    TTopicLoadOptions options;
    ASSERT_TRUE(doc.LoadTopic("t", options));
    ASSERT_GE(doc.Elements.size(), 2u);
    ASSERT_TRUE(IsTextElement(*doc.Elements[1]));
    EXPECT_EQ(static_cast<const TRTFText&>(*doc.Elements[1]).Text, plat::Ru("Привет"));
}

TEST(HelpSource, RefusesWhatTheReaderWouldShowWrongly) {
    const auto lineOfError = [](std::string_view source) {
        try {
            helptext::RtfSourceToReaderForm(source);
        } catch (const helptext::RtfSourceError& e) {
            return e.Line;
        }
        return 0;
    };
    // The reader drops line breaks: "\\par" and "Текст" would become one control word, two
    // words one word.
    EXPECT_EQ(lineOfError("{\\rtf1\n\\par\nТекст}"), 2);
    EXPECT_EQ(lineOfError("одно\nслово"), 1);
    EXPECT_EQ(lineOfError("\\par\nWord"), 1);
    EXPECT_EQ(lineOfError("a \n\\par\n{\\b x}\n}\n"), 0);
    // Characters the code page cannot hold, and broken UTF-8.
    EXPECT_EQ(lineOfError("ok \n\\par стрелка \xe2\x86\x92"), 2);
    EXPECT_EQ(lineOfError("\xd0"), 1);
}

} // namespace
