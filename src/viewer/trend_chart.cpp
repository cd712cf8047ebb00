#include "viewer/trend_chart.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

constexpr double kMargin = 8;
constexpr double kPick = 6; // pixels from a point that still pick it

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(480, 160);
    setAccessibleName(QStringLiteral("Trend and histogram"));
    setFocusPolicy(Qt::StrongFocus);
}

void TrendChart::setSeries(std::vector<std::optional<double>> values, const QString &summary)
{
    values_ = std::move(values);
    std::vector<double> present;
    for (const auto &value : values_) {
        if (value)
            present.push_back(*value);
    }
    low_ = present.empty() ? 0 : *std::min_element(present.begin(), present.end());
    high_ = present.empty() ? 0 : *std::max_element(present.begin(), present.end());
    histogram_ = freedmanDiaconis(std::move(present));
    setAccessibleDescription(summary);
    update();
}

QRectF TrendChart::trendArea() const
{
    return QRectF(kMargin, kMargin, width() * 0.62 - 2 * kMargin, height() - 2 * kMargin);
}

QRectF TrendChart::histogramArea() const
{
    const double left = width() * 0.62 + kMargin;
    return QRectF(left, kMargin, width() - left - kMargin, height() - 2 * kMargin);
}

QPointF TrendChart::pointOf(std::size_t row) const
{
    const QRectF area = trendArea();
    const double x = values_.size() < 2 ? area.center().x()
                                        : area.left()
            + area.width() * static_cast<double>(row) / static_cast<double>(values_.size() - 1);
    const double span = high_ - low_;
    const double y = span > 0 ? area.bottom() - area.height() * (*values_[row] - low_) / span
                              : area.center().y();
    return {x, y};
}

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.drawRect(trendArea());
    painter.drawRect(histogramArea());
    painter.setPen(QPen(Qt::black, 1.5));
    QPointF previous;
    bool hasPrevious = false;
    for (std::size_t row = 0; row < values_.size(); ++row) {
        if (!values_[row]) {
            hasPrevious = false;
            continue;
        }
        const QPointF point = pointOf(row);
        if (hasPrevious)
            painter.drawLine(previous, point);
        painter.drawEllipse(point, 2, 2);
        previous = point;
        hasPrevious = true;
    }
    const QRectF bars = histogramArea();
    const auto tallest = histogram_.counts.empty()
        ? std::size_t {1}
        : std::max<std::size_t>(
            1, *std::max_element(histogram_.counts.begin(), histogram_.counts.end()));
    const double barWidth
        = bars.width() / static_cast<double>(std::max<std::size_t>(1, histogram_.counts.size()));
    for (std::size_t bin = 0; bin < histogram_.counts.size(); ++bin) {
        const double h = bars.height() * static_cast<double>(histogram_.counts[bin])
            / static_cast<double>(tallest);
        painter.fillRect(QRectF(bars.left() + barWidth * static_cast<double>(bin),
                                bars.bottom() - h, barWidth - 1, h),
                         QColor(0, 0, 192));
    }
}

void TrendChart::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    std::vector<int> rows;
    if (histogramArea().contains(at) && !histogram_.counts.empty()) {
        const double barWidth
            = histogramArea().width() / static_cast<double>(histogram_.counts.size());
        const auto bin = static_cast<std::size_t>((at.x() - histogramArea().left()) / barWidth);
        for (std::size_t row = 0; row < values_.size(); ++row) {
            if (values_[row] && histogram_.binOf(*values_[row]) == bin)
                rows.push_back(static_cast<int>(row));
        }
    } else if (trendArea().adjusted(-kPick, -kPick, kPick, kPick).contains(at)) {
        double nearest = kPick;
        for (std::size_t row = 0; row < values_.size(); ++row) {
            if (!values_[row])
                continue;
            const QPointF d = pointOf(row) - at;
            const double distance = std::hypot(d.x(), d.y());
            if (distance <= nearest) {
                nearest = distance;
                rows = {static_cast<int>(row)};
            }
        }
    }
    if (!rows.empty())
        emit rowsPicked(rows);
}

} // namespace orvant
