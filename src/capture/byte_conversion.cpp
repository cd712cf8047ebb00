#include "capture/byte_conversion.h"

#include "capture/capture_numbers.h"

#include <cstring>

namespace orvant {

namespace {

constexpr const char *kNibbleBits[16] = {"0000", "0001", "0010", "0011", "0100", "0101",
                                         "0110", "0111", "1000", "1001", "1010", "1011",
                                         "1100", "1101", "1110", "1111"};

void setDigit(char digit, FixedText<1> &digitText, std::int16_t &value, FixedText<4> &bits)
{
    digitText[0] = digit;
    const auto digitValue = hexDigitValue(digit);
    value = static_cast<std::int16_t>(digitValue.value_or(0));
    if (digitValue)
        bits.assign(kNibbleBits[*digitValue]);
    else
        bits.clear();
}

} // namespace

std::optional<int> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

void convertPair(const PreparedText &text, int nr, CaptureByte &entry)
{
    char high = text[static_cast<std::size_t>(nr - 1)];
    char low = text[static_cast<std::size_t>(nr)];
    // A blank first pair (left by the realignment) stands for the byte 20 hex
    // in every column.
    if (nr == 1 && high == ' ' && low == ' ')
        high = '2', low = '0';

    entry.hexText[0] = high;
    entry.hexText[1] = low;
    setDigit(high, entry.highDigit, entry.highValue, entry.highBits);
    setDigit(low, entry.lowDigit, entry.lowValue, entry.lowBits);

    const int value = 16 * entry.highValue + entry.lowValue;
    entry.decimalText.assign(decimalText(value));
    std::memcpy(entry.binaryText.data(), entry.highBits.data(), 4);
    std::memcpy(entry.binaryText.data() + 4, entry.lowBits.data(), 4);
    entry.character[0] = static_cast<char>(value);

    // Nr. 4, 6 blanks, HEX, 5 blanks, DEZ (3), 4 blanks, BIN, 5 blanks, SGN.
    char *row = entry.rowText.data();
    std::memset(row, ' ', 38);
    writeRightAligned(row, 4, nr);
    std::memcpy(row + 10, entry.hexText.data(), 2);
    std::memcpy(row + 17, entry.decimalText.data(), 3);
    std::memcpy(row + 24, entry.binaryText.data(), 8);
    row[37] = entry.character[0];
}

ListRow listRow(int nr, const CaptureByte &entry)
{
    // Nr. 4, 2 blanks, HEX, 3 blanks, DEZ (3), 2 blanks, BIN, 2 blanks, SGN.
    ListRow row;
    char *out = row.data();
    writeRightAligned(out, 4, nr);
    std::memcpy(out + 6, entry.hexText.data(), 2);
    std::memcpy(out + 11, entry.decimalText.data(), 3);
    std::memcpy(out + 16, entry.binaryText.data(), 8);
    out[26] = entry.character[0];
    return row;
}

CaptureNumbers buildByteTable(const PreparedText &text, ByteTable &table, ListRows &rows)
{
    CaptureNumbers numbers;
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2) {
        CaptureByte &entry = table.at(nr);
        convertPair(text, nr, entry);
        if (nr == 43)
            numbers.frameNumber = frameNumber(table);
        if (nr == 51)
            numbers.byteCount = byteCount(table);
        rows[static_cast<std::size_t>(nr / 2)] = listRow(nr, entry);
    }
    return numbers;
}

} // namespace orvant
