#include "shared/settings_catalogue.h"

namespace orvant {

namespace {

// A value decoded and offered alike, with one spelling.
constexpr SettingValue both(std::string_view text)
{
    return {text, text, text};
}
// A value only an override dialog offers.
constexpr SettingValue offered(std::string_view text)
{
    return {"", text, text};
}
// A value a dialog offers and writes as decoded, its caption aligned by blanks.
constexpr SettingValue ladder(std::string_view caption, std::string_view text, double perDivision)
{
    return {text, caption, text, perDivision};
}

constexpr SettingValue kVolts[] = {
    ladder(" 5 mV", "5 mV", 5e-3),   ladder("10 mV", "10 mV", 10e-3),
    ladder("20 mV", "20 mV", 20e-3), ladder("50 mV", "50 mV", 50e-3),
    ladder("0.1 V", "0.1 V", 0.1),   ladder("0.2 V", "0.2 V", 0.2),
    ladder("0.5 V", "0.5 V", 0.5),   ladder("  1 V", "1 V", 1.0),
    ladder("  2 V", "2 V", 2.0),     ladder("  5 V", "5 V", 5.0),
    ladder(" 10 V", "10 V", 10.0),   ladder(" 20 V", "20 V", 20.0),
    ladder(" 50 V", "50 V", 50.0),
};

// In ascending order; the captions of whole seconds carry two blanks before "S".
constexpr SettingValue kTime[] = {
    ladder(" 50 nS", "50 nS", 50e-9),
    ladder("0.1 \u00b5S", "0.1 \u00b5S", 0.1e-6),
    ladder("0.2 \u00b5S", "0.2 \u00b5S", 0.2e-6),
    ladder("0.5 \u00b5S", "0.5 \u00b5S", 0.5e-6),
    ladder("  1 \u00b5S", "1 \u00b5S", 1e-6),
    ladder("  2 \u00b5S", "2 \u00b5S", 2e-6),
    ladder("  5 \u00b5S", "5 \u00b5S", 5e-6),
    ladder(" 10 \u00b5S", "10 \u00b5S", 10e-6),
    ladder(" 20 \u00b5S", "20 \u00b5S", 20e-6),
    ladder(" 50 \u00b5S", "50 \u00b5S", 50e-6),
    ladder("0.1 mS", "0.1 mS", 0.1e-3),
    ladder("0.2 mS", "0.2 mS", 0.2e-3),
    ladder("0.5 mS", "0.5 mS", 0.5e-3),
    ladder("  1 mS", "1 mS", 1e-3),
    ladder("  2 mS", "2 mS", 2e-3),
    ladder("  5 mS", "5 mS", 5e-3),
    ladder(" 10 mS", "10 mS", 10e-3),
    ladder(" 20 mS", "20 mS", 20e-3),
    ladder(" 50 mS", "50 mS", 50e-3),
    ladder("0.1  S", "0.1 S", 0.1),
    ladder("0.2  S", "0.2 S", 0.2),
    ladder("0.5  S", "0.5 S", 0.5),
    ladder("  1  S", "1 S", 1.0),
    ladder("  2  S", "2 S", 2.0),
    ladder("  5  S", "5 S", 5.0),
    ladder(" 10  S", "10 S", 10.0),
    ladder(" 20  S", "20 S", 20.0),
};

// The switched-off channel: decoded without a blank, written with one.
constexpr SettingValue kCoupling1[]
    = {both("DC"), both("AC"), both("GND"), {"CH1OFF", "CH1OFF", "CH1 OFF"}};
constexpr SettingValue kCoupling2[]
    = {both("DC"), both("AC"), both("GND"), {"CH2OFF", "CH2 OFF", "CH2 OFF"}};
constexpr SettingValue kCalibration[] = {both("CAL'D"), {"UNCAL'D", "UNCALB'D", "UNCAL'D"}};
constexpr SettingValue kOffOn[] = {both("OFF"), both("ON")};
constexpr SettingValue kTriggerMode[]
    = {both("NORM"), both("AUTO LVL"), both("AUTO BL"), both("SSEQ"), {"EXT", "", ""}};
constexpr SettingValue kTriggerSource[]
    = {both("VERT"), {"CH1", "CH 1", "CH 1"}, {"CH2", "CH 2", "CH 2"}, offered("EXT")};
constexpr SettingValue kSlope[] = {both("-"), both("+")};
constexpr SettingValue kPosition[] = {both("POST"), both("MID"), both("PRE")};
// Settings a capture does not hold: the decoder shows one fixed value of each.
constexpr SettingValue kNoYes[] = {both("NO"), offered("YES")};
constexpr SettingValue kYesNo[] = {both("YES"), offered("NO")};
constexpr SettingValue kStoreMode[] = {both("NONSTORE"), offered("STORE")};
constexpr SettingValue kAcquisition[]
    = {both("NORM"), offered("ENV"), offered("AVG"), offered("C ENV")};
constexpr SettingValue kChannel[] = {offered("CH 2"), {"CH1", "CH 1", "CH 1"}};

struct ParameterEntry
{
    std::string_view name;
    std::span<const SettingValue> values;
};

// The name captions as the panel shows them ("CH 1 CLPG" beside "CH 2 CPLG" included).
constexpr ParameterEntry kCatalogue[kParameterCount] = {
    {"CH 1 VOLTS/DIV", kVolts},
    {"CH 1 CLPG", kCoupling1},
    {"CH 1 VAR", kCalibration},
    {"CH 1 INVERT", kOffOn},
    {"CH 2 VOLTS/DIV", kVolts},
    {"CH 2 CPLG", kCoupling2},
    {"CH 2 VAR", kCalibration},
    {"CH 2 INVERT", kOffOn},
    {"SEC/DIV", kTime},
    {"X10 MAG", kOffOn},
    {"XY", kOffOn},
    {"RO OFF", kOffOn},
    {"TRIG MODE", kTriggerMode},
    {"TRIG SRC", kTriggerSource},
    {"TRIG SLOPE", kSlope},
    {"TRIG POS", kPosition},
    {"AUTO TRIG ENBL'D", kNoYes},
    {"STORE MODE", kStoreMode},
    {"ACQ MODE", kAcquisition},
    {"VALID STORE", kNoYes},
    {"RCL'D WFM", kNoYes},
    {"CHAN SEL", kChannel},
    {"TIME OUT", kYesNo},
    {"FRAME NR", {}},
    {"BYTE COUNT", {}},
};

const ParameterEntry &entryOf(Parameter parameter)
{
    return kCatalogue[slotOf(parameter)];
}

} // namespace

std::string_view parameterName(Parameter parameter)
{
    return entryOf(parameter).name;
}

std::span<const SettingValue> settingValues(Parameter parameter)
{
    return entryOf(parameter).values;
}

std::optional<ValueIndex> valueOfText(Parameter parameter, std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const auto values = settingValues(parameter);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i].decoded == text || values[i].written == text)
            return static_cast<ValueIndex>(i);
    }
    return std::nullopt;
}

} // namespace orvant
