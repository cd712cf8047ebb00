#include "picture/report_page.h"

#include "picture/capture_picture.h"
#include "picture/plot_painter.h"
#include "shared/folders.h"
#include "shared/settings_catalogue.h"
#include "shared/shortest_number.h"
#include "table/table_columns.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace orvant {

namespace {

// Device units a millimetre.
double perMm(const QPainter &painter)
{
    return painter.device()->logicalDpiX() / 25.4;
}

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    // No ligatures: "ff" of a digest or "fi" of a word stay letters a reader finds.
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString text(const std::string &utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Writes `lines` top-down from `top` in `columns` columns across `width`; returns the
// bottom of the tallest column.
double drawColumns(QPainter &painter, const QRectF &area, double top,
                   const std::vector<std::string> &lines, int columns, const QFont &f)
{
    painter.setFont(f);
    const double lineHeight = QFontMetricsF(f, painter.device()).lineSpacing();
    const auto rows = static_cast<int>((lines.size() + columns - 1) / columns);
    const double columnWidth = area.width() / columns;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        const QRectF box(area.left() + column * columnWidth, top + row * lineHeight, columnWidth,
                         lineHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text(lines[i]));
    }
    return top + rows * lineHeight;
}

// Each of `lines` across the whole width, wrapped at its spaces.
double drawWrapped(QPainter &painter, const QRectF &area, double top,
                   const std::vector<std::string> &lines, const QFont &f)
{
    painter.setFont(f);
    for (const std::string &line : lines) {
        const QRectF box(area.left(), top, area.width(), area.bottom() - top);
        QRectF used;
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text(line), &used);
        top = used.bottom();
    }
    return top;
}

double drawLine(QPainter &painter, const QRectF &area, double top, const std::string &line,
                const QFont &f)
{
    return drawColumns(painter, area, top, {line}, 1, f);
}

std::string cellText(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Kind::Number:
        return shortestNumber(cell.number);
    case TableCell::Kind::Text:
        return cell.text;
    case TableCell::Kind::Flag:
        return cell.flag ? "true" : "false";
    case TableCell::Kind::Empty:
        break;
    }
    return "(none)";
}

// "rms = 0.7 V" per measurement column (from `maximum` on), the long texts apart.
void measurementLines(const CaptureSummary &summary, std::vector<std::string> &figures,
                      std::vector<std::string> &notes)
{
    const auto columns = tableColumns();
    const std::vector<TableCell> row = tableRow(summary);
    std::size_t first = 0;
    while (first < columns.size() && columns[first].name != "maximum")
        ++first;
    for (std::size_t i = first; i < columns.size(); ++i) {
        const TableColumn &column = columns[i];
        std::string line = std::string(column.name) + " = " + cellText(row[i]);
        const std::string_view unit = unitOf(column, summary);
        if (row[i].kind == TableCell::Kind::Number && !unit.empty())
            line += " " + std::string(unit);
        (column.numeric || row[i].kind == TableCell::Kind::Flag ? figures : notes).push_back(line);
    }
}

// The cursors over the plot, dashed, in the viewer's cursor colour, in plot pixels.
void drawCursors(QPainter &painter, PixelSize area, const CursorBox &box, double width)
{
    painter.setPen(QPen(QColor(0, 140, 0), width, Qt::DashLine, Qt::FlatCap));
    for (const double t : {box.t1, box.t2}) {
        const double x = exactPixel({t, 0}, area).x;
        painter.drawLine(QPointF(x, 0), QPointF(x, area.height));
    }
    for (const double v : {box.v1, box.v2}) {
        const double y = exactPixel({0, v}, area).y;
        painter.drawLine(QPointF(0, y), QPointF(area.width, y));
    }
}

// The plot in `box` (its width; the height follows the plot area's proportions).
double drawPlot(QPainter &painter, const QRectF &box, const CapturePage &content)
{
    const PixelSize area = content.plotArea;
    const double scale = box.width() / area.width;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(0, 0, area.width, area.height));
    painter.fillRect(QRectF(0, 0, area.width, area.height), QColor::fromRgb(kPlotBackgroundRgb));
    PenState pen;
    const double thinnest = kThinnestLineMm * perMm(painter) / scale;
    paintPlotVectors(painter, area, content.plot, pen, thinnest);
    if (content.cursors)
        drawCursors(painter, area, *content.cursors, thinnest);
    painter.restore();
    return box.top() + area.height * scale;
}

