#pragma once

#include "table/capture_summary.h"
#include "table/table_statistics.h"

#include <QRectF>

#include <string>
#include <vector>

class QPainter;

namespace orvant {

class CurveTable;

// What a capture's page tells beside its plot.
struct CapturePageFacts
{
    std::string sha256; // of the file's bytes, lower-case hex; empty: unreadable
    std::string version; // "orvant-export 1.0.0"
};

// The thinnest line drawn on paper, in millimetres: a device pixel at 1200 dpi
// (a cosmetic pen) would be 0.02 mm.
constexpr double kThinnestLineMm = 0.25;

// A capture's page drawn into `page` (device units of the painter's device, whose
// resolution gives the points of the text): a heading with the file's name, its
// modification time, SHA-256 and the program's version; the plot of the first load
// (graticule, black curve) as vectors, no line thinner than kThinnestLineMm; the 25
// settings; the measurements with the captures table's keys and units. A failed
// load gets its error instead of plot, settings and measurements.
void drawCapturePage(QPainter &painter, const QRectF &page, const CaptureSummary &summary,
                     const CurveTable *curve, const CapturePageFacts &facts);

// The first page of a report: the captures in their order and the captures table's
// statistics (column, unit, n, mean, sd, min, max).
void drawStatisticsPage(QPainter &painter, const QRectF &page,
                        const std::vector<CaptureSummary> &summaries,
                        const std::vector<ColumnStatistics> &statistics,
                        const std::string &version);

} // namespace orvant
