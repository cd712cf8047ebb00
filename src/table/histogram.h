#pragma once

#include <cstddef>
#include <vector>

namespace orvant {

// Bins of equal width over [min, max] by the Freedman–Diaconis rule: width 2·IQR·n^(−1/3),
// the quartiles interpolated linearly between the sorted values; one bin where the
// rule gives no width, never more than `maxBins`.
struct Histogram
{
    double first = 0; // left edge of bin 0
    double width = 0; // of every bin; 0 for a single value repeated
    std::vector<std::size_t> counts;

    // The bin a value falls in (the last bin takes the maximum).
    std::size_t binOf(double value) const;
};

Histogram freedmanDiaconis(std::vector<double> values, std::size_t maxBins = 100);

} // namespace orvant
