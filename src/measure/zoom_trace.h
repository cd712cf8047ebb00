#pragma once

#include "measure/sinc_interpolation.h"
#include "measure/zoom_span.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orvant {

// How the Zoom window draws between samples.
enum class Interpolation { Steps, Lines, Sinc };

struct InterpolationInfo
{
    Interpolation interpolation;
    std::string_view caption;
};

// In the order the window offers them.
constexpr std::array<InterpolationInfo, 3> kInterpolations {{
    {Interpolation::Steps, "None (steps)"},
    {Interpolation::Lines, "Straight lines"},
    {Interpolation::Sinc, "sin(x)/x"},
}};

// A point of a curve's trace in record units (sample position, code).
struct TracePoint
{
    double sample;
    double code;
    bool operator==(const TracePoint &) const = default;
};

// The samples a span shows, with one more on each side so a trace reaches its edges:
// their numbers first to last (1 to 512).
struct SampleWindow
{
    int first;
    int last;
};
SampleWindow samplesAround(const ZoomSpan &span, int sampleCount);

// A trace over the span; values[0] is sample 1.
// Steps: each sample held up to the next one (a vertical edge at each change).
std::vector<TracePoint> stepTrace(std::span<const std::int16_t> values, const ZoomSpan &span);
// Lines: the samples joined.
std::vector<TracePoint> lineTrace(std::span<const std::int16_t> values, const ZoomSpan &span);
// sin(x)/x: the reconstruction at `columns` + 1 evenly spaced points across the span.
std::vector<TracePoint> sincTrace(const SincReconstruction &curve, const ZoomSpan &span,
                                  int columns);
// The same for several curves at once, each trace in the order given; the kernel's
// weights are worked out once a point for all curves of the same length.
std::vector<std::vector<TracePoint>> sincTraces(std::span<const SincReconstruction *const> curves,
                                                const ZoomSpan &span, int columns);

} // namespace orvant
