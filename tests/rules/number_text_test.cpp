#include "rules/number_text.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(NumberText, ReadsClassicNumericPrefix)
{
    EXPECT_DOUBLE_EQ(leadingNumber("1234"), 1234);
    EXPECT_DOUBLE_EQ(leadingNumber("  12 34abc"), 1234); // blanks skipped wherever they stand
    EXPECT_DOUBLE_EQ(leadingNumber("-15.5x"), -15.5);
    EXPECT_DOUBLE_EQ(leadingNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber("1e"), 1); // no exponent digits: the exponent is not read
    EXPECT_DOUBLE_EQ(leadingNumber("2,5"), 2);
}

TEST(NumberText, NoNumberGivesZero)
{
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
}

TEST(NumberText, PositionsAreRoundedAndClamped)
{
    EXPECT_EQ(positionPixelsFromTwipsText("1500"), 100);
    EXPECT_EQ(positionPixelsFromTwipsText("-1500"), -100);
    EXPECT_EQ(positionPixelsFromTwipsText("0"), 0);
    EXPECT_EQ(positionPixelsFromTwipsText("1e30"), 32767);
    EXPECT_EQ(positionPixelsFromTwipsText("-1e30"), -32768);
    EXPECT_EQ(positionPixelsFromTwipsText("1e999"), 32767);
}

} // namespace
} // namespace orvant
