#pragma once

#include "rules/plot_geometry.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace orvant {

class CurveTable;

// What was drawn into the plot, kept as data rather than as its drawing calls: a
// curve is its 512 samples and colour (1 kB, against 25 kB of calls), so a plot that
// accumulates thousands of loads still repaints from them at any device-pixel ratio.
struct GraticuleDrawing
{
    bool operator==(const GraticuleDrawing &) const = default;
};

struct CurveDrawing
{
    std::vector<std::int16_t> values; // samples 1 to 512
    int nextColour = 0;
    bool operator==(const CurveDrawing &) const = default;
};

using PlotDrawing = std::variant<GraticuleDrawing, CurveDrawing, PlotCommand>;

CurveDrawing curveDrawingOf(const CurveTable &curve, int nextColour);

// The drawing calls a drawing stands for, exactly as drawn the first time.
std::vector<PlotCommand> commandsOf(const PlotDrawing &drawing);

} // namespace orvant