double drawHeading(QPainter &painter, const QRectF &area, const std::string &title,
                   const std::vector<std::string> &lines)
{
    const double mm = perMm(painter);
    double y = drawLine(painter, area, area.top(), title, font(14, true));
    y = drawColumns(painter, area, y + 1 * mm, lines, 1, font(8));
    return y + 3 * mm;
}

// The text below the plot, top-down: painted, or only measured (for the plot's size).
class TextFlow
{
public:
    TextFlow(QPainter &painter, const QRectF &area, double top, bool paint)
        : painter_(painter)
        , area_(area)
        , paint_(paint)
        , mm_(perMm(painter))
        , y(top)
    {
    }

    TextFlow &all(const CapturePage &content)
    {
        settings(content.settings);
        for (const PageSection &section : content.sections)
            this->section(section);
        return *this;
    }

    void settings(const std::vector<PageSetting> &settings)
    {
        title("Settings");
        const QFont f = font(7);
        const double lineHeight = QFontMetricsF(f, painter_.device()).lineSpacing();
        const int rows = static_cast<int>((settings.size() + 2) / 3);
        const double columnWidth = area_.width() / 3;
        bool anyByHand = false;
        for (std::size_t i = 0; i < settings.size() && paint_; ++i) {
            const PageSetting &setting = settings[i];
            const QRectF box(area_.left() + static_cast<int>(i) / rows * columnWidth,
                             y + static_cast<int>(i) % rows * lineHeight, columnWidth, lineHeight);
            painter_.setFont(f);
            painter_.setPen(setting.byHand ? QColor(Qt::red) : QColor(Qt::black));
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              text(setting.name + ": " + setting.text
                                   + (setting.byHand ? std::string(" ") + kByHandMark : "")));
        }
        for (const PageSetting &setting : settings)
            anyByHand = anyByHand || setting.byHand;
        painter_.setPen(Qt::black);
        y += rows * lineHeight;
        if (anyByHand)
            wrapped({kByHandNote});
        y += 3 * mm_;
    }

    void section(const PageSection &section)
    {
        if (section.lines.empty() && section.notes.empty())
            return;
        title(section.title);
        const QFont f = font(7);
        if (paint_) {
            y = drawColumns(painter_, area_, y, section.lines, section.columns, f);
        } else {
            const auto rows = (section.lines.size() + section.columns - 1) / section.columns;
            y += static_cast<double>(rows) * QFontMetricsF(f, painter_.device()).lineSpacing();
        }
        wrapped(section.notes);
        y += 3 * mm_;
    }

private:
    void title(const std::string &line)
    {
        const QFont f = font(10, true);
        if (paint_)
            y = drawLine(painter_, area_, y, line, f);
        else
            y += QFontMetricsF(f, painter_.device()).lineSpacing();
    }

    void wrapped(const std::vector<std::string> &lines)
    {
        const QFont f = font(7);
        if (paint_) {
            y = drawWrapped(painter_, area_, y, lines, f);
            return;
        }
        painter_.setFont(f);
        for (const std::string &line : lines)
            y += painter_
                     .boundingRect(QRectF(area_.left(), 0, area_.width(), 1e6),
                                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text(line))
                     .height();
    }

    QPainter &painter_;
    QRectF area_;
    bool paint_;
    double mm_;

public:
    double y;
};

// Six significant digits: the table's columns side by side.
std::string shortText(double value)
{
    std::array<char, 32> text {};
    std::snprintf(text.data(), text.size(), "%.6g", value);
    return text.data();
}

} // namespace

