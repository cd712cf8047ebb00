#include "table/table_columns.h"

#include "measure/shown_scale.h"

#include <array>
#include <charconv>

namespace orvant {

namespace {

constexpr std::size_t kSettingsColumns = kParameterCount;

constexpr std::array<TableColumn, 5> kLeading {{
    {"file", false, ColumnUnit::None},
    {"modified", false, ColumnUnit::None},
    {"size_bytes", true, ColumnUnit::None},
    {"error", true, ColumnUnit::None},
    {"error_text", false, ColumnUnit::None},
}};

constexpr std::array<TableColumn, 14> kTrailing {{
    {"channel", true, ColumnUnit::None},
    {"volts_per_div", true, ColumnUnit::None},
    {"seconds_per_div", true, ColumnUnit::None},
    {"voltage_unit", false, ColumnUnit::None},
    {"time_unit", false, ColumnUnit::None},
    {"maximum", true, ColumnUnit::Voltage},
    {"minimum", true, ColumnUnit::Voltage},
    {"peak_to_peak", true, ColumnUnit::Voltage},
    {"mean", true, ColumnUnit::Voltage},
    {"rms", true, ColumnUnit::Voltage},
    {"frequency_hz", true, ColumnUnit::Hertz},
    {"period", true, ColumnUnit::Time},
    {"duty_cycle_percent", true, ColumnUnit::Percent},
    {"clipped", false, ColumnUnit::None},
}};

// tableCell() reads the trailing columns by their place in this order.
static_assert(kTrailing.size() == 14);

using Columns = std::array<TableColumn, kLeading.size() + kSettingsColumns + kTrailing.size()>;

// The settings columns take the parameters' names, between the file's and the scale's.
const Columns &columns()
{
    static const Columns all = [] {
        Columns made {};
        std::size_t at = 0;
        for (const TableColumn &column : kLeading)
            made[at++] = column;
        for (const Parameter parameter : kAllParameters)
            made[at++] = {parameterName(parameter), false, ColumnUnit::None};
        for (const TableColumn &column : kTrailing)
            made[at++] = column;
        return made;
    }();
    return all;
}

TableCell optionalNumber(const std::optional<double> &value)
{
    return value ? TableCell::of(*value) : TableCell::empty();
}

// SEC/DIV as its label says, X10 MAG counted; XY changes the unit of times, not this.
std::optional<double> secondsPerDivision(const SettingValues &values)
{
    const auto time = values[Parameter::SecPerDiv];
    if (!time)
        return std::nullopt;
    const double perDivision = settingValues(Parameter::SecPerDiv)[*time].perDivision;
    return values[Parameter::X10Mag] == setting::kOn ? perDivision / 10.0 : perDivision;
}

} // namespace

std::span<const TableColumn> tableColumns()
{
    return columns();
}

std::string shortestNumber(double value)
{
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string_view unitOf(const TableColumn &column, const CaptureSummary &summary)
{
    const ShownScale scale = shownScale(summary.settings.values);
    switch (column.unit) {
    case ColumnUnit::Voltage:
        return scale.volts.perDivision ? "V" : "div";
    case ColumnUnit::Time:
        return scale.time.perDivision ? "s" : "div";
    case ColumnUnit::Hertz:
        return "Hz";
    case ColumnUnit::Percent:
        return "%";
    case ColumnUnit::None:
        break;
    }
    return "";
}

std::vector<TableCell> tableRow(const CaptureSummary &summary)
{
    std::vector<TableCell> row;
    row.reserve(columns().size());
    for (std::size_t column = 0; column < columns().size(); ++column)
        row.push_back(tableCell(summary, column));
    return row;
}

TableCell tableCell(const CaptureSummary &summary, std::size_t column)
{
    switch (column) {
    case 0:
        return TableCell::of(summary.file);
    case 1:
        return summary.modified ? TableCell::of(isoText(*summary.modified)) : TableCell::empty();
    case 2:
        return summary.sizeBytes ? TableCell::of(static_cast<double>(*summary.sizeBytes))
                                 : TableCell::empty();
    case 3:
        return summary.error ? TableCell::of(static_cast<double>(summary.error->number))
                             : TableCell::empty();
    case 4:
        return summary.error ? TableCell::of(summary.error->description) : TableCell::empty();
    default:
        break;
    }
    if (summary.error)
        return TableCell::empty(); // a failed load has nothing more to say
    if (column < kLeading.size() + kSettingsColumns) {
        std::string text = summary.settings.text(kAllParameters[column - kLeading.size()]);
        return text.empty() ? TableCell::empty() : TableCell::of(std::move(text));
    }
    const ShownScale scale = shownScale(summary.settings.values);
    const ScaledMeasurements &m = summary.measurements;
    switch (column - kLeading.size() - kSettingsColumns) {
    case 0:
        return TableCell::of(static_cast<double>(scale.channel));
    case 1:
        return optionalNumber(scale.volts.perDivision);
    case 2:
        return optionalNumber(secondsPerDivision(summary.settings.values));
    case 3:
        return TableCell::of(std::string(scale.volts.perDivision ? "V" : "div"));
    case 4:
        return TableCell::of(std::string(scale.time.perDivision ? "s" : "div"));
    case 5:
        return TableCell::of(m.maximum);
    case 6:
        return TableCell::of(m.minimum);
    case 7:
        return TableCell::of(m.peakToPeak);
    case 8:
        return TableCell::of(m.mean);
    case 9:
        return TableCell::of(m.rms);
    case 10:
        return optionalNumber(m.frequencyHz);
    case 11:
        return optionalNumber(m.period);
    case 12:
        return optionalNumber(m.dutyCyclePercent);
    case 13:
        return TableCell::of(m.clipped);
    default:
        return TableCell::empty();
    }
}

} // namespace orvant
