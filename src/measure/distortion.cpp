#include "measure/distortion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvant {

namespace {

constexpr int kLastHarmonic = 10;
// How far a tone's leakage is followed beyond its main lobe while it keeps falling.
constexpr int kLeakageBins = 16;
// A power within this factor of what quantising alone puts in its bins (3 dB) is
// the record's floor, not a reading.
constexpr double kFloorFactor = 2.0;
// The largest of 256 bins of noise lies about this far above their mean (9 dB).
constexpr double kSpurFloorFactor = 8.0;

using Powers = std::array<double, kSpectrumBins>;
using Claimed = std::array<bool, kSpectrumBins>;

// Half the width of the Hann window's main lobe, in bins of the padded record.
int mainLobeHalfWidth(const Spectrum &spectrum)
{
    return static_cast<int>(std::ceil(2.0 * kSpectrumPoints / spectrum.samples));
}

double decibels(double ratio)
{
    return 10.0 * std::log10(ratio);
}

// The bins of a tone: its main lobe, and with `leakage` further on each side while
// the power keeps falling; never a bin another tone has claimed.
std::pair<int, int> toneBins(const Powers &p, const Claimed &claimed, int peak, int halfWidth,
                             bool leakage)
{
    int first = peak;
    int last = peak;
    const int reach = halfWidth + (leakage ? kLeakageBins : 0);
    const auto free = [&claimed](int k) {
        return k >= 0 && k < kSpectrumBins && !claimed[static_cast<std::size_t>(k)];
    };
    while (free(first - 1) && peak - (first - 1) <= reach
           && (peak - (first - 1) <= halfWidth
               || p[static_cast<std::size_t>(first - 1)] < p[static_cast<std::size_t>(first)]))
        --first;
    while (free(last + 1) && (last + 1) - peak <= reach
           && ((last + 1) - peak <= halfWidth
               || p[static_cast<std::size_t>(last + 1)] < p[static_cast<std::size_t>(last)]))
        ++last;
    return {first, last};
}

// Sums a tone's bins, claims them and says where it lies.
SpectralTone claimTone(const Spectrum &spectrum, const Powers &p, Claimed &claimed, int order,
                       int peak, std::pair<int, int> bins, double &power)
{
    double sum = 0;
    double moment = 0;
    for (int k = bins.first; k <= bins.second; ++k) {
        sum += p[static_cast<std::size_t>(k)];
        moment += k * p[static_cast<std::size_t>(k)];
        claimed[static_cast<std::size_t>(k)] = true;
    }
    power = sum / spectrum.noiseBandwidthBins;
    const double centre = sum > 0 ? moment / sum : peak;
    return {order, peak, bins.first, bins.second, spectrum.frequency(1) * centre, std::sqrt(power)};
}

int largestFreeBin(const Powers &p, const Claimed &claimed, int from, int to)
{
    int best = -1;
    for (int k = std::max(from, 0); k <= std::min(to, kSpectrumBins - 1); ++k) {
        if (!claimed[static_cast<std::size_t>(k)]
            && (best < 0 || p[static_cast<std::size_t>(k)] > p[static_cast<std::size_t>(best)]))
            best = k;
    }
    return best;
}

// A power as a ratio's part. Within kFloorFactor of what quantising alone puts in its
// bins it is the record's floor: a bound; and never less than that floor, so that a
// ratio stays finite.
struct FloorReading
{
    double power;
    bool bound;
};
FloorReading atFloor(double power, double floor, double factor = kFloorFactor)
{
    return {std::max(power, floor), power <= factor * floor};
}

} // namespace

double quantisationNoise(double code)
{
    return code * code / 12.0;
}

