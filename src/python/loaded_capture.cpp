#include "python/loaded_capture.h"

#include "export/export_file.h"

#include <chrono>

namespace orvant::python {

std::optional<LoadedCapture> LoadedCapture::load(const std::filesystem::path &path,
                                                 std::string file, LoadError &error)
{
    auto state = std::make_shared<VarGlobal>();
    LoadedCapture loaded;
    loaded.summary_ = summarizeInto(path, std::move(file), *state);
    if (loaded.summary_.error) {
        error = *loaded.summary_.error;
        return std::nullopt;
    }
    loaded.state_ = std::move(state);
    return loaded;
}

ShownScale LoadedCapture::scale() const
{
    return shownScale(state_->shown.values());
}

std::array<std::uint8_t, kSampleCount> LoadedCapture::values() const
{
    std::array<std::uint8_t, kSampleCount> values {};
    for (int k = 1; k <= kSampleCount; ++k)
        values[static_cast<std::size_t>(k - 1)]
            = static_cast<std::uint8_t>(state_->curveTable.at(k).sampleValue);
    return values;
}

std::optional<std::array<double, kSampleCount>> LoadedCapture::volts() const
{
    const ShownScale shown = scale();
    if (!shown.volts.perDivision)
        return std::nullopt;
    std::array<double, kSampleCount> volts {};
    for (int k = 1; k <= kSampleCount; ++k)
        volts[static_cast<std::size_t>(k - 1)]
            = sampleVolts(state_->curveTable.at(k).sampleValue, shown.volts);
    return volts;
}

std::optional<std::array<double, kSampleCount>> LoadedCapture::seconds() const
{
    const ShownScale shown = scale();
    if (!shown.time.perDivision)
        return std::nullopt;
    std::array<double, kSampleCount> seconds {};
    for (int k = 1; k <= kSampleCount; ++k)
        seconds[static_cast<std::size_t>(k - 1)] = sampleSeconds(k, shown.time);
    return seconds;
}

Spectrum LoadedCapture::spectrum(WindowFunction window) const
{
    return spectrumOf(state_->curveTable, scale(), window);
}

std::string LoadedCapture::exportText() const
{
    return exportContent(state_->captureText, state_->byteTable, state_->curveTable,
                         ExportTime::at(std::chrono::system_clock::now()));
}

} // namespace orvant::python
