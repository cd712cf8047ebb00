#pragma once

#include <string>
#include <vector>

namespace orvant {

// The mount points of the mounted, ready, real file systems, "/" always among
// them, sorted.
std::vector<std::string> mountedVolumes();

} // namespace orvant
