#pragma once

#include "rules/colour_choices.h"
#include "widgets/look_and_feel.h"

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

} // namespace orvant
