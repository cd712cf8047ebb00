#pragma once

#include "measure/sample_gate.h"
#include "measure/shown_scale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

class CurveTable;

// Why a pulse figure is blank; FasterThanOneSample gives a bound instead of the value.
enum class PulseReason : std::uint8_t {
    None,
    NoRisingEdge,
    NoFallingEdge,
    NoEdge,
    Clipped,
    FewerThanTwoPeriods,
    FasterThanOneSample,
    NothingAfterEdge,
    NothingBeforeEdge,
};

// "no rising edge", "clipped", ...: as the window and the table's `reasons` write it.
std::string_view reasonText(PulseReason reason);

enum class PulseFigure : std::uint8_t {
    Top,
    Base,
    Amplitude,
    RiseTime,
    FallTime,
    RiseEdges,
    FallEdges,
    Overshoot,
    Preshoot,
    PositiveWidth,
    NegativeWidth,
    DutyCycle,
    SlewRate,
};
constexpr std::size_t kPulseFigureCount = 13;

// What a figure measures, which decides its unit.
enum class PulseQuantity : std::uint8_t {
    Level, // from the centre line, in the voltage unit
    Span, // a difference of levels
    Duration, // in the time unit
    Count,
    Percent,
    SlewRate, // the voltage unit per time unit
};

// A figure's names and what a bound on it means.
struct PulseFigureInfo
{
    PulseFigure figure;
    std::string_view name; // in the Measurements window
    std::string_view column; // in the captures table; empty: not a column
    PulseQuantity quantity;
    std::string_view boundSign; // "<" an upper bound, ">" a lower one
};

// Every figure in the window's order, which is the table's order.
std::span<const PulseFigureInfo> pulseFigures();
const PulseFigureInfo &pulseFigureInfo(PulseFigure figure);

// One figure: a value, or blank with its reason, or a bound (FasterThanOneSample).
struct PulseValue
{
    double value = 0;
    PulseReason reason = PulseReason::None;

    bool known() const { return reason == PulseReason::None; }
    bool bound() const { return reason == PulseReason::FasterThanOneSample; }
    bool shown() const { return known() || bound(); } // a number stands in its place
};

// A transition between the two states, at positions in samples (sample k at k, between
// samples linearly interpolated): from its first reference level instant (10 % rising,
// 90 % falling) through the 50 % instant to the second.
struct PulseTransition
{
    bool rising = true;
    double start = 0;
    double mesial = 0;
    double end = 0;
    bool fasterThanSample = false; // no sample lies between the reference levels
};

// A sample: its number and value.
struct PulseSample
{
    int at = 0;
    int value = 0;
};

// What the pulse figures rest on: the state levels from the histogram, the transitions
// between the 10 % and 90 % reference levels, and the aberration peaks of the first one.
struct PulseAnalysis
{
    SampleRange range;
    int top = 0; // codes 0 to 255; equal for a record of one value
    int base = 0;
    std::vector<PulseTransition> transitions; // rising and falling alternate
    std::optional<PulseSample> peakAfter; // towards overshoot after the first transition
    std::optional<PulseSample> peakBefore; // towards preshoot before it

    bool clipped() const;
    double amplitude() const { return top - base; }
    double level(double fraction) const { return base + fraction * amplitude(); }
};

PulseAnalysis analysePulse(std::span<const int> values, int firstSample);
PulseAnalysis analysePulse(const CurveTable &curve, SampleRange range = {});

// The figures in the record's own units: levels in codes, times in samples, overshoot,
// preshoot and duty cycle in %, the slew rate in codes per sample. Compact: the table
// holds one per capture.
class PulseMeasurements
{
public:
    PulseValue operator[](PulseFigure figure) const;
    void set(PulseFigure figure, PulseValue value);

private:
    std::array<double, kPulseFigureCount> values_ {};
    std::array<PulseReason, kPulseFigureCount> reasons_ {};
};

PulseMeasurements pulseMeasurements(const PulseAnalysis &analysis);
PulseMeasurements measurePulse(const CurveTable &curve, SampleRange range = {});

// A figure in the units of a scale: levels and spans in V (divisions without a volts
// scale), times in s (divisions without a time scale), the slew rate in their ratio.
PulseValue scaledPulse(const PulseMeasurements &m, PulseFigure figure, const ShownScale &scale);
// "V", "div", "s", "%", "V/s", "div/div", "" for a count.
std::string pulseUnit(PulseFigure figure, const ShownScale &scale);

// engineering() for a unit that may be a ratio: the prefix goes on its numerator
// ("31.7 kV/s", "158 div/s").
std::string engineeringRatio(double value, std::string_view unit);

// A figure as the Measurements window shows it.
struct PulseText
{
    PulseFigure figure;
    std::string name; // "Rise time"
    std::string text; // "160 µs", "< 20 µs", "—" when blank
    std::string reason; // "" or "no rising edge"
};
std::vector<PulseText> pulseTexts(const PulseMeasurements &m, const ShownScale &scale);

} // namespace orvant
