#pragma once

#include <string>
#include <string_view>

namespace orvant {

// The start of every file name written for a capture ("a" for "a.log" and "a.LOG"):
// its file name without a final ".log" in any letter case.
std::string outputBaseName(std::string_view captureFileName);

} // namespace orvant
