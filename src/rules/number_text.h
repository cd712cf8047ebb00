#pragma once

#include <string_view>

namespace orvant {

// Reads a number from the start of a text the classic way: blanks are skipped
// wherever they stand, then an optional sign, digits, an optional decimal point
// with digits and an optional exponent; reading stops at the first other
// character. A text that does not begin with a number gives 0.
double leadingNumber(std::string_view text);

// A window position typed in twips, as whole pixels the window system accepts.
int positionPixelsFromTwipsText(std::string_view text);

} // namespace orvant
