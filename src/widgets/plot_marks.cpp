#include "widgets/plot_marks.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

namespace orvant {

namespace {

// Orange: apart from the four curve colours, the graticule's black and the cursors' green.
const QColor kMarkColour(230, 115, 0);
// Dark grey, dashed: a curve, but none of the plot's.
const QColor kReferenceColour(90, 90, 90);
constexpr double kPointRadius = 4;
constexpr int kPenPixels = 2;

} // namespace

void paintPulseMarks(QPainter &painter, const std::vector<PulseMark> &marks,
                     const PlotToWidget &toWidget)
{
    painter.save();
    painter.setPen(QPen(kMarkColour, kPenPixels));
    painter.setBrush(kMarkColour);
    const QFontMetrics metrics(painter.font());
    for (const PulseMark &mark : marks) {
        const QPointF from = toWidget({mark.x1, mark.y1});
        if (mark.kind == PulseMark::Kind::Point) {
            painter.drawEllipse(from, kPointRadius, kPointRadius);
            continue;
        }
        painter.drawLine(from, toWidget({mark.x2, mark.y2}));
        if (!mark.label.empty())
            painter.drawText(from + QPointF(4, -metrics.descent() - 2),
                             QString::fromStdString(mark.label));
    }
    painter.restore();
}

void paintReferenceCurve(QPainter &painter, std::span<const std::int16_t> values,
                         const PlotToWidget &toWidget)
{
    if (values.empty())
        return;
    QPolygonF line;
    for (std::size_t k = 1; k <= values.size(); ++k)
        line << toWidget({2.0 * static_cast<double>(k), static_cast<double>(values[k - 1])});
    painter.save();
    painter.setPen(QPen(kReferenceColour, kPenPixels, Qt::DashLine));
    painter.drawPolyline(line);
    painter.restore();
}

} // namespace orvant
