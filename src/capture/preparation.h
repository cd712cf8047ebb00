#pragma once

#include "shared/var_global.h"

#include <string_view>

namespace orvant {

// The 2110-character capture text: the field blank-filled or cut; moved one
// pair to the right (pair 1 blank, the last pair lost) when characters 11 to 14
// read "4348".
PreparedText prepareCaptureText(std::string_view field);

} // namespace orvant
