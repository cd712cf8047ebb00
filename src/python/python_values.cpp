#include "python/python_values.h"

#include <cmath>
#include <stdexcept>

namespace orvant::python {

py::object cellValue(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Kind::Empty:
        return py::none();
    case TableCell::Kind::Flag:
        return py::bool_(cell.flag);
    case TableCell::Kind::Text:
        return decodedText(cell.text);
    case TableCell::Kind::Number:
        break;
    }
    constexpr double kLargestWhole = 9007199254740992.0; // 2^53
    if (std::isfinite(cell.number) && std::trunc(cell.number) == cell.number
        && std::fabs(cell.number) < kLargestWhole)
        return py::int_(static_cast<long long>(cell.number));
    return py::float_(cell.number);
}

py::str decodedText(const std::string &text)
{
    // As os.fsdecode: bytes that are no UTF-8 come back as they were through os.fsencode.
    PyObject *decoded = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                             "surrogateescape");
    if (!decoded)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

namespace {

// Made once, interned: a table of many rows shares its keys. Held until the module goes.
std::vector<py::object> &keysHeld()
{
    static std::vector<py::object> keys;
    return keys;
}

const std::vector<py::object> &columnKeys()
{
    std::vector<py::object> &keys = keysHeld();
    if (keys.empty()) {
        for (const TableColumn &column : tableColumns()) {
            PyObject *key = PyUnicode_InternFromString(std::string(column.name).c_str());
            keys.push_back(py::reinterpret_steal<py::object>(key));
        }
    }
    return keys;
}

} // namespace

void releaseColumnKeys()
{
    keysHeld().clear();
}

py::dict rowDict(const CaptureSummary &summary, std::size_t first, std::size_t last)
{
    py::dict row;
    const std::vector<TableCell> cells = tableRow(summary);
    const std::vector<py::object> &keys = columnKeys();
    for (std::size_t column = first; column < last; ++column)
        row[keys[column]] = cellValue(cells[column]);
    return row;
}

std::size_t columnIndex(std::string_view name)
{
    const auto columns = tableColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name)
            return i;
    }
    throw std::logic_error("no column " + std::string(name));
}

GivenPath givenPath(const py::handle &argument)
{
    const py::module_ os = py::module_::import("os");
    // os.fsencode takes str, bytes and os.PathLike, and raises TypeError for the rest.
    const std::string bytes = py::bytes(os.attr("fsencode")(argument));
    return {std::filesystem::path(bytes), bytes};
}

} // namespace orvant::python
