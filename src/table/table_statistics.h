#pragma once

#include "table/capture_summary.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvant {

// The statistics of one measurement column over the rows in one unit; rows in
// another unit (divisions beside volts) are counted apart, never mixed.
struct ColumnStatistics
{
    std::size_t column; // index into tableColumns(true)
    std::string unit;
    std::size_t n = 0; // cells that are not empty
    double mean = 0;
    std::optional<double> sd; // n - 1 in the denominator; none below two values
    double minimum = 0;
    double maximum = 0;

    // More than three standard deviations from the mean.
    bool isOutlier(double value) const;
};

// Per measurement column (from `maximum` on, `clipped` aside) and unit present, in
// the columns' order, units in the order they first appear.
std::vector<ColumnStatistics> tableStatistics(const std::vector<CaptureSummary> &rows);
std::vector<ColumnStatistics> tableStatistics(std::span<const CaptureSummary *const> rows);

// As CSV: "column,unit,n,mean,sd,min,max", CR LF.
std::string statisticsCsv(const std::vector<ColumnStatistics> &statistics);

} // namespace orvant
