// The measurement fields: reading texts as their numeric prefix, the widths following each other
// in the standard proportions, and the refusal of measurements no doll has.
#include "designer/printing/PrintMeasures.h"

#include "platform/text/Cp1251.h"

#include <clocale>
#include <gtest/gtest.h>

namespace printing {
namespace {

TEST(PrintMeasures, TextsReadAsTheirNumericPrefix) {
    struct Case {
        const char* Text;
        double Value;
    };
    for (const Case& c : {Case{"13", 13}, Case{"  6.5", 6.5}, Case{"12abc", 12}, Case{"7.7.7", 7.7},
                          Case{".5", 0.5}, Case{"5.", 5}, Case{"1e1", 10}, Case{"2e", 2}, Case{"-3", -3},
                          Case{"", 0}, Case{"abc", 0}, Case{".", 0}, Case{"+4", 4},
                          // A Russian desktop's decimal comma counts as the point does.
                          Case{"7,7", 7.7}, Case{"8,5см", 8.5}, Case{",5", 0.5}, Case{"7,7,7", 7.7},
                          Case{"7.7,7", 7.7}, Case{",", 0}})
        EXPECT_DOUBLE_EQ(ReadMeasure(c.Text), c.Value) << '"' << c.Text << '"';
}

TEST(PrintMeasures, LeavingAWidthRecomputesTheOtherTwo) {
    TMeasureTexts texts = {"30.0", "13", "7.7", "13.8"};
    FollowWidths(texts, TMeasure::BackWidth);
    EXPECT_EQ(texts, (TMeasureTexts{"30.0", "13", "15.4", "27.6"}));

    texts = {"30.0", "6.5", "10", "13.8"};
    FollowWidths(texts, TMeasure::WaistGirth);
    EXPECT_EQ(texts, (TMeasureTexts{"30.0", "8.4", "10", "17.9"}));

    texts = {"30.0", "6.5", "7.7", "27.6"};
    FollowWidths(texts, TMeasure::HipGirth);
    EXPECT_EQ(texts, (TMeasureTexts{"30.0", "13.0", "15.4", "27.6"}));

    texts = {"x", "abc", "7.7", "13.8"}; // a non-number reads as 0
    FollowWidths(texts, TMeasure::BackWidth);
    EXPECT_EQ(texts, (TMeasureTexts{"x", "abc", "0.0", "0.0"}));

    texts = {"30.0", "13,0", "7.7", "13.8"}; // typed with a comma
    FollowWidths(texts, TMeasure::BackWidth);
    EXPECT_EQ(texts, (TMeasureTexts{"30.0", "13,0", "15.4", "27.6"}));

    texts = {"45", "6.5", "7.7", "13.8"};
    FollowWidths(texts, TMeasure::Height);
    EXPECT_EQ(texts, (TMeasureTexts{"45", "6.5", "7.7", "13.8"}));
}

TEST(PrintMeasures, FormattingIgnoresTheDesktopLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
        GTEST_SKIP() << "no ru_RU.UTF-8 locale";
    EXPECT_EQ(FormatMeasure(15.4), "15.4");
    EXPECT_DOUBLE_EQ(ReadMeasure("15.4"), 15.4);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(PrintMeasures, MeasurementsNoDollHasAreRefusedNamingTheField) {
    const TMeasureCheck standard = CheckMeasures({"30.0", "6.5", "7.7", "13.8"});
    ASSERT_FALSE(standard.Error);
    EXPECT_DOUBLE_EQ(standard.Factors.Height, 1.0);
    EXPECT_DOUBLE_EQ(standard.Factors.Width, 1.0);

    const TMeasureCheck doubled = CheckMeasures({"36", "13", "15.4", "27.6"});
    ASSERT_FALSE(doubled.Error);
    EXPECT_DOUBLE_EQ(doubled.Factors.Height, 1.2);
    EXPECT_DOUBLE_EQ(doubled.Factors.Width, 2.0);

    struct Case {
        TMeasureTexts Texts;
        const char* Field;
    };
    for (const Case& c :
         {Case{{"0", "6.5", "7.7", "13.8"}, "Рост"}, Case{{"30", "0", "7.7", "13.8"}, "Ширина спинки"},
          Case{{"30", "-2", "7.7", "13.8"}, "Ширина спинки"}, Case{{"abc", "6.5", "", ""}, "Рост"},
          Case{{"300.1", "6.5", "7.7", "13.8"}, "Рост"}, Case{{"30", "65.5", "1", "1"}, "Ширина спинки"},
          Case{{"1e999", "6.5", "7.7", "13.8"}, "Рост"}}) {
        const TMeasureCheck check = CheckMeasures(c.Texts);
        ASSERT_TRUE(check.Error) << c.Texts[0] << " " << c.Texts[1];
        EXPECT_NE(check.Error->find(plat::Ru(c.Field)), std::string::npos)
            << plat::Cp1251ToUtf8(*check.Error);
    }
    EXPECT_FALSE(CheckMeasures({"300", "65", "0", "0"}).Error); // ten times the standard still prints
}

} // namespace
} // namespace printing
