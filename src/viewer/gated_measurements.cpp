#include "viewer/gated_measurements.h"

#include "measure/curve_measurements.h"
#include "measure/pulse_marks.h"
#include "measure/sample_gate.h"
#include "shared/curve_sample.h"
#include "viewer/measurements_window.h"
#include "widgets/plot_cursors.h"

namespace orvant {

GatedMeasurements::GatedMeasurements(const CurveTable &curve, PlotCursors &cursors,
                                     MeasurementsWindow &window, QObject *parent)
    : QObject(parent)
    , curve_(curve)
    , cursors_(cursors)
    , window_(window)
{
    connect(&window_, &MeasurementsWindow::gateToggled, this, [this](bool on) {
        gateOn_ = on;
        refresh(captureName_, scale_, reference_);
    });
    connect(&window_, &MeasurementsWindow::figureChosen, this,
            [this](std::optional<PulseFigure> figure) {
                chosen_ = figure;
                showMarks();
            });
}

bool GatedMeasurements::gated() const
{
    return gateOn_ && cursors_.box();
}

SampleRange GatedMeasurements::range() const
{
    const auto &box = cursors_.box();
    return gateOn_ && box ? samplesBetween(*box) : SampleRange {};
}

void GatedMeasurements::refresh(const QString &captureName, const ShownScale &scale,
                                const ReferenceCurve *reference)
{
    captureName_ = captureName;
    scale_ = scale;
    reference_ = reference;
    const auto &box = cursors_.box();
    const bool gated = gateOn_ && box;
    window_.showGate(box.has_value(), gateOn_,
                     gated ? QString::fromStdString(gateHeading(*box, scale)) : QString());
    const SampleRange measured = range();
    auto texts = measurementTexts(measureCurve(curve_, measured), scale);
    if (reference) {
        const auto difference
            = compareWithReference(sampleValues(curve_), scale, *reference, ReferenceBand {});
        for (auto &text : referenceTexts(difference))
            texts.push_back(std::move(text));
    }
    window_.showMeasurements(captureName, texts);
    window_.showPulse(pulseTexts(measurePulse(curve_, measured), scale));
    showMarks();
}

void GatedMeasurements::showMarks()
{
    cursors_.setMarks(chosen_ ? pulseMarks(analysePulse(curve_, range()), *chosen_)
                              : std::vector<PulseMark> {});
}

} // namespace orvant
