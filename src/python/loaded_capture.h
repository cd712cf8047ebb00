#pragma once

#include "measure/shown_scale.h"
#include "measure/spectrum.h"
#include "shared/var_global.h"
#include "table/capture_summary.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace orvant::python {

// A capture loaded as the first load of a fresh start, what orvant.Capture holds: its
// summary (the table's row) and the program state the load left, for the samples and
// the data file.
class LoadedCapture
{
public:
    // The load's error, or the capture; `file` is what its file column says.
    static std::optional<LoadedCapture> load(const std::filesystem::path &path, std::string file,
                                             LoadError &error);

    const CaptureSummary &summary() const { return summary_; }
    ShownScale scale() const;
    std::array<std::uint8_t, kSampleCount> values() const;
    std::optional<std::array<double, kSampleCount>> volts() const;
    std::optional<std::array<double, kSampleCount>> seconds() const;
    Spectrum spectrum(WindowFunction window) const;
    // The data file as orvant-export writes it, line 1 naming the present moment.
    std::string exportText() const;

private:
    CaptureSummary summary_;
    std::shared_ptr<const VarGlobal> state_;
};

} // namespace orvant::python
