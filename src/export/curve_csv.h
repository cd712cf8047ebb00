#pragma once

#include "measure/shown_scale.h"

#include <string>

namespace orvant {

class CurveTable;

// The samples as CSV: header "sample,time_s,value,volts", one row per sample (1..512),
// CR LF line ends, numbers in the shortest form that reads back exactly (std::to_chars),
// volts empty when the volts scale is unknown, time_s empty when the time scale is unknown
// (XY ON gives none).
std::string curveCsv(const CurveTable &curve, const ShownScale &scale);

} // namespace orvant