std::optional<DistortionAnalysis> analyseDistortion(const Spectrum &spectrum)
{
    Powers p {};
    for (std::size_t k = 0; k < p.size(); ++k)
        p[k] = spectrum.level[k] * spectrum.level[k];
    const int halfWidth = mainLobeHalfWidth(spectrum);
    Claimed claimed {};
    for (int k = 0; k <= std::min(halfWidth, kSpectrumBins - 1); ++k)
        claimed[static_cast<std::size_t>(k)] = true; // DC and its lobe

    const int peak = largestFreeBin(p, claimed, 0, kSpectrumBins - 1);
    if (peak < 0)
        return std::nullopt;
    // What quantising alone puts in a bin: code² / 12 over the 256 bins.
    const double code = spectrum.fullScale * std::numbers::sqrt2 / 127.5;
    const double perBin = quantisationNoise(code) / (kSpectrumBins - 1);

    DistortionAnalysis analysis;
    double fundamental = 0;
    const auto fundamentalBins = toneBins(p, claimed, peak, halfWidth, true);
    analysis.fundamental = claimTone(spectrum, p, claimed, 1, peak, fundamentalBins, fundamental);
    const int fundamentalWidth = fundamentalBins.second - fundamentalBins.first + 1;
    if (atFloor(fundamental, perBin * fundamentalWidth).bound)
        return std::nullopt; // no tone above what quantising makes
    const double fundamentalBin = analysis.fundamental.frequency / spectrum.frequency(1);

    // The largest bin besides DC and the fundamental, before the harmonics claim theirs.
    const int spurBin = largestFreeBin(p, claimed, 0, kSpectrumBins - 1);

    double harmonics = 0;
    int harmonicBins = 0;
    for (int order = 2; order <= kLastHarmonic; ++order) {
        const double centre = order * fundamentalBin;
        if (centre >= kSpectrumBins - 1)
            break; // at or above Nyquist
        const int nearest = static_cast<int>(std::lround(centre));
        const int at = largestFreeBin(p, claimed, nearest - 1, nearest + 1);
        if (at < 0)
            continue; // inside another tone's bins
        double power = 0;
        const auto bins = toneBins(p, claimed, at, halfWidth, false);
        analysis.harmonics.push_back(claimTone(spectrum, p, claimed, order, at, bins, power));
        harmonics += power;
        harmonicBins += bins.second - bins.first + 1;
    }

    double noise = 0;
    int noiseBins = 0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (!claimed[k]) {
            noise += p[k];
            ++noiseBins;
        }
    }
    noise /= spectrum.noiseBandwidthBins;

    // Never fewer than one bin: a fundamental above a quarter of the rate has no harmonic.
    const FloorReading distortion = atFloor(harmonics, perBin * std::max(harmonicBins, 1));
    const FloorReading noiseOnly = atFloor(noise, perBin * std::max(noiseBins, 1));
    const FloorReading both = atFloor(harmonics + noise, perBin * (harmonicBins + noiseBins));
    const double spur = spurBin < 0 ? 0 : p[static_cast<std::size_t>(spurBin)];
    const FloorReading spurious
        = atFloor(spur, perBin * spectrum.noiseBandwidthBins, kSpurFloorFactor);

    DistortionFigures &f = analysis.figures;
    f.fundamentalFrequency = analysis.fundamental.frequency;
    f.fundamentalLevel = analysis.fundamental.level;
    f.thdDb = decibels(distortion.power / fundamental);
    f.thdPercent = 100.0 * std::sqrt(distortion.power / fundamental);
    f.thdPlusNoiseDb = decibels(both.power / fundamental);
    f.snrDb = decibels(fundamental / noiseOnly.power);
    f.sinadDb = -f.thdPlusNoiseDb;
    f.sfdrDb = decibels(p[static_cast<std::size_t>(peak)] / spurious.power);
    f.enobBits = (f.sinadDb - 1.76) / 6.02;
    const auto mark = [&f](DistortionFigure figure, bool bound) {
        if (bound)
            f.bounds |= static_cast<std::uint8_t>(figure);
    };
    mark(DistortionFigure::Thd, distortion.bound);
    mark(DistortionFigure::ThdPlusNoise, both.bound);
    mark(DistortionFigure::Sinad, both.bound);
    mark(DistortionFigure::Enob, both.bound);
    mark(DistortionFigure::Snr, noiseOnly.bound);
    mark(DistortionFigure::Sfdr, spurious.bound);
    return analysis;
}

std::optional<DistortionFigures> distortionOf(const CurveTable &curve, const ShownScale &scale)
{
    const auto analysis = analyseDistortion(spectrumOf(curve, scale, WindowFunction::Hann));
    if (!analysis)
        return std::nullopt;
    return analysis->figures;
}

} // namespace orvant
