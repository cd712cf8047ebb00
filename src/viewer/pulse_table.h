#pragma once

#include "measure/pulse_measurements.h"

#include <QTableWidget>

#include <optional>
#include <vector>

namespace orvant {

// The pulse figures in the Measurements window: a row per figure with its value and,
// where it is blank or a bound, the reason beside it. A row can be selected to mark the
// figure on the plot. Each value is named for screen readers with its figure and
// reason, as "Rise time less than 20 µs, faster than one sample".
class PulseTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit PulseTable(QWidget *parent = nullptr);

    void showFigures(const std::vector<PulseText> &texts);

signals:
    // A row was selected (its figure), or none is.
    void figureChosen(std::optional<PulseFigure> figure);

private:
    void fitToRows();
    void selectionMoved();

    std::vector<PulseFigure> figures_; // of the rows, in order
};

// What a screen reader says for a figure's value.
QString accessibleValue(const PulseText &text);

} // namespace orvant
