#include "measure/curve_measurements.h"

#include "measure/sample_gate.h"
#include "shared/curve_sample.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

constexpr double kHysteresisOfPeakToPeak = 0.10;
constexpr const char *kUnknown = "\u2014";

using Samples = std::span<const int>;

// Where the line between samples i - 1 and i meets `level`, in samples from the first.
double crossingAt(const Samples &s, std::size_t i, double level)
{
    const double before = s[i - 1];
    const double after = s[i];
    return static_cast<double>(i - 1) + (level - before) / (after - before);
}

struct Edges
{
    std::vector<double> rising;
    std::vector<double> falling;
};

// Crossings of the mid level, counted only once the signal has gone past the
// hysteresis band on the other side, so noise near the level adds no edge.
Edges midLevelEdges(const Samples &s, double mid, double halfBand)
{
    Edges edges;
    enum class Side { Unknown, Low, High } side = Side::Unknown;
    double lastUp = 0.0;
    double lastDown = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double v = s[i];
        if (i > 0 && s[i - 1] < mid && v >= mid)
            lastUp = crossingAt(s, i, mid);
        if (i > 0 && s[i - 1] >= mid && v < mid)
            lastDown = crossingAt(s, i, mid);
        if (v >= mid + halfBand) {
            if (side == Side::Low)
                edges.rising.push_back(lastUp);
            side = Side::High;
        } else if (v <= mid - halfBand) {
            if (side == Side::High)
                edges.falling.push_back(lastDown);
            side = Side::Low;
        }
    }
    return edges;
}

// Period and duty cycle over the whole periods between the first and the last rising edge.
void measurePeriod(const Samples &s, CurveMeasurements &m)
{
    if (m.peakToPeak <= 0)
        return;
    const double mid = (m.maximum + m.minimum) / 2.0;
    const Edges edges = midLevelEdges(s, mid, m.peakToPeak * kHysteresisOfPeakToPeak / 2.0);
    if (edges.rising.size() < 3)
        return;
    const double first = edges.rising.front();
    const double last = edges.rising.back();
    double high = 0.0;
    for (std::size_t r = 0; r + 1 < edges.rising.size(); ++r) {
        const auto fall
            = std::upper_bound(edges.falling.begin(), edges.falling.end(), edges.rising[r]);
        if (fall != edges.falling.end() && *fall < edges.rising[r + 1])
            high += *fall - edges.rising[r];
    }
    const double span = last - first;
    m.periodSamples = span / static_cast<double>(edges.rising.size() - 1);
    m.dutyCycle = high / span;
}

// RMS of the heights above the centre line, from the moments of the raw values.
double centredRmsDivisions(const CurveMeasurements &m)
{
    const double meanSquare
        = m.rms * m.rms - 2.0 * kCentreLine * m.mean + kCentreLine * kCentreLine;
    return std::sqrt(std::max(0.0, meanSquare)) / kUnitsPerVerticalDivision;
}

} // namespace

CurveMeasurements measureCurve(const CurveTable &curve)
{
    return measureCurve(curve, SampleRange {});
}

CurveMeasurements measureCurve(const CurveTable &curve, SampleRange range)
{
    const GatedValues gated(curve, range);
    const Samples s = gated.values();
    CurveMeasurements m;
    const auto [low, high] = std::minmax_element(s.begin(), s.end());
    m.minimum = *low;
    m.maximum = *high;
    m.peakToPeak = m.maximum - m.minimum;
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (const int v : s) {
        sum += v;
        sumOfSquares += static_cast<double>(v) * v;
        m.clipped = m.clipped || v <= 0 || v >= 255;
    }
    const auto count = static_cast<double>(s.size());
    m.mean = sum / count;
    m.rms = std::sqrt(sumOfSquares / count);
    measurePeriod(s, m);
    return m;
}

ScaledMeasurements scaledMeasurements(const CurveMeasurements &m, const ShownScale &scale)
{
    const AxisScale &volts = scale.volts;
    ScaledMeasurements scaled;
    scaled.maximum = axisValue(volts, divisionsFromCentre(m.maximum));
    scaled.minimum = axisValue(volts, divisionsFromCentre(m.minimum));
    scaled.peakToPeak = axisValue(volts, m.peakToPeak / kUnitsPerVerticalDivision);
    scaled.mean = axisValue(volts, divisionsFromCentre(m.mean));
    scaled.rms = axisValue(volts, centredRmsDivisions(m));
    scaled.clipped = m.clipped;
    if (m.periodSamples) {
        const double divisions = *m.periodSamples * kUnitsPerSample / kUnitsPerHorizontalDivision;
        scaled.period = axisValue(scale.time, divisions);
        // A frequency needs seconds; in divisions only the period is known.
        if (scale.time.perDivision)
            scaled.frequencyHz = 1.0 / *scaled.period;
        if (m.dutyCycle)
            scaled.dutyCyclePercent = *m.dutyCycle * 100.0;
    }
    return scaled;
}

std::vector<std::pair<std::string, std::string>> measurementTexts(const CurveMeasurements &m,
                                                                  const ShownScale &scale)
{
    const ScaledMeasurements s = scaledMeasurements(m, scale);
    const auto voltage = [&scale](double value) {
        return withMarks(engineering(value, scale.volts.perDivision ? "V" : "div"), scale.volts);
    };
    const auto unknownOr = [](const std::optional<double> &value, const auto &text) {
        return value ? text(*value) : std::string(kUnknown);
    };
    return {
        {"Maximum", voltage(s.maximum)},
        {"Minimum", voltage(s.minimum)},
        {"Peak to peak", voltage(s.peakToPeak)},
        {"Mean", voltage(s.mean)},
        {"RMS", voltage(s.rms)},
        {"Frequency",
         unknownOr(s.frequencyHz,
                   [&](double hz) { return withMarks(engineering(hz, "Hz"), scale.time); })},
        {"Period",
         unknownOr(s.period,
                   [&](double period) {
                       return withMarks(engineering(period, scale.time.perDivision ? "s" : "div"),
                                        scale.time);
                   })},
        {"Duty cycle",
         unknownOr(s.dutyCyclePercent, [](double percent) { return engineering(percent, "%"); })},
        {"Clipped", m.clipped ? "Yes" : "No"},
    };
}

} // namespace orvant
