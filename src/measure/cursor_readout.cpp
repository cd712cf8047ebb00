#include "measure/cursor_readout.h"

#include <cmath>

namespace orvant {

std::vector<std::string> cursorReadout(const CursorBox &box, const ShownScale &scale)
{
    const double deltaDivisions = divisionsFromLeft(box.t2) - divisionsFromLeft(box.t1);
    const bool seconds = scale.time.perDivision.has_value();
    const double deltaSeconds = axisValue(scale.time, deltaDivisions);
    // A frequency needs a time scale and two cursors apart.
    const std::string frequency = seconds && deltaSeconds != 0
        ? engineering(1 / std::abs(deltaSeconds), "Hz")
        : std::string("\u2014");
    return {
        "t1 = " + axisReading(scale.time, divisionsFromLeft(box.t1), "s"),
        "t2 = " + axisReading(scale.time, divisionsFromLeft(box.t2), "s"),
        "\u0394t = " + axisReading(scale.time, deltaDivisions, "s"),
        "1/\u0394t = " + frequency,
        "V1 = " + axisReading(scale.volts, divisionsFromCentre(box.v1), "V"),
        "V2 = " + axisReading(scale.volts, divisionsFromCentre(box.v2), "V"),
        "\u0394V = "
            + axisReading(scale.volts, divisionsFromCentre(box.v2) - divisionsFromCentre(box.v1),
                          "V"),
    };
}

} // namespace orvant
