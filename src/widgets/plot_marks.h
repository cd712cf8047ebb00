#pragma once

#include "measure/pulse_marks.h"
#include "rules/plot_geometry.h"

#include <vector>

class QPainter;

namespace orvant {

// Draws the marks of a measurement over an area of `area` pixels that shows the plot's
// logical units: lines and their labels, and a small disc for each point.
void paintPulseMarks(QPainter &painter, const std::vector<PulseMark> &marks, PixelSize area);

} // namespace orvant
