#pragma once

#include "measure/pulse_measurements.h"

#include <QWidget>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLabel;

namespace orvant {

class PulseTable;

// The small non-modal "Measurements" window: the capture's file name at its top, the
// samples measured when the cursors gate them, then one row per measurement and beside
// them the pulse figures. Each value is named for screen readers with its measurement,
// as "Frequency 1.25 kHz".
class MeasurementsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MeasurementsWindow(QWidget *parent = nullptr);

    void showMeasurements(const QString &captureName,
                          const std::vector<std::pair<std::string, std::string>> &texts);
    void showPulse(const std::vector<PulseText> &texts);
    // The "Between cursors" toggle, shown while the cursors are (`offered`); the heading
    // says which samples were measured, none: all of them.
    void showGate(bool offered, bool on, const QString &heading);

signals:
    void gateToggled(bool on);
    // A pulse figure was selected, or none is (also when the window closes).
    void figureChosen(std::optional<PulseFigure> figure);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QLabel *capture_;
    QLabel *heading_;
    QCheckBox *gate_;
    QFormLayout *rows_;
    PulseTable *pulse_;
};

} // namespace orvant
