#include "shared/fixed_text.h"

#include <cstdlib>

namespace orvant {

void writeRightAligned(char *out, std::size_t width, long value)
{
    std::fill(out, out + width, ' ');
    unsigned long rest = static_cast<unsigned long>(std::labs(value));
    std::size_t pos = width;
    do {
        out[--pos] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0 && pos > 0);
    if (value < 0 && pos > 0)
        out[--pos] = '-';
}

std::string decimalText(long value)
{
    return std::to_string(value);
}

} // namespace orvant
