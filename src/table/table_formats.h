#pragma once

#include "table/capture_summary.h"
#include "table/table_columns.h"

#include <string>
#include <vector>

namespace orvant {

// The captures table as CSV: RFC 4180, quotes only where needed, CR LF, a header row,
// numbers in the shortest form that reads back exactly, empty cells empty.
std::string csvHeader(bool withReference = false);
std::string csvRow(const std::vector<TableCell> &row);
// The same for the columns `columns` (indices into tableColumns(true)) in their order.
std::string csvHeader(const std::vector<std::size_t> &columns);
std::string csvRow(const CaptureSummary &summary, const std::vector<std::size_t> &columns);
// As JSON: an array of objects with the columns' keys in their order, numbers as
// numbers, true/false, null for an empty cell. Written piece by piece: the opening, each
// row (its index tells whether a comma leads), the closing.
std::string jsonOpening();
std::string jsonRow(const std::vector<TableCell> &row, std::size_t index);
std::string jsonRow(const CaptureSummary &summary, const std::vector<std::size_t> &columns,
                    std::size_t index);
std::string jsonClosing(std::size_t rows);
// One JSON value: a string (UTF-8 as it is, control characters escaped), a cell.
std::string jsonText(std::string_view text);
std::string jsonValue(const TableCell &cell);

} // namespace orvant
