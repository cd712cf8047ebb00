#pragma once

#include <array>

namespace orvant {

// Which letters count as hex digits: the byte table knows "A" to "F" only, the
// "&H" numbers of the samples "a" to "f" as well.
enum class HexLetters { UpperCase, EitherCase };

constexpr int kNoHexDigit = -1;

namespace detail {
template<HexLetters Letters> constexpr std::array<signed char, 256> hexDigitTable()
{
    std::array<signed char, 256> values {};
    values.fill(kNoHexDigit);
    for (int v = 0; v < 16; ++v) {
        values[static_cast<unsigned char>("0123456789ABCDEF"[v])] = static_cast<signed char>(v);
        if (Letters == HexLetters::EitherCase)
            values[static_cast<unsigned char>("0123456789abcdef"[v])] = static_cast<signed char>(v);
    }
    return values;
}
inline constexpr auto kUpperCaseDigits = hexDigitTable<HexLetters::UpperCase>();
inline constexpr auto kEitherCaseDigits = hexDigitTable<HexLetters::EitherCase>();
} // namespace detail

// Value 0 to 15 of a hex digit character, kNoHexDigit for any other.
constexpr int hexDigitValue(char c, HexLetters letters)
{
    const auto &table
        = letters == HexLetters::UpperCase ? detail::kUpperCaseDigits : detail::kEitherCaseDigits;
    return table[static_cast<unsigned char>(c)];
}

} // namespace orvant
