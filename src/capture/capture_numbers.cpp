#include "capture/capture_numbers.h"

#include "shared/hex_digit.h"

namespace orvant {

namespace {

int digitValue(char character)
{
    const int value = hexDigitValue(character, HexLetters::UpperCase);
    return value == kNoHexDigit ? 0 : value;
}

int digitCharacterValue(const ByteTable &table, int nr)
{
    return digitValue(table.character(nr));
}

} // namespace

int digitCharacterValue(const CaptureByte &entry)
{
    return digitValue(entry.character[0]);
}

std::int16_t frameNumber(const ByteTable &table)
{
    return static_cast<std::int16_t>(16 * digitCharacterValue(table, 41)
                                     + digitCharacterValue(table, 43));
}

std::int32_t byteCount(const ByteTable &table)
{
    std::int32_t count = 0;
    for (const int nr : {45, 47, 49, 51})
        count = 16 * count + digitCharacterValue(table, nr);
    return count;
}

CaptureNumbers captureNumbers(const ByteTable &table)
{
    return {frameNumber(table), byteCount(table)};
}

} // namespace orvant
