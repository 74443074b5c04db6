// The document: header tables, the topic index, the ".rtc" cache and the topic loader.
#include "designer/richtext/RtfDocument.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times;}{\\f1\\fswiss Arial;}}"
    "{\\colortbl;\\red255\\green0\\blue0; ; ; ;\\red255;}"
    "{\\stylesheet{\\s1\\b\\fs30 Heading;}{\\s2\\s2 \\i Loop;}}";

std::unique_ptr<TRtfDocument> Load(const std::string& body) {
    auto doc = std::make_unique<TRtfDocument>();
    doc->LoadInput(std::make_unique<TRtfMemoryInput>(std::string(kHeader) + body), "C:\\doc.rtf");
    return doc;
}

std::string Words(const TRtfDocument& doc) {
    std::string out;
    for (const auto& e : doc.Elements) {
        switch (e->Kind()) {
        case ElementKind::Paragraph:
            out += "\xB6";
            break;
        case ElementKind::Space:
            out += "_";
            break;
        case ElementKind::Tab:
            out += "\\t";
            break;
        case ElementKind::Text:
            out += static_cast<TRTFText&>(*e).Text;
            break;
        case ElementKind::HotText:
            out += "[" + static_cast<TRTFText&>(*e).Text + ">" + e->GetTopic() + "]";
            break;
        case ElementKind::Bitmap:
            out += "<pic>";
            break;
        case ElementKind::HotBitmap:
            out += "<pic>" + e->GetTopic() + "]";
            break;
        }
    }
    return out;
}

const TRTFText& TextAt(const TRtfDocument& doc, std::string_view word) {
    for (const auto& e : doc.Elements) {
        if (IsTextElement(*e) && static_cast<TRTFText&>(*e).Text == word)
            return static_cast<TRTFText&>(*e);
    }
    ADD_FAILURE() << "no word " << word;
    static TRTFText none("", {});
    return none;
}

TEST(RtfDocument, ColourTableKeepsDefaultsForMissingEntriesAndComponents) {
    auto doc = Load("}");
    EXPECT_EQ(doc->ColorTable[0], 0x0000FFu); // document colour 1: red
    EXPECT_EQ(doc->ColorTable[1], 0x000080u); // untouched default
    EXPECT_EQ(doc->ColorTable[4], 0x8000FFu); // colour 5: red over default navy
    EXPECT_EQ(doc->ColorTable[15], 0xFFFFFFu);
}

TEST(RtfDocument, FontTableAndStylesheet) {
    auto doc = Load("}");
    ASSERT_EQ(doc->Fonts.size(), 3u);
    EXPECT_EQ(doc->Fonts[1]->Font.Name, "Times");
    EXPECT_EQ(doc->Fonts[1]->Family, 16);
    EXPECT_EQ(doc->Fonts[2]->Number, 1);
    // "\f0" selects the control's own font even though the table defines a font 0.
    EXPECT_EQ(doc->FontByNumber(0), doc->Fonts[0].get());
    EXPECT_EQ(doc->FontByNumber(1), doc->Fonts[2].get());
    ASSERT_EQ(doc->Styles.size(), 2u);
    EXPECT_EQ(doc->Styles[0].Definition, "\\b\\fs30 ");
    EXPECT_EQ(doc->Styles[0].Number, 1);
    EXPECT_GT(doc->HeaderEnd, 0u);
}

TEST(RtfDocument, IndexNamesTopicsByFootnotes) {
    auto doc =
        Load("\\pard\\plain Intro\\par\\page"
             "{\\up #{\\footnote # one}}${\\footnote Title One}K{\\footnote key}\\plain First\\par \\page\n"
             "#{\\footnote two}\\pard\\plain\\b Second\\par\\page\n"
             "#{\\footnote one}Dup\\par}");
    ASSERT_EQ(doc->Topics.size(), 4u);
    EXPECT_EQ(doc->Topics[0].ContextId, "Contents");
    EXPECT_EQ(doc->Topics[0].StartPosition, 0u);
    EXPECT_EQ(doc->Topics[0].StartState, TRtfState{});
    EXPECT_EQ(doc->Topics[1].ContextId, "one");
    EXPECT_EQ(doc->Topics[1].Title, "Title One");
    EXPECT_EQ(doc->Topics[1].Keywords, "key");
    EXPECT_EQ(doc->Topics[2].ContextId, "two");

    TTopicLoadOptions options;
    ASSERT_TRUE(doc->LoadTopic("one", options));
    EXPECT_EQ(Words(*doc), "\xB6"
                           "First\xB6"); // the first of two topics with the same name
    ASSERT_TRUE(doc->LoadTopic("two", options));
    EXPECT_EQ(Words(*doc), "\xB6"
                           "Second\xB6");
    EXPECT_TRUE(TextAt(*doc, "Second").Style.Bold);
}

