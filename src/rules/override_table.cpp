#include "rules/override_table.h"

#include <algorithm>

namespace orvant {

namespace {

constexpr OverrideRow kRows[] = {
    {Parameter::Ch1VoltsPerDiv, "Change the display of CH1 VOLTS/DIV", 3650, 4095, 3315},
    {Parameter::Ch1Coupling, "Change the display of CH1 CLPG", 3930, 1425},
    {Parameter::Ch1Var, "Change the display of CH1 VAR", 4250, 870},
    {Parameter::Ch1Invert, "Change the display of CH1 INVERT", 4550, 870},
    {Parameter::Ch2VoltsPerDiv, "Change the display of CH2 VOLTS/DIV", 4850, 4065},
    {Parameter::Ch2Coupling, "Change the display of CH2 CLPG", 5150, 1425},
    {Parameter::Ch2Var, "Change the display of CH2 VAR", 5450, 870},
    {Parameter::Ch2Invert, "Change the display of CH2 INVERT", 5750, 870},
    {Parameter::SecPerDiv, "Change the display of SEC/DIV", 6050, 8310},
    {Parameter::X10Mag, "Change the display of X10 MAG", 6350, 870},
    {Parameter::Xy, "Change the display of XY", 6650, 870},
    {Parameter::RoOff, "Change the display of RO OFF", 6950, 870},
    {Parameter::TrigMode, "Change the display of TRIG MODE", 7250, 1425},
    {Parameter::TrigSrc, "Change the display of TRIG SRC", 7550, 1425},
    {Parameter::TrigSlope, "Change the display of TRIG SLOPE", 7850, 870},
    {Parameter::TrigPos, "Change the display of TRIG POS", 8150, 1110},
    {Parameter::AutoTrigEnabled, "Change the display of AUTO TRIG ENEBLED", 8450, 870},
    {Parameter::StoreMode, "Change the display of STORE MODE", 8750, 870},
    {Parameter::AcqMode, "Change the display of ACQ MODE", 9050, 1425},
    {Parameter::ValidStore, "Change the display of VALID STORE", 9350, 870},
    {Parameter::RecalledWaveform, "Change the display of RCL'D WFM", 9650, 870},
    {Parameter::ChanSel, "Change the display of CHAN SEL", 9950, 870},
    {Parameter::TimeOut, "Change the display of TIME OUT", 10250, 870},
};

// Options wider than kOptionWidth; every option of SEC/DIV is 1245 wide.
struct WiderOption
{
    Parameter parameter;
    std::size_t index;
    int width;
};
constexpr WiderOption kWider[] = {
    {Parameter::Ch1Coupling, 3, 1185}, {Parameter::Ch2Coupling, 3, 1245},
    {Parameter::Ch1Var, 1, 1305},      {Parameter::Ch2Var, 1, 1305},
    {Parameter::TrigMode, 1, 1305},    {Parameter::TrigMode, 2, 1305},
    {Parameter::StoreMode, 0, 1305},
};
constexpr int kTimeOptionWidth = 1245;

constexpr bool inParameterOrder()
{
    int expected = kFirstOverride;
    for (const OverrideRow &row : kRows) {
        if (number(row.parameter) != expected++)
            return false;
    }
    return expected == kLastOverride + 1;
}
// overrideRow() finds a row by its place.
static_assert(inParameterOrder());

} // namespace

std::span<const OverrideRow> overrideRows()
{
    return kRows;
}

const OverrideRow *overrideRow(int parameter)
{
    if (parameter < kFirstOverride || parameter > kLastOverride)
        return nullptr;
    return &kRows[parameter - kFirstOverride];
}

std::span<const SettingValue> overrideOptions(const OverrideRow &row)
{
    const auto values = settingValues(row.parameter);
    // The offered values come first; a value only a capture gives has no caption.
    const auto end = std::find_if(values.begin(), values.end(),
                                  [](const SettingValue &value) { return value.caption.empty(); });
    return values.first(static_cast<std::size_t>(end - values.begin()));
}

int optionWidth(const OverrideRow &row, std::size_t index)
{
    if (row.parameter == Parameter::SecPerDiv)
        return kTimeOptionWidth;
    for (const WiderOption &wider : kWider) {
        if (wider.parameter == row.parameter && wider.index == index)
            return wider.width;
    }
    return kOptionWidth;
}

} // namespace orvant
