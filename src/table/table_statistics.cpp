#include "table/table_statistics.h"

#include "table/table_columns.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

// Running sums in Welford's form: exact enough over 100,000 rows.
struct Accumulator
{
    ColumnStatistics statistics;
    double m2 = 0;

    void add(double value)
    {
        ColumnStatistics &s = statistics;
        s.minimum = s.n == 0 ? value : std::min(s.minimum, value);
        s.maximum = s.n == 0 ? value : std::max(s.maximum, value);
        ++s.n;
        const double delta = value - s.mean;
        s.mean += delta / static_cast<double>(s.n);
        m2 += delta * (value - s.mean);
    }
    ColumnStatistics finished() const
    {
        ColumnStatistics s = statistics;
        if (s.n >= 2)
            s.sd = std::sqrt(m2 / static_cast<double>(s.n - 1));
        return s;
    }
};

} // namespace

bool ColumnStatistics::isOutlier(double value) const
{
    return sd && *sd > 0 && std::abs(value - mean) > 3 * *sd;
}

std::vector<ColumnStatistics> tableStatistics(const std::vector<CaptureSummary> &rows)
{
    std::vector<const CaptureSummary *> pointers;
    pointers.reserve(rows.size());
    for (const CaptureSummary &summary : rows)
        pointers.push_back(&summary);
    return tableStatistics(pointers);
}

std::vector<ColumnStatistics> tableStatistics(std::span<const CaptureSummary *const> rows)
{
    const auto columns = tableColumns(true);
    std::vector<Accumulator> sums;
    for (const CaptureSummary *row : rows) {
        const CaptureSummary &summary = *row;
        if (summary.error)
            continue;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].unit == ColumnUnit::None)
                continue;
            const TableCell cell = tableCell(summary, c);
            if (cell.kind != TableCell::Kind::Number)
                continue;
            const std::string_view unit = unitOf(columns[c], summary);
            auto found = std::find_if(sums.begin(), sums.end(), [&](const Accumulator &a) {
                return a.statistics.column == c && a.statistics.unit == unit;
            });
            if (found == sums.end()) {
                Accumulator fresh;
                fresh.statistics.column = c;
                fresh.statistics.unit = unit;
                sums.push_back(fresh);
                found = sums.end() - 1;
            }
            found->add(cell.number);
        }
    }
    std::vector<ColumnStatistics> result;
    for (const Accumulator &sum : sums)
        result.push_back(sum.finished());
    std::stable_sort(result.begin(), result.end(),
                     [](const auto &a, const auto &b) { return a.column < b.column; });
    return result;
}

std::string statisticsCsv(const std::vector<ColumnStatistics> &statistics)
{
    const auto columns = tableColumns(true);
    std::string csv = "column,unit,n,mean,sd,min,max\r\n";
    for (const ColumnStatistics &s : statistics) {
        csv += std::string(columns[s.column].name) + ',' + s.unit + ',' + std::to_string(s.n) + ','
            + shortestNumber(s.mean) + ',' + (s.sd ? shortestNumber(*s.sd) : std::string()) + ','
            + shortestNumber(s.minimum) + ',' + shortestNumber(s.maximum) + "\r\n";
    }
    return csv;
}

} // namespace orvant
