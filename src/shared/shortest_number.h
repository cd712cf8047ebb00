#pragma once

#include <array>
#include <charconv>
#include <string>

namespace orvant {

// The shortest text that reads back as exactly `value` ("0.001", "1e-05", "512").
inline void appendShortest(std::string &out, double value)
{
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

inline std::string shortestNumber(double value)
{
    std::string text;
    appendShortest(text, value);
    return text;
}

} // namespace orvant
