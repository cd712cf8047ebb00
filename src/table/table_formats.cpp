#include "table/table_formats.h"

#include <array>
#include <cstdio>

namespace orvant {

namespace {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvCell(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Kind::Number:
        return shortestNumber(cell.number);
    case TableCell::Kind::Text:
        return csvField(cell.text);
    case TableCell::Kind::Flag:
        return cell.flag ? "true" : "false";
    case TableCell::Kind::Empty:
        break;
    }
    return {};
}

// A JSON string; UTF-8 passes as it is, control characters escaped.
std::string jsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped {};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            quoted += escaped.data();
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string jsonCell(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Kind::Number:
        return shortestNumber(cell.number);
    case TableCell::Kind::Text:
        return jsonString(cell.text);
    case TableCell::Kind::Flag:
        return cell.flag ? "true" : "false";
    case TableCell::Kind::Empty:
        break;
    }
    return "null";
}

} // namespace

std::string csvHeader()
{
    std::string line;
    for (const TableColumn &column : tableColumns()) {
        if (!line.empty())
            line += ',';
        line += csvField(column.name);
    }
    return line + "\r\n";
}

std::string csvRow(const std::vector<TableCell> &row)
{
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvCell(row[i]);
    }
    return line + "\r\n";
}

std::string jsonOpening()
{
    return "[";
}

std::string jsonRow(const std::vector<TableCell> &row, std::size_t index)
{
    const auto columns = tableColumns();
    std::string object = index == 0 ? "\n  {" : ",\n  {";
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            object += ", ";
        object += jsonString(columns[i].name) + ": " + jsonCell(row[i]);
    }
    return object + "}";
}

std::string jsonClosing(std::size_t rows)
{
    return rows == 0 ? "]\n" : "\n]\n";
}

} // namespace orvant
