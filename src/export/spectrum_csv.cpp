#include "export/spectrum_csv.h"

#include "shared/shortest_number.h"

namespace orvant {

namespace {

void appendOptional(std::string &out, const std::optional<double> &value)
{
    if (value)
        appendShortest(out, *value);
}

} // namespace

std::string spectrumCsv(const Spectrum &spectrum)
{
    std::string csv = "bin,frequency_hz,level_vrms,level_dbv,level_dbfs\r\n";
    csv.reserve(kSpectrumBins * 96);
    for (int k = 0; k < kSpectrumBins; ++k) {
        const double level = spectrum.level[static_cast<std::size_t>(k)];
        appendShortest(csv, k);
        csv += ',';
        if (spectrum.sampleRateHz)
            appendShortest(csv, spectrum.frequency(k));
        csv += ',';
        if (spectrum.inVolts)
            appendShortest(csv, level);
        csv += ',';
        if (spectrum.inVolts)
            appendOptional(csv, levelDbv(level));
        csv += ',';
        appendOptional(csv, levelDbfs(level, spectrum.fullScale));
        csv += "\r\n";
    }
    return csv;
}

} // namespace orvant
