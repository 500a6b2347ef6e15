#include "app/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(IntegerTextTest, AcceptsOnlySignedDecimalsThatFitIn32Bits) {
    EXPECT_EQ(ParseInteger("800"), 800);
    EXPECT_EQ(ParseInteger("+5"), 5);
    EXPECT_EQ(ParseInteger("-0"), 0);
    EXPECT_EQ(ParseInteger("-32000"), -32000);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);

    for (const char* bad : {"", "80x", " 800", "800 ", "1e3", "2147483648", "-2147483649",
                            "99999999999", "+", "-", "+-1", "0x10", "1.5", "８００"}) {
        EXPECT_FALSE(ParseInteger(bad).has_value()) << "'" << bad << "'";
    }
}

TEST(IntegerTextTest, StrToIntReportsTheBadValue) {
    EXPECT_EQ(StrToInt("-12"), -12);
    try {
        StrToInt("80x");
        FAIL() << "no error for '80x'";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("80x"), std::string::npos) << error.what();
    }
    EXPECT_THROW(StrToInt(""), ConversionError);
    EXPECT_THROW(StrToInt("2147483648"), ConversionError);
}

}  // namespace
