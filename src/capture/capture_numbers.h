#pragma once

#include "shared/capture_byte.h"

#include <cstdint>

namespace orvant {

// Value of the hex digit character an entry codes ("0" to "9", "A" to "F");
// 0 for any other character, that of a blank pair included.
int digitCharacterValue(const CaptureByte &entry);

// 16 x d(41) + d(43): 0 to 255.
std::int16_t frameNumber(const ByteTable &table);

// d(45) d(47) d(49) d(51) as four hex digits: 0 to 65535, never a failure.
std::int32_t byteCount(const ByteTable &table);

// The frame number and the byte count of a converted table.
struct CaptureNumbers
{
    std::int16_t frameNumber = 0;
    std::int32_t byteCount = 0;
};
CaptureNumbers captureNumbers(const ByteTable &table);

} // namespace orvant
