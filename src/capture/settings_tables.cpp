#include "capture/settings_tables.h"

namespace orvant {

namespace {

constexpr FlagRow kHorizontalFlags[] = {
    {Parameter::X10Mag, 0x32},
    {Parameter::Xy, 0x34},
    {Parameter::RoOff, 0x38},
};

// Indices into the catalogue's values: TRIG MODE NORM, AUTO LVL, AUTO BL, SSEQ, EXT;
// TRIG SRC VERT, CH1, CH2; TRIG SLOPE -, +; TRIG POS POST, MID, PRE.
constexpr TriggerRow kTrigger[] = {
    {Parameter::TrigMode, '3', '0', 0},  {Parameter::TrigMode, '3', '1', 1},
    {Parameter::TrigMode, '3', '2', 2},  {Parameter::TrigMode, '3', '3', 3},
    {Parameter::TrigMode, '3', '8', 4},  {Parameter::TrigSrc, '2', '0', 0},
    {Parameter::TrigSrc, '2', '8', 1},   {Parameter::TrigSrc, '3', '0', 2},
    {Parameter::TrigSlope, '0', '8', 0}, {Parameter::TrigSlope, '2', '8', 1},
    {Parameter::TrigPos, '2', '8', 0},   {Parameter::TrigPos, '6', '8', 1},
    {Parameter::TrigPos, 'A', '8', 2},
};

// NORM, VERT, +, POST.
constexpr ParameterValue kTriggerDefaults[] = {
    {Parameter::TrigMode, 0},
    {Parameter::TrigSrc, 0},
    {Parameter::TrigSlope, 1},
    {Parameter::TrigPos, 0},
};

} // namespace

std::span<const FlagRow> horizontalFlagRows()
{
    return kHorizontalFlags;
}

std::span<const TriggerRow> triggerRows()
{
    return kTrigger;
}

std::span<const ParameterValue> triggerDefaults()
{
    return kTriggerDefaults;
}

} // namespace orvant
