#pragma once

#include "measure/cursor_readout.h"
#include "rules/plot_geometry.h"
#include "table/capture_summary.h"
#include "table/table_statistics.h"

#include <QRectF>

#include <optional>
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

// One of the 25 settings as the page lists it; one chosen by hand is marked with
// kByHandMark (and drawn red), explained in a footnote.
struct PageSetting
{
    std::string name;
    std::string text;
    bool byHand = false;
};

// Lines of text under a title, in columns.
struct PageSection
{
    std::string title;
    std::vector<std::string> lines;
    int columns = 2;
    std::vector<std::string> notes; // each across the whole width, after the lines
};

// Everything a capture's page shows below its heading (file name, time, SHA-256,
// version). The command line fills it from a fresh load, the viewer from what it shows.
struct CapturePage
{
    std::string file; // as given; the heading's title is its last name
    std::optional<FileTime> modified;
    CapturePageFacts facts;
    std::optional<std::string> error; // instead of everything below
    PixelSize plotArea;
    std::vector<PlotCommand> plot; // graticule and curves, each in its colour
    std::optional<CursorBox> cursors; // drawn over the plot, dashed
    std::vector<PageSetting> settings;
    std::vector<PageSection> sections; // measurements and the like, in order
};

constexpr const char *kByHandMark = "*";
constexpr const char *kByHandNote = "* chosen by hand (red in the settings panel)";

// The page of a capture as orvant-export draws it: its first load's plot (graticule,
// black curve), the decoded settings, the captures table's measurements.
CapturePage firstLoadPage(const CaptureSummary &summary, const CurveTable *curve,
                          const CapturePageFacts &facts);

// Draws `content` into `page`: heading, the plot as vectors (no line thinner than
// kThinnestLineMm; as wide as the text below leaves room for), the settings in three
// columns, the sections. Text in points, by the device's resolution.
void drawCapturePage(QPainter &painter, const QRectF &page, const CapturePage &content);

// The thinnest line drawn on paper, in millimetres: a device pixel at 1200 dpi
// (a cosmetic pen) would be 0.02 mm.
constexpr double kThinnestLineMm = 0.25;

// firstLoadPage drawn into `page` (device units of the painter's device, whose
// resolution gives the points of the text). A failed load gets its error instead of
// plot, settings and measurements.
void drawCapturePage(QPainter &painter, const QRectF &page, const CaptureSummary &summary,
                     const CurveTable *curve, const CapturePageFacts &facts);

// The first page of a report: the captures in their order and the captures table's
// statistics (column, unit, n, mean, sd, min, max).
void drawStatisticsPage(QPainter &painter, const QRectF &page,
                        const std::vector<CaptureSummary> &summaries,
                        const std::vector<ColumnStatistics> &statistics,
                        const std::string &version);

} // namespace orvant
