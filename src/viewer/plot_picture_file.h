#pragma once

#include <string>
#include <string_view>

namespace orvant {

class PicCurve;

// "Save Picture…": the plot as the file's suffix asks, SVG for ".svg" in any letter
// case (the drawing calls of the plot's curves and graticule as vectors), else PNG
// (the plot as it is shown, the cursors' layer included).
std::string plotPictureFile(PicCurve &plot, std::string_view fileName);

// The filter the save dialog offers.
constexpr const char *kPlotPictureFilter = "PNG pictures (*.png);;SVG pictures (*.svg)";

} // namespace orvant
