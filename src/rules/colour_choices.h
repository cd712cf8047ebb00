#pragma once

#include <span>

namespace orvant {

// A colour of the next curve: its button, curve colour and indicator frame.
struct ColourChoice
{
    int nextColour;
    const char *button;
    const char *caption;
    unsigned buttonRgb;
    int buttonTop;
    unsigned curveRgb;
    const char *frame;
    const char *line;
    unsigned lineRgb;
    int frameTop; // before the first selection moves it
    const char *colourName;
};

// Next colours 1 to 4, in that order.
std::span<const ColourChoice> colourChoices();
const ColourChoice &colourChoice(int nextColour);

// The indicator frames' place; a selected frame moves to kIndicatorTop.
constexpr int kIndicatorLeft = 16860;
constexpr int kIndicatorTop = 9600;
constexpr int kIndicatorWidth = 1395;
constexpr int kIndicatorHeight = 255;

} // namespace orvant
