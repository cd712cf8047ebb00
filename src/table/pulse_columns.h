#pragma once

#include "table/capture_summary.h"
#include "table/table_columns.h"

#include <span>
#include <string>

namespace orvant {

// The pulse figures as columns of the captures table: a column per figure, then
// `reasons` (why a figure is blank or a bound: "rise_time: no rising edge", separated
// by ";"). They follow the `limits` column.
std::span<const TableColumn> pulseColumns();
// Column `column` of pulseColumns() for a capture that loaded.
TableCell pulseCell(const CaptureSummary &summary, std::size_t column);

// The pulse columns whose value is a bound, separated by ";" ("rise_time;slew_rate"):
// what they add to `limits`.
std::string pulseBoundColumns(const CaptureSummary &summary);

} // namespace orvant
