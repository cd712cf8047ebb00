#include "measure/curve_measurements.h"

#include "measure_fixture.h"

#include <map>

namespace orvant {
namespace {

using MeasurementTest = MeasureTest;

std::map<std::string, std::string> textsOf(const CurveTable &curve, const SettingValues &labels)
{
    const auto pairs = measurementTexts(measureCurve(curve), shownScale(labels));
    return {pairs.begin(), pairs.end()};
}

TEST_F(MeasurementTest, NamesInTheirOrder)
{
    std::vector<std::string> names;
    for (const auto &[name, text] : measurementTexts(measureCurve(sine(50, 64)), ShownScale {}))
        names.push_back(name);
    EXPECT_EQ(names,
              (std::vector<std::string> {"Maximum", "Minimum", "Peak to peak", "Mean", "RMS",
                                         "Frequency", "Period", "Duty cycle", "Clipped"}));
}

TEST_F(MeasurementTest, SineAtSeveralScales)
{
    // Amplitude 50 units (1.98 div), period 64 samples (1.28 div), eight periods.
    struct Case
    {
        SettingValues labels;
        std::map<std::string, std::string> expected;
    };
    const std::vector<Case> cases {
        {labels({{101, "1 V"}, {109, "1 mS"}}),
         {{"Maximum", "1.98 V"},
          {"Minimum", "-1.98 V"},
          {"Peak to peak", "3.96 V"},
          {"Mean", "0 V"},
          {"RMS", "1.4 V"},
          {"Frequency", "781 Hz"},
          {"Period", "1.28 ms"},
          {"Duty cycle", "50 %"},
          {"Clipped", "No"}}},
        {labels({{101, "0.5 V"}, {109, "10 µS"}, {110, "ON"}, {103, "UNCAL'D"}, {104, "ON"}}),
         {{"Maximum", "990 mV uncal inv"},
          {"Peak to peak", "1.98 V uncal inv"},
          {"RMS", "702 mV uncal inv"},
          {"Frequency", "781 kHz"},
          {"Period", "1.28 µs"}}},
        {labels({}),
         {{"Maximum", "1.98 div"},
          {"Peak to peak", "3.96 div"},
          {"RMS", "1.4 div"},
          {"Frequency", "—"},
          {"Period", "1.28 div"},
          {"Duty cycle", "50 %"}}},
        {labels({{101, "5 mV"}, {102, "GND"}, {109, "1 mS"}, {111, "ON"}}),
         {{"Minimum", "-9.9 mV GND"}, {"Frequency", "—"}, {"Period", "1.28 div XY"}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto texts = textsOf(sine(50, 64), cases[i].labels);
        for (const auto &[name, text] : cases[i].expected)
            EXPECT_EQ(texts.at(name), text) << "case " << i << ": " << name;
    }
}

TEST_F(MeasurementTest, RawValues)
{
    struct Case
    {
        const char *what;
        CurveTable curve;
        int maximum, minimum;
        double mean, rms, period, duty;
        bool clipped;
    };
    const int none = -1;
    const std::vector<Case> cases {
        {"square 30 % duty", curve([](int k) { return (k % 50) < 15 ? 200 : 60; }), 200, 60, none,
         none, 50, 0.3, false},
        {"noisy sine", sine(50, 128, 4), none, none, none, none, 128, 0.5, false},
        {"flat line", curve([](int) { return 131; }), 131, 131, 131, 131, none, none, false},
        {"under two periods", sine(50, 300), 181, 81, none, none, none, none, false},
        {"clipped sine", sine(140, 64), 255, 0, none, none, 64, 0.5, true},
        {"one sample at 255", curve([](int k) { return k == 100 ? 255 : 20; }), 255, 20, none, none,
         none, none, true},
        {"two levels", curve([](int k) { return k <= 256 ? 100 : 200; }), 200, 100, 150,
         std::sqrt((100.0 * 100 + 200.0 * 200) / 2), none, none, false},
    };
    for (const Case &c : cases) {
        const CurveMeasurements m = measureCurve(c.curve);
        if (c.maximum != none) {
            EXPECT_EQ(m.maximum, c.maximum) << c.what;
            EXPECT_EQ(m.minimum, c.minimum) << c.what;
            EXPECT_DOUBLE_EQ(m.peakToPeak, c.maximum - c.minimum) << c.what;
        }
        if (c.mean != none) {
            EXPECT_DOUBLE_EQ(m.mean, c.mean) << c.what;
            EXPECT_NEAR(m.rms, c.rms, 1e-9) << c.what;
        }
        EXPECT_EQ(m.periodSamples.has_value(), c.period != none) << c.what;
        EXPECT_EQ(m.dutyCycle.has_value(), c.duty != none) << c.what;
        if (m.periodSamples && c.period != none) {
            EXPECT_NEAR(*m.periodSamples, c.period, c.period * 0.01) << c.what;
        }
        if (m.dutyCycle && c.duty != none) {
            EXPECT_NEAR(*m.dutyCycle, c.duty, 0.02) << c.what;
        }
        EXPECT_EQ(m.clipped, c.clipped) << c.what;
    }
}

} // namespace
} // namespace orvant
