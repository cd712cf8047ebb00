#pragma once

#include "measure/shown_scale.h"
#include "measure/zoom_span.h"

#include <string>
#include <vector>

namespace orvant {

// A labelled line of the Zoom window's grid: where it lies in record units (a sample
// position across, a code up) and its value in the shown unit.
struct ZoomTick
{
    double at;
    std::string text;
};

// Lines at a round step (1, 2 or 5 times a power of ten) of the shown unit, between 4
// and 10 of them across the span: seconds or volts from the shown scale (time zero at
// the graticule's left edge, zero volts on its centre line), divisions without one.
std::vector<ZoomTick> timeTicks(const ZoomSpan &span, const AxisScale &time);
std::vector<ZoomTick> valueTicks(const ZoomSpan &span, const AxisScale &volts);

// "0 s to 10.2 ms, -5.19 V to 4.9 V": what the span shows, in the shown units.
std::string spanText(const ZoomSpan &span, const ShownScale &scale);

} // namespace orvant
