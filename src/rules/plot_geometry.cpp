#include "rules/plot_geometry.h"

#include "rules/colour_choices.h"
#include "shared/curve_sample.h"

#include <cmath>

namespace orvant {

namespace {

int nearest(double pixel)
{
    return static_cast<int>(std::floor(pixel + 0.5));
}

PlotCommand line(int penWidth, PlotPoint from, PlotPoint to, PlotColour colour = std::nullopt)
{
    return {PlotOp::Line, penWidth, from, to, colour};
}

void addOuterBorder(std::vector<PlotCommand> &commands)
{
    commands.push_back(line(6, {0, 255}, {1036, 255}, kBlackRgb));
    commands.push_back(line(6, {0, 0}, {1036, 0}));
    commands.push_back(line(6, {0, 255}, {0, 0}));
    commands.push_back(line(6, {1036, 0}, {1036, 255}));
}

void addInnerFrameAndAxes(std::vector<PlotCommand> &commands)
{
    commands.push_back(line(2, {18, 232}, {1018, 232}, kBlackRgb));
    commands.push_back(line(2, {18, 30}, {1018, 30}));
    commands.push_back(line(2, {18, 232}, {18, 30}));
    commands.push_back(line(2, {1018, 30}, {1018, 232}));
    commands.push_back(line(2, {18, 131}, {1018, 131}, kBlackRgb));
    commands.push_back(line(2, {518, 30}, {518, 232}));
}

void addDivisionLines(std::vector<PlotCommand> &commands)
{
    for (double y = 55.25; y <= 206.75; y += 25.25)
        commands.push_back(line(1, {18, y}, {1018, y}, kBlackRgb));
    for (int x = 118; x <= 918; x += 100)
        commands.push_back(line(1, {double(x), 30}, {double(x), 232}));
}

void addMinorTicks(std::vector<PlotCommand> &commands)
{
    // A single-precision counter: its 41st value lies just above 202, so the
    // last tick is at 196.95 and none falls on the inner frame.
    for (float t = 0; t <= 202; t += 5.05f) {
        const double y = 30.0f + t;
        commands.push_back(line(1, {509, y}, {527, y}));
    }
    for (int t = 0; t <= 1000; t += 20)
        commands.push_back(line(1, {18.0 + t, 129}, {18.0 + t, 134}));
}

std::vector<PlotCommand> buildGraticule()
{
    std::vector<PlotCommand> commands;
    addOuterBorder(commands);
    addInnerFrameAndAxes(commands);
    addDivisionLines(commands);
    addMinorTicks(commands);
    return commands;
}

} // namespace

ExactPixel exactPixel(PlotPoint point, PixelSize area)
{
    return {point.x * (area.width - 1) / kPlotRight,
            (kPlotTop - point.y) * (area.height - 1) / kPlotTop};
}

PlotPoint plotPointAt(ExactPixel pixel, PixelSize area)
{
    return {area.width > 1 ? pixel.x * kPlotRight / (area.width - 1) : 0,
            area.height > 1 ? kPlotTop - pixel.y * kPlotTop / (area.height - 1) : kPlotTop};
}

Pixel toPixel(PlotPoint point, PixelSize area)
{
    return toDevicePixel(point, area, 1);
}

Pixel toDevicePixel(PlotPoint point, PixelSize area, double ratio)
{
    const ExactPixel exact = exactPixel(point, area);
    return {nearest(exact.x * ratio), nearest(exact.y * ratio)};
}

const std::vector<PlotCommand> &graticuleCommands()
{
    static const std::vector<PlotCommand> commands = buildGraticule();
    return commands;
}

PlotColour curveColour(int nextColour)
{
    if (nextColour < 1 || nextColour > 4)
        return std::nullopt;
    return colourChoice(nextColour).curveRgb;
}

std::vector<PlotCommand> curveCommands(std::span<const std::int16_t> values, int nextColour)
{
    constexpr int kCurvePen = 3;
    std::vector<PlotCommand> commands;
    commands.reserve(values.size() + 1);
    commands.push_back({PlotOp::Dot, kCurvePen, {}, {0, double(values.front())}, {}});
    const PlotColour colour = curveColour(nextColour);
    if (!colour)
        return commands;
    for (std::size_t k = 1; k <= values.size(); ++k) {
        const PlotPoint to {2.0 * double(k), double(values[k - 1])};
        commands.push_back({PlotOp::LineTo, kCurvePen, {}, to, colour});
    }
    return commands;
}

std::vector<PlotCommand> curveCommands(const CurveTable &curve, int nextColour)
{
    return curveCommands(sampleValues(curve), nextColour);
}

} // namespace orvant
