#include "rules/colour_choices.h"

#include <stdexcept>

namespace orvant {

namespace {

// clang-format off
constexpr ColourChoice kColours[] = {
    {1, "optCH1", " COLOR 1", 0x000000, 9420, 0x000000, "frmBlack", "Line", 0x000000, 9600, "black"},
    {2, "optCH2", " COLOR 2", 0xC00000, 9120, 0xFF0000, "frmRed", "linRed", 0xC00000, 10140, "red"},
    {3, "optCH3", " COLOR 3", 0x0000FF, 8820, 0x0000FF, "frmBlue", "linBlue", 0x0000C0, 9960, "blue"},
    {4, "optCH4", " COLOR 4", 0xC000C0, 8520, 0xFF00FF, "frmMagenta", "linMagenta", 0xC000C0, 9780, "magenta"},
};
// clang-format on

} // namespace

std::span<const ColourChoice> colourChoices()
{
    return kColours;
}

const ColourChoice &colourChoice(int nextColour)
{
    if (nextColour < 1 || nextColour > 4)
        throw std::out_of_range("next colour");
    return kColours[nextColour - 1];
}

} // namespace orvant
