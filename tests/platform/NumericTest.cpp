#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"

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
