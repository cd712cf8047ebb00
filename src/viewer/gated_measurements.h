#pragma once

#include "measure/pulse_measurements.h"
#include "measure/reference_difference.h"
#include "measure/shown_scale.h"

#include <QObject>
#include <QString>

#include <optional>

namespace orvant {

class CurveTable;
class MeasurementsWindow;
class PlotCursors;

// What the Measurements window shows and where the plot marks it: the samples between
// the time cursors while they are shown and "Between cursors" is on, else all; the
// marks of the pulse figure chosen in the window, on the cursors' layer (never in the
// plot's picture), gone when none is chosen or the window closes.
class GatedMeasurements : public QObject
{
    Q_OBJECT

public:
    GatedMeasurements(const CurveTable &curve, PlotCursors &cursors, MeasurementsWindow &window,
                      QObject *parent);

    // The curve, the scale, the cursors or the reference changed; with a reference the
    // whole curve's differences from it follow the measurements.
    void refresh(const QString &captureName, const ShownScale &scale,
                 const ReferenceCurve *reference = nullptr);
    // Whether the window measures between the time cursors.
    bool gated() const;

private:
    SampleRange range() const;
    void showMarks();

    const CurveTable &curve_;
    PlotCursors &cursors_;
    MeasurementsWindow &window_;
    bool gateOn_ = false; // kept while the cursors are away
    std::optional<PulseFigure> chosen_;
    QString captureName_;
    ShownScale scale_;
    const ReferenceCurve *reference_ = nullptr;
};

} // namespace orvant
