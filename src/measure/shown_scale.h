#pragma once

#include "shared/shown_settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// What one axis of a reading means.
struct AxisScale
{
    std::optional<double> perDivision; // volts or seconds per division; none: divisions
    // Shown next to the reading: "uncal", "inv", "GND", "CH1 OFF", "CH2 OFF", "XY".
    std::vector<std::string> marks;
    bool operator==(const AxisScale &) const = default;
};

struct ShownScale
{
    int channel = 1; // from CHAN SEL: "CH 2" (only a dialog offers it) -> 2, else 1
    // The channel's VOLTS/DIV, VAR, INVERT and coupling.
    AxisScale volts;
    // SEC/DIV; X10 MAG "ON": a tenth; XY "ON": divisions (no perDivision).
    AxisScale time;
    bool operator==(const ShownScale &) const = default;
};

// The scale the settings stand for: the panel's as shown (overrides count), or a
// capture's as decoded.
ShownScale shownScale(const SettingValues &values);

// The plot's geometry in plot units.
constexpr double kCentreLine = 131.0;
constexpr double kUnitsPerVerticalDivision = 25.25;
constexpr double kUnitsPerHorizontalDivision = 100.0;
constexpr double kGraticuleLeft = 18.0;
constexpr double kUnitsPerSample = 2.0;

// Geometry of the plot: a vertical division is 25.25 units, centre line at 131;
// sample k (1..512) sits at x = 2k; a horizontal division is 100 x units; the graticule
// starts at x = 18.
double divisionsFromCentre(double y); // (y - 131) / 25.25
double divisionsFromLeft(double x); // (x - 18) / 100
// A value in the axis's unit (volts/seconds) or in divisions when the scale is unknown.
double axisValue(const AxisScale &axis, double divisions);
// Value 0..255, measured from the centre line.
double sampleVolts(int value, const AxisScale &volts);
double sampleSeconds(int k, const AxisScale &time); // from the graticule's left edge

// "12.5 mV", "1.25 kHz", "-3 div", "0 s": engineering notation with SI prefixes
// (p n µ m - k M G; µ is U+00B5 in UTF-8), 3 significant digits, trailing zeros dropped;
// unit "V", "s", "Hz" take a prefix; "%", "div", "dB", "dBV", "dBFS", "bits" and
// "cycles/div" never do. Not a finite number: "—".
std::string engineering(double value, std::string_view unit);

// A reading on an axis: the value with "V"/"s" or "div", then the axis's marks.
std::string axisReading(const AxisScale &axis, double divisions, std::string_view scaledUnit);
// `text` followed by the axis's marks, each after a blank.
std::string withMarks(std::string text, const AxisScale &axis);

} // namespace orvant
