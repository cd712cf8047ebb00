#include "table/histogram.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

// The q-quantile of sorted values, interpolated linearly (as numpy.percentile does).
double quantile(const std::vector<double> &sorted, double q)
{
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

} // namespace

std::size_t Histogram::binOf(double value) const
{
    if (width <= 0 || counts.empty())
        return 0;
    const double at = std::floor((value - first) / width);
    return std::min(counts.size() - 1, static_cast<std::size_t>(std::max(0.0, at)));
}

Histogram freedmanDiaconis(std::vector<double> values, std::size_t maxBins)
{
    Histogram histogram;
    if (values.empty())
        return histogram;
    std::sort(values.begin(), values.end());
    const double low = values.front();
    const double span = values.back() - low;
    const double width = 2.0 * (quantile(values, 0.75) - quantile(values, 0.25))
        / std::cbrt(static_cast<double>(values.size()));
    std::size_t bins = 1;
    if (width > 0 && span > 0)
        bins = std::clamp<std::size_t>(static_cast<std::size_t>(std::ceil(span / width)), 1,
                                       maxBins);
    histogram.first = low;
    histogram.width = span > 0 ? span / static_cast<double>(bins) : 0;
    histogram.counts.assign(bins, 0);
    for (const double value : values)
        ++histogram.counts[histogram.binOf(value)];
    return histogram;
}

} // namespace orvant
