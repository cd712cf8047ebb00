#include "table/pulse_columns.h"

#include "measure/pulse_measurements.h"

#include <algorithm>
#include <array>

namespace orvant {

namespace {

ColumnUnit unitOf(PulseQuantity quantity)
{
    switch (quantity) {
    case PulseQuantity::Level:
    case PulseQuantity::Span:
        return ColumnUnit::Voltage;
    case PulseQuantity::Duration:
        return ColumnUnit::Time;
    case PulseQuantity::Count:
        return ColumnUnit::Count;
    case PulseQuantity::Percent:
        return ColumnUnit::Percent;
    case PulseQuantity::SlewRate:
        return ColumnUnit::SlewRate;
    }
    return ColumnUnit::None;
}

// The figures that are columns, in their order.
std::vector<PulseFigure> columnFigures()
{
    std::vector<PulseFigure> figures;
    for (const PulseFigureInfo &info : pulseFigures()) {
        if (!info.column.empty())
            figures.push_back(info.figure);
    }
    return figures;
}

struct Columns
{
    std::vector<PulseFigure> figures = columnFigures();
    std::vector<TableColumn> columns;

    Columns()
    {
        for (const PulseFigure figure : figures) {
            const PulseFigureInfo &info = pulseFigureInfo(figure);
            columns.push_back({info.column, true, unitOf(info.quantity)});
        }
        columns.push_back({"reasons", false, ColumnUnit::None});
    }
};

const Columns &all()
{
    static const Columns made;
    return made;
}

// The figures' columns joined by ";", each as `entry` writes it.
template<typename Entry> std::string joined(const CaptureSummary &summary, const Entry &entry)
{
    std::string text;
    for (const PulseFigure figure : all().figures) {
        const std::string one = entry(pulseFigureInfo(figure), summary.pulse[figure]);
        if (one.empty())
            continue;
        text += (text.empty() ? "" : ";") + one;
    }
    return text;
}

} // namespace

std::span<const TableColumn> pulseColumns()
{
    return all().columns;
}

std::string pulseBoundColumns(const CaptureSummary &summary)
{
    return joined(summary, [](const PulseFigureInfo &info, const PulseValue &v) {
        return v.bound() ? std::string(info.column) : std::string();
    });
}

TableCell pulseCell(const CaptureSummary &summary, std::size_t column)
{
    const auto &figures = all().figures;
    if (column >= figures.size()) {
        std::string reasons = joined(summary, [](const PulseFigureInfo &info, const PulseValue &v) {
            return v.known() ? std::string()
                             : std::string(info.column) + ": " + std::string(reasonText(v.reason));
        });
        return reasons.empty() ? TableCell::empty() : TableCell::of(std::move(reasons));
    }
    const PulseValue v
        = scaledPulse(summary.pulse, figures[column], shownScale(summary.settings.values));
    return v.shown() ? TableCell::of(v.value) : TableCell::empty();
}

} // namespace orvant
