#include "viewer/reference_tool.h"

#include "shared/curve_sample.h"
#include "viewer/measuring_tools.h"
#include "viewer/zoom_tool.h"

#include <QAction>

namespace orvant {

ReferenceTool::ReferenceTool(const VarGlobal &state, MeasuringTools &measuring, ZoomTool &zoom,
                             QObject *parent)
    : QObject(parent)
    , state_(state)
    , measuring_(measuring)
    , zoom_(zoom)
    , set_(measuring.addMenuEntry(QStringLiteral("Set as Reference"), {}))
    , clear_(measuring.addMenuEntry(QStringLiteral("Clear Reference"), {}))
    , onPlot_(measuring.addMenuEntry(QStringLiteral("Show Reference on Plot"), {}))
{
    onPlot_->setCheckable(true);
    connect(set_, &QAction::triggered, this, &ReferenceTool::setFromShownCurve);
    connect(clear_, &QAction::triggered, this, &ReferenceTool::clear);
    connect(onPlot_, &QAction::toggled, this, &ReferenceTool::showOnPlot);
    connect(&measuring, &MeasuringTools::refreshed, this, &ReferenceTool::follow);
    follow();
}

void ReferenceTool::setFromShownCurve()
{
    if (measuring_.captureName().empty())
        return; // nothing loaded: no curve to keep
    measuring_.setReference(ReferenceCurve {sampleValues(state_.curveTable), measuring_.scale()},
                            onPlot_->isChecked());
    apply();
}

void ReferenceTool::clear()
{
    measuring_.setReference(std::nullopt, false);
    apply();
}

void ReferenceTool::showOnPlot(bool on)
{
    measuring_.setReference(measuring_.reference(), on);
}

// Enabled as they can act: a curve to keep, a reference to clear or show.
void ReferenceTool::follow()
{
    const bool loaded = !measuring_.captureName().empty();
    const bool kept = measuring_.reference().has_value();
    set_->setEnabled(loaded);
    clear_->setEnabled(kept);
    onPlot_->setEnabled(kept);
}

void ReferenceTool::apply()
{
    const auto &reference = measuring_.reference();
    zoom_.setReference(reference ? std::optional(reference->values) : std::nullopt);
    follow();
}

} // namespace orvant
