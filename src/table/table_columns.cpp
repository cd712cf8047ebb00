#include "table/table_columns.h"

#include "measure/shown_scale.h"
#include "table/pulse_columns.h"

#include <array>

namespace orvant {

namespace {

constexpr std::size_t kSettingsColumns = kParameterCount;

constexpr std::array<TableColumn, 5> kLeading {{
    {"file", false, ColumnUnit::None},
    {"modified", false, ColumnUnit::None},
    {"size_bytes", true, ColumnUnit::None},
    {"error", true, ColumnUnit::None},
    {"error_text", false, ColumnUnit::None},
}};

constexpr std::array<TableColumn, 14> kTrailing {{
    {"channel", true, ColumnUnit::None},
    {"volts_per_div", true, ColumnUnit::None},
    {"seconds_per_div", true, ColumnUnit::None},
    {"voltage_unit", false, ColumnUnit::None},
    {"time_unit", false, ColumnUnit::None},
    {"maximum", true, ColumnUnit::Voltage},
    {"minimum", true, ColumnUnit::Voltage},
    {"peak_to_peak", true, ColumnUnit::Voltage},
    {"mean", true, ColumnUnit::Voltage},
    {"rms", true, ColumnUnit::Voltage},
    {"frequency_hz", true, ColumnUnit::Hertz},
    {"period", true, ColumnUnit::Time},
    {"duty_cycle_percent", true, ColumnUnit::Percent},
    {"clipped", false, ColumnUnit::None},
}};

// tableCell() reads the trailing columns by their place in this order.
static_assert(kTrailing.size() == 14);

// Distortion and noise from the Hann spectrum.
constexpr std::array<TableColumn, 8> kSpectral {{
    {"fundamental_hz", true, ColumnUnit::Hertz},
    {"fundamental_level_vrms", true, ColumnUnit::Voltage},
    {"thd_db", true, ColumnUnit::Decibel},
    {"thd_n_db", true, ColumnUnit::Decibel},
    {"snr_db", true, ColumnUnit::Decibel},
    {"sinad_db", true, ColumnUnit::Decibel},
    {"sfdr_db", true, ColumnUnit::Decibel},
    {"enob_bits", true, ColumnUnit::Bits},
}};

// The figures of the bound columns, in the columns' order.
constexpr std::array<DistortionFigure, 6> kBoundFigures {
    DistortionFigure::Thd,   DistortionFigure::ThdPlusNoise, DistortionFigure::Snr,
    DistortionFigure::Sinad, DistortionFigure::Sfdr,         DistortionFigure::Enob,
};
constexpr std::size_t kFirstBoundColumn = 2;

constexpr std::size_t kFirstSpectralColumn = kLeading.size() + kSettingsColumns + kTrailing.size();
// The names of the columns whose value is a bound, then the pulse figures.
constexpr TableColumn kLimits {"limits", false, ColumnUnit::None};
constexpr std::size_t kLimitsColumn = kFirstSpectralColumn + kSpectral.size();
constexpr std::size_t kPulseFirst = kLimitsColumn + 1;

// Only while the table is checked against a reference, after every other column.
constexpr std::array<TableColumn, 3> kReference {{
    {"ref_rms_difference", true, ColumnUnit::Voltage},
    {"ref_max_difference", true, ColumnUnit::Voltage},
    {"ref_within", false, ColumnUnit::None},
}};

using Columns = std::vector<TableColumn>;

// The settings columns take the parameters' names, between the file's and the scale's;
// the distortion figures, limits and the pulse figures' columns come last.
const Columns &columns()
{
    static const Columns all = [] {
        Columns made;
        made.insert(made.end(), kLeading.begin(), kLeading.end());
        for (const Parameter parameter : kAllParameters)
            made.push_back({parameterName(parameter), false, ColumnUnit::None});
        made.insert(made.end(), kTrailing.begin(), kTrailing.end());
        made.insert(made.end(), kSpectral.begin(), kSpectral.end());
        made.push_back(kLimits);
        const auto pulse = pulseColumns();
        made.insert(made.end(), pulse.begin(), pulse.end());
        made.insert(made.end(), kReference.begin(), kReference.end());
        return made;
    }();
    return all;
}

TableCell optionalNumber(const std::optional<double> &value)
{
    return value ? TableCell::of(*value) : TableCell::empty();
}

// SEC/DIV as its label says, X10 MAG counted; XY changes the unit of times, not this.
std::optional<double> secondsPerDivision(const SettingValues &values)
{
    const auto time = values[Parameter::SecPerDiv];
    if (!time)
        return std::nullopt;
    const double perDivision = settingValues(Parameter::SecPerDiv)[*time].perDivision;
    return values[Parameter::X10Mag] == setting::kOn ? perDivision / 10.0 : perDivision;
}

// "thd_db;enob_bits": the columns whose value is a bound.
std::string boundColumns(const DistortionFigures &figures)
{
    std::string names;
    for (std::size_t i = 0; i < kBoundFigures.size(); ++i) {
        if (!figures.isBound(kBoundFigures[i]))
            continue;
        if (!names.empty())
            names += ';';
        names += kSpectral[kFirstBoundColumn + i].name;
    }
    return names;
}

TableCell spectralCell(const CaptureSummary &summary, std::size_t index)
{
    if (!summary.distortion)
        return TableCell::empty(); // no tone above DC
    const DistortionFigures &f = *summary.distortion;
    switch (index) {
    case 0:
        return shownScale(summary.settings.values).time.perDivision
            ? TableCell::of(f.fundamentalFrequency)
            : TableCell::empty();
    case 1:
        return TableCell::of(f.fundamentalLevel);
    case 2:
        return TableCell::of(f.thdDb);
    case 3:
        return TableCell::of(f.thdPlusNoiseDb);
    case 4:
        return TableCell::of(f.snrDb);
    case 5:
        return TableCell::of(f.sinadDb);
    case 6:
        return TableCell::of(f.sfdrDb);
    case 7:
        return TableCell::of(f.enobBits);
    default:
        return TableCell::empty();
    }
}

// The reasons of the pulse figures, then why a reference gave no figures.
TableCell reasonsCell(const CaptureSummary &summary, TableCell pulse)
{
    if (!summary.reference || summary.reference->reason.empty())
        return pulse;
    const std::string reference
        = std::string(kReference[0].name) + ": " + summary.reference->reason;
    return TableCell::of(pulse.kind == TableCell::Kind::Text ? pulse.text + ";" + reference
                                                             : reference);
}

TableCell referenceCell(const CaptureSummary &summary, std::size_t index)
{
    if (!summary.reference || !summary.reference->difference)
        return TableCell::empty();
    const ReferenceDifference &d = *summary.reference->difference;
    switch (index) {
    case 0:
        return TableCell::of(d.rms);
    case 1:
        return TableCell::of(d.maximum);
    case 2:
        return d.within ? TableCell::of(*d.within) : TableCell::empty();
    default:
        return TableCell::empty();
    }
}

} // namespace

std::span<const TableColumn> tableColumns(bool withReference)
{
    const std::span<const TableColumn> all = columns();
    return withReference ? all : all.first(all.size() - kReference.size());
}

std::string_view unitOf(const TableColumn &column, const CaptureSummary &summary)
{
    const ShownScale scale = shownScale(summary.settings.values);
    switch (column.unit) {
    case ColumnUnit::Voltage:
        return scale.volts.perDivision ? "V" : "div";
    case ColumnUnit::Time:
        return scale.time.perDivision ? "s" : "div";
    case ColumnUnit::Hertz:
        return "Hz";
    case ColumnUnit::Percent:
        return "%";
    case ColumnUnit::Decibel:
        return "dB";
    case ColumnUnit::Bits:
        return "bits";
    case ColumnUnit::SlewRate:
        if (scale.volts.perDivision)
            return scale.time.perDivision ? "V/s" : "V/div";
        return scale.time.perDivision ? "div/s" : "div/div";
    case ColumnUnit::Count:
    case ColumnUnit::None:
        break;
    }
    return "";
}

std::vector<TableCell> tableRow(const CaptureSummary &summary)
{
    const std::size_t count = tableColumns(summary.reference.has_value()).size();
    std::vector<TableCell> row;
    row.reserve(count);
    for (std::size_t column = 0; column < count; ++column)
        row.push_back(tableCell(summary, column));
    return row;
}

TableCell tableCell(const CaptureSummary &summary, std::size_t column)
{
    switch (column) {
    case 0:
        return TableCell::of(summary.file);
    case 1:
        return summary.modified ? TableCell::of(isoText(*summary.modified)) : TableCell::empty();
    case 2:
        return summary.sizeBytes ? TableCell::of(static_cast<double>(*summary.sizeBytes))
                                 : TableCell::empty();
    case 3:
        return summary.error ? TableCell::of(static_cast<double>(summary.error->number))
                             : TableCell::empty();
    case 4:
        return summary.error ? TableCell::of(summary.error->description) : TableCell::empty();
    default:
        break;
    }
    if (summary.error)
        return TableCell::empty(); // a failed load has nothing more to say
    if (column < kLeading.size() + kSettingsColumns) {
        std::string text = summary.settings.text(kAllParameters[column - kLeading.size()]);
        return text.empty() ? TableCell::empty() : TableCell::of(std::move(text));
    }
    if (column >= kFirstSpectralColumn && column < kLimitsColumn)
        return spectralCell(summary, column - kFirstSpectralColumn);
    const ShownScale scale = shownScale(summary.settings.values);
    const ScaledMeasurements &m = summary.measurements;
    switch (column - kLeading.size() - kSettingsColumns) {
    case 0:
        return TableCell::of(static_cast<double>(scale.channel));
    case 1:
        return optionalNumber(scale.volts.perDivision);
    case 2:
        return optionalNumber(secondsPerDivision(summary.settings.values));
    case 3:
        return TableCell::of(std::string(scale.volts.perDivision ? "V" : "div"));
    case 4:
        return TableCell::of(std::string(scale.time.perDivision ? "s" : "div"));
    case 5:
        return TableCell::of(m.maximum);
    case 6:
        return TableCell::of(m.minimum);
    case 7:
        return TableCell::of(m.peakToPeak);
    case 8:
        return TableCell::of(m.mean);
    case 9:
        return TableCell::of(m.rms);
    case 10:
        return optionalNumber(m.frequencyHz);
    case 11:
        return optionalNumber(m.period);
    case 12:
        return optionalNumber(m.dutyCyclePercent);
    case 13:
        return TableCell::of(m.clipped);
    default:
        break;
    }
    if (column == kLimitsColumn) {
        std::string bounds = summary.distortion ? boundColumns(*summary.distortion) : "";
        const std::string pulse = pulseBoundColumns(summary);
        bounds += bounds.empty() || pulse.empty() ? pulse : ";" + pulse;
        return bounds.empty() ? TableCell::empty() : TableCell::of(std::move(bounds));
    }
    const std::size_t pulseCount = pulseColumns().size();
    if (column - kPulseFirst + 1 == pulseCount)
        return reasonsCell(summary, pulseCell(summary, column - kPulseFirst));
    if (column - kPulseFirst < pulseCount)
        return pulseCell(summary, column - kPulseFirst);
    return referenceCell(summary, column - kPulseFirst - pulseCount);
}

} // namespace orvant
