#include "core/number_format.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatReal, TrimsTrailingZerosDownToOne) {
    EXPECT_EQ(FormatReal(7.35, 12), "7.350");
    EXPECT_EQ(FormatReal(12.0, 4), "12.0");
    EXPECT_EQ(FormatReal(0, 12), "0.0");
    EXPECT_EQ(FormatReal(24.69, 12), "24.690");
    EXPECT_EQ(FormatReal(2.5, 2), "2.50");
    EXPECT_EQ(FormatReal(3, 0), "3");
}

TEST(FormatPercent, UsesTheComma) {
    EXPECT_EQ(FormatPercent(33.33333, 4), "33,3333");
    EXPECT_EQ(FormatPercent(50, 4), "50,0");
    EXPECT_EQ(FormatPercent(100.0 - 100.0 * 70 / 210, 4), "66,6667");
}

TEST(FormatAmount, GroupsAndCutsWithoutRounding) {
    struct Case {
        double value;
        bool grouping;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {3, true, 2, "3,00"},
        {1234.5, true, 2, "1.234,50"},
        {0.999, true, 2, "0,99"},
        {1000, true, 2, "1.000,00"},
        {999, true, 2, "999,00"},
        {123456, true, 2, "123.456,00"},
        {1234567, true, 2, "1.234.567,00"},
        {1234567, false, 2, "1234567,00"},
        {315, true, 2, "315,00"},
        {12.5, true, 0, "12"},
        {0.5, true, 3, "0,500"},
        {-1234.5, true, 2, "-1.234,50"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.value, c.grouping, c.decimals), c.text) << c.value;
}

} // namespace
