#pragma once

#include <array>
#include <span>
#include <string_view>

namespace orvant {

// Settings parameters 101 to 125 and their fixed name captions.
constexpr int kFirstParameter = 101;
constexpr int kLastParameter = 125;
constexpr int kParameterCount = kLastParameter - kFirstParameter + 1;

std::string_view parameterName(int parameter);

// A row keyed by a bit field of one byte's binary text (characters counted
// from 1, bit 7 first).
struct BitFieldRow
{
    int parameter;
    int firstCharacter;
    std::string_view bits;
    std::string_view text;
};

// A row keyed by a whole byte (compared as its binary text).
struct ByteRow
{
    unsigned char byte;
    std::string_view text;
};

// Time per division: one code byte, a text for each range; empty: no row.
struct TimeRow
{
    unsigned char code;
    std::string_view range0;
    std::string_view range1;
};

// "ON" when the whole byte is `byte`.
struct FlagRow
{
    int parameter;
    unsigned char byte;
};

// A row that matches when both the selector and the value byte match.
struct TriggerRow
{
    int parameter;
    unsigned char selector;
    unsigned char value;
    std::string_view text;
};

struct ParameterText
{
    int parameter;
    std::string_view text;
};

// Channel flag bytes: coupling (bits 1-0), calibration (bit 2), invert (bit 3).
std::span<const BitFieldRow> channelFlagRows(int channel);
std::span<const ByteRow> voltsPerDivisionRows();
std::span<const TimeRow> timePerDivisionRows();
std::span<const FlagRow> horizontalFlagRows();
std::span<const TriggerRow> triggerRows();
std::span<const ParameterText> horizontalFlagDefaults();
std::span<const ParameterText> triggerDefaults();
std::span<const ParameterText> fixedTexts();

} // namespace orvant
