#include "measure/sample_gate.h"

#include <algorithm>
#include <cmath>

namespace orvant {

SampleRange samplesBetween(double x1, double x2)
{
    const double from = std::min(x1, x2) / kUnitsPerSample;
    const double to = std::max(x1, x2) / kUnitsPerSample;
    const auto clamped = [](double sample) {
        return static_cast<int>(std::clamp(sample, 1.0, static_cast<double>(kSampleCount)));
    };
    const int first = clamped(std::ceil(from));
    const int last = clamped(std::floor(to));
    if (first <= last)
        return {first, last};
    const int nearest = clamped(std::round((from + to) / 2));
    return {nearest, nearest};
}

SampleRange samplesBetween(const CursorBox &box)
{
    return samplesBetween(box.t1, box.t2);
}

GatedValues::GatedValues(const CurveTable &curve, SampleRange range)
    : range_(range)
{
    for (int k = range.first; k <= range.last; ++k)
        values_[static_cast<std::size_t>(k - range.first)] = curve.at(k).sampleValue;
}

std::string gateHeading(const CursorBox &box, const ShownScale &scale)
{
    const double earlier = divisionsFromLeft(std::min(box.t1, box.t2));
    const double later = divisionsFromLeft(std::max(box.t1, box.t2));
    return "Between " + axisReading(scale.time, earlier, "s") + " and "
        + axisReading(scale.time, later, "s");
}

} // namespace orvant
