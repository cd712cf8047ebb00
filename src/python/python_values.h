#pragma once

#include "table/table_columns.h"

#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>

namespace orvant::python {

namespace py = pybind11;

// A cell as `json.loads` reads the JSON table: None, bool, str, or a number (int where
// it is whole, as the shortest text of a whole number has no point).
py::object cellValue(const TableCell &cell);

// Text of the core (UTF-8, or a file name's bytes) as os.fsdecode gives it.
py::str decodedText(const std::string &text);

// The row of a summary as a dict, the table's columns in their order; `first` and
// `last` (exclusive) choose a part of the columns.
py::dict rowDict(const CaptureSummary &summary, std::size_t first = 0,
                 std::size_t last = tableColumns().size());
// Lets go of the column names made for rowDict(), before the interpreter ends.
void releaseColumnKeys();

// The index of a column by its name.
std::size_t columnIndex(std::string_view name);

// A path given as str, bytes or os.PathLike, and its bytes (os.fsencode), which the
// table's file column holds.
struct GivenPath
{
    std::filesystem::path path;
    std::string text;
};
GivenPath givenPath(const py::handle &argument);

} // namespace orvant::python
