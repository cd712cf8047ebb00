#pragma once

#include "shared/settings_catalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvant {

// The catalogue value of each of the 25 settings, compact: none where a text stands
// for no value (empty, a number, an unknown text).
class SettingValues
{
public:
    std::optional<ValueIndex> operator[](Parameter parameter) const;
    void set(Parameter parameter, std::optional<ValueIndex> value);

private:
    static constexpr std::uint8_t kNone = 0xFF;
    std::array<std::uint8_t, kParameterCount> values_ = filled();
    static constexpr std::array<std::uint8_t, kParameterCount> filled()
    {
        std::array<std::uint8_t, kParameterCount> all {};
        all.fill(kNone);
        return all;
    }
};

// The settings as one capture decodes: a value of each catalogued parameter, FRAME NR
// and BYTE COUNT as numbers.
struct DecodedSettings
{
    SettingValues values;
    std::int16_t frameNumber = 0;
    std::int32_t byteCount = 0;

    // The text the panel shows for it ("" where nothing was decoded).
    std::string text(Parameter parameter) const;
};

// One setting as the panel shows it: its text, the value the text stands for, and
// whether it is red (chosen by hand; kept through later loads).
struct ShownSetting
{
    std::string text;
    std::optional<ValueIndex> value;
    bool red = false;
};

// The 25 settings the panel shows; the value labels only show this.
class ShownSettings
{
public:
    const ShownSetting &operator[](Parameter parameter) const
    {
        return settings_[slotOf(parameter)];
    }
    SettingValues values() const;

    // Every text emptied, red kept: the window's creation and a load's start.
    void empty();
    // A load's decoded texts; red kept, a load sets no colour.
    void showDecoded(const DecodedSettings &decoded);
    // Option `option` of the parameter's dialog chosen: its written text, in red.
    void showChoice(Parameter parameter, ValueIndex option);
    // Every text emptied and black: Clear Window and the background toggle.
    void clear();

private:
    std::array<ShownSetting, kParameterCount> settings_;
};

} // namespace orvant
