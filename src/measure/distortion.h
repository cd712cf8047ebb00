#pragma once

#include "measure/spectrum.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

// The figures a distortion reading gives; each may be limited by the 8-bit record.
enum class DistortionFigure : std::uint8_t {
    Thd = 1,
    ThdPlusNoise = 2,
    Snr = 4,
    Sinad = 8,
    Sfdr = 16,
    Enob = 32,
};

// A tone of the spectrum: the bins its power was summed over and what they give.
struct SpectralTone
{
    int order = 1; // 1: the fundamental, 2 to 10: harmonics
    int peakBin = 0;
    int firstBin = 0;
    int lastBin = 0;
    double frequency = 0; // Hz, or cycles per division
    double level = 0; // RMS, in the spectrum's unit
};

// Distortion and noise of a record, from its Hann spectrum. Ratios in dB; ENOB in bits.
struct DistortionFigures
{
    double fundamentalFrequency = 0; // Hz, or cycles per division
    double fundamentalLevel = 0; // RMS
    double thdDb = 0;
    double thdPercent = 0;
    double thdPlusNoiseDb = 0;
    double snrDb = 0;
    double sinadDb = 0;
    double sfdrDb = 0;
    double enobBits = 0;
    // Figures at the floor of the 8-bit record: the value is a bound, not a reading
    // (THD and THD+N at most, the others at least what they say).
    std::uint8_t bounds = 0;

    bool isBound(DistortionFigure figure) const
    {
        return (bounds & static_cast<std::uint8_t>(figure)) != 0;
    }
};

struct DistortionAnalysis
{
    SpectralTone fundamental;
    std::vector<SpectralTone> harmonics; // below Nyquist, in order
    DistortionFigures figures;
};

// None where the record has no tone above DC (a flat line). `spectrum` is a Hann one.
std::optional<DistortionAnalysis> analyseDistortion(const Spectrum &spectrum);

// The compact figures of a record, for the captures table.
std::optional<DistortionFigures> distortionOf(const CurveTable &curve, const ShownScale &scale);

// The power of the quantisation noise of a record, one code being `code` in the
// spectrum's unit: code² / 12.
double quantisationNoise(double code);

} // namespace orvant
