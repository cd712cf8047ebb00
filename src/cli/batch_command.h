#pragma once

#include "export/batch_export.h"

#include <string>
#include <vector>

namespace orvant {

// The whole of orvant-export but its main(): the command line read, its help,
// version or usage error answered, else the run. Returns the exit code.
int runBatchExport(const std::vector<std::string> &args, const BatchIo &io);

} // namespace orvant
