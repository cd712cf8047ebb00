#pragma once

#include "shared/fixed_text.h"
#include "shared/prepared_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

// One row of the byte table list: Nr., HEX, DEZ, BIN and SGN columns.
using ListRow = FixedText<27>;
using ExportRow = decltype(CaptureByte::rowText);

// The entry, rowText included, and the list row of the pair `high low` at Nr.
CaptureByte captureByteOf(char high, char low, int nr);
ListRow listRowOf(char high, char low, int nr);
ExportRow exportRowOf(char high, char low, int nr);
// The entry's character alone: 16 x high + low, a character that is no
// upper-case hex digit counting 0.
char characterOf(char high, char low);

constexpr int kPairCount = 1055;
constexpr int kFirstNr = 1;
constexpr int kLastNr = 2109;
constexpr int kLastEntryNr = 2111;

// CaptureByte entries indexed by Nr. (0 to 2111; a load uses the odd 1 to 2109,
// every other entry stays blank). Only the converted pairs are kept: an entry
// is worked out when it is read, so a load writes 3 KB instead of every field
// of every entry.
class ByteTable
{
    static constexpr std::array<char, kPairCount> blankCharacters()
    {
        std::array<char, kPairCount> blanks {};
        blanks.fill(' ');
        return blanks;
    }

public:
    // Throws std::out_of_range for a Nr. outside 0 to 2111.
    CaptureByte at(int nr) const;
    // Parts of at(nr) on their own, for the readers of every entry.
    char character(int nr) const { return isPair(nr) ? characters_[pairIndex(nr)] : ' '; }
    ExportRow rowText(int nr) const;
    // The row texts of Nr. 1, 3, ..., 2109, each followed by lineEnd.
    void appendRowTexts(std::string &out, std::string_view lineEnd) const;
    // The characters of the pairs, index i for Nr. 2i + 1: the samples read them.
    std::span<const char, kPairCount> characters() const { return characters_; }

    // The entries of the pairs of `pairs` as the table shows them (pair Nr. is
    // the characters nr - 1 and nr).
    void convert(const PreparedText &pairs);
    // Every entry blank (rowText kept).
    void reset();

private:
    static bool isPair(int nr) { return nr >= kFirstNr && nr <= kLastNr && nr % 2 == 1; }
    static std::size_t pairIndex(int nr) { return static_cast<std::size_t>(nr / 2); }
    char high(int nr) const { return pairs_[static_cast<std::size_t>(nr - 1)]; }
    char low(int nr) const { return pairs_[static_cast<std::size_t>(nr)]; }

    PreparedText pairs_; // those of the last conversion
    std::array<char, kPairCount> characters_ = blankCharacters();
    bool converted_ = false; // the entries are the pairs' (false: blank)
    bool rowsWritten_ = false; // the row texts are the pairs' (false: blank)
};

} // namespace orvant
