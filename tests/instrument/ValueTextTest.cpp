#include "instrument/ValueText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tarvolin {
namespace {

std::string floatText(float value) {
    char text[16] = "untouched";
    floatToText(value, text);
    return text;
}

TEST(FloatToText, FillsEightCharactersWithTruncatedDigits) {
    EXPECT_EQ(floatText(0.0f), "0.000000");
    EXPECT_EQ(floatText(0.5f), "0.500000");
    EXPECT_EQ(floatText(1.0f), "1.000000");
    EXPECT_EQ(floatText(15.0f), "15.00000");
    EXPECT_EQ(floatText(123.456f), "123.4560");
    EXPECT_EQ(floatText(-0.5f), "-0.50000");
    EXPECT_EQ(floatText(1234567.0f), "1234567.");
    EXPECT_EQ(floatText(-123456.0f), "-123456.");
    // 0.7f is 0.69999998...: digits are cut, never rounded up.
    EXPECT_EQ(floatText(0.7f), "0.699999");
}

TEST(FloatToText, LeavesTheBufferAloneOutsideItsRange) {
    EXPECT_EQ(floatText(100000000.0f), "untouched");
    EXPECT_EQ(floatText(-10000000.0f), "untouched");
    EXPECT_EQ(floatText(std::numeric_limits<float>::quiet_NaN()), "untouched");
    EXPECT_EQ(floatText(std::numeric_limits<float>::infinity()), "untouched");
    EXPECT_EQ(floatText(-std::numeric_limits<float>::infinity()), "untouched");
}

TEST(FloatToText, IntegersTooLongForThePointKeepEveryDigit) {
    EXPECT_EQ(floatText(12345678.0f), "12345678");
    EXPECT_EQ(floatText(99999992.0f), "99999992");
    EXPECT_EQ(floatText(-1234567.0f), "-1234567");
    EXPECT_EQ(floatText(-9999999.0f), "-9999999");
}

TEST(ValueText, DecibelsHertzMillisecondsAndIntegers) {
    char text[16];
    decibelsToText(1.0f, text);
    EXPECT_STREQ(text, "0.000000");
    decibelsToText(10.0f, text);
    EXPECT_STREQ(text, "20.00000");
    decibelsToText(0.0f, text);
    EXPECT_STREQ(text, "  -oo   ");
    decibelsToText(-1.0f, text);
    EXPECT_STREQ(text, "  -oo   ");

    hertzToText(0.0f, 44100.0f, text);
    EXPECT_STREQ(text, "0.000000");
    hertzToText(441.0f, 44100.0f, text);
    EXPECT_STREQ(text, "100.0000");
    millisecondsToText(441.0f, 44100.0f, text);
    EXPECT_STREQ(text, "10.00000");

    integerToText(42, text);
    EXPECT_STREQ(text, "     42");
    integerToText(-42, text);
    EXPECT_STREQ(text, "    -42");
    integerToText(99999999, text);
    EXPECT_STREQ(text, "99999999");
    integerToText(100000000, text);
    EXPECT_STREQ(text, " Huge!  ");
}

} // namespace
} // namespace tarvolin
