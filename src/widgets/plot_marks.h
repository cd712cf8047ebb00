#pragma once

#include "measure/pulse_marks.h"
#include "rules/plot_geometry.h"

#include <QPointF>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QPainter;

namespace orvant {

// Where a point in the plot's logical units lies on the widget drawn on.
using PlotToWidget = std::function<QPointF(PlotPoint)>;

// Draws the marks of a measurement: lines and their labels, and a small disc for each
// point.
void paintPulseMarks(QPainter &painter, const std::vector<PulseMark> &marks,
                     const PlotToWidget &toWidget);
// Draws a reference curve dashed: samples 1 to 512 at x = 2k.
void paintReferenceCurve(QPainter &painter, std::span<const std::int16_t> values,
                         const PlotToWidget &toWidget);

} // namespace orvant
