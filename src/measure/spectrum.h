#pragma once

#include "measure/shown_scale.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace orvant {

class CurveTable;

// The windows a spectrum can be taken through, each in its periodic form.
enum class WindowFunction { Rectangular, Hann, FlatTop, BlackmanHarris };

struct WindowFunctionInfo
{
    WindowFunction window;
    std::string_view name; // as the command line and the CSV name it
    std::string_view caption; // as the Spectrum window offers it
};
// All windows, in the order they are offered.
std::span<const WindowFunctionInfo> windowFunctions();
std::optional<WindowFunction> windowFunctionNamed(std::string_view name);
const WindowFunctionInfo &infoOf(WindowFunction window);

constexpr int kSpectrumPoints = 512;
constexpr int kSpectrumBins = kSpectrumPoints / 2 + 1; // 0 (DC) to 256 (Nyquist)
constexpr double kSamplesPerDivision = kUnitsPerHorizontalDivision / kUnitsPerSample;

// The spectrum of a record as RMS levels per bin, in the record's voltage unit (volts,
// or divisions without a volts scale): a sine centred on a bin reads its RMS value there.
struct Spectrum
{
    WindowFunction window = WindowFunction::Hann;
    std::array<double, kSpectrumBins> level {};
    // Samples per second; none without a time scale, where frequencies are in cycles per
    // division (50 samples a division).
    std::optional<double> sampleRateHz;
    bool inVolts = false;
    // The RMS of a sine spanning the codes 0 to 255, in the same unit as the levels.
    double fullScale = 0;
    // The window's equivalent noise bandwidth, in bins.
    double noiseBandwidthBins = 1;
    int samples = kSpectrumPoints; // before the padding

    double frequency(int bin) const; // Hz, or cycles per division
    double binWidth() const { return frequency(1); }
};

// The record's values as the curve CSV gives them: volts from the centre line, or
// divisions without a volts scale.
std::array<double, kSpectrumPoints> recordLevels(const CurveTable &curve, const ShownScale &scale);

// The spectrum of up to 512 values (fewer are windowed over their own length, then
// padded with zeros to 512).
Spectrum spectrumOf(std::span<const double> values, WindowFunction window, const ShownScale &scale);
Spectrum spectrumOf(const CurveTable &curve, const ShownScale &scale, WindowFunction window);

// 20·log10(level / 1 V) and 20·log10(level / full scale); none for a level of 0.
std::optional<double> levelDbv(double level);
std::optional<double> levelDbfs(double level, double fullScale);

} // namespace orvant
