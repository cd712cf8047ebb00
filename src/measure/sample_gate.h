#pragma once

#include "measure/cursor_readout.h"
#include "measure/shown_scale.h"
#include "shared/curve_sample.h"

#include <array>
#include <span>
#include <string>

namespace orvant {

// The samples a measurement takes: sample numbers `first` to `last` (1 to 512), both
// included. The whole record unless the time cursors gate it.
struct SampleRange
{
    int first = 1;
    int last = kSampleCount;
    int count() const { return last - first + 1; }
    bool operator==(const SampleRange &) const = default;
};

// The samples between two time cursors in plot x units (sample k sits at x = 2k), in
// either order; where none lies between them, the one sample nearest to them.
SampleRange samplesBetween(double x1, double x2);
SampleRange samplesBetween(const CursorBox &box);

// The values (0 to 255) of a range's samples, in order, without taking the heap.
class GatedValues
{
public:
    GatedValues(const CurveTable &curve, SampleRange range);
    std::span<const int> values() const
    {
        return {values_.data(), static_cast<std::size_t>(range_.count())};
    }
    SampleRange range() const { return range_; }

private:
    std::array<int, kSampleCount> values_ {};
    SampleRange range_;
};

// "Between 1.04 ms and 3.09 ms": the time cursors, the earlier first, in the scale's
// time unit with its marks.
std::string gateHeading(const CursorBox &box, const ShownScale &scale);

} // namespace orvant
