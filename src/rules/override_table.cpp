#include "rules/override_table.h"

namespace orvant {

namespace {

// An option that writes its own caption.
constexpr OverrideOption same(std::string_view text, int width = kOptionWidth)
{
    return {text, text, width};
}

constexpr OverrideOption kVolts[] = {
    {" 5 mV", "5 mV"}, same("10 mV"),     same("20 mV"),     same("50 mV"),    same("0.1 V"),
    same("0.2 V"),     same("0.5 V"),     {"  1 V", "1 V"},  {"  2 V", "2 V"}, {"  5 V", "5 V"},
    {" 10 V", "10 V"}, {" 20 V", "20 V"}, {" 50 V", "50 V"},
};

// The micro sign is U+00B5; the seconds carry two blanks before "S".
constexpr int kTimeWidth = 1245;
constexpr OverrideOption kTime[] = {
    {" 50 nS", "50 nS", kTimeWidth},
    same("0.1 \u00b5S", kTimeWidth),
    same("0.2 \u00b5S", kTimeWidth),
    same("0.5 \u00b5S", kTimeWidth),
    {"  1 \u00b5S", "1 \u00b5S", kTimeWidth},
    {"  2 \u00b5S", "2 \u00b5S", kTimeWidth},
    {"  5 \u00b5S", "5 \u00b5S", kTimeWidth},
    {" 10 \u00b5S", "10 \u00b5S", kTimeWidth},
    {" 20 \u00b5S", "20 \u00b5S", kTimeWidth},
    {" 50 \u00b5S", "50 \u00b5S", kTimeWidth},
    same("0.1 mS", kTimeWidth),
    same("0.2 mS", kTimeWidth),
    same("0.5 mS", kTimeWidth),
    {"  1 mS", "1 mS", kTimeWidth},
    {"  2 mS", "2 mS", kTimeWidth},
    {"  5 mS", "5 mS", kTimeWidth},
    {" 10 mS", "10 mS", kTimeWidth},
    {" 20 mS", "20 mS", kTimeWidth},
    {" 50 mS", "50 mS", kTimeWidth},
    {"0.1  S", "0.1 S", kTimeWidth},
    {"0.2  S", "0.2 S", kTimeWidth},
    {"0.5  S", "0.5 S", kTimeWidth},
    {"  1  S", "1 S", kTimeWidth},
    {"  2  S", "2 S", kTimeWidth},
    {"  5  S", "5 S", kTimeWidth},
    {" 10  S", "10 S", kTimeWidth},
    {" 20  S", "20 S", kTimeWidth},
};

constexpr OverrideOption kCoupling1[]
    = {same("DC"), same("AC"), same("GND"), {"CH1OFF", "CH1 OFF", 1185}};
constexpr OverrideOption kCoupling2[]
    = {same("DC"), same("AC"), same("GND"), same("CH2 OFF", 1245)};
constexpr OverrideOption kCalibration[] = {same("CAL'D"), {"UNCALB'D", "UNCAL'D", 1305}};
constexpr OverrideOption kOffOn[] = {same("OFF"), same("ON")};
constexpr OverrideOption kNoYes[] = {same("NO"), same("YES")};
constexpr OverrideOption kYesNo[] = {same("YES"), same("NO")};
constexpr OverrideOption kTriggerMode[]
    = {same("NORM"), same("AUTO LVL", 1305), same("AUTO BL", 1305), same("SSEQ")};
constexpr OverrideOption kTriggerSource[] = {same("VERT"), same("CH 1"), same("CH 2"), same("EXT")};
constexpr OverrideOption kSlope[] = {same("-"), same("+")};
constexpr OverrideOption kPosition[] = {same("POST"), same("MID"), same("PRE")};
constexpr OverrideOption kStoreMode[] = {same("NONSTORE", 1305), same("STORE")};
constexpr OverrideOption kAcquisition[] = {same("NORM"), same("ENV"), same("AVG"), same("C ENV")};
constexpr OverrideOption kChannel[] = {same("CH 2"), same("CH 1")};

constexpr OverrideRow kRows[] = {
    {101, "Change the display of CH1 VOLTS/DIV", kVolts, 3650, 4095, 3315},
    {102, "Change the display of CH1 CLPG", kCoupling1, 3930, 1425},
    {103, "Change the display of CH1 VAR", kCalibration, 4250, 870},
    {104, "Change the display of CH1 INVERT", kOffOn, 4550, 870},
    {105, "Change the display of CH2 VOLTS/DIV", kVolts, 4850, 4065},
    {106, "Change the display of CH2 CLPG", kCoupling2, 5150, 1425},
    {107, "Change the display of CH2 VAR", kCalibration, 5450, 870},
    {108, "Change the display of CH2 INVERT", kOffOn, 5750, 870},
    {109, "Change the display of SEC/DIV", kTime, 6050, 8310},
    {110, "Change the display of X10 MAG", kOffOn, 6350, 870},
    {111, "Change the display of XY", kOffOn, 6650, 870},
    {112, "Change the display of RO OFF", kOffOn, 6950, 870},
    {113, "Change the display of TRIG MODE", kTriggerMode, 7250, 1425},
    {114, "Change the display of TRIG SRC", kTriggerSource, 7550, 1425},
    {115, "Change the display of TRIG SLOPE", kSlope, 7850, 870},
    {116, "Change the display of TRIG POS", kPosition, 8150, 1110},
    {117, "Change the display of AUTO TRIG ENEBLED", kNoYes, 8450, 870},
    {118, "Change the display of STORE MODE", kStoreMode, 8750, 870},
    {119, "Change the display of ACQ MODE", kAcquisition, 9050, 1425},
    {120, "Change the display of VALID STORE", kNoYes, 9350, 870},
    {121, "Change the display of RCL'D WFM", kNoYes, 9650, 870},
    {122, "Change the display of CHAN SEL", kChannel, 9950, 870},
    {123, "Change the display of TIME OUT", kYesNo, 10250, 870},
};

constexpr bool inParameterOrder()
{
    int expected = kFirstOverride;
    for (const OverrideRow &row : kRows) {
        if (row.parameter != expected++)
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

} // namespace orvant
