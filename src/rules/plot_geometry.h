#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvant {

class CurveTable;

// A point in the plot's logical units: x 0 (left) to 1036 (right), y 255 (top)
// to 0 (bottom), so larger values are higher on the screen.
struct PlotPoint
{
    double x = 0;
    double y = 0;
    bool operator==(const PlotPoint &) const = default;
};

// Pixels of the plot's area: its size, a pixel, and an exact position between pixels.
struct PixelSize
{
    int width = 0;
    int height = 0;
};
struct Pixel
{
    int x = 0;
    int y = 0;
    bool operator==(const Pixel &) const = default;
};
struct ExactPixel
{
    double x = 0;
    double y = 0;
    bool operator==(const ExactPixel &) const = default;
};

constexpr double kPlotRight = 1036;
constexpr double kPlotTop = 255;

// A drawing colour as 0xRRGGBB; none means the plot's foreground colour.
using PlotColour = std::optional<unsigned>;
constexpr unsigned kBlackRgb = 0x000000;

// The logical system covers the whole pixel area, without a border: x 0 on the
// first column and 1036 on the last, y 255 on the first row and 0 on the last.
ExactPixel exactPixel(PlotPoint point, PixelSize area);
// The pixel nearest to the point (halves go right and down).
Pixel toPixel(PlotPoint point, PixelSize area);
// The plot point at an exact pixel position: exactPixel() undone.
PlotPoint plotPointAt(ExactPixel pixel, PixelSize area);
// The device pixel nearest to the exact position times the device-pixel ratio,
// for an area of `area` logical pixels; toPixel() at ratio 1.
Pixel toDevicePixel(PlotPoint point, PixelSize area, double ratio);

enum class PlotOp {
    Line, // from `from` to `to`
    LineTo, // from the current point to `to`
    Dot, // at `to`
};

// One drawing call of the plot, with the pen width it needs.
struct PlotCommand
{
    PlotOp op = PlotOp::Line;
    int penWidth = 1;
    PlotPoint from; // Line only
    PlotPoint to; // becomes the current point
    PlotColour colour;
    bool operator==(const PlotCommand &) const = default;
};

// Draw the graticule's drawing calls (steps 3 to 9), in order. The pen is left
// at width 1.
const std::vector<PlotCommand> &graticuleCommands();

// Draw the curve: a dot at (0, sample 1) in the foreground colour, then lines
// to (2k, sample k), k = 1 to 512, in the next colour's curve colour; only the
// dot for a next colour other than 1 to 4.
std::vector<PlotCommand> curveCommands(const CurveTable &curve, int nextColour);
// The same from the samples' values (samples 1 to 512 at index 0 to 511).
std::vector<PlotCommand> curveCommands(std::span<const std::int16_t> values, int nextColour);

// The curve colour of next colour 1 to 4; none for any other value.
PlotColour curveColour(int nextColour);

} // namespace orvant
