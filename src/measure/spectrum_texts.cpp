#include "measure/spectrum_texts.h"

#include <array>

namespace orvant {

namespace {

constexpr std::array<SpectrumScaleInfo, 3> kScales {{
    {SpectrumScale::Dbv, "dBV"},
    {SpectrumScale::Dbfs, "dBFS"},
    {SpectrumScale::Rms, "V RMS"},
}};

constexpr std::string_view kUnknown = "\u2014";

// A figure with its bound: THD and THD+N are at most, the others at least it.
std::string figureText(double value, std::string_view unit, bool bound, bool atMost)
{
    const std::string text = engineering(value, unit);
    if (!bound)
        return text;
    return std::string(atMost ? "\u2264 " : "\u2265 ") + text;
}

} // namespace

std::span<const SpectrumScaleInfo> spectrumScales()
{
    return kScales;
}

SpectrumScale usableScale(SpectrumScale chosen, const Spectrum &spectrum)
{
    return chosen == SpectrumScale::Dbv && !spectrum.inVolts ? SpectrumScale::Dbfs : chosen;
}

std::optional<double> shownLevel(const Spectrum &spectrum, int bin, SpectrumScale scale)
{
    const double level = spectrum.level[static_cast<std::size_t>(bin)];
    switch (scale) {
    case SpectrumScale::Dbv:
        return levelDbv(level);
    case SpectrumScale::Dbfs:
        return levelDbfs(level, spectrum.fullScale);
    case SpectrumScale::Rms:
        break;
    }
    return level;
}

std::string levelText(double level, SpectrumScale scale, const Spectrum &spectrum)
{
    switch (scale) {
    case SpectrumScale::Dbv:
        return engineering(level, "dBV");
    case SpectrumScale::Dbfs:
        return engineering(level, "dBFS");
    case SpectrumScale::Rms:
        break;
    }
    return engineering(level, spectrum.inVolts ? "V" : "div");
}

std::string frequencyText(double frequency, const Spectrum &spectrum)
{
    return engineering(frequency, spectrum.sampleRateHz ? "Hz" : "cycles/div");
}

std::string binReadout(const Spectrum &spectrum, int bin, SpectrumScale scale)
{
    const auto level = shownLevel(spectrum, bin, scale);
    return frequencyText(spectrum.frequency(bin), spectrum) + ", "
        + (level ? levelText(*level, scale, spectrum) : std::string(kUnknown));
}

std::vector<std::pair<std::string, std::string>>
distortionTexts(const std::optional<DistortionAnalysis> &analysis, const Spectrum &spectrum)
{
    const std::array<std::string, 9> names {"Fundamental", "Level", "THD",  "THD (%)", "THD+N",
                                            "SNR",         "SINAD", "SFDR", "ENOB"};
    std::vector<std::pair<std::string, std::string>> texts;
    if (!analysis) {
        for (const std::string &name : names)
            texts.emplace_back(name, kUnknown);
        return texts;
    }
    const DistortionFigures &f = analysis->figures;
    const auto bound = [&f](DistortionFigure figure) {
        return f.isBound(figure);
    };
    const std::array<std::string, 9> values {
        frequencyText(f.fundamentalFrequency, spectrum),
        levelText(f.fundamentalLevel, SpectrumScale::Rms, spectrum),
        figureText(f.thdDb, "dB", bound(DistortionFigure::Thd), true),
        figureText(f.thdPercent, "%", bound(DistortionFigure::Thd), true),
        figureText(f.thdPlusNoiseDb, "dB", bound(DistortionFigure::ThdPlusNoise), true),
        figureText(f.snrDb, "dB", bound(DistortionFigure::Snr), false),
        figureText(f.sinadDb, "dB", bound(DistortionFigure::Sinad), false),
        figureText(f.sfdrDb, "dB", bound(DistortionFigure::Sfdr), false),
        figureText(f.enobBits, "bits", bound(DistortionFigure::Enob), false),
    };
    for (std::size_t i = 0; i < names.size(); ++i)
        texts.emplace_back(names[i], values[i]);
    return texts;
}

} // namespace orvant
