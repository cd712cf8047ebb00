#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace orvant {

// A text field of fixed width: a shorter text is filled up with blanks on the
// right, a longer one is cut. Holds 8-bit characters unchanged (NUL included).
template<std::size_t N> class FixedText
{
public:
    FixedText() { clear(); }
    explicit FixedText(std::string_view text) { assign(text); }

    void assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, chars_.begin());
        std::fill(chars_.begin() + n, chars_.end(), ' ');
    }
    // A memset of constant size: small fields are written in place, no call.
    void clear() { std::memset(chars_.data(), ' ', N); }

    std::string_view view() const { return {chars_.data(), N}; }
    std::string str() const { return std::string(view()); }
    char operator[](std::size_t i) const { return chars_[i]; }
    char &operator[](std::size_t i) { return chars_[i]; }
    char *data() { return chars_.data(); }
    const char *data() const { return chars_.data(); }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText &) const = default;
    bool operator==(std::string_view text) const { return view() == text; }

private:
    std::array<char, N> chars_;
};

// Writes the decimal digits of value right-aligned into [out, out + width),
// blanks before them. value must fit.
void writeRightAligned(char *out, std::size_t width, long value);

// The texts of the non-negative numbers first, first + step, ... (Count of them)
// right-aligned in Width characters: tables for rows built by the thousand.
template<std::size_t Width, std::size_t Count>
constexpr std::array<std::array<char, Width>, Count> rightAlignedTexts(long first, long step)
{
    std::array<std::array<char, Width>, Count> texts {};
    for (std::size_t i = 0; i < Count; ++i) {
        std::array<char, Width> &text = texts[i];
        text.fill(' ');
        long rest = first + step * static_cast<long>(i);
        std::size_t pos = Width;
        do {
            text[--pos] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0 && pos > 0);
    }
    return texts;
}

// The decimal text of value, without sign or leading zeros.
std::string decimalText(long value);

} // namespace orvant
