// Pulse figures of synthetic records with known answers, in the record's units and as
// the Measurements window writes them; the gate of the time cursors; the marks.
#include "measure/pulse_marks.h"
#include "measure/pulse_measurements.h"

#include "measure/curve_measurements.h"
#include "measure_fixture.h"

#include <map>

namespace orvant {
namespace {

using F = PulseFigure;
using R = PulseReason;

class PulseTest : public MeasureTest
{
protected:
    // Periods of 100 samples: base 50 for 40, a rise of 10 sample intervals to 210, top
    // for 40, a fall of 10 intervals. Rises start at samples 40, 140, ..., 440.
    static CurveTable trapezoid()
    {
        return curve([](int k) {
            const int t = k % 100;
            if (t < 40)
                return 50;
            if (t < 50)
                return 50 + 16 * (t - 40);
            if (t < 90)
                return 210;
            return 210 - 16 * (t - 90);
        });
    }
    // Base 60 to sample 197, a dip to 57, a rise over 4 intervals to 200, a peak of 207
    // (5 % of 140) ringing down to 200.
    static CurveTable step()
    {
        return curve([](int k) {
            static const std::map<int, int> edge {{198, 57},  {199, 95},  {200, 130}, {201, 165},
                                                  {202, 207}, {203, 204}, {204, 202}, {205, 201}};
            if (const auto found = edge.find(k); found != edge.end())
                return found->second;
            return k < 198 ? 60 : 200;
        });
    }
    // 50 units above and below the centre line, 25 samples each, edges between samples.
    static CurveTable square(int low = 81, int high = 181)
    {
        return curve([=](int k) { return (k / 25) % 2 ? high : low; });
    }

