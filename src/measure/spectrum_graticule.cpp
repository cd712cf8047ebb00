#include "measure/spectrum_graticule.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvant {

namespace {

constexpr double kDecibelsPerDivision = 10.0;

// The smallest 1-2-5 step with `divisions` of them reaching `largest`.
double stepFor(double largest, int divisions)
{
    if (largest <= 0)
        return 1.0;
    const double rough = largest / divisions;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double mantissa : std::array {1.0, 2.0, 5.0, 10.0}) {
        if (mantissa * decade >= rough)
            return mantissa * decade;
    }
    return 10.0 * decade;
}

} // namespace

LevelSpan levelSpan(const Spectrum &spectrum, SpectrumScale scale)
{
    std::optional<double> largest;
    for (int k = 0; k < kSpectrumBins; ++k) {
        if (const auto level = shownLevel(spectrum, k, scale))
            largest = std::max(largest.value_or(*level), *level);
    }
    if (scale == SpectrumScale::Rms) {
        const double step = stepFor(largest.value_or(0), kSpectrumDivisionsDown);
        return {step * kSpectrumDivisionsDown, 0};
    }
    const double top = kDecibelsPerDivision * std::ceil(largest.value_or(0) / kDecibelsPerDivision);
    return {top, top - kDecibelsPerDivision * kSpectrumDivisionsDown};
}

double fractionAcross(int bin)
{
    return static_cast<double>(bin) / (kSpectrumBins - 1);
}

double fractionDown(double level, const LevelSpan &span)
{
    return std::clamp((span.top - level) / (span.top - span.bottom), 0.0, 1.0);
}

int binAcross(double fraction)
{
    return std::clamp(static_cast<int>(std::lround(fraction * (kSpectrumBins - 1))), 0,
                      kSpectrumBins - 1);
}

std::string graticuleText(const Spectrum &spectrum, SpectrumScale scale, const LevelSpan &span)
{
    const std::string level = scale == SpectrumScale::Rms
        ? levelText(span.perDivision(), scale, spectrum)
        : engineering(span.perDivision(), "dB");
    return "Top " + levelText(span.top, scale, spectrum) + ", " + level + "/div; "
        + frequencyText(spectrum.frequency(kSpectrumBins - 1) / kSpectrumDivisionsAcross, spectrum)
        + "/div";
}

} // namespace orvant
