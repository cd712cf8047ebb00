#pragma once

#include "viewer/look_and_feel.h"

#include <Qt>

#include <span>

namespace orvant {

enum class ControlKind {
    Label,
    TextBox,
    Option,
    ListBox,
    DriveList,
    FolderList,
    FileList,
    Picture
};

// One control of the main window at its place in twips.
struct ControlSpec
{
    const char *name;
    ControlKind kind;
    const char *text; // caption, or tooltip for the drive and folder lists
    int left, top, width, height;
    FontSize fontSize = FontSize::Pt9_75;
    bool sansSerif = false; // "MS Sans Serif" regular instead of bold "Courier New"
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// Client size of the main window in twips.
constexpr int kMainWindowWidthTwips = 18510;
constexpr int kMainWindowHeightTwips = 11745;

// Every control but the settings panel rows and the colour indicator, in tab
// order (the folder list first).
std::span<const ControlSpec> mainWindowControls();

// The settings panel: name label `lbl001`... and value label `lblValue(101)`...
ControlSpec nameLabelSpec(int parameter);
ControlSpec valueLabelSpec(int parameter);

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
