#include "rules/plot_drawing.h"

#include "shared/curve_sample.h"

namespace orvant {

namespace {

template<class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
// Spelled out for compilers that deduce no aggregate's arguments.
template<class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

CurveDrawing curveDrawingOf(const CurveTable &curve, int nextColour)
{
    return {sampleValues(curve), nextColour};
}

std::vector<PlotCommand> commandsOf(const PlotDrawing &drawing)
{
    return std::visit(
        Overloaded {
            [](const GraticuleDrawing &) { return graticuleCommands(); },
            [](const CurveDrawing &curve) { return curveCommands(curve.values, curve.nextColour); },
            [](const PlotCommand &command) { return std::vector<PlotCommand> {command}; },
        },
        drawing);
}

} // namespace orvant
