#pragma once

#include "measure/shown_scale.h"

#include <string>
#include <vector>

namespace orvant {

// Two time and two voltage cursors in plot units (x 0 to 1036, y 0 to 255).
struct CursorBox
{
    double t1 = 0;
    double t2 = 0;
    double v1 = 0;
    double v2 = 0;
    bool operator==(const CursorBox &) const = default;
};

// The readout of the cursors: t1, t2, Δt, 1/Δt, V1, V2 and ΔV, one line each, times
// from the graticule's left edge and voltages from its centre line.
std::vector<std::string> cursorReadout(const CursorBox &box, const ShownScale &scale);

} // namespace orvant
