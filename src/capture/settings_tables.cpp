#include "capture/settings_tables.h"

namespace orvant {

namespace {

constexpr std::array<std::string_view, kParameterCount> kNames
    = {"CH 1 VOLTS/DIV",   "CH 1 CLPG",  "CH 1 VAR",   "CH 1 INVERT",
       "CH 2 VOLTS/DIV",   "CH 2 CPLG",  "CH 2 VAR",   "CH 2 INVERT",
       "SEC/DIV",          "X10 MAG",    "XY",         "RO OFF",
       "TRIG MODE",        "TRIG SRC",   "TRIG SLOPE", "TRIG POS",
       "AUTO TRIG ENBL'D", "STORE MODE", "ACQ MODE",   "VALID STORE",
       "RCL'D WFM",        "CHAN SEL",   "TIME OUT",   "FRAME NR",
       "BYTE COUNT"};

constexpr BitFieldRow kChannel1Flags[] = {
    {102, 7, "00", "DC"},     {102, 7, "01", "AC"},   {102, 7, "10", "GND"},
    {102, 7, "11", "CH1OFF"}, {103, 6, "0", "CAL'D"}, {103, 6, "1", "UNCAL'D"},
    {104, 5, "0", "OFF"},     {104, 5, "1", "ON"},
};

constexpr BitFieldRow kChannel2Flags[] = {
    {106, 7, "00", "DC"},     {106, 7, "01", "AC"},   {106, 7, "10", "GND"},
    {106, 7, "11", "CH2OFF"}, {107, 6, "0", "CAL'D"}, {107, 6, "1", "UNCAL'D"},
    {108, 5, "0", "OFF"},     {108, 5, "1", "ON"},
};

constexpr ByteRow kVoltsPerDivision[] = {
    {0x30, "5 mV"},  {0x31, "10 mV"}, {0x32, "20 mV"}, {0x33, "50 mV"}, {0x34, "0.1 V"},
    {0x35, "0.2 V"}, {0x36, "0.5 V"}, {0x37, "1 V"},   {0x38, "2 V"},   {0x39, "5 V"},
    {0x41, "10 V"},  {0x42, "20 V"},  {0x43, "50 V"},
};

// The micro sign is U+00B5 (UTF-8 C2 B5), not the Greek small letter mu.
constexpr TimeRow kTimePerDivision[] = {
    {0x30, "50 nS", "10 mS"},
    {0x31, "0.1 \u00b5S", "20 mS"},
    {0x32, "0.2 \u00b5S", "50 mS"},
    {0x33, "0.5 \u00b5S", "0.1 S"},
    {0x34, "1 \u00b5S", "0.2 S"},
    {0x35, "2 \u00b5S", "0.5 S"},
    {0x36, "5 \u00b5S", "1 S"},
    {0x37, "10 \u00b5S", "2 S"},
    {0x38, "20 \u00b5S", "5 S"},
    {0x39, "50 \u00b5S", "10 S"},
    {0x41, "0.1 mS", "20 S"},
    {0x42, "0.2 mS", ""},
    {0x43, "0.5 mS", ""},
    {0x44, "1 mS", ""},
    {0x45, "2 mS", ""},
    {0x46, "5 mS", ""},
};

constexpr FlagRow kHorizontalFlags[] = {{110, 0x32}, {111, 0x34}, {112, 0x38}};

constexpr TriggerRow kTrigger[] = {
    {113, '3', '0', "NORM"}, {113, '3', '1', "AUTO LVL"}, {113, '3', '2', "AUTO BL"},
    {113, '3', '3', "SSEQ"}, {113, '3', '8', "EXT"},      {114, '2', '0', "VERT"},
    {114, '2', '8', "CH1"},  {114, '3', '0', "CH2"},      {115, '0', '8', "-"},
    {115, '2', '8', "+"},    {116, '2', '8', "POST"},     {116, '6', '8', "MID"},
    {116, 'A', '8', "PRE"},
};

constexpr ParameterText kHorizontalFlagDefaults[] = {{110, "OFF"}, {111, "OFF"}, {112, "OFF"}};
constexpr ParameterText kTriggerDefaults[]
    = {{113, "NORM"}, {114, "VERT"}, {115, "+"}, {116, "POST"}};
constexpr ParameterText kFixedTexts[] = {{117, "NO"}, {118, "NONSTORE"}, {119, "NORM"}, {120, "NO"},
                                         {121, "NO"}, {122, "CH1"},      {123, "YES"}};

} // namespace

std::string_view parameterName(int parameter)
{
    return kNames.at(static_cast<std::size_t>(parameter - kFirstParameter));
}

std::span<const BitFieldRow> channelFlagRows(int channel)
{
    return channel == 1 ? std::span<const BitFieldRow>(kChannel1Flags)
                        : std::span<const BitFieldRow>(kChannel2Flags);
}

std::span<const ByteRow> voltsPerDivisionRows()
{
    return kVoltsPerDivision;
}
std::span<const TimeRow> timePerDivisionRows()
{
    return kTimePerDivision;
}
std::span<const FlagRow> horizontalFlagRows()
{
    return kHorizontalFlags;
}
std::span<const TriggerRow> triggerRows()
{
    return kTrigger;
}
std::span<const ParameterText> horizontalFlagDefaults()
{
    return kHorizontalFlagDefaults;
}
std::span<const ParameterText> triggerDefaults()
{
    return kTriggerDefaults;
}
std::span<const ParameterText> fixedTexts()
{
    return kFixedTexts;
}

} // namespace orvant
