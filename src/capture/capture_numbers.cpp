#include "capture/capture_numbers.h"

#include "capture/byte_conversion.h"

namespace orvant {

int digitCharacterValue(const CaptureByte &entry)
{
    return hexDigitValue(entry.character[0]).value_or(0);
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

} // namespace orvant
