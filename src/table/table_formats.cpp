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

// Cells `columns` of a whole row as one object, a comma before all but the first.
std::string jsonObject(const std::vector<TableCell> &row, const std::vector<std::size_t> &columns,
                       std::size_t index)
{
    std::string object = index == 0 ? "\n  {" : ",\n  {";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            object += ", ";
        object += jsonText(tableColumns(true)[columns[i]].name) + ": " + jsonValue(row[columns[i]]);
    }
    return object + "}";
}

std::vector<std::size_t> allColumns(bool withReference)
{
    std::vector<std::size_t> all(tableColumns(withReference).size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    return all;
}

} // namespace

std::string jsonText(std::string_view text)
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

std::string jsonValue(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Kind::Number:
        return shortestNumber(cell.number);
    case TableCell::Kind::Text:
        return jsonText(cell.text);
    case TableCell::Kind::Flag:
        return cell.flag ? "true" : "false";
    case TableCell::Kind::Empty:
        break;
    }
    return "null";
}

std::string csvHeader(bool withReference)
{
    return csvHeader(allColumns(withReference));
}

std::string csvHeader(const std::vector<std::size_t> &columns)
{
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvField(tableColumns(true)[columns[i]].name);
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

std::string csvRow(const CaptureSummary &summary, const std::vector<std::size_t> &columns)
{
    std::vector<TableCell> chosen;
    chosen.reserve(columns.size());
    for (const std::size_t column : columns)
        chosen.push_back(tableCell(summary, column));
    return csvRow(chosen);
}

std::string jsonOpening()
{
    return "[";
}

std::string jsonRow(const std::vector<TableCell> &row, std::size_t index)
{
    std::vector<std::size_t> columns(row.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = i;
    return jsonObject(row, columns, index);
}

std::string jsonRow(const CaptureSummary &summary, const std::vector<std::size_t> &columns,
                    std::size_t index)
{
    return jsonObject(tableRow(summary), columns, index);
}

std::string jsonClosing(std::size_t rows)
{
    return rows == 0 ? "]\n" : "\n]\n";
}

} // namespace orvant
