#pragma once

#include "rules/plot_geometry.h"

#include <span>
#include <string>

namespace orvant {

class CurveTable;

// Drawing calls as an SVG picture of `area` pixels (its view box in the same units):
// the plot's background, then every line and dot as a vector, no bitmap. The same
// calls as the image of paintPlotCommands at ratio 1, so both show one plot.
std::string plotSvg(std::span<const PlotCommand> commands, PixelSize area);

// The picture of firstLoadPicture as SVG, for orvant-export --svg.
std::string firstLoadSvg(const CurveTable &curve);

} // namespace orvant
