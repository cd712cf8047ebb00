#include "capture/byte_conversion.h"

#include <stdexcept>
#include <string>

namespace orvant {

namespace {

// A blank first pair (left by the realignment) stands for the byte 20 hex in
// every column.
bool isBlankFirstPair(const PreparedText &text)
{
    return text[0] == ' ' && text[1] == ' ';
}

// The pairs as the table shows them.
PreparedText shownPairs(const PreparedText &text)
{
    PreparedText pairs = text;
    if (isBlankFirstPair(text)) {
        pairs[0] = '2';
        pairs[1] = '0';
    }
    return pairs;
}

} // namespace

ListRow ListRows::at(std::size_t i) const
{
    if (i >= size())
        throw std::out_of_range("ListRows: no row " + std::to_string(i));
    if (!written_)
        return ListRow {};
    return listRowOf(pairs_[2 * i], pairs_[2 * i + 1], static_cast<int>(2 * i + 1));
}

void ListRows::write(const PreparedText &pairs)
{
    pairs_ = pairs;
    written_ = true;
}

void convertPair(const PreparedText &text, int nr, CaptureByte &entry, ListRow *row)
{
    const bool blankFirst = nr == kFirstNr && isBlankFirstPair(text);
    const char high = blankFirst ? '2' : text[static_cast<std::size_t>(nr - 1)];
    const char low = blankFirst ? '0' : text[static_cast<std::size_t>(nr)];
    entry = captureByteOf(high, low, nr);
    if (row)
        *row = listRowOf(high, low, nr);
}

void buildByteTable(const PreparedText &text, ByteTable &table, ListRows *rows)
{
    const PreparedText pairs = shownPairs(text);
    table.convert(pairs);
    if (rows)
        rows->write(pairs);
}

} // namespace orvant
