#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>

using namespace plat;

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98"); // the one undefined byte keeps its value as U+0098
}

TEST(Cp1251, ConvertsRussianBothWays) {
    EXPECT_EQ(Ru("Ёж ёж"), "\xA8\xE6 \xB8\xE6");
    EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2 \xB9"), "Привет №");
    EXPECT_EQ(Ru("€ — «»"), "\x88 \x97 \xAB\xBB");
}

TEST(Cp1251, ForeignAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xADz"), "a?z");     // a CJK character
    EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");          // not a UTF-8 lead byte
    EXPECT_EQ(Utf8ToCp1251("a\xD0"), "a?");               // cut-off sequence
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");            // overlong form: one mark per byte
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");       // surrogate: one mark per byte
}

TEST(Cp1251, CaseRulesCoverCyrillic) {
    EXPECT_EQ(UpperCase(Ru("ёлка Ђђ ўЎ abc")), Ru("ЁЛКА ЂЂ ЎЎ ABC"));
    EXPECT_EQ(LowerCase(Ru("ЁЛКА ЇІ")), Ru("ёлка їі"));
    EXPECT_TRUE(SameText(Ru("Программа"), Ru("пРОГРАММА")));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText(Ru("я"), "z"), 0); // unsigned byte order
}
