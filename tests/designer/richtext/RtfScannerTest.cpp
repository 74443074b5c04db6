// The tokenizer's rules: longest match, the parameter forms of the recognised words, escapes,
// the token length limit, skipped bytes and ignorable groups, and the push-back of styles.
#include "designer/richtext/RtfScanner.h"
#include "tests/support/Scratch.h"

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

namespace {

std::vector<TRtfToken> Tokens(std::string text) {
    TRtfMemoryInput input(std::move(text));
    TRtfScanner scanner;
    scanner.SetInput(&input);
    std::vector<TRtfToken> out;
    TRtfToken t;
    while (scanner.Next(t))
        out.push_back(t);
    return out;
}

std::string Describe(const std::vector<TRtfToken>& tokens) {
    std::string out;
    for (const auto& t : tokens) {
        if (!out.empty())
            out += '|';
        out += t.IsControl() ? "C" + std::to_string(t.Number) + ":" : "T:";
        out += t.Text;
    }
    return out;
}

struct Case {
    const char* Input;
    const char* Expected;
};

class ScannerRules : public testing::TestWithParam<Case> {};

TEST_P(ScannerRules, YieldsTokens) {
    EXPECT_EQ(Describe(Tokens(GetParam().Input)), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScannerRules,
    testing::Values(Case{"\\b bold\\b0 x", "C8:\\b |T:bold|C8:\\b0 |T:x"}, Case{"\\b0x", "C8:\\b0|T:x"},
                    Case{"\\b1 x", "C0:\\b1 |T:x"},    // \b does not take 1
                    Case{"\\plain2 ", "C0:\\plain2 "}, // nor \plain any digit
                    Case{"\\fs24\\f1 ", "C2:\\fs24|C1:\\f1 "},
                    Case{"\\f x", "C0:\\f |T:x"}, // \f requires its parameter
                    Case{"\\fi-360\\li360", "C33:\\fi-360|C34:\\li360"},
                    Case{"\\linex\\sl", "C6:\\linex|C38:\\sl"},
                    Case{"\\brspn20 \\brsp20", "C39:\\brspn20 |C0:\\brsp20"},
                    Case{"\\{bmc pic.bmp\\}", "C40:\\{bmc |T:pic.bmp|T:}"}, Case{"\\{x\\}", "T:{|T:x|T:}"},
                    Case{"#{\\footnote a}", "C0:#{\\footnote |T:a|C0:}"},
                    Case{"#{\\*\\footnote a}", "C0:#{\\footnote |T:a|C0:}"}, // footnote as ignorable group
                    Case{"ab\r\ncd e", "T:abcd|T: |T:e"}, Case{"caf\\'e9 \\'zz", "T:caf\xE9|T: |T: "},
                    Case{"a\\\\b", "T:a\\\\b"},
                    Case{"{\\*\\bkmk {x} y}z", "C0:{|C0:}|T:z"}, // ignorable group dropped whole
                    Case{"*b", "T:*b"},
                    Case{"\\b *\\plain x}y", "C8:\\b |T:*|C14:\\plain |T:x|C0:}|T:y"}, // a bare "*" is text
                    Case{"a\tb", "T:a|C0:\\tab|T:b"},
                    Case{"\\~x\x01y", "T:~x|T:y"}, // lone backslash and control byte skipped
                    Case{"a\0b", "T:a"},           // a zero byte ends the input
                    Case{"x\\'", "T:x|T:'"}));     // an escape cut by the end

TEST(Scanner, LongRunsSplitAt200Characters) {
    const auto tokens = Tokens(std::string(450, 'a'));
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].Text.size(), 200u);
    EXPECT_EQ(tokens[1].Text.size(), 200u);
    EXPECT_EQ(tokens[2].Text.size(), 50u);
}

TEST(Scanner, ParametersBeyond32BitsTakeTheDefault) {
    EXPECT_EQ(RtfParam("\\fs99999999999", 7), 7);
    EXPECT_EQ(RtfParam("\\li-2147483648", 7), -2147483648);
    EXPECT_EQ(RtfParam("\\li1-2", 7), 7);
    EXPECT_EQ(RtfParam("\\li", 7), 7);
}

TEST(Scanner, PositionCountsLineBreaksAndReadsFromASeek) {
    TRtfMemoryInput input("ab\r\n{cd}");
    TRtfScanner scanner;
    scanner.SetInput(&input);
    TRtfToken t;
    ASSERT_TRUE(scanner.Next(t));
    EXPECT_EQ(scanner.Position(), 4u); // the line break went with the word
    scanner.Seek(5);
    ASSERT_TRUE(scanner.Next(t));
    EXPECT_EQ(t.Text, "cd");
    EXPECT_EQ(scanner.Position(), 7u);
}

TEST(Scanner, PushedBackTextIsReadFirstAndBounded) {
    TRtfMemoryInput input("x");
    TRtfScanner scanner;
    scanner.SetInput(&input);
    ASSERT_TRUE(scanner.PushBack("\\b "));
    TRtfToken t;
    ASSERT_TRUE(scanner.Next(t));
    EXPECT_EQ(t.Number, rwB);
    EXPECT_EQ(scanner.Position(), 0u);
    EXPECT_FALSE(scanner.PushBack(std::string(TRtfScanner::kPushBackSize + 1, 'a')));
    // A style that keeps expanding into itself without reading the document is cut off.
    int accepted = 0;
    while (scanner.PushBack("\\s1 ") && accepted < 1000)
        ++accepted;
    EXPECT_EQ(accepted, TRtfScanner::kMaxStyleChain - 1);
}

} // namespace

namespace {

// A document file read from anywhere answers with its own bytes: forwards, backwards, across the
// reader's window, up to and past its end.
TEST(ScannerFileInput, AnswersEveryOffsetWithTheFilesBytes) {
    std::string bytes(200 * 1024 + 77, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + (i * 7919) % 26);
    const std::string path = testing_support::MakeScratchDir("rtf-input") + "/doc.rtf";
    testing_support::WriteHostFile(path, bytes);
    const std::unique_ptr<TRtfInput> input = OpenRtfFile(path);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->Size(), bytes.size());
    const uint64_t offsets[] = {0, 128, 65536 - 64, 150000, 70000, 10, bytes.size() - 100,
                                bytes.size() - 1, 65536, 131072 - 1};
    for (const uint64_t offset : offsets) {
        char block[128];
        const size_t expected = std::min<size_t>(sizeof block, bytes.size() - offset);
        ASSERT_EQ(input->ReadAt(offset, block, sizeof block), expected) << offset;
        EXPECT_EQ(std::string(block, expected), bytes.substr(offset, expected)) << offset;
    }
    char block[16];
    EXPECT_EQ(input->ReadAt(bytes.size(), block, sizeof block), 0u);
    EXPECT_EQ(input->ReadAt(bytes.size() + 5000, block, sizeof block), 0u);
    EXPECT_EQ(input->ReadAt(3, block, sizeof block), sizeof block) << "still readable after the end";
    EXPECT_EQ(std::string(block, sizeof block), bytes.substr(3, sizeof block));
}

} // namespace
