#pragma once

#include "shared/shortest_number.h"
#include "table/capture_summary.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// One cell of the captures table: empty, a number, a text or a flag.
struct TableCell
{
    enum class Kind { Empty, Number, Text, Flag } kind = Kind::Empty;
    double number = 0;
    std::string text;
    bool flag = false;

    static TableCell empty() { return {}; }
    static TableCell of(double value) { return {Kind::Number, value, {}, false}; }
    static TableCell of(std::string value) { return {Kind::Text, 0, std::move(value), false}; }
    static TableCell of(bool value) { return {Kind::Flag, 0, {}, value}; }
};

// What a column's numbers are measured in.
enum class ColumnUnit {
    None, // not a measurement
    Voltage, // the row's voltage_unit
    Time, // the row's time_unit
    Hertz,
    Percent,
    Decibel,
    Bits,
    Count, // a plain number
    SlewRate, // the voltage unit per the time unit
};

struct TableColumn
{
    std::string_view name; // the header, the JSON key
    bool numeric;
    ColumnUnit unit; // measurement columns only
};

// Every column in its order: file, modified, size_bytes, error, error_text, the 25
// settings by name, channel, volts_per_div, seconds_per_div, voltage_unit, time_unit,
// the measurements, the distortion figures, limits (the names of the columns whose value
// is a bound), the pulse figures and reasons; checked against a reference, then
// ref_rms_difference, ref_max_difference and ref_within.
std::span<const TableColumn> tableColumns(bool withReference = false);

// The row of one capture, a cell per column; the reference's columns when it was
// checked against one.
std::vector<TableCell> tableRow(const CaptureSummary &summary);
// One cell of it, column `column` of tableColumns().
TableCell tableCell(const CaptureSummary &summary, std::size_t column);

// The unit a measurement column's cell of this row is in: "V", "div", "s", "Hz", "%",
// "dB", "bits", "V/s", "V/div", "div/s", "div/div"; "" for a count.
std::string_view unitOf(const TableColumn &column, const CaptureSummary &summary);

} // namespace orvant
