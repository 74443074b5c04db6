#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

using namespace plat;

TEST(Numeric, RoundsHalvesToEven) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-0.51), -1);
    EXPECT_EQ(Round(1e300), 2147483647);
    EXPECT_EQ(Round(-1e300), -2147483647 - 1);
}

TEST(Numeric, DivisionTruncatesTowardZero) {
    EXPECT_EQ(DivTrunc(-7, 2), -3);
    EXPECT_EQ(DivTrunc(7, -2), -3);
    EXPECT_EQ(DivTrunc(-2147483647 - 1, -1), -2147483647 - 1);
}

TEST(Numeric, DivRoundIsExactWithHalvesToEven) {
    struct Case {
        int64_t n, d, q;
    };
    const Case cases[] = {{2535, 10, 254}, {2525, 10, 252}, {2526, 10, 253}, {-2535, 10, -254},
                          {-2525, 10, -252}, {-2526, 10, -253}, {7, 7, 1},  {0, 5, 0},
                          {1, 3, 0},         {2, 3, 1},          {-1, 2, 0}, {-3, 2, -2},
                          {INT64_MAX, 1, INT64_MAX}, {INT64_MAX, INT64_MAX, 1}, {INT64_MIN, 2, INT64_MIN / 2}};
    for (const Case& c : cases)
        EXPECT_EQ(DivRound(c.n, c.d), c.q) << c.n << " / " << c.d;
}

TEST(Numeric, StrToIntAcceptsDecimalAndHexForms) {
    EXPECT_EQ(StrToInt("  -42"), -42);
    EXPECT_EQ(StrToInt("0x1F"), 31);
    EXPECT_EQ(StrToInt("$ff"), 255);
    EXPECT_EQ(StrToInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef("12a", 7), 7);
}

TEST(Numeric, StrToIntRefusesWithTheRuntimeMessage) {
    for (const char* bad : {"", "-", "12 ", "2147483648", "0x", "1.5", "0x100000000"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

// Files and texts carry numbers with a point whatever the desktop's language: under a comma
// locale the C library would write "6,5" and read "6.5" as 6.
TEST(Numeric, RealsUseAPointUnderACommaLocale) {
    VELMORA_UNDER_COMMA_LOCALE();
    EXPECT_EQ(FormatFixed(6.6, 1), "6.6");
    EXPECT_EQ(FormatFixed(6.66, 1), "6.7");
    EXPECT_EQ(FormatFixed(-0.25, 1), "-0.2"); // to nearest, as "%.1f" does in the C locale
    EXPECT_EQ(FormatFixed(3.0, 2), "3.00");
    EXPECT_EQ(FormatFixed(1234567.5, 0), "1234568");

    double v = 0;
    EXPECT_TRUE(TryStrToFloat("6.5", v));
    EXPECT_EQ(v, 6.5);
    EXPECT_TRUE(TryStrToFloat("+13.8", v));
    EXPECT_EQ(v, 13.8);
    EXPECT_TRUE(TryStrToFloat("-.5", v));
    EXPECT_EQ(v, -0.5);
    for (const char* bad : {"6,5", "", " 6.5", "6.5 ", "+-1", "inf", "nan", "1.2.3", "."})
        EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
}

TEST(Numeric, StrToIntDecimalTakesOnlyASignAndDigits) {
    EXPECT_EQ(StrToIntDecimal("-42"), -42);
    EXPECT_EQ(StrToIntDecimal("+7"), 7);
    EXPECT_EQ(StrToIntDecimal("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"$1F", "0x1F", " 5", "\t5", "5 ", "", "-", "+", "+-5", "2147483648", "1e3"}) {
        try {
            StrToIntDecimal(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}