CapturePage firstLoadPage(const CaptureSummary &summary, const CurveTable *curve,
                          const CapturePageFacts &facts)
{
    CapturePage content;
    content.file = summary.file;
    content.modified = summary.modified;
    content.facts = facts;
    if (summary.error || !curve) {
        content.error = summary.error ? "Error " + std::to_string(summary.error->number) + " ("
                + summary.error->description + ")"
                                      : "not loaded";
        return content;
    }
    content.plotArea = kPlotAreaPixels;
    content.plot = firstLoadCommands(*curve);
    for (const Parameter parameter : kAllParameters)
        content.settings.push_back(
            {std::string(parameterName(parameter)), summary.settings.text(parameter)});
    PageSection &measurements = content.sections.emplace_back();
    measurements.title = "Measurements";
    measurementLines(summary, measurements.lines, measurements.notes);
    return content;
}

void drawCapturePage(QPainter &painter, const QRectF &page, const CaptureSummary &summary,
                     const CurveTable *curve, const CapturePageFacts &facts)
{
    drawCapturePage(painter, page, firstLoadPage(summary, curve, facts));
}

void drawCapturePage(QPainter &painter, const QRectF &page, const CapturePage &content)
{
    const double mm = perMm(painter);
    painter.setPen(Qt::black);
    const QRectF area = page.adjusted(15 * mm, 15 * mm, -15 * mm, -15 * mm);
    const std::string name = pathText(pathFromText(content.file).filename());
    const CapturePageFacts &facts = content.facts;
    const double y
        = drawHeading(painter, area, name,
                      {"File: " + content.file,
                       "Modified: " + (content.modified ? isoText(*content.modified) : "unknown"),
                       "SHA-256: " + (facts.sha256.empty() ? "unreadable" : facts.sha256),
                       "Written by " + facts.version});
    if (content.error) {
        drawLine(painter, area, y, *content.error, font(11, true));
        return;
    }
    // The plot takes what the text below leaves, up to 150 mm wide.
    const double gap = 4 * mm;
    const double below = TextFlow(painter, area, 0, false).all(content).y;
    const double room = std::max(area.bottom() - y - gap - below, 20 * mm);
    const double ratio = double(content.plotArea.width) / content.plotArea.height;
    const double plotWidth = std::min({area.width(), 150 * mm, room * ratio});
    const double plotBottom = drawPlot(painter, QRectF(area.left(), y, plotWidth, 0), content);
    TextFlow(painter, area, plotBottom + gap, true).all(content);
}

void drawStatisticsPage(QPainter &painter, const QRectF &page,
                        const std::vector<CaptureSummary> &summaries,
                        const std::vector<ColumnStatistics> &statistics, const std::string &version)
{
    const double mm = perMm(painter);
    painter.setPen(Qt::black);
    const QRectF area = page.adjusted(15 * mm, 15 * mm, -15 * mm, -15 * mm);
    std::size_t failed = 0;
    for (const CaptureSummary &summary : summaries)
        failed += summary.error ? 1 : 0;
    double y = drawHeading(painter, area, "ORVANT report",
                           {std::to_string(summaries.size()) + " captures, "
                                + std::to_string(failed) + " failed; a page each follows",
                            "Written by " + version});
    y = drawLine(painter, area, y, "Statistics of the captures table", font(10, true));
    const auto columns = tableColumns();
    const QFont f = font(7);
    const std::vector<std::pair<double, std::string>> header
        = {{0, "column"}, {45, "unit"}, {60, "n"},   {70, "mean"},
           {98, "sd"},    {126, "min"}, {154, "max"}};
    const auto drawRow = [&](double top, const std::vector<std::string> &cells) {
        double bottom = top;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QRectF cell(area.left() + header[i].first * mm, top, 40 * mm, 0);
            bottom = std::max(bottom, drawLine(painter, cell, top, cells[i], f));
        }
        return bottom;
    };
    std::vector<std::string> names;
    for (const auto &column : header)
        names.push_back(column.second);
    y = drawRow(y, names);
    for (const ColumnStatistics &s : statistics)
        y = drawRow(y,
                    {std::string(columns[s.column].name), s.unit, std::to_string(s.n),
                     shortText(s.mean), s.sd ? shortText(*s.sd) : "", shortText(s.minimum),
                     shortText(s.maximum)});
}

} // namespace orvant
