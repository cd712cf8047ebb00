#pragma once

#include "shared/capture_byte.h"
#include "shared/var_global.h"

#include <array>
#include <optional>

namespace orvant {

// One row of the byte table list: Nr., HEX, DEZ, BIN and SGN columns.
using ListRow = FixedText<27>;
using ListRows = std::array<ListRow, kPairCount>;

// Value 0 to 15 of an upper-case hex digit character, nothing for any other.
std::optional<int> hexDigitValue(char c);

// Builds entry Nr. of the table from the pair at Nr. of the text, rowText
// included.
void convertPair(const PreparedText &text, int nr, CaptureByte &entry);

// The entry's list row.
ListRow listRow(int nr, const CaptureByte &entry);

// The frame number and the byte count, computed on the way as the entries they
// need are complete.
struct CaptureNumbers
{
    std::int16_t frameNumber = 0;
    std::int32_t byteCount = 0;
};

// Converts all 1055 pairs (Nr. 1, 3, ..., 2109) in one pass into the table and
// the list rows. Expects a reset table.
CaptureNumbers buildByteTable(const PreparedText &text, ByteTable &table, ListRows &rows);

} // namespace orvant
