#include "shared/capture_byte.h"

namespace orvant {

void CaptureByte::reset()
{
    hexText.clear();
    highDigit.clear();
    lowDigit.clear();
    highValue = 0;
    lowValue = 0;
    decimalText.clear();
    highBits.clear();
    lowBits.clear();
    binaryText.clear();
    character.clear();
}

void ByteTable::reset()
{
    for (int nr = 1; nr <= 2110; ++nr)
        at(nr).reset();
}

} // namespace orvant
