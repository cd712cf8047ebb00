#include "capture/capture_numbers.h"

#include "shared/hex_digit.h"

namespace orvant {

int digitCharacterValue(const CaptureByte &entry)
{
    const int value = hexDigitValue(entry.character[0], HexLetters::UpperCase);
    return value == kNoHexDigit ? 0 : value;
}

std::int16_t frameNumber(const ByteTable &table)
{
    return static_cast<std::int16_t>(16 * digitCharacterValue(table.at(41))
                                     + digitCharacterValue(table.at(43)));
}

std::int32_t byteCount(const ByteTable &table)
{
    std::int32_t count = 0;
    for (const int nr : {45, 47, 49, 51})
        count = 16 * count + digitCharacterValue(table.at(nr));
    return count;
}

CaptureNumbers captureNumbers(const ByteTable &table)
{
    return {frameNumber(table), byteCount(table)};
}

} // namespace orvant
