#pragma once

#include "capture/load_error.h"
#include "measure/curve_measurements.h"
#include "measure/distortion.h"
#include "measure/pulse_measurements.h"
#include "measure/reference_difference.h"
#include "shared/shown_settings.h"
#include "shared/var_global.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace orvant {

// When a file was last written: seconds since 1970 (UTC) and the local time's offset
// from UTC then, in seconds.
struct FileTime
{
    std::int64_t utcSeconds = 0;
    std::int32_t offsetSeconds = 0;
};

// One capture as the first load of a fresh start sees it: compact, the settings as
// catalogue values. A failed load keeps only the file's facts and the error.
struct CaptureSummary
{
    std::string file; // as given
    std::optional<FileTime> modified;
    std::optional<std::uint64_t> sizeBytes;
    std::optional<LoadError> error;
    DecodedSettings settings;
    ScaledMeasurements measurements;
    std::optional<DistortionFigures> distortion; // none without a tone above DC
    PulseMeasurements pulse; // in the record's units; the scale is applied when shown
    // Set while the table is checked against a reference: the figures, or why there
    // are none.
    struct ReferenceCheck
    {
        std::optional<ReferenceDifference> difference;
        std::string reason;
    };
    std::optional<ReferenceCheck> reference;
};

// Reads, decodes and measures `capture`; `file` is what the row's file column says;
// with a reference, compares the curve with it too.
CaptureSummary summarizeCapture(const std::filesystem::path &capture, std::string file,
                                const ReferenceComparison *reference = nullptr);
// The same, the capture loaded into `state` as the first load of a fresh start (what
// was there before is gone), for a caller that keeps it.
CaptureSummary summarizeInto(const std::filesystem::path &capture, std::string file,
                             VarGlobal &state, const ReferenceComparison *reference = nullptr);
// The same of a capture already loaded into `state` as the first load of a fresh start
// (its shown settings those it decoded), measured again without reading it again.
CaptureSummary summarizeLoaded(const std::filesystem::path &capture, std::string file,
                               const VarGlobal &state);

// A capture loaded as the first load of a fresh start, as a reference to compare others
// with; the load's error instead when it failed.
struct LoadedReference
{
    std::optional<ReferenceCurve> curve;
    std::optional<LoadError> error;
};
LoadedReference loadReference(const std::filesystem::path &capture);

// "2026-12-10T17:27:46+01:00".
std::string isoText(const FileTime &time);
// The file time of a moment of the file system's clock, with the local offset then.
FileTime fileTimeOf(std::filesystem::file_time_type moment);

} // namespace orvant