    static std::map<std::string, std::pair<std::string, std::string>>
    textsOf(const CurveTable &record, const SettingValues &shown)
    {
        std::map<std::string, std::pair<std::string, std::string>> texts;
        for (const PulseText &t : pulseTexts(measurePulse(record), shownScale(shown)))
            texts[t.name] = {t.text, t.reason};
        return texts;
    }
};

TEST_F(PulseTest, FiguresInTheRecordsUnits)
{
    struct Expected
    {
        F figure;
        double value; // where known or a bound
        R reason;
        double within = 1e-9;
    };
    struct Case
    {
        const char *what;
        CurveTable record;
        std::vector<Expected> expected;
    };
    const std::vector<Case> cases {
        {"trapezoid",
         trapezoid(),
         {{F::Top, 210, R::None},
          {F::Base, 50, R::None},
          {F::Amplitude, 160, R::None},
          {F::RiseTime, 8, R::None, 0.1},
          {F::FallTime, 8, R::None, 0.1},
          {F::RiseEdges, 5, R::None},
          {F::FallEdges, 5, R::None},
          {F::Overshoot, 0, R::None},
          {F::Preshoot, 0, R::None},
          {F::PositiveWidth, 50, R::None},
          {F::NegativeWidth, 50, R::None},
          {F::DutyCycle, 50, R::None},
          {F::SlewRate, 16, R::None}}}, // 128 codes in 8 samples
        {"step with overshoot and preshoot",
         step(),
         {{F::Top, 200, R::None},
          {F::Base, 60, R::None},
          {F::RiseEdges, 1, R::None},
          {F::FallEdges, 0, R::None},
          {F::Overshoot, 5, R::None, 0.2},
          {F::Preshoot, 300.0 / 140, R::None},
          // 74 (10 %) reached between 57 and 95, 186 (90 %) between 165 and 207
          {F::RiseTime, 201 + 21.0 / 42 - (198 + 17.0 / 38), R::None},
          {F::FallTime, 0, R::NoFallingEdge},
          {F::PositiveWidth, 0, R::NoFallingEdge},
          {F::NegativeWidth, 0, R::NoFallingEdge},
          {F::DutyCycle, 0, R::FewerThanTwoPeriods}}},
        {"square faster than a sample",
         square(),
         {{F::Amplitude, 100, R::None},
          {F::RiseTime, 1, R::FasterThanOneSample},
          {F::FallTime, 1, R::FasterThanOneSample},
          {F::SlewRate, 80, R::FasterThanOneSample},
          {F::RiseEdges, 10, R::None},
          {F::FallEdges, 10, R::None},
          {F::PositiveWidth, 25, R::None},
          {F::DutyCycle, 50, R::None}}},
        {"square clipped at the top",
         square(100, 255),
         {{F::Top, 0, R::Clipped},
          {F::Base, 100, R::None},
          {F::Amplitude, 0, R::Clipped},
          {F::RiseTime, 0, R::Clipped},
          {F::RiseEdges, 0, R::Clipped},
          {F::Overshoot, 0, R::Clipped}}},
        {"square clipped at the bottom",
         square(0, 120),
         {{F::Top, 120, R::None}, {F::Base, 0, R::Clipped}, {F::PositiveWidth, 0, R::Clipped}}},
        {"flat line",
         curve([](int) { return 131; }),
         {{F::Top, 131, R::None},
          {F::Base, 131, R::None},
          {F::Amplitude, 0, R::None},
          {F::RiseEdges, 0, R::None},
          {F::FallEdges, 0, R::None},
          {F::RiseTime, 0, R::NoRisingEdge},
          {F::FallTime, 0, R::NoFallingEdge},
          {F::Overshoot, 0, R::NoEdge},
          {F::Preshoot, 0, R::NoEdge},
          {F::SlewRate, 0, R::NoEdge},
          {F::PositiveWidth, 0, R::NoRisingEdge},
          {F::NegativeWidth, 0, R::NoFallingEdge},
          {F::DutyCycle, 0, R::FewerThanTwoPeriods}}},
    };
    for (const Case &c : cases) {
        const PulseMeasurements m = measurePulse(c.record);
        for (const Expected &e : c.expected) {
            const PulseValue v = m[e.figure];
            const std::string name(pulseFigureInfo(e.figure).name);
            EXPECT_EQ(v.reason, e.reason) << c.what << ": " << name;
            if (v.shown()) {
                EXPECT_NEAR(v.value, e.value, e.within) << c.what << ": " << name;
            }
        }
    }
}

TEST_F(PulseTest, AberrationsNeedSamplesBesideTheFirstEdge)
{
    // The first sample at the 90 % level (60 + 0.9 * 140), a fall at once, a rise into
    // the last sample.
    const CurveTable record = curve([](int k) { return k == 1 ? 186 : k < 512 ? 60 : 200; });
    const PulseMeasurements m = measurePulse(record);
    EXPECT_EQ(m[F::Preshoot].reason, R::NothingBeforeEdge);
    EXPECT_EQ(m[F::Overshoot].value, 0); // the base after the fall is flat
    EXPECT_EQ(m[F::Overshoot].reason, R::None);
    EXPECT_DOUBLE_EQ(m[F::NegativeWidth].value, 511.5 - (1 + 56.0 / 126));
    EXPECT_EQ(m[F::PositiveWidth].reason, R::NoFallingEdge);

    // A first pulse that touches the 90 % level at sample 10 alone and falls at once,
    // then one of 100 samples at the top.
    const CurveTable runt = curve([](int k) {
        return k == 10 ? 186 : k >= 100 && k < 200 ? 200 : 60;
    });
    const PulseMeasurements r = measurePulse(runt);
    EXPECT_EQ(r[F::Overshoot].reason, R::NothingAfterEdge);
    EXPECT_EQ(r[F::Preshoot].value, 0);
    EXPECT_EQ(r[F::RiseEdges].value, 2);
}

TEST_F(PulseTest, TextsInTheShownScaleWithTheirReasons)
{
    const SettingValues volt = labels({{101, "1 V"}, {109, "1 mS"}});
    const auto trapezoidTexts = textsOf(trapezoid(), volt);
    const std::map<std::string, std::pair<std::string, std::string>> expected {
        {"Top", {"3.13 V", ""}},          {"Base", {"-3.21 V", ""}},
        {"Amplitude", {"6.34 V", ""}},    {"Rise time", {"160 µs", ""}},
        {"Rising edges", {"5", ""}},      {"Overshoot", {"0 %", ""}},
        {"Positive width", {"1 ms", ""}}, {"Duty cycle at 50 %", {"50 %", ""}},
        {"Slew rate", {"31.7 kV/s", ""}}, // 0.8 of 160 units per 160 µs
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(trapezoidTexts.at(name), text) << name;

    const auto fast = textsOf(square(), volt);
    EXPECT_EQ(fast.at("Rise time"),
              std::make_pair(std::string("< 20 µs"), std::string("faster than one sample")));
    // 0.8 of 100 units (3.17 V) within 20 µs at least.
    EXPECT_EQ(fast.at("Slew rate").first, "> 158 kV/s");

    const auto divisions = textsOf(trapezoid(), labels({{103, "UNCAL'D"}}));
    EXPECT_EQ(divisions.at("Rise time").first, "0.16 div");
    EXPECT_EQ(divisions.at("Top").first, "3.13 div uncal");
    EXPECT_EQ(divisions.at("Slew rate").first, "31.7 div/div uncal"); // 5.07 div in 0.16 div
    const auto flat = textsOf(curve([](int) { return 131; }), volt);
    EXPECT_EQ(flat.at("Rise time"),
              std::make_pair(std::string("\u2014"), std::string("no rising edge")));
    EXPECT_EQ(textsOf(square(100, 255), volt).at("Top"),
              std::make_pair(std::string("\u2014"), std::string("clipped")));

    // A ratio takes its prefix on the numerator; divisions take none.
    EXPECT_EQ(engineeringRatio(31683.2, "V/s"), "31.7 kV/s");
    EXPECT_EQ(engineeringRatio(0.00125, "V/div"), "1.25 mV/div");
    EXPECT_EQ(engineeringRatio(158416, "div/s"), "158000 div/s");
    EXPECT_EQ(engineeringRatio(0.002, "s"), "2 ms");
    EXPECT_EQ(engineeringRatio(std::nan(""), "V/s"), "\u2014");
}

TEST_F(PulseTest, TheGateMeasuresTheSamplesBetweenTheTimeCursors)
{
    struct Case
    {
        double x1, x2;
        SampleRange range;
    };
    const std::vector<Case> cases {
        {100, 300, {50, 150}},    {301, 99, {50, 150}},
        {0, 1036, {1, 512}},      {101, 101.5, {51, 51}}, // none between: the nearest
        {1030, 1036, {512, 512}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(samplesBetween(c.x1, c.x2), c.range) << c.x1 << " " << c.x2;
    }
    // Samples 130 to 185: one rise of the trapezoid and its top.
    const SampleRange oneRise {130, 185};
    const PulseMeasurements gated = measurePulse(trapezoid(), oneRise);
    EXPECT_EQ(gated[F::RiseEdges].value, 1);
    EXPECT_EQ(gated[F::FallEdges].value, 0);
    EXPECT_EQ(gated[F::PositiveWidth].reason, R::NoFallingEdge);
    const CurveMeasurements curve = measureCurve(trapezoid(), SampleRange {1, 30});
    EXPECT_EQ(curve.maximum, 50);
    EXPECT_EQ(curve.minimum, 50);
    EXPECT_DOUBLE_EQ(curve.mean, 50);

    const CursorBox box {310, 104, 0, 0}; // 2.92 and 0.86 divisions
    EXPECT_EQ(gateHeading(box, shownScale(labels({{101, "1 V"}, {109, "1 mS"}}))),
              "Between 860 µs and 2.92 ms");
    EXPECT_EQ(gateHeading(box, shownScale(labels({{111, "ON"}}))),
              "Between 0.86 div XY and 2.92 div XY");
}

TEST_F(PulseTest, MarksShowWhereAFigureWasMeasured)
{
    const PulseAnalysis a = analysePulse(trapezoid());
    using K = PulseMark::Kind;
    const std::vector<PulseMark> top = pulseMarks(a, F::Top);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0], (PulseMark {K::Line, 2, 210, 1024, 210, "top"}));

    // The first rise: 66 (10 %) at sample 41, 194 (90 %) at sample 49.
    const std::vector<PulseMark> slew = pulseMarks(a, F::SlewRate);
    ASSERT_EQ(slew.size(), 6u);
    EXPECT_EQ(slew[0], (PulseMark {K::Line, 2, 66, 1024, 66, "10 %"}));
    EXPECT_EQ(slew[1], (PulseMark {K::Line, 2, 194, 1024, 194, "90 %"}));
    EXPECT_EQ(slew[2], (PulseMark {K::Point, 82, 66, 0, 0, ""}));
    EXPECT_EQ(slew[3], (PulseMark {K::Point, 98, 194, 0, 0, ""}));
    EXPECT_EQ(slew[4], (PulseMark {K::Line, 82, 66, 82, 194, ""}));
    EXPECT_EQ(slew[5], (PulseMark {K::Line, 98, 66, 98, 194, ""}));

    // Two levels and four marks for each of the five rises.
    EXPECT_EQ(pulseMarks(a, F::RiseTime).size(), 2u + 5 * 4);
    // The 50 % level and a line with two points for each of the five positive pulses,
    // the first from 45 (130 on the rise) to 95.
    const std::vector<PulseMark> widths = pulseMarks(a, F::PositiveWidth);
    ASSERT_EQ(widths.size(), 1u + 5 * 3);
    EXPECT_EQ(widths[1], (PulseMark {K::Line, 90, 130, 190, 130, "width"}));
    // Four periods between five rises: a line at each rise, four positive widths.
    EXPECT_EQ(pulseMarks(a, F::DutyCycle).size(), 1u + 5 + 4 * 3);

    const PulseAnalysis s = analysePulse(step());
    const std::vector<PulseMark> overshoot = pulseMarks(s, F::Overshoot);
    ASSERT_EQ(overshoot.size(), 7u);
    EXPECT_EQ(overshoot[4], (PulseMark {K::Line, 2, 200, 1024, 200, "top"}));
    EXPECT_EQ(overshoot[5], (PulseMark {K::Point, 404, 207, 0, 0, ""}));

    EXPECT_TRUE(pulseMarks(analysePulse(curve([](int) { return 131; })), F::RiseTime).empty());
    EXPECT_TRUE(pulseMarks(analysePulse(square(100, 255)), F::Top).empty());
}

} // namespace
} // namespace orvant
