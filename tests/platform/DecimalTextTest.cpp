#include <gtest/gtest.h>

#include "platform/DecimalText.h"

namespace {

TEST(DecimalText, ParsesAsStrtolWithinThirtyTwoBits) {
    const struct {
        const char* text;
        bool parsed;
        int32_t value;
    } cases[] = {
        {"32", true, 32},        {" \t\n\v\f\r32px", true, 32}, {"+7", true, 7},
        {"-5", true, -5},        {"007", true, 7},              {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"-2147483649", false, 0},   {"4294967296", false, 0},
        {"99999999999999999999", false, 0},                     {"", false, 0},
        {"px", false, 0},
        {"- 3", false, 0},       {"+-3", false, 0},
    };
    for (const auto& c : cases) {
        int32_t value = -99;
        EXPECT_EQ(ParseDecimalPrefix(c.text, &value), c.parsed) << c.text;
        if (c.parsed) EXPECT_EQ(value, c.value) << c.text;
        else EXPECT_EQ(value, -99) << "unchanged on failure: " << c.text;
    }
}

TEST(DecimalText, FormatsWithoutLeadingZeros) {
    char buffer[kDecimalTextSize];
    EXPECT_STREQ(FormatDecimal(0, buffer), "0");
    EXPECT_STREQ(FormatDecimal(5, buffer), "5");
    EXPECT_STREQ(FormatDecimal(31, buffer), "31");
    EXPECT_STREQ(FormatDecimal(-1, buffer), "-1");
    EXPECT_STREQ(FormatDecimal(INT32_MAX, buffer), "2147483647");
    EXPECT_STREQ(FormatDecimal(INT32_MIN, buffer), "-2147483648");
}

}  // namespace
