#pragma once

#include <cstddef>

namespace orvant {

// The lowest `count` bits of value as "0" and "1", most significant first.
constexpr void writeBits(char *out, unsigned value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        out[i] = (value >> (count - 1 - i)) & 1u ? '1' : '0';
}

} // namespace orvant
