#include "rules/number_text.h"

#include "rules/twips.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace orvant {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without blanks, cut where a number can no longer continue.
std::string numberPrefix(std::string_view text)
{
    std::string compact;
    for (const char c : text) {
        if (c != ' ')
            compact.push_back(c);
    }
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < compact.size() && isDigit(compact[i]))
        ++i;
    std::size_t digits = i - digitsStart;
    if (i < compact.size() && compact[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < compact.size() && isDigit(compact[i]))
            ++i;
        digits += i - fraction;
    }
    if (digits == 0)
        return {};
    std::size_t end = i;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            ++j;
        if (j < compact.size() && isDigit(compact[j])) {
            while (j < compact.size() && isDigit(compact[j]))
                ++j;
            end = j;
        }
    }
    return compact.substr(0, end);
}

} // namespace

double leadingNumber(std::string_view text)
{
    const std::string prefix = numberPrefix(text);
    if (prefix.empty())
        return 0.0;
    const double value = std::strtod(prefix.c_str(), nullptr);
    return std::isfinite(value) ? value : (value < 0 ? -HUGE_VAL : HUGE_VAL);
}

int positionPixelsFromTwipsText(std::string_view text)
{
    // X11 takes 16-bit signed pixel positions.
    const double twips = std::round(leadingNumber(text));
    const double pixels = std::clamp(twips / kTwipsPerPixel, -32768.0, 32767.0);
    return static_cast<int>(pixels);
}

} // namespace orvant
