#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvant {

// The instrument's 25 front-panel settings, by their parameter numbers.
enum class Parameter : int {
    Ch1VoltsPerDiv = 101,
    Ch1Coupling,
    Ch1Var,
    Ch1Invert,
    Ch2VoltsPerDiv,
    Ch2Coupling,
    Ch2Var,
    Ch2Invert,
    SecPerDiv,
    X10Mag,
    Xy,
    RoOff,
    TrigMode,
    TrigSrc,
    TrigSlope,
    TrigPos,
    AutoTrigEnabled,
    StoreMode,
    AcqMode,
    ValidStore,
    RecalledWaveform,
    ChanSel,
    TimeOut,
    FrameNr,
    ByteCount,
};

constexpr int kFirstParameter = 101;
constexpr int kLastParameter = 125;
constexpr int kParameterCount = kLastParameter - kFirstParameter + 1;

constexpr int number(Parameter parameter)
{
    return static_cast<int>(parameter);
}
// Parameter `n` for 101..125.
constexpr Parameter parameterNumbered(int n)
{
    return static_cast<Parameter>(n);
}
constexpr bool isParameterNumber(int n)
{
    return n >= kFirstParameter && n <= kLastParameter;
}
// Place of a parameter in arrays of all 25, 0 for 101.
constexpr std::size_t slotOf(Parameter parameter)
{
    return static_cast<std::size_t>(number(parameter) - kFirstParameter);
}

// All 25 in ascending order.
constexpr std::array<Parameter, kParameterCount> kAllParameters = [] {
    std::array<Parameter, kParameterCount> all {};
    for (int i = 0; i < kParameterCount; ++i)
        all[static_cast<std::size_t>(i)] = parameterNumbered(kFirstParameter + i);
    return all;
}();

// One value a setting can take, with every text that stands for it (UTF-8; the micro
// sign is U+00B5). The decoder and an override dialog may spell it differently.
struct SettingValue
{
    std::string_view decoded; // as decoded from a capture; "" where no capture gives it
    std::string_view caption; // the override dialog's option; "" where no dialog offers it
    std::string_view written; // what choosing that option shows
    double perDivision = 0; // volts or seconds per division; 0 where the value has none
};

// Index of a value in its parameter's list.
using ValueIndex = std::uint8_t;

// The name label's text ("CH 1 VOLTS/DIV" ... "BYTE COUNT").
std::string_view parameterName(Parameter parameter);
// The values in their order: a dialog's options first, index for index, then any
// value only a capture gives. FRAME NR and BYTE COUNT are numbers and have none.
std::span<const SettingValue> settingValues(Parameter parameter);
// The value a shown text stands for, in either spelling; none for "" or another text.
std::optional<ValueIndex> valueOfText(Parameter parameter, std::string_view text);

// Values the measuring and the decoder name.
namespace setting {
constexpr ValueIndex kOff = 0; // of INVERT, X10 MAG, XY, RO OFF
constexpr ValueIndex kOn = 1;
constexpr ValueIndex kCalibrated = 0; // of VAR
constexpr ValueIndex kUncalibrated = 1;
constexpr ValueIndex kGround = 2; // of the couplings
constexpr ValueIndex kChannelOff = 3;
constexpr ValueIndex kChannel2 = 0; // of CHAN SEL
} // namespace setting

} // namespace orvant
