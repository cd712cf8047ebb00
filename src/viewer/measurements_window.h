#pragma once

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QFormLayout;
class QLabel;

namespace orvant {

// The small non-modal "Measurements" window: the capture's file name at its top,
// then one row per measurement. Each value is named for screen readers with its
// measurement, as "Frequency 1.25 kHz".
class MeasurementsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MeasurementsWindow(QWidget *parent = nullptr);

    void showMeasurements(const QString &captureName,
                          const std::vector<std::pair<std::string, std::string>> &texts);

private:
    QLabel *capture_;
    QFormLayout *rows_;
};

} // namespace orvant
