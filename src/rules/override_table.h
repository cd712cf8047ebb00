#pragma once

#include <span>
#include <string_view>

namespace orvant {

// Layout inside an override dialog, twips.
constexpr int kOverrideClientWidth = 4905;
constexpr int kOptionLeft = 240;
constexpr int kOptionTop = 120; // of option 0
constexpr int kOptionStep = 300;
constexpr int kOptionHeight = 255;
constexpr int kOptionWidth = 1000; // unless the option says otherwise
constexpr int kPromptLeft = 1560;
constexpr int kPromptTop = 120;
constexpr int kPromptWidth = 3435; // unless the row says otherwise
constexpr int kPromptHeight = 315;

constexpr int optionTop(int index)
{
    return kOptionTop + kOptionStep * index;
}

// One option of an override dialog: its caption in the dialog (blanks align it
// for a fixed-pitch font), the text that choosing it writes into the value
// label, and its width in twips. UTF-8; the micro sign is U+00B5.
struct OverrideOption
{
    std::string_view shown;
    std::string_view written;
    int width = kOptionWidth;
};

// One override dialog, `frm` + parameter.
struct OverrideRow
{
    int parameter;
    std::string_view title;
    std::span<const OverrideOption> options;
    int top; // on the screen, twips
    int clientHeight; // twips
    int promptWidth = kPromptWidth;
};

constexpr int kFirstOverride = 101;
constexpr int kLastOverride = 123;
constexpr int kOverrideCount = kLastOverride - kFirstOverride + 1;

// The 23 rows in parameter order.
std::span<const OverrideRow> overrideRows();
// The row of a parameter, nullptr for one without a dialog.
const OverrideRow *overrideRow(int parameter);

// Left edge of a dialog in twips: the main window's right edge when the main
// window is centred on the screen. Each width is halved before the sum.
constexpr double overrideLeft(int mainWindowOuterWidth, int screenWidth)
{
    return mainWindowOuterWidth / 2.0 + screenWidth / 2.0;
}

} // namespace orvant
