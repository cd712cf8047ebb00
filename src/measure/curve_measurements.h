#pragma once

#include "measure/shown_scale.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvant {

class CurveTable;
struct SampleRange;

struct CurveMeasurements
{
    int maximum = 0;
    int minimum = 0; // sample values 0..255
    double peakToPeak = 0;
    double mean = 0;
    double rms = 0; // in sample units (value, not centred)
    // From mid-level crossings with 10 % hysteresis; none when < 2 full periods.
    std::optional<double> periodSamples;
    std::optional<double> dutyCycle; // 0..1, whenever a period is shown
    bool clipped = false; // any sample 0 or 255
};

CurveMeasurements measureCurve(const CurveTable &curve);
// Of the samples of `range` alone (at least one).
CurveMeasurements measureCurve(const CurveTable &curve, SampleRange range);

// The measurements as numbers in a scale's units: voltages in V, or in divisions
// without a volts scale; the period in s, or in divisions without a time scale.
struct ScaledMeasurements
{
    double maximum = 0; // from the centre line
    double minimum = 0;
    double peakToPeak = 0;
    double mean = 0;
    double rms = 0; // of the voltages from the centre line
    std::optional<double> frequencyHz; // needs a time scale and a period
    std::optional<double> period;
    std::optional<double> dutyCyclePercent; // 0..100, with a period
    bool clipped = false;
};
ScaledMeasurements scaledMeasurements(const CurveMeasurements &m, const ShownScale &scale);

// The measurements in the units of a scale, as the Measurements window shows them:
// name and text pairs in a fixed order: "Maximum", "Minimum", "Peak to peak", "Mean",
// "RMS", "Frequency", "Period", "Duty cycle", "Clipped" (text "—" U+2014 where unknown).
// Voltages: maximum/minimum/mean from the centre line (value-131)/25.25 div; peak to
// peak as a span; RMS of the voltages from the centre line. Period: samples * 2 x-units.
// Marks of the volts axis are appended after the value (e.g. "1.2 V uncal").
std::vector<std::pair<std::string, std::string>> measurementTexts(const CurveMeasurements &m,
                                                                  const ShownScale &scale);

} // namespace orvant
