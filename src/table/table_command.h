#pragma once

#include "measure/reference_difference.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace orvant {

enum class TableFormat { Csv, Json, Statistics };

// The captures table of `arguments` (captures and folders) written to `out` as it
// comes, a failure's report to `err`; 1 when any capture failed, else 0. With a
// reference, each capture is compared with it and the reference's columns follow.
int writeCapturesTable(const std::vector<std::string> &arguments, TableFormat format,
                       std::ostream &out, std::ostream &err, unsigned threads = 0,
                       const ReferenceComparison *reference = nullptr);

} // namespace orvant
