#pragma once

#include "measure/pulse_measurements.h"

#include <string>
#include <vector>

namespace orvant {

// One mark of where a pulse figure was measured, in plot units: x as the plot places
// samples (sample k at x = 2k), y the sample value.
struct PulseMark
{
    enum class Kind { Line, Point } kind = Kind::Line;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0; // Line only
    double y2 = 0;
    std::string label; // beside a line's start: "top", "10 %", "width"; may be empty
    bool operator==(const PulseMark &) const = default;
};

// What the plot marks for a figure: the state levels for top, base and amplitude; the
// edges with their 10 % and 90 % points and a line at each instant for the times, counts
// and the slew rate (the
// first edge alone for the slew rate, with the peak for overshoot and preshoot); the
// widths at 50 %; the periods with their positive widths for the duty cycle. Nothing for
// a figure that is blank.
std::vector<PulseMark> pulseMarks(const PulseAnalysis &analysis, PulseFigure figure);

} // namespace orvant
