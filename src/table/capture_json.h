#pragma once

#include "table/capture_summary.h"

#include <string>

namespace orvant {

class CurveTable;

// One capture as a JSON object: file, settings (the 25 parameters' names to their
// texts, null where none), scale (the table's channel ... time_unit), values (the 512
// samples), volts and seconds (512 numbers each, null without that scale) and
// measurements (the table's columns maximum ... reasons, null where blank). Numbers
// in the shortest form that reads back exactly; ends with a line feed.
std::string captureJson(const CaptureSummary &summary, const CurveTable &curve);

} // namespace orvant
