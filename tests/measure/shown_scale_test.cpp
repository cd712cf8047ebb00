#include "measure_fixture.h"

namespace orvant {
namespace {

using ScaleTest = MeasureTest;

// The ladders' numbers are the catalogue's (checked by hand there); here, that the
// scale takes them from the right channel and counts X10 MAG and XY.
TEST_F(ScaleTest, EveryVoltsValueOnEitherChannel)
{
    for (const SettingValue &value : settingValues(Parameter::Ch1VoltsPerDiv)) {
        const std::string text(value.written);
        const ShownScale one = shownScale(labels({{101, text}, {105, "7 V"}}));
        const ShownScale two
            = shownScale(labels({{105, text}, {122, "CH 2"}, {106, "DC"}, {107, "CAL'D"}}));
        EXPECT_EQ(one.channel, 1);
        EXPECT_EQ(two.channel, 2);
        for (const ShownScale &scale : {one, two}) {
            ASSERT_TRUE(scale.volts.perDivision) << text;
            EXPECT_DOUBLE_EQ(*scale.volts.perDivision, value.perDivision) << text;
            EXPECT_TRUE(scale.volts.marks.empty()) << text;
        }
    }
    // Channel 1 shown: channel 2's scale does not count.
    EXPECT_DOUBLE_EQ(*shownScale(labels({{101, "2 V"}, {105, "5 V"}})).volts.perDivision, 2);
}

TEST_F(ScaleTest, EveryTimeValueWithMagnifierAndXY)
{
    for (const SettingValue &value : settingValues(Parameter::SecPerDiv)) {
        const std::string text(value.written);
        const AxisScale plain = shownScale(labels({{109, text}})).time;
        const AxisScale magnified = shownScale(labels({{109, text}, {110, "ON"}})).time;
        const AxisScale xy = shownScale(labels({{109, text}, {111, "ON"}})).time;
        ASSERT_TRUE(plain.perDivision && magnified.perDivision) << text;
        EXPECT_DOUBLE_EQ(*plain.perDivision, value.perDivision) << text;
        EXPECT_DOUBLE_EQ(*magnified.perDivision, value.perDivision / 10) << text;
        EXPECT_FALSE(xy.perDivision) << text;
        EXPECT_EQ(xy.marks, std::vector<std::string> {"XY"});
    }
}

TEST_F(ScaleTest, MarksFromTheChannelsLabels)
{
    using Marks = std::vector<std::string>;
    const std::vector<std::pair<SettingValues, Marks>> cases {
        {labels({{101, "1 V"}, {103, "UNCAL'D"}}), {"uncal"}},
        {labels({{101, "1 V"}, {103, ""}}), {"uncal"}},
        {labels({{101, ""}, {103, "UNCAL'D"}}), {"uncal"}}, // divisions are uncalibrated too
        {labels({{101, ""}, {103, "CAL'D"}, {104, "ON"}}), {"inv"}},
        {labels({{101, ""}, {103, ""}}), {}}, // an empty panel marks nothing
        {labels({{122, "CH 2"}, {105, ""}, {107, "UNCAL'D"}, {106, "GND"}}), {"uncal", "GND"}},
        {labels({{101, "1 V"}, {104, "ON"}}), {"inv"}},
        {labels({{101, "1 V"}, {102, "GND"}}), {"GND"}},
        {labels({{101, "1 V"}, {102, "AC"}}), {}},
        {labels({{101, "1 V"}, {102, "CH1OFF"}}), {"CH1 OFF"}},
        {labels({{101, "1 V"}, {102, "CH1 OFF"}, {103, "UNCAL'D"}, {104, "ON"}}),
         {"uncal", "inv", "CH1 OFF"}},
        {labels({{122, "CH 2"}, {105, "1 V"}, {106, "CH2OFF"}, {107, "CAL'D"}, {108, "OFF"}}),
         {"CH2 OFF"}},
        {labels({{122, "CH 2"}, {105, "1 V"}, {106, "CH2 OFF"}, {107, "CAL'D"}, {108, "ON"}}),
         {"inv", "CH2 OFF"}},
        {labels({{122, "CH 1"}, {101, "1 V"}, {105, "2 V"}, {106, "GND"}, {108, "ON"}}), {}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(shownScale(cases[i].first).volts.marks, cases[i].second) << "case " << i;
}

TEST_F(ScaleTest, EmptyOrUnknownLabelsGiveDivisions)
{
    for (const SettingValues &texts : {SettingValues {}, labels({{101, "3 V"}, {109, "3 S"}})}) {
        const ShownScale scale = shownScale(texts);
        EXPECT_EQ(scale.channel, 1);
        EXPECT_FALSE(scale.volts.perDivision);
        EXPECT_FALSE(scale.time.perDivision);
        EXPECT_EQ(axisReading(scale.volts, 2, "V"), "2 div");
        EXPECT_DOUBLE_EQ(sampleVolts(181, scale.volts), 50 / 25.25);
    }
}

TEST_F(ScaleTest, SamplePositionsOnThePlot)
{
    const ShownScale scale = shownScale(labels({{101, "2 V"}, {109, "1 mS"}}));
    EXPECT_DOUBLE_EQ(sampleVolts(131, scale.volts), 0);
    EXPECT_DOUBLE_EQ(sampleVolts(232, scale.volts), 8); // top of the graticule: 4 div
    EXPECT_DOUBLE_EQ(sampleVolts(30, scale.volts), -8);
    EXPECT_DOUBLE_EQ(sampleSeconds(9, scale.time), 0); // x = 18, left edge
    EXPECT_DOUBLE_EQ(sampleSeconds(59, scale.time), 1e-3);
    EXPECT_DOUBLE_EQ(sampleSeconds(1, scale.time), -0.16e-3);
    EXPECT_DOUBLE_EQ(sampleSeconds(509, scale.time), 10e-3);
}

TEST_F(ScaleTest, EngineeringNotation)
{
    const std::vector<std::tuple<double, std::string, std::string>> cases {
        {0.0125, "V", "12.5 mV"},  {1250, "Hz", "1.25 kHz"},
        {-3, "div", "-3 div"},     {0, "s", "0 s"},
        {-0.0, "V", "0 V"},        {2.5e-6, "s", "2.5 µs"},
        {50e-9, "s", "50 ns"},     {0.9997, "V", "1 V"},
        {999.96e3, "Hz", "1 MHz"}, {12345, "div", "12300 div"},
        {33.3333, "%", "33.3 %"},  {5e9, "Hz", "5 GHz"},
        {4.2e-12, "V", "4.2 pV"},  {-0.001234, "V", "-1.23 mV"},
        {100, "V", "100 V"},       {2.0 / 3, "div", "0.667 div"},
        {NAN, "Hz", "—"},          {INFINITY, "Hz", "—"}};
    for (const auto &[value, unit, text] : cases)
        EXPECT_EQ(engineering(value, unit), text) << value;
}

} // namespace
} // namespace orvant
