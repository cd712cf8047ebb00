#pragma once

#include "picture/png_bytes.h"
#include "rules/plot_geometry.h"
#include "rules/twips.h"

#include <string>
#include <vector>

class QImage;

namespace orvant {

class CurveTable;

// The plot area's size on the main window (11000 x 8780 twips).
constexpr PixelSize kPlotAreaPixels {twipsToPixels(11000), twipsToPixels(8780)};

// The plot as the viewer shows it after loading the capture as the first load of a
// fresh start: the graticule and the curve in black. Needs no application object.
QImage firstLoadPicture(const CurveTable &curve);
// Its drawing calls: the graticule, then the curve in the first colour.
std::vector<PlotCommand> firstLoadCommands(const CurveTable &curve);

} // namespace orvant
