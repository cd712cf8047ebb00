#include "measure/shown_scale.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orvant {

namespace {

struct Prefix
{
    int exponent;
    std::string_view symbol;
};

constexpr std::array<Prefix, 8> kPrefixes {{
    {-12, "p"},
    {-9, "n"},
    {-6, "\u00b5"},
    {-3, "m"},
    {0, ""},
    {3, "k"},
    {6, "M"},
    {9, "G"},
}};

bool is(const SettingValues &values, Parameter parameter, ValueIndex value)
{
    return values[parameter] == value;
}

std::optional<double> perDivisionOf(const SettingValues &values, Parameter parameter)
{
    const auto value = values[parameter];
    if (!value)
        return std::nullopt;
    return settingValues(parameter)[*value].perDivision;
}

AxisScale voltsScale(const SettingValues &values, int channel)
{
    const Parameter volts = channel == 2 ? Parameter::Ch2VoltsPerDiv : Parameter::Ch1VoltsPerDiv;
    const Parameter coupling = parameterNumbered(number(volts) + 1);
    const Parameter var = parameterNumbered(number(volts) + 2);
    const Parameter invert = parameterNumbered(number(volts) + 3);
    AxisScale axis;
    axis.perDivision = perDivisionOf(values, volts);
    // A value in volts needs a VAR that reads calibrated; one in divisions is uncalibrated
    // only where VAR says so (an empty panel marks nothing).
    if (axis.perDivision ? !is(values, var, setting::kCalibrated)
                         : is(values, var, setting::kUncalibrated))
        axis.marks.emplace_back("uncal");
    if (is(values, invert, setting::kOn))
        axis.marks.emplace_back("inv");
    // The mark of a switched-off channel is its written text ("CH1 OFF").
    if (is(values, coupling, setting::kGround) || is(values, coupling, setting::kChannelOff))
        axis.marks.emplace_back(settingValues(coupling)[*values[coupling]].written);
    return axis;
}

AxisScale timeScale(const SettingValues &values)
{
    AxisScale axis;
    if (is(values, Parameter::Xy, setting::kOn)) {
        axis.marks.emplace_back("XY");
        return axis;
    }
    axis.perDivision = perDivisionOf(values, Parameter::SecPerDiv);
    if (axis.perDivision && is(values, Parameter::X10Mag, setting::kOn))
        *axis.perDivision /= 10.0;
    return axis;
}

std::string fixedText(double value, int decimals)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

// `value` rounded to three significant digits.
double threeDigits(double value)
{
    if (value == 0.0)
        return 0.0;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double step = std::pow(10.0, magnitude - 2);
    return std::round(value / step) * step;
}

// Decimals that show three significant digits of `value` (which is not zero).
int decimalsFor(double value)
{
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return std::max(0, 2 - magnitude);
}

std::string plainNumber(double rounded)
{
    return rounded == 0.0 ? std::string("0") : fixedText(rounded, decimalsFor(rounded));
}

} // namespace

ShownScale shownScale(const SettingValues &values)
{
    ShownScale scale;
    scale.channel = is(values, Parameter::ChanSel, setting::kChannel2) ? 2 : 1;
    scale.volts = voltsScale(values, scale.channel);
    scale.time = timeScale(values);
    return scale;
}

double divisionsFromCentre(double y)
{
    return (y - kCentreLine) / kUnitsPerVerticalDivision;
}

double divisionsFromLeft(double x)
{
    return (x - kGraticuleLeft) / kUnitsPerHorizontalDivision;
}

double axisValue(const AxisScale &axis, double divisions)
{
    return axis.perDivision ? divisions * *axis.perDivision : divisions;
}

double sampleVolts(int value, const AxisScale &volts)
{
    return axisValue(volts, divisionsFromCentre(value));
}

double sampleSeconds(int k, const AxisScale &time)
{
    return axisValue(time, divisionsFromLeft(kUnitsPerSample * k));
}

std::string engineering(double value, std::string_view unit)
{
    if (!std::isfinite(value))
        return "\u2014";
    // Rounding first lets 999.7 m become 1 and take the next prefix.
    const double rounded = threeDigits(value);
    // Ratios and counts read best without a prefix: "-0.5 dB", not "-500 mdB".
    const bool takesPrefix = unit == "V" || unit == "s" || unit == "Hz";
    if (rounded == 0.0 || !takesPrefix)
        return plainNumber(rounded) + " " + std::string(unit);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    const Prefix *chosen = &kPrefixes.front();
    for (const Prefix &prefix : kPrefixes) {
        if (prefix.exponent <= magnitude)
            chosen = &prefix;
    }
    const double scaled = threeDigits(rounded / std::pow(10.0, chosen->exponent));
    return plainNumber(scaled) + " " + std::string(chosen->symbol) + std::string(unit);
}

std::string axisReading(const AxisScale &axis, double divisions, std::string_view scaledUnit)
{
    return withMarks(engineering(axisValue(axis, divisions), axis.perDivision ? scaledUnit : "div"),
                     axis);
}

std::string withMarks(std::string text, const AxisScale &axis)
{
    for (const std::string &mark : axis.marks)
        text += " " + mark;
    return text;
}

} // namespace orvant
