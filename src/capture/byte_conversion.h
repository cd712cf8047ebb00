#pragma once

#include "shared/capture_byte.h"
#include "shared/prepared_text.h"

#include <array>

namespace orvant {

// One row of the byte table list: Nr., HEX, DEZ, BIN and SGN columns.
using ListRow = FixedText<27>;
using ListRows = std::array<ListRow, kPairCount>;

// Builds entry Nr. of the table, rowText included, from the pair at Nr. of the
// text, and the entry's list row when one is asked for.
void convertPair(const PreparedText &text, int nr, CaptureByte &entry, ListRow *row = nullptr);

// Converts all 1055 pairs (Nr. 1, 3, ..., 2109) in one pass into the table and,
// when given, the list rows, and resets the entries between them (Nr. 2, 4,
// ..., 2110): the table is then what a reset and the conversion leave.
void buildByteTable(const PreparedText &text, ByteTable &table, ListRows *rows = nullptr);

} // namespace orvant
