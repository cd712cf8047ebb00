#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvant {

// A text field of fixed width: a shorter text is filled up with blanks on the
// right, a longer one is cut. Holds 8-bit characters unchanged (NUL included).
template<std::size_t N>
class FixedText
{
public:
    FixedText() { chars_.fill(' '); }
    explicit FixedText(std::string_view text) { assign(text); }

    void assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, chars_.begin());
        std::fill(chars_.begin() + n, chars_.end(), ' ');
    }
    void clear() { chars_.fill(' '); }

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

// The decimal text of value, without sign or leading zeros.
std::string decimalText(long value);

} // namespace orvant
