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

} // namespace orvant
