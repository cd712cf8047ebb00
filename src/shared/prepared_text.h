#pragma once

#include "shared/fixed_text.h"

#include <cstddef>

namespace orvant {

// The capture text of a load after its preparation: 2110 characters, 1055
// pairs named by the position of their first character (Nr. 1, 3, ..., 2109).
constexpr std::size_t kCaptureTextLength = 2110;
using PreparedText = FixedText<kCaptureTextLength>;

} // namespace orvant
