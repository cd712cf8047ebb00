#include "measure/zoom_trace.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvant {

SampleWindow samplesAround(const ZoomSpan &span, int sampleCount)
{
    const int first = std::max(1, static_cast<int>(std::floor(span.firstSample)) - 1);
    const int last = std::min(sampleCount, static_cast<int>(std::ceil(span.lastSample)) + 1);
    return {first, last};
}

std::vector<TracePoint> stepTrace(std::span<const std::int16_t> values, const ZoomSpan &span)
{
    std::vector<TracePoint> points;
    const SampleWindow shown = samplesAround(span, static_cast<int>(values.size()));
    for (int k = shown.first; k <= shown.last; ++k) {
        const double code = values[static_cast<std::size_t>(k - 1)];
        points.push_back({static_cast<double>(k), code});
        // The last sample is held for one interval too, as the others are.
        points.push_back({k + 1.0, code});
    }
    return points;
}

std::vector<TracePoint> lineTrace(std::span<const std::int16_t> values, const ZoomSpan &span)
{
    std::vector<TracePoint> points;
    const SampleWindow shown = samplesAround(span, static_cast<int>(values.size()));
    for (int k = shown.first; k <= shown.last; ++k)
        points.push_back({static_cast<double>(k), static_cast<double>(values[k - 1])});
    return points;
}

std::vector<TracePoint> sincTrace(const SincReconstruction &curve, const ZoomSpan &span,
                                  int columns)
{
    const SincReconstruction *const one[] {&curve};
    return std::move(sincTraces(one, span, columns).front());
}

std::vector<std::vector<TracePoint>> sincTraces(std::span<const SincReconstruction *const> curves,
                                                const ZoomSpan &span, int columns)
{
    const int steps = std::max(1, columns);
    std::vector<std::vector<TracePoint>> traces(curves.size());
    for (auto &trace : traces)
        trace.reserve(static_cast<std::size_t>(steps) + 1);
    const double width = span.lastSample - span.firstSample;
    SincWeights weights;
    for (int i = 0; i <= steps; ++i) {
        const double at = span.firstSample + width * i / steps;
        for (std::size_t c = 0; c < curves.size(); ++c) {
            const SincReconstruction &curve = *curves[c];
            if (c == 0 || weights.count != curve.sampleCount())
                weights = sincWeights(at, curve.sampleCount());
            traces[c].push_back({at, curve.valueAt(weights)});
        }
    }
    return traces;
}

} // namespace orvant
