#include "measure/reference_difference.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

std::vector<double> voltsOf(std::span<const std::int16_t> values, const AxisScale &volts)
{
    std::vector<double> result;
    result.reserve(values.size());
    for (const std::int16_t value : values)
        result.push_back(sampleVolts(value, volts));
    return result;
}

// Whether sample k lies within the band around a reference sample no further than
// `band.samples` away; a tolerance of a millionth of a volt absorbs the rounding of
// values scaled apart.
bool sampleWithin(const std::vector<double> &shown, const std::vector<double> &reference,
                  std::size_t k, const ReferenceBand &band)
{
    const auto reach = static_cast<std::size_t>(std::max(0, band.samples));
    const std::size_t first = k > reach ? k - reach : 0;
    const std::size_t last = std::min(reference.size() - 1, k + reach);
    for (std::size_t j = first; j <= last; ++j) {
        if (std::abs(shown[k] - reference[j]) <= band.volts + 1e-6)
            return true;
    }
    return false;
}

} // namespace

std::optional<ReferenceDifference> compareWithReference(std::span<const std::int16_t> values,
                                                        const ShownScale &scale,
                                                        const ReferenceCurve &reference,
                                                        const ReferenceBand &band)
{
    const bool inVolts = scale.volts.perDivision.has_value();
    if (inVolts != reference.scale.volts.perDivision.has_value() || values.empty()
        || values.size() != reference.values.size())
        return std::nullopt;
    const std::vector<double> shown = voltsOf(values, scale.volts);
    const std::vector<double> known = voltsOf(reference.values, reference.scale.volts);
    ReferenceDifference difference;
    difference.inVolts = inVolts;
    double squares = 0;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const double d = shown[k] - known[k];
        squares += d * d;
        difference.maximum = std::max(difference.maximum, std::abs(d));
    }
    difference.rms = std::sqrt(squares / static_cast<double>(shown.size()));
    if (inVolts) {
        bool within = true;
        for (std::size_t k = 0; k < shown.size() && within; ++k)
            within = sampleWithin(shown, known, k, band);
        difference.within = within;
    }
    return difference;
}

std::vector<std::pair<std::string, std::string>>
referenceTexts(const std::optional<ReferenceDifference> &difference)
{
    const auto text = [&](double value) {
        return difference ? engineering(value, difference->inVolts ? "V" : "div")
                          : std::string("\u2014");
    };
    return {{"RMS difference", text(difference ? difference->rms : 0)},
            {"Largest difference", text(difference ? difference->maximum : 0)}};
}

std::string referenceMismatchReason(const ShownScale &scale)
{
    return scale.volts.perDivision ? "the reference has no volts scale and this capture one"
                                   : "the reference has a volts scale and this capture none";
}

} // namespace orvant
