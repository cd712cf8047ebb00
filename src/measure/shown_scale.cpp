#include "measure/shown_scale.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orvant {

namespace {

struct ScaleText
{
    std::string_view text;
    double perDivision;
};

// The texts a VOLTS/DIV label can show: decoded and offered by the override alike.
constexpr std::array<ScaleText, 13> kVoltsPerDivision {{
    {"5 mV", 5e-3},
    {"10 mV", 10e-3},
    {"20 mV", 20e-3},
    {"50 mV", 50e-3},
    {"0.1 V", 0.1},
    {"0.2 V", 0.2},
    {"0.5 V", 0.5},
    {"1 V", 1.0},
    {"2 V", 2.0},
    {"5 V", 5.0},
    {"10 V", 10.0},
    {"20 V", 20.0},
    {"50 V", 50.0},
}};

// The texts a SEC/DIV label can show ("µ" is U+00B5).
constexpr std::array<ScaleText, 27> kSecondsPerDivision {{
    {"50 nS", 50e-9},
    {"0.1 \u00b5S", 0.1e-6},
    {"0.2 \u00b5S", 0.2e-6},
    {"0.5 \u00b5S", 0.5e-6},
    {"1 \u00b5S", 1e-6},
    {"2 \u00b5S", 2e-6},
    {"5 \u00b5S", 5e-6},
    {"10 \u00b5S", 10e-6},
    {"20 \u00b5S", 20e-6},
    {"50 \u00b5S", 50e-6},
    {"0.1 mS", 0.1e-3},
    {"0.2 mS", 0.2e-3},
    {"0.5 mS", 0.5e-3},
    {"1 mS", 1e-3},
    {"2 mS", 2e-3},
    {"5 mS", 5e-3},
    {"10 mS", 10e-3},
    {"20 mS", 20e-3},
    {"50 mS", 50e-3},
    {"0.1 S", 0.1},
    {"0.2 S", 0.2},
    {"0.5 S", 0.5},
    {"1 S", 1.0},
    {"2 S", 2.0},
    {"5 S", 5.0},
    {"10 S", 10.0},
    {"20 S", 20.0},
}};

// Coupling texts that mark a reading, with the mark: decoded ("CH1OFF") and written by
// the override ("CH1 OFF") spell the switched-off channel differently.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kCouplingMarks {{
    {"GND", "GND"},
    {"CH1OFF", "CH1 OFF"},
    {"CH1 OFF", "CH1 OFF"},
    {"CH2OFF", "CH2 OFF"},
    {"CH2 OFF", "CH2 OFF"},
}};

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

template<std::size_t N>
std::optional<double> perDivisionOf(const std::array<ScaleText, N> &table, std::string_view text)
{
    for (const ScaleText &row : table) {
        if (row.text == text)
            return row.perDivision;
    }
    return std::nullopt;
}

AxisScale voltsScale(const ShownTexts &texts, int channel)
{
    // Channel 1 has parameters 101..104, channel 2 has 105..108.
    const int first = channel == 2 ? 105 : 101;
    AxisScale axis;
    axis.perDivision = perDivisionOf(kVoltsPerDivision, shownText(texts, first));
    // An uncalibrated VAR only matters to a value in volts.
    if (axis.perDivision && shownText(texts, first + 2) != "CAL'D")
        axis.marks.emplace_back("uncal");
    if (shownText(texts, first + 3) == "ON")
        axis.marks.emplace_back("inv");
    for (const auto &[coupling, mark] : kCouplingMarks) {
        if (shownText(texts, first + 1) == coupling)
            axis.marks.emplace_back(mark);
    }
    return axis;
}

AxisScale timeScale(const ShownTexts &texts)
{
    AxisScale axis;
    if (shownText(texts, 111) == "ON") {
        axis.marks.emplace_back("XY");
        return axis;
    }
    axis.perDivision = perDivisionOf(kSecondsPerDivision, shownText(texts, 109));
    if (axis.perDivision && shownText(texts, 110) == "ON")
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

std::string_view shownText(const ShownTexts &texts, int parameter)
{
    if (parameter < 101 || parameter > 125)
        return {};
    return texts[static_cast<std::size_t>(parameter - 101)];
}

ShownScale shownScale(const ShownTexts &texts)
{
    ShownScale scale;
    scale.channel = shownText(texts, 122) == "CH 2" ? 2 : 1;
    scale.volts = voltsScale(texts, scale.channel);
    scale.time = timeScale(texts);
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
    const bool takesPrefix = unit != "div" && unit != "%";
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
