#pragma once

#include "measure/shown_scale.h"
#include "shared/curve_sample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace orvant {

class MeasureTest : public ::testing::Test
{
protected:
    // The values of labels as a fresh load of channel 1 shows them, with `changes`
    // written over them (a text the settings do not know stands for no value).
    static SettingValues labels(std::initializer_list<std::pair<int, std::string>> changes)
    {
        SettingValues values;
        const auto show = [&values](int parameter, const std::string &text) {
            const Parameter shown = parameterNumbered(parameter);
            values.set(shown, valueOfText(shown, text));
        };
        for (const auto &[parameter, text] : {std::pair<int, std::string> {102, "DC"},
                                              {103, "CAL'D"},
                                              {104, "OFF"},
                                              {110, "OFF"},
                                              {111, "OFF"},
                                              {122, "CH1"}})
            show(parameter, text);
        for (const auto &[parameter, text] : changes)
            show(parameter, text);
        return values;
    }

    static CurveTable curve(const std::function<int(int)> &valueOfSample)
    {
        CurveTable table;
        for (int k = 1; k <= kSampleCount; ++k)
            table.at(k).sampleValue
                = static_cast<std::int16_t>(std::clamp(valueOfSample(k), 0, 255));
        return table;
    }

    static CurveTable sine(double amplitude, double periodSamples, double noise = 0)
    {
        return curve([=](int k) {
            // A fixed pseudo-random jitter of at most `noise`.
            const double jitter = noise * std::sin(k * 12.9898) * std::cos(k * 78.233);
            return static_cast<int>(std::lround(
                131 + amplitude * std::sin(2 * std::numbers::pi * k / periodSamples) + jitter));
        });
    }
};

} // namespace orvant
