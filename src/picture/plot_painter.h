#pragma once

#include "rules/plot_geometry.h"

#include <span>

class QImage;
class QPainter;

namespace orvant {

// The plot's colours: light cyan behind, black as the foreground of calls that name no colour.
constexpr unsigned kPlotBackgroundRgb = 0xC0FFFF; // RGB(192, 255, 255)
constexpr unsigned kPlotForegroundRgb = 0x000000;

// What persists between drawing calls.
struct PenState
{
    int penWidth = 1;
    PlotPoint current;
};

// Paints drawing calls onto `image`, which holds an area of `area` logical pixels at
// `ratio` device pixels per logical pixel. Aliased and pixel-exact: points go to their
// nearest device pixel, pen widths are logical pixels, pens are square-capped (a line
// covers the pen's square at both ends, so the joints of a curve leave no gaps and a
// 1-pixel line includes both end points).
void paintPlotCommands(QImage &image, PixelSize area, double ratio,
                       std::span<const PlotCommand> commands, PenState &pen);

// The same calls as vectors (SVG, PDF), in logical pixels of `area` through the
// painter's transform: each line where the image's pixels lie (a line of odd width on
// the pixels' centres, of even width on their edges), square-capped, a dot a square of
// the pen's width; pens at least `minimumPenWidth` logical pixels wide.
void paintPlotVectors(QPainter &painter, PixelSize area, std::span<const PlotCommand> commands,
                      PenState &pen, double minimumPenWidth = 1);

} // namespace orvant
