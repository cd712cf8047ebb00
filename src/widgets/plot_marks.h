#pragma once

#include "measure/pulse_marks.h"
#include "rules/plot_geometry.h"

#include <cstdint>
#include <span>
#include <vector>

class QPainter;

namespace orvant {

// Draws the marks of a measurement over an area of `area` pixels that shows the plot's
// logical units: lines and their labels, and a small disc for each point.
void paintPulseMarks(QPainter &painter, const std::vector<PulseMark> &marks, PixelSize area);
// Draws a reference curve dashed over the same area: samples 1 to 512 at x = 2k.
void paintReferenceCurve(QPainter &painter, std::span<const std::int16_t> values, PixelSize area);

} // namespace orvant
