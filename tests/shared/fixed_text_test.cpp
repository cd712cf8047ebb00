#include "shared/decimal_text.h"
#include "shared/fixed_text.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(FixedText, FillsWithBlanksAndCuts)
{
    EXPECT_EQ(FixedText<4>("ab").view(), "ab  ");
    EXPECT_EQ(FixedText<4>("abcdef").view(), "abcd");
    EXPECT_EQ(FixedText<3>().view(), "   ");
    FixedText<3> text("xyz");
    text.clear();
    EXPECT_EQ(text.view(), "   ");
    EXPECT_EQ(FixedText<3>(std::string_view("\0\n", 2)).view(), std::string_view("\0\n ", 3));
}

TEST(FixedText, RightAlignedNumbers)
{
    char out[4];
    writeRightAligned(out, 4, 7);
    EXPECT_EQ(std::string_view(out, 4), "   7");
    writeRightAligned(out, 4, 2109);
    EXPECT_EQ(std::string_view(out, 4), "2109");
    writeRightAligned(out, 4, 0);
    EXPECT_EQ(std::string_view(out, 4), "   0");
    writeRightAligned(out, 3, -12);
    EXPECT_EQ(std::string_view(out, 3), "-12");
}

} // namespace
} // namespace orvant
