#include "table/capture_json.h"

#include "measure/shown_scale.h"
#include "shared/curve_sample.h"
#include "shared/shortest_number.h"
#include "table/table_columns.h"
#include "table/table_formats.h"

#include <optional>
#include <string_view>
#include <vector>

namespace orvant {

namespace {

std::size_t columnNamed(std::string_view name)
{
    const auto columns = tableColumns();
    std::size_t i = 0;
    while (i < columns.size() && columns[i].name != name)
        ++i;
    return i;
}

// Columns [first, last) of the row as one object.
std::string jsonObjectOf(const std::vector<TableCell> &row, std::size_t first, std::size_t last)
{
    std::string object = "{";
    for (std::size_t column = first; column < last && column < row.size(); ++column) {
        object += column == first ? "\n    " : ",\n    ";
        object += jsonText(tableColumns()[column].name);
        object += ": ";
        object += jsonValue(row[column]);
    }
    return object + "\n  }";
}

std::string settingsObject(const DecodedSettings &settings)
{
    std::string object = "{";
    bool first = true;
    for (const Parameter parameter : kAllParameters) {
        object += first ? "\n    " : ",\n    ";
        first = false;
        const std::string text = settings.text(parameter);
        object += jsonText(parameterName(parameter));
        object += ": ";
        object += text.empty() ? std::string("null") : jsonText(text);
    }
    return object + "\n  }";
}

template<typename Value> std::string numberArray(Value valueOf)
{
    std::string array = "[";
    for (int k = 1; k <= kSampleCount; ++k) {
        if (k > 1)
            array += ", ";
        appendShortest(array, valueOf(k));
    }
    return array + "]";
}

std::string member(std::string_view key, const std::string &value, bool last = false)
{
    return "  " + jsonText(key) + ": " + value + (last ? "\n" : ",\n");
}

} // namespace

std::string captureJson(const CaptureSummary &summary, const CurveTable &curve)
{
    const std::vector<TableCell> row = tableRow(summary);
    const ShownScale scale = shownScale(summary.settings.values);
    const auto value = [&curve](int k) {
        return curve.at(k).sampleValue;
    };
    const std::string volts = scale.volts.perDivision
        ? numberArray([&](int k) { return sampleVolts(value(k), scale.volts); })
        : "null";
    const std::string seconds = scale.time.perDivision
        ? numberArray([&scale](int k) { return sampleSeconds(k, scale.time); })
        : "null";
    return "{\n" + member("file", jsonText(summary.file))
        + member("settings", settingsObject(summary.settings))
        + member("scale", jsonObjectOf(row, columnNamed("channel"), columnNamed("time_unit") + 1))
        + member("values", numberArray(value)) + member("volts", volts) + member("seconds", seconds)
        + member("measurements", jsonObjectOf(row, columnNamed("maximum"), row.size()), true)
        + "}\n";
}

} // namespace orvant
