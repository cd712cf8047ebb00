#pragma once

#include "shared/settings_catalogue.h"

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

// One override dialog, `frm` + parameter. Its options are the parameter's catalogue
// values that a dialog offers, in their order: captions aligned by blanks for a
// fixed-pitch font, each writing its written text.
struct OverrideRow
{
    Parameter parameter;
    std::string_view title;
    int top; // on the screen, twips
    int clientHeight; // twips
    int promptWidth = kPromptWidth;
};

constexpr int kFirstOverride = 101;
constexpr int kLastOverride = 123;
constexpr int kOverrideCount = kLastOverride - kFirstOverride + 1;

// The 23 rows in parameter order.
std::span<const OverrideRow> overrideRows();
// The row of parameter number `parameter`, nullptr for one without a dialog.
const OverrideRow *overrideRow(int parameter);

// The options of a dialog: the catalogue's values that have a caption.
std::span<const SettingValue> overrideOptions(const OverrideRow &row);
// Width of option `index` in twips.
int optionWidth(const OverrideRow &row, std::size_t index);

// Left edge of a dialog in twips: the main window's right edge when the main
// window is centred on the screen. Each width is halved before the sum.
constexpr double overrideLeft(int mainWindowOuterWidth, int screenWidth)
{
    return mainWindowOuterWidth / 2.0 + screenWidth / 2.0;
}

} // namespace orvant
