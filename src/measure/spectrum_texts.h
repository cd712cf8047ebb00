#pragma once

#include "measure/distortion.h"
#include "measure/spectrum.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvant {

// How the levels of a spectrum are shown.
enum class SpectrumScale { Dbv, Dbfs, Rms };

struct SpectrumScaleInfo
{
    SpectrumScale scale;
    std::string_view caption; // "dBV", "dBFS", "V RMS"
};
std::span<const SpectrumScaleInfo> spectrumScales();

// The scale a spectrum can be shown in: without a volts scale dBV becomes dBFS (and
// V RMS reads divisions).
SpectrumScale usableScale(SpectrumScale chosen, const Spectrum &spectrum);
// A bin's level in a scale (a usable one); none for 0 in a dB scale.
std::optional<double> shownLevel(const Spectrum &spectrum, int bin, SpectrumScale scale);
// "-43.2 dBV", "-12 dBFS", "707 mV", "0.5 div".
std::string levelText(double level, SpectrumScale scale, const Spectrum &spectrum);
// "1.25 kHz", or "0.391 cycles/div" without a time scale.
std::string frequencyText(double frequency, const Spectrum &spectrum);
// "1.25 kHz, -43.2 dBV": a bin as the readout over the spectrum gives it.
std::string binReadout(const Spectrum &spectrum, int bin, SpectrumScale scale);

// The distortion figures as the Spectrum window shows them, name and text pairs in a
// fixed order: "Fundamental", "Level", "THD", "THD (%)", "THD+N", "SNR", "SINAD",
// "SFDR", "ENOB"; a bound reads "≤ -58.1 dB" or "≥ 49.9 dB", an unknown one "—".
std::vector<std::pair<std::string, std::string>>
distortionTexts(const std::optional<DistortionAnalysis> &analysis, const Spectrum &spectrum);

} // namespace orvant
