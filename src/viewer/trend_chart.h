#pragma once

#include "table/histogram.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace orvant {

// One column of the captures table drawn twice: its values in the table's order (the
// trend) and their histogram (Freedman–Diaconis bins). A click on a point or a bar
// picks those rows.
class TrendChart : public QWidget
{
    Q_OBJECT

public:
    explicit TrendChart(QWidget *parent = nullptr);

    // Values by shown row (none where the cell is empty or in another unit); `summary`
    // is what the accessible description says ("Frequency: 120 values, …").
    void setSeries(std::vector<std::optional<double>> values, const QString &summary);

signals:
    void rowsPicked(const std::vector<int> &rows);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRectF trendArea() const;
    QRectF histogramArea() const;
    QPointF pointOf(std::size_t row) const;

    std::vector<std::optional<double>> values_;
    double low_ = 0;
    double high_ = 0;
    Histogram histogram_;
};

} // namespace orvant
