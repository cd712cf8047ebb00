#include "shared/binary_text.h"
#include "shared/decimal_text.h"
#include "shared/hex_digit.h"

#include <gtest/gtest.h>

#include <bitset>
#include <string>

namespace orvant {
namespace {

int positionIn(std::string_view digits, int c)
{
    const auto at = digits.find(static_cast<char>(c));
    return at == std::string_view::npos ? kNoHexDigit : static_cast<int>(at);
}

TEST(Codecs, HexDigitsOfEitherLetterCaseOverEveryByte)
{
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const int upper = positionIn("0123456789ABCDEF", c);
        const int lower = positionIn("0123456789abcdef", c);
        EXPECT_EQ(hexDigitValue(ch, HexLetters::UpperCase), upper) << c;
        EXPECT_EQ(hexDigitValue(ch, HexLetters::EitherCase), upper != kNoHexDigit ? upper : lower)
            << c;
    }
    EXPECT_EQ(hexDigitValue('f', HexLetters::UpperCase), kNoHexDigit);
    EXPECT_EQ(hexDigitValue('f', HexLetters::EitherCase), 15);
}

TEST(Codecs, BitsOfEveryByteAndItsLowDigit)
{
    for (unsigned b = 0; b < 256; ++b) {
        const std::string bits = std::bitset<8>(b).to_string();
        char byte[8];
        char digit[4];
        writeBits(byte, b, 8);
        writeBits(digit, b, 4);
        EXPECT_EQ(std::string_view(byte, 8), bits) << b;
        EXPECT_EQ(std::string_view(digit, 4), bits.substr(4)) << b;
    }
    char out[8];
    writeBits(out, 0x3F, 8);
    EXPECT_EQ(std::string_view(out, 8), "00111111");
}

TEST(Codecs, DecimalOfEveryByteRightAndLeftAligned)
{
    for (long v = 0; v < 256; ++v) {
        const std::string digits = std::to_string(v);
        char right[4];
        char left[3];
        writeRightAligned(right, 4, v);
        writeLeftAligned(left, 3, v);
        EXPECT_EQ(std::string_view(right, 4), std::string(4 - digits.size(), ' ') + digits);
        EXPECT_EQ(std::string_view(left, 3), digits + std::string(3 - digits.size(), ' '));
        EXPECT_EQ(decimalText(v), digits);
    }
    constexpr auto kTexts = rightAlignedTexts<4, 3>(2105, 2);
    EXPECT_EQ(std::string_view(kTexts[2].data(), 4), "2109");
    EXPECT_EQ(decimalText(-32768), "-32768");
}

} // namespace
} // namespace orvant
