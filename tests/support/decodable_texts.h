#pragma once

#include "capture/settings_tables.h"

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace orvant::test {

// Every text the decoder can write into value labels 101 to 123, taken from
// its tables; parameter n at index n - 101 (124 and 125 hold numbers).
using DecodableTexts = std::array<std::set<std::string>, kParameterCount>;

inline DecodableTexts decodableTexts()
{
    DecodableTexts sets;
    const auto add = [&sets](int parameter, std::string_view text) {
        sets.at(static_cast<std::size_t>(parameter - kFirstParameter)).emplace(text);
    };
    // Volts, channel flags and time stay empty when no row matches.
    for (int parameter = 101; parameter <= 109; ++parameter)
        add(parameter, "");
    for (const int channel : {1, 2}) {
        for (const auto &row : channelFlagRows(channel))
            add(row.parameter, row.text);
    }
    for (const auto &row : voltsPerDivisionRows()) {
        add(101, row.text);
        add(105, row.text);
    }
    for (const auto &row : timePerDivisionRows()) {
        add(109, row.range0);
        if (!row.range1.empty())
            add(109, row.range1);
    }
    for (const auto &row : horizontalFlagRows())
        add(row.parameter, "ON");
    for (const auto &row : triggerRows())
        add(row.parameter, row.text);
    for (const auto &defaults : {horizontalFlagDefaults(), triggerDefaults(), fixedTexts()}) {
        for (const auto &[parameter, text] : defaults)
            add(parameter, text);
    }
    return sets;
}

} // namespace orvant::test
