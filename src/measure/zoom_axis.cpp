#include "measure/zoom_axis.h"

#include <cmath>

namespace orvant {

namespace {

// A record unit (sample position or code) as divisions of the graticule, and back.
struct Mapping
{
    double unitsPerRecord; // plot units a record unit spans
    double originPlot; // the plot unit of record unit 0
    double zeroPlot; // the plot unit of zero divisions
    double unitsPerDivision;

    double divisions(double record) const
    {
        return (record * unitsPerRecord + originPlot - zeroPlot) / unitsPerDivision;
    }
    double record(double divisions) const
    {
        return (divisions * unitsPerDivision + zeroPlot - originPlot) / unitsPerRecord;
    }
};

constexpr Mapping kTime {kUnitsPerSample, 0.0, kGraticuleLeft, kUnitsPerHorizontalDivision};
constexpr Mapping kValues {1.0, 0.0, kCentreLine, kUnitsPerVerticalDivision};

// The smallest round step that keeps the lines at most `most` across `width`.
double roundStep(double width, int most)
{
    const double rough = width / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        if (multiple * power >= rough * (1 - 1e-9))
            return multiple * power;
    }
    return 10 * power;
}

std::vector<ZoomTick> ticks(double low, double high, const AxisScale &axis, const Mapping &mapping,
                            std::string_view scaledUnit)
{
    const double perDivision = axis.perDivision.value_or(1.0);
    const double from = mapping.divisions(low) * perDivision;
    const double to = mapping.divisions(high) * perDivision;
    std::vector<ZoomTick> found;
    if (!(to > from) || !std::isfinite(from) || !std::isfinite(to))
        return found;
    const double step = roundStep(to - from, 10);
    const std::string_view unit = axis.perDivision ? scaledUnit : std::string_view("div");
    for (double i = std::ceil(from / step - 1e-9); i * step <= to + step * 1e-9; ++i) {
        const double value = i * step;
        // -0 reads as 0.
        const double shown = value == 0 ? 0.0 : value;
        found.push_back({mapping.record(shown / perDivision), engineering(shown, unit)});
    }
    return found;
}

std::string reading(double record, const AxisScale &axis, const Mapping &mapping,
                    std::string_view scaledUnit)
{
    return engineering(axisValue(axis, mapping.divisions(record)),
                       axis.perDivision ? scaledUnit : "div");
}

} // namespace

std::vector<ZoomTick> timeTicks(const ZoomSpan &span, const AxisScale &time)
{
    return ticks(span.firstSample, span.lastSample, time, kTime, "s");
}

std::vector<ZoomTick> valueTicks(const ZoomSpan &span, const AxisScale &volts)
{
    return ticks(span.lowCode, span.highCode, volts, kValues, "V");
}

std::string spanText(const ZoomSpan &span, const ShownScale &scale)
{
    return reading(span.firstSample, scale.time, kTime, "s") + " to "
        + reading(span.lastSample, scale.time, kTime, "s") + ", "
        + reading(span.lowCode, scale.volts, kValues, "V") + " to "
        + reading(span.highCode, scale.volts, kValues, "V");
}

} // namespace orvant
