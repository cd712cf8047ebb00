#pragma once

#include "shared/settings_catalogue.h"

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace orvant::test {

// Every text a load can show in value labels 101 to 123: the catalogue's decoded
// spellings, and the empty text where a capture may settle nothing (101 to 109, which
// have no default). Parameter n at index n - 101 (124 and 125 hold numbers).
using DecodableTexts = std::array<std::set<std::string>, kParameterCount>;

inline DecodableTexts decodableTexts()
{
    DecodableTexts sets;
    for (int n = kFirstParameter; n <= number(Parameter::TimeOut); ++n) {
        auto &texts = sets.at(static_cast<std::size_t>(n - kFirstParameter));
        if (n <= number(Parameter::SecPerDiv))
            texts.emplace("");
        for (const SettingValue &value : settingValues(parameterNumbered(n))) {
            if (!value.decoded.empty())
                texts.emplace(value.decoded);
        }
    }
    return sets;
}

} // namespace orvant::test