TEST(RtfDocument, AGroupAfterAFootnoteInTheTopicTextStartsTheTopic) {
    auto doc = Load("\\pard\\plain Intro\\par\\page\n"
                    "#{\\footnote first}{\\b Title}\\par Body\\par\\page\n"
                    "#{\\footnote second}${\\footnote Second}{\\i Lead} more\\par}");
    TTopicLoadOptions options;
    ASSERT_TRUE(doc->LoadTopic("first", options));
    EXPECT_EQ(Words(*doc), "\xB6"
                           "Title\xB6"
                           "Body\xB6");
    EXPECT_TRUE(TextAt(*doc, "Title").Style.Bold);
    ASSERT_TRUE(doc->LoadTopic("second", options));
    EXPECT_EQ(Words(*doc), "\xB6"
                           "Lead_more\xB6");
    EXPECT_EQ(doc->Topics[2].Title, "Second");
}

TEST(RtfDocument, BoldSwitchesAndUnrecognisedWords) {
    auto doc = Load("#{\\footnote t}\\plain a \\b b \\b0 c\\b d\\b0e \\b1 f\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    EXPECT_FALSE(TextAt(*doc, "a").Style.Bold);
    EXPECT_TRUE(TextAt(*doc, "b").Style.Bold);
    EXPECT_FALSE(TextAt(*doc, "c").Style.Bold);
    EXPECT_TRUE(TextAt(*doc, "d").Style.Bold);
    EXPECT_FALSE(TextAt(*doc, "e").Style.Bold);
    EXPECT_FALSE(TextAt(*doc, "f").Style.Bold); // "\b1" is not "\b"
}

TEST(RtfDocument, ColoursStylesAndOutOfRangeNumbers) {
    auto doc =
        Load("#{\\footnote t}\\plain\\cf2 g \\cf1 r \\cf0 z \\cf17 w \\cf-1 k {\\cb0 n}\\s1 h \\s2 l\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    EXPECT_EQ(TextAt(*doc, "g").Style.ForeColor, 0x000080u); // the second entry
    EXPECT_EQ(TextAt(*doc, "r").Style.ForeColor, 0x0000FFu);
    EXPECT_EQ(TextAt(*doc, "z").Style.ForeColor, 0x000000u); // the automatic colour
    EXPECT_EQ(TextAt(*doc, "w").Style.ForeColor, 0xFFFFFFu); // nearest entry: the last
    EXPECT_EQ(TextAt(*doc, "k").Style.ForeColor, 0x000000u);
    EXPECT_EQ(TextAt(*doc, "n").Style.BackColor, 0xFFFFFFu); // no background
    EXPECT_TRUE(TextAt(*doc, "h").Style.Bold);
    EXPECT_EQ(TextAt(*doc, "h").Style.Size, 15);
    EXPECT_TRUE(TextAt(*doc, "l").Style.Italic); // a style that names itself still ends
}

TEST(RtfDocument, HiddenTextMakesJumps) {
    auto doc = Load("#{\\footnote t}\\plain see {\\uldb the long phrase}{\\v target} and "
                    "plain{\\v other} x {\\v dropped}\\par}");
    TTopicLoadOptions options;
    options.HotColor = 0x123456;
    ASSERT_TRUE(doc->LoadTopic("t", options));
    EXPECT_EQ(Words(*doc), "\xB6see_[the>target]_[long>target]_[phrase>target]_and_[plain>other]_x_\xB6");
    EXPECT_EQ(TextAt(*doc, "the").Style.ForeColor, 0x123456u);
}

TEST(RtfDocument, HiddenTextOfTwoWordsTargetsTheFirst) {
    auto doc = Load("#{\\footnote t}\\plain {\\uldb go}{\\v a b}\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    EXPECT_EQ(Words(*doc), "\xB6[go>a]_\xB6");
}

TEST(RtfDocument, BitmapReferenceToAMissingFileShowsItsName) {
    auto doc = Load("#{\\footnote t}\\plain \\{bmc  nothere.bmp \\}{\\v t2}\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    EXPECT_EQ(Words(*doc), "\xB6[{nothere.bmp}>t2]\xB6"); // and the hidden text makes it a jump
}

TEST(RtfDocument, PicturesBecomeBitmapsAndJumps) {
    // A metafile header with no records: a white picture of the goal size.
    auto doc = Load("#{\\footnote t}\\plain {\\pict\\wmetafile8\\picw100\\pich100\\picwgoal1440\\pichgoal720"
                    "\\picscalex50 010009000003120000000000030000000000}{\\v jump}\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    ASSERT_EQ(Words(*doc), "\xB6<pic>jump]\xB6");
    const auto& pic = static_cast<const TRTFBitmap&>(*doc->Elements[1]);
    EXPECT_EQ(pic.WidthTwips, 720);
    EXPECT_EQ(pic.HeightTwips, 720);
    ASSERT_NE(pic.Picture, nullptr);
    EXPECT_EQ(pic.Picture->Width(), 96);
    EXPECT_EQ(pic.Picture->Height(), 48);
}

TEST(RtfDocument, UnknownTopicsAndTheLoadEvents) {
    auto doc = Load("#{\\footnote t}\\plain word\\par}");
    ASSERT_TRUE(doc->LoadTopic("t", {}));
    EXPECT_FALSE(doc->LoadTopic("T", {})); // names are case-sensitive
    EXPECT_EQ(Words(*doc), "\xB6word\xB6");

    TTopicLoadOptions veto;
    veto.OnBeforeLoad = [](TRtfState&, bool& flag) { flag = false; };
    EXPECT_FALSE(doc->LoadTopic("t", veto));

    TTopicLoadOptions clear;
    clear.ClearIfNone = true;
    clear.OnAfterLoad = [](TRtfState&, bool&) { throw std::runtime_error("swallowed"); };
    EXPECT_TRUE(doc->LoadTopic("missing", clear));
    EXPECT_TRUE(doc->Elements.empty());
    EXPECT_FALSE(doc->CurrentTopic.has_value());

    auto unformatted = Load("#{\\footnote t}word\\par}");
    TTopicLoadOptions bold;
    bold.OnBeforeLoad = [](TRtfState& st, bool&) {
        st.Bold = 1;
        st.Visible = 1;
    };
    ASSERT_TRUE(unformatted->LoadTopic("t", bold));
    EXPECT_TRUE(TextAt(*unformatted, "word").Style.Bold);
}

TEST(RtfDocument, TextAfterTheLastPageBreakAndPageWithoutDelimiter) {
    auto doc = Load("#{\\footnote a}\\plain one\\par\\page#{\\footnote b}\\plain two\\par}");
    ASSERT_TRUE(doc->LoadTopic("a", {}));
    EXPECT_EQ(Words(*doc), "\xB6one\xB6");
}

// ---- the cache ---------------------------------------------------------------------------------

class RtfCache : public testing::Test {
protected:
    void SetUp() override {
        dir_ = plat::WinPathOf(testing_support::MakeScratchDir("rtc"));
        rtf_ = plat::IncludeTrailingBackslash(dir_) + "help.rtf";
        rtc_ = plat::IncludeTrailingBackslash(dir_) + "help.rtc";
        plat::WriteFileBytes(rtf_, std::string(kHeader) +
                                       "#{\\footnote t}\\plain hi\\par\\page#{\\footnote u}x\\par}");
    }
    std::string dir_, rtf_, rtc_;
};

TEST_F(RtfCache, WrittenAfterBuildingAndReadBack) {
    TRtfDocument built;
    ASSERT_TRUE(built.LoadFile(rtf_, rtc_));
    const std::string cache = plat::ReadFileBytes(rtc_);
    ASSERT_GE(cache.size(), 96u);
    EXPECT_EQ(cache.substr(0, 16), std::string("RTF4help.rtf\0\0\0\0", 16));
    EXPECT_EQ(static_cast<uint8_t>(cache[24]), 16);

    TRtfDocument read;
    ASSERT_TRUE(read.ReadCache(cache, plat::FileSize(rtf_)));
    ASSERT_EQ(read.Topics.size(), built.Topics.size());
    for (size_t i = 0; i < read.Topics.size(); ++i) {
        EXPECT_EQ(read.Topics[i].ContextId, built.Topics[i].ContextId);
        EXPECT_EQ(read.Topics[i].StartPosition, built.Topics[i].StartPosition);
        EXPECT_EQ(read.Topics[i].StartState.ToBytes(), built.Topics[i].StartState.ToBytes());
    }
    EXPECT_EQ(read.ColorTable, built.ColorTable);
    EXPECT_EQ(read.HeaderEnd, built.HeaderEnd);
    EXPECT_EQ(read.Styles.size(), built.Styles.size());
    EXPECT_EQ(read.CacheBytes("help.rtf", plat::FileSize(rtf_), 0).substr(24),
              built.CacheBytes("help.rtf", plat::FileSize(rtf_), 0).substr(24));
}

TEST_F(RtfCache, AValidCacheIsTrustedEvenWhenTheDocumentChangedWithoutResizing) {
    TRtfDocument doc;
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    std::string text = plat::ReadFileBytes(rtf_);
    text.replace(text.find("#{\\footnote t}"), 14, "#{\\footnote q}");
    plat::WriteFileBytes(rtf_, text);
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    EXPECT_EQ(doc.Topics[0].ContextId, "t");
    plat::WriteFileBytes(rtf_, text + " ");
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    EXPECT_EQ(doc.Topics[0].ContextId, "q");
}

TEST_F(RtfCache, ValidityLooksAtMagicWholeNameAndSize) {
    const std::string head = std::string("RTF4help.rtf\0\0\0\0", 16) + std::string("\x10\0\0\0", 4);
    EXPECT_TRUE(TRtfDocument::CacheIsValid(head, "help.rtf", 16));
    EXPECT_FALSE(TRtfDocument::CacheIsValid(head, "help.rtf", 17));
    EXPECT_FALSE(TRtfDocument::CacheIsValid(head, "help.rt", 16));
    EXPECT_FALSE(TRtfDocument::CacheIsValid(head, "HELP.RTF", 16));
    EXPECT_FALSE(TRtfDocument::CacheIsValid("RTF3" + head.substr(4), "help.rtf", 16));
    EXPECT_FALSE(TRtfDocument::CacheIsValid(head.substr(0, 19), "help.rtf", 16));
    const std::string longHead = std::string("RTF4averylongname") + std::string("\x10\0\0\0", 4);
    EXPECT_FALSE(TRtfDocument::CacheIsValid(longHead, "averylongname.rtf", 16));
}

// An input that counts the bytes it hands out.
class CountingInput : public TRtfMemoryInput {
public:
    using TRtfMemoryInput::TRtfMemoryInput;
    size_t ReadAt(uint64_t offset, char* dest, size_t count) override {
        const size_t n = TRtfMemoryInput::ReadAt(offset, dest, count);
        Given += n;
        return n;
    }
    size_t Given = 0;
};

TEST_F(RtfCache, OnlyTheHeaderOfAForeignCacheIsRead) {
    TRtfDocument doc;
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    const std::string good = plat::ReadFileBytes(rtc_);
    const uint64_t size = plat::FileSize(rtf_);

    CountingInput matching(good);
    EXPECT_EQ(TRtfDocument::ReadMatchingCache(matching, "help.rtf", size), good);

    // A big cache of another document: its header says so, and the rest is never read.
    CountingInput foreign(good.substr(0, 24) + std::string(8 * 1024 * 1024, 'x'));
    EXPECT_EQ(TRtfDocument::ReadMatchingCache(foreign, "help.rtf", size + 1), "");
    EXPECT_EQ(foreign.Given, 20u);
    CountingInput otherName(good + std::string(1024 * 1024, 'x'));
    EXPECT_EQ(TRtfDocument::ReadMatchingCache(otherName, "other.rtf", size), "");
    EXPECT_EQ(otherName.Given, 20u);
}

TEST_F(RtfCache, DamagedCachesAreRebuiltNotTrusted) {
    TRtfDocument doc;
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    const std::string good = plat::ReadFileBytes(rtc_);
    const uint64_t size = plat::FileSize(rtf_);
    for (size_t cut = 20; cut < good.size(); cut += 7) {
        TRtfDocument probe;
        EXPECT_FALSE(probe.ReadCache(good.substr(0, cut), size)) << "cut at " << cut;
    }
    std::string lyingCount = good;
    lyingCount[92] = '\xFF';
    lyingCount[93] = '\xFF';
    EXPECT_FALSE(TRtfDocument().ReadCache(lyingCount, size));
    // A topic past the end of the document.
    std::string pastEnd = good;
    const size_t lastPosition = good.size() - 8;
    pastEnd[lastPosition + 3] = '\x7F';
    EXPECT_FALSE(TRtfDocument().ReadCache(pastEnd, size));
    plat::WriteFileBytes(rtc_, pastEnd);
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    EXPECT_EQ(doc.Topics.size(), 2u);
    EXPECT_EQ(plat::ReadFileBytes(rtc_), good);
}

TEST_F(RtfCache, MissingAndEmptyDocuments) {
    TRtfDocument doc;
    ASSERT_TRUE(doc.LoadFile(rtf_, rtc_));
    EXPECT_FALSE(doc.LoadFile(plat::IncludeTrailingBackslash(dir_) + "none.rtf", rtc_));
    EXPECT_EQ(doc.DocumentName, rtf_);
    const std::string empty = plat::IncludeTrailingBackslash(dir_) + "empty.rtf";
    plat::WriteFileBytes(empty, "");
    ASSERT_TRUE(doc.LoadFile(empty, plat::IncludeTrailingBackslash(dir_) + "empty.rtc"));
    ASSERT_EQ(doc.Topics.size(), 1u);
    EXPECT_TRUE(doc.LoadTopic("Contents", {}));
}

} // namespace

namespace {

// Inputs that once were or could be trouble: each must index and load without crashing, looping
// or growing without bound.
TEST(RtfDocumentBadInput, IndexesAndLoadsEveryTopic) {
    const std::string deep = std::string(100000, '{') + "#{\\footnote d}x\\par" + std::string(100000, '}');
    const std::string cases[] = {
        "}}}}#{\\footnote a}\\plain a\\par}}}",
        "{{{{#{\\footnote a}\\plain a\\par",
        deep,
        "{\\rtf1 " + std::string(100000, 'w') + "\\par}",
        "{\\rtf1 \\" + std::string(5000, 'z') + "123456789012345678901234567890 x\\par}",
        "{\\rtf1 #{\\footnote a}text\\'",
        "{\\rtf1 #{\\footnote a}\\fs99999999999999999999 x\\li-99999999999 y\\par}",
        "{\\rtf1{\\stylesheet{\\s1\\s-1\\s1 A;}{\\s-1 \\s1 B;}}#{\\footnote a}\\s1 \\s-1 x\\par}",
        "{\\rtf1 #{\\footnote a}{\\pict\\picwgoal99999999\\pichgoal-5 0102030405zz}{\\v a}\\par}",
        "{\\rtf1 #{\\footnote a}{\\pict\\picwgoal1440\\pichgoal1440 01000900000312000000ffff000000000000"
        "ffffffff0f43}\\par}",
        std::string(300, '#') + "{" + std::string(300, 'K') + "{\\footnote}",
        "{\\rtf1 #{\\footnote a}\\{bmc " + std::string(5000, 'n') + "\\par}",
        "",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 60));
        TRtfDocument doc;
        doc.LoadInput(std::make_unique<TRtfMemoryInput>(text), "C:\\bad.rtf");
        ASSERT_FALSE(doc.Topics.empty());
        for (const TTopic& t : doc.Topics) {
            EXPECT_LE(t.StartPosition, text.size());
            TTopicLoadOptions options;
            options.ClearIfNone = true;
            EXPECT_TRUE(doc.LoadTopic(t.ContextId, options));
        }
    }
}

} // namespace
