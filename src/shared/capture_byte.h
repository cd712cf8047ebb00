#pragma once

#include "shared/fixed_text.h"

#include <array>
#include <cstdint>

namespace orvant {

// One hex digit pair of the prepared capture text. Nr., the position of the
// pair's first character, is the index in ByteTable and not stored.
struct CaptureByte
{
    FixedText<2> hexText;
    FixedText<1> highDigit;
    FixedText<1> lowDigit;
    std::int16_t highValue = 0;
    std::int16_t lowValue = 0;
    // Room for three digits: byte values 100 to 255 keep all of theirs.
    FixedText<3> decimalText;
    FixedText<4> highBits;
    FixedText<4> lowBits;
    FixedText<8> binaryText;
    FixedText<1> character;
    FixedText<38> rowText; // the pair's line of the export file

    // Text fields to blanks and values to 0; rowText is kept.
    void reset();
};

constexpr int kPairCount = 1055;
constexpr int kFirstNr = 1;
constexpr int kLastNr = 2109;

// CaptureByte entries indexed by Nr. (1 to 2111; a load uses the odd 1 to 2109).
class ByteTable
{
public:
    CaptureByte &at(int nr) { return entries_.at(static_cast<std::size_t>(nr)); }
    const CaptureByte &at(int nr) const { return entries_.at(static_cast<std::size_t>(nr)); }

    // Resets entries 1 to 2110 (rowText kept).
    void reset();

private:
    std::array<CaptureByte, 2112> entries_ {};
};

} // namespace orvant
