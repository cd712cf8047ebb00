#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace orvant {

// Decimal digits of value without leading zeros, a "-" before a negative one.
struct DecimalDigits
{
    std::array<char, 20> chars {};
    std::size_t size = 0;

    constexpr explicit DecimalDigits(long value)
    {
        unsigned long rest = value < 0 ? 0ul - static_cast<unsigned long>(value)
                                       : static_cast<unsigned long>(value);
        std::array<char, 20> reversed {};
        std::size_t n = 0;
        do {
            reversed[n++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (value < 0)
            reversed[n++] = '-';
        for (std::size_t i = 0; i < n; ++i)
            chars[i] = reversed[n - 1 - i];
        size = n;
    }
};

// The digits of value right-aligned in [out, out + width), blanks before them;
// a value with more digits keeps its last ones.
constexpr void writeRightAligned(char *out, std::size_t width, long value)
{
    const DecimalDigits digits(value);
    const std::size_t n = digits.size < width ? digits.size : width;
    for (std::size_t i = 0; i < width - n; ++i)
        out[i] = ' ';
    for (std::size_t i = 0; i < n; ++i)
        out[width - n + i] = digits.chars[digits.size - n + i];
}

// The digits of value left-aligned in [out, out + width), blanks after them;
// a value with more digits keeps its first ones.
constexpr void writeLeftAligned(char *out, std::size_t width, long value)
{
    const DecimalDigits digits(value);
    for (std::size_t i = 0; i < width; ++i)
        out[i] = i < digits.size ? digits.chars[i] : ' ';
}

// The texts of first, first + step, ... (Count of them) right-aligned in Width
// characters: tables for rows built by the thousand.
template<std::size_t Width, std::size_t Count>
constexpr std::array<std::array<char, Width>, Count> rightAlignedTexts(long first, long step)
{
    std::array<std::array<char, Width>, Count> texts {};
    for (std::size_t i = 0; i < Count; ++i)
        writeRightAligned(texts[i].data(), Width, first + step * static_cast<long>(i));
    return texts;
}

// The decimal text of value, without sign for positive values or leading zeros.
inline std::string decimalText(long value)
{
    const DecimalDigits digits(value);
    return std::string(digits.chars.data(), digits.size);
}

} // namespace orvant
