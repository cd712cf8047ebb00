#include "measure/spectrum.h"

#include "shared/curve_sample.h"
#include "shared/lender.h"

#include <unsupported/Eigen/FFT>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace orvant {

namespace {

constexpr std::array<WindowFunctionInfo, 4> kWindows {{
    {WindowFunction::Rectangular, "rectangular", "Rectangular"},
    {WindowFunction::Hann, "hann", "Hann"},
    {WindowFunction::FlatTop, "flat-top", "Flat top"},
    {WindowFunction::BlackmanHarris, "blackman-harris", "Blackman-Harris"},
}};

// The coefficients a_j of w[n] = sum_j (-1)^j a_j cos(2 pi j n / N), periodic form.
std::vector<double> cosineTerms(WindowFunction window)
{
    switch (window) {
    case WindowFunction::Rectangular:
        return {1.0};
    case WindowFunction::Hann:
        return {0.5, 0.5};
    case WindowFunction::FlatTop:
        return {0.21557895, 0.41663158, 0.277263158, 0.083578947, 0.006947368};
    case WindowFunction::BlackmanHarris:
        return {0.35875, 0.48829, 0.14128, 0.01168};
    }
    return {1.0};
}

// The window over `length` samples, as a sum of cosines, written in the terms' order.
std::vector<double> windowValues(WindowFunction window, std::size_t length)
{
    const std::vector<double> terms = cosineTerms(window);
    std::vector<double> values(length);
    for (std::size_t n = 0; n < length; ++n) {
        // Of the full period -pi .. pi, as the cosines' sum is usually written.
        const double phase = -std::numbers::pi
            + 2.0 * std::numbers::pi * static_cast<double>(n) / static_cast<double>(length);
        double sum = 0;
        for (std::size_t j = 0; j < terms.size(); ++j)
            sum += terms[j] * std::cos(static_cast<double>(j) * phase);
        values[n] = sum;
    }
    return values;
}

// The windows of the whole record, computed once for all threads.
const std::vector<double> &fullWindow(WindowFunction window)
{
    static const auto made = [] {
        std::array<std::vector<double>, kWindows.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = windowValues(static_cast<WindowFunction>(i), kSpectrumPoints);
        return all;
    }();
    return made[static_cast<std::size_t>(window)];
}

} // namespace

std::span<const WindowFunctionInfo> windowFunctions()
{
    return kWindows;
}

std::optional<WindowFunction> windowFunctionNamed(std::string_view name)
{
    for (const WindowFunctionInfo &info : kWindows) {
        if (info.name == name)
            return info.window;
    }
    return std::nullopt;
}

const WindowFunctionInfo &infoOf(WindowFunction window)
{
    return kWindows[static_cast<std::size_t>(window)];
}

double Spectrum::frequency(int bin) const
{
    const double rate = sampleRateHz.value_or(kSamplesPerDivision);
    return bin * rate / kSpectrumPoints;
}

std::array<double, kSpectrumPoints> recordLevels(const CurveTable &curve, const ShownScale &scale)
{
    std::array<double, kSpectrumPoints> levels {};
    for (int k = 1; k <= kSampleCount; ++k)
        levels[static_cast<std::size_t>(k - 1)] = sampleVolts(curve.at(k).sampleValue, scale.volts);
    return levels;
}

Spectrum spectrumOf(std::span<const double> values, WindowFunction window, const ShownScale &scale)
{
    const std::size_t length = std::min<std::size_t>(values.size(), kSpectrumPoints);
    const std::vector<double> &w
        = length == kSpectrumPoints ? fullWindow(window) : windowValues(window, length);
    std::array<double, kSpectrumPoints> windowed {};
    double sum = 0;
    double squares = 0;
    for (std::size_t n = 0; n < length; ++n) {
        windowed[n] = w[n] * values[n];
        sum += w[n];
        squares += w[n] * w[n];
    }

    // Transforms keep their twiddle factors between calls. The real transform writes the
    // half spectrum, DC to Nyquist, and nothing more.
    static Lender<Eigen::FFT<double>> transforms;
    std::array<std::complex<double>, kSpectrumBins> transform {};
    transforms.borrow()->impl().fwd(transform.data(), windowed.data(), kSpectrumPoints);

    Spectrum spectrum;
    spectrum.window = window;
    for (int k = 0; k < kSpectrumBins; ++k) {
        const double magnitude = std::abs(transform[static_cast<std::size_t>(k)]) / sum;
        const bool edge = k == 0 || k == kSpectrumBins - 1;
        spectrum.level[static_cast<std::size_t>(k)]
            = edge ? magnitude : std::numbers::sqrt2 * magnitude;
    }
    if (scale.time.perDivision)
        spectrum.sampleRateHz = kSamplesPerDivision / *scale.time.perDivision;
    spectrum.inVolts = scale.volts.perDivision.has_value();
    spectrum.fullScale
        = axisValue(scale.volts, 127.5 / kUnitsPerVerticalDivision) / std::numbers::sqrt2;
    spectrum.noiseBandwidthBins = kSpectrumPoints * squares / (sum * sum);
    spectrum.samples = static_cast<int>(length);
    return spectrum;
}

Spectrum spectrumOf(const CurveTable &curve, const ShownScale &scale, WindowFunction window)
{
    const auto levels = recordLevels(curve, scale);
    return spectrumOf(levels, window, scale);
}

std::optional<double> levelDbv(double level)
{
    if (level <= 0)
        return std::nullopt;
    return 20.0 * std::log10(level);
}

std::optional<double> levelDbfs(double level, double fullScale)
{
    if (level <= 0 || fullScale <= 0)
        return std::nullopt;
    return 20.0 * std::log10(level / fullScale);
}

} // namespace orvant
