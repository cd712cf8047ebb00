#include "table/capture_summary.h"

#include "capture/capture_load.h"
#include "measure/shown_scale.h"
#include "shared/lender.h"
#include "shared/system_file.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

namespace orvant {

namespace {

// Failures are kept, not shown; nothing yields.
class SummaryStages : public LoadStages
{
public:
    void failed(const LoadError &error) override { this->error = error; }
    void decoded(const DecodedSettings &decoded) override { settings = decoded; }
    std::optional<LoadError> error;
    DecodedSettings settings;
};

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::int64_t secondsOfCivil(const std::tm &t)
{
    return daysFromCivil(t.tm_year + 1900, static_cast<unsigned>(t.tm_mon + 1),
                         static_cast<unsigned>(t.tm_mday))
        * 86400
        + t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec;
}

// The local offset of the hour `seconds` lies in, remembered per thread: the files of
// a folder tend to share their hours, and asking the C library costs a look at the
// time zone each time. Offsets change on whole hours or half hours, not within a quarter.
std::int32_t localOffset(std::int64_t seconds)
{
    constexpr std::int64_t kQuarter = 900;
    thread_local std::int64_t quarter = -1;
    thread_local std::int32_t offset = 0;
    const std::int64_t asked = seconds >= 0 ? seconds / kQuarter : -1 - (-1 - seconds) / kQuarter;
    if (asked != quarter) {
        const std::tm local = localTime(
            std::chrono::system_clock::time_point(std::chrono::seconds(asked * kQuarter)));
        offset = static_cast<std::int32_t>(secondsOfCivil(local) - asked * kQuarter);
        quarter = asked;
    }
    return offset;
}

} // namespace

FileTime fileTimeOf(std::filesystem::file_time_type moment)
{
    const auto system = std::filesystem::file_time_type::clock::to_sys(moment);
    const std::int64_t seconds
        = std::chrono::floor<std::chrono::seconds>(system.time_since_epoch()).count();
    return {seconds, localOffset(seconds)};
}

std::string isoText(const FileTime &time)
{
    const std::int64_t local = time.utcSeconds + time.offsetSeconds;
    const std::int64_t days = (local >= 0 ? local : local - 86399) / 86400;
    const std::int64_t ofDay = local - days * 86400;
    // Civil date from days (the inverse of daysFromCivil).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0);
    const int offset = time.offsetSeconds;
    const int offsetMinutes = (offset < 0 ? -offset : offset) / 60;
    std::array<char, 48> text {};
    std::snprintf(text.data(), text.size(), "%04lld-%02u-%02uT%02d:%02d:%02d%c%02d:%02d",
                  static_cast<long long>(year), month, day, static_cast<int>(ofDay / 3600),
                  static_cast<int>(ofDay / 60 % 60), static_cast<int>(ofDay % 60),
                  offset < 0 ? '-' : '+', offsetMinutes / 60, offsetMinutes % 60);
    return text.data();
}

namespace {

CaptureSummary fileFacts(const std::filesystem::path &capture, std::string file)
{
    CaptureSummary summary;
    summary.file = std::move(file);
    std::error_code error;
    if (const auto size = std::filesystem::file_size(capture, error); !error)
        summary.sizeBytes = size;
    if (const auto moment = std::filesystem::last_write_time(capture, error); !error)
        summary.modified = fileTimeOf(moment);
    return summary;
}

void measureInto(CaptureSummary &summary, const DecodedSettings &settings, const CurveTable &curve)
{
    summary.settings = settings;
    const ShownScale scale = shownScale(summary.settings.values);
    summary.measurements = scaledMeasurements(measureCurve(curve), scale);
    summary.distortion = distortionOf(curve, scale);
    summary.pulse = measurePulse(curve);
}

} // namespace

CaptureSummary summarizeInto(const std::filesystem::path &capture, std::string file,
                             VarGlobal &state, const ReferenceComparison *reference)
{
    CaptureSummary summary = fileFacts(capture, std::move(file));
    state = VarGlobal {};
    SummaryStages stages;
    if (reference)
        summary.reference.emplace();
    if (loadCapture(capture, state, stages) == LoadEnd::Failed) {
        summary.error = stages.error;
        return summary;
    }
    measureInto(summary, stages.settings, state.curveTable);
    if (reference) {
        const ShownScale scale = shownScale(summary.settings.values);
        summary.reference->difference = compareWithReference(sampleValues(state.curveTable), scale,
                                                             reference->curve, reference->band);
        if (!summary.reference->difference)
            summary.reference->reason = referenceMismatchReason(scale);
    }
    return summary;
}

CaptureSummary summarizeLoaded(const std::filesystem::path &capture, std::string file,
                               const VarGlobal &state)
{
    CaptureSummary summary = fileFacts(capture, std::move(file));
    measureInto(summary, {state.shown.values(), state.frameNumber, state.byteCount},
                state.curveTable);
    return summary;
}

LoadedReference loadReference(const std::filesystem::path &capture)
{
    const auto state = std::make_unique<VarGlobal>();
    const CaptureSummary summary = summarizeInto(capture, {}, *state);
    if (summary.error)
        return {std::nullopt, summary.error};
    return {ReferenceCurve {sampleValues(state->curveTable), shownScale(summary.settings.values)},
            std::nullopt};
}

CaptureSummary summarizeCapture(const std::filesystem::path &capture, std::string file,
                                const ReferenceComparison *reference)
{
    // Fresh for every capture, so that no row depends on another. The tables are large:
    // lent from one kept set, emptied each time rather than taken from the heap anew.
    static Lender<VarGlobal> states;
    const auto state = states.borrow();
    return summarizeInto(capture, std::move(file), *state, reference);
}

} // namespace orvant
