// The Zoom window's core: the visible span under each action, the sin(x)/x
// reconstruction against the true sine, the traces and the labelled grid lines.
#include "measure_fixture.h"

#include "measure/sinc_interpolation.h"
#include "measure/zoom_axis.h"
#include "measure/zoom_span.h"
#include "measure/zoom_trace.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvant {
namespace {

class Zoom : public MeasureTest
{
protected:
    static std::vector<std::int16_t> record(const std::function<double(int)> &valueOfSample)
    {
        std::vector<std::int16_t> values;
        for (int k = 1; k <= kSampleCount; ++k)
            values.push_back(static_cast<std::int16_t>(std::lround(valueOfSample(k))));
        return values;
    }

    static void expectSpan(const ZoomSpan &shown, const ZoomSpan &expected, const std::string &why)
    {
        EXPECT_NEAR(shown.firstSample, expected.firstSample, 1e-9) << why;
        EXPECT_NEAR(shown.lastSample, expected.lastSample, 1e-9) << why;
        EXPECT_NEAR(shown.lowCode, expected.lowCode, 1e-9) << why;
        EXPECT_NEAR(shown.highCode, expected.highCode, 1e-9) << why;
    }
};

TEST_F(Zoom, EachActionGivesItsSpan)
{
    const ZoomSpan whole {1, 512, 0, 255};
    const ZoomSpan middle {101, 201, 100, 150};
    struct Row
    {
        const char *action;
        std::function<ZoomSpan()> apply;
        ZoomSpan expected;
    };
    const std::vector<Row> rows {
        {"whole record", [] { return wholeRecord(); }, whole},
        {"time x2 around 151", [&] { return zoomTime(middle, 2, 151); }, {126, 176, 100, 150}},
        // The pointer's sample stays where it was: 121 is a fifth across before and after.
        {"time x2 around 121", [&] { return zoomTime(middle, 2, 121); }, {111, 161, 100, 150}},
        {"time /2 around 151", [&] { return zoomTime(middle, 0.5, 151); }, {51, 251, 100, 150}},
        {"time out beyond the record",
         [&] { return zoomTime(middle, 0.01, 151); },
         {1, 512, 100, 150}},
        // Out near the start: the width is that of the zoom, moved inside the record.
        {"time /4 around 201", [&] { return zoomTime(middle, 0.25, 201); }, {1, 401, 100, 150}},
        {"time in to the narrowest",
         [&] { return zoomTime(middle, 1000, 151); },
         {149, 153, 100, 150}},
        {"values x2 around 125",
         [&] { return zoomValues(middle, 2, 125); },
         {101, 201, 112.5, 137.5}},
        {"values /4 around 125",
         [&] { return zoomValues(middle, 0.25, 125); },
         {101, 201, 25, 225}},
        {"values in to the narrowest",
         [&] { return zoomValues(middle, 1e6, 125); },
         {101, 201, 124, 126}},
        {"pan right 30, up 10", [&] { return pan(middle, 30, 10); }, {131, 231, 110, 160}},
        {"pan left beyond the start", [&] { return pan(middle, -500, 0); }, {1, 101, 100, 150}},
        {"pan up beyond the top", [&] { return pan(middle, 0, 1000); }, {101, 201, 205, 255}},
        {"pan the whole record", [] { return pan(wholeRecord(), 40, -40); }, whole},
        {"rectangle either way round",
         [] { return zoomToRectangle(300, 200, 250, 50); },
         {250, 300, 50, 200}},
        {"rectangle too narrow",
         [] { return zoomToRectangle(10, 60, 11, 60); },
         {8.5, 12.5, 59, 61}},
        {"rectangle beyond the record", [] { return zoomToRectangle(-50, -10, 600, 300); }, whole},
        {"a zoom of no factor", [&] { return zoomTime(middle, 0, 151); }, middle},
    };
    for (const Row &row : rows)
        expectSpan(row.apply(), row.expected, row.action);
}

TEST_F(Zoom, BackspaceUndoesZoomsButNotPans)
{
    ZoomHistory history;
    EXPECT_FALSE(history.undo());
    expectSpan(history.shown(), {1, 512, 0, 255}, "fresh");
    history.zoom({101, 201, 0, 255});
    history.zoom({121, 141, 100, 150});
    history.move({131, 151, 100, 150}); // a pan
    history.zoom({131, 151, 100, 150}); // the same span: no step
    EXPECT_EQ(history.depth(), 2u);
    history.home();
    expectSpan(history.shown(), {1, 512, 0, 255}, "home");
    ASSERT_TRUE(history.undo());
    expectSpan(history.shown(), {131, 151, 100, 150}, "undo home: back where the pan left it");
    ASSERT_TRUE(history.undo());
    expectSpan(history.shown(), {101, 201, 0, 255}, "undo the second zoom");
    ASSERT_TRUE(history.undo());
    expectSpan(history.shown(), {1, 512, 0, 255}, "undo the first zoom");
    EXPECT_FALSE(history.undo());
}

TEST_F(Zoom, DotsFromFourPixelsASample)
{
    struct Row
    {
        double samplesAcross;
        double pixels;
        bool dots;
    };
    for (const Row &row : {Row {511, 1000, false}, Row {250, 999, false}, Row {250, 1000, true},
                           Row {100, 399, false}, Row {100, 400, true}, Row {4, 20, true}}) {
        const ZoomSpan span {10, 10 + row.samplesAcross, 0, 255};
        EXPECT_EQ(showsDots(span, row.pixels), row.dots)
            << row.samplesAcross << " samples on " << row.pixels << " pixels";
    }
    EXPECT_DOUBLE_EQ(sampleWidth({1, 101, 0, 255}, 400), 4.0);
}

// A sine below a quarter of the sample rate, quantised to codes as a capture holds it:
// the reconstruction between the samples, over the whole record, ends included, stays
// within 1 % of full scale (2.55 codes) of the true sine.
TEST_F(Zoom, SincFollowsABandLimitedSineWithinOnePercent)
{
    struct Row
    {
        double cyclesPerSample;
        double amplitude;
        double phase;
    };
    for (const Row &row : {Row {0.01, 120, 0.3}, Row {0.0731, 100, 1.1}, Row {0.15, 127, 2.0},
                           Row {0.2, 90, 0.0}, Row {0.2437, 120, 0.7}}) {
        const auto truth = [row](double t) {
            return 127.5
                + row.amplitude
                * std::sin(2 * std::numbers::pi * row.cyclesPerSample * t + row.phase);
        };
        const SincReconstruction sinc(record([&](int k) { return truth(k); }));
        double worst = 0;
        double worstLines = 0;
        for (int i = 0; i <= 511 * 20; ++i) {
            const double t = 1 + i / 20.0;
            worst = std::max(worst, std::abs(sinc.valueAt(t) - truth(t)));
            const int k = std::min(511, static_cast<int>(t));
            const double line = std::lround(truth(k))
                + (t - k) * (std::lround(truth(k + 1)) - std::lround(truth(k)));
            worstLines = std::max(worstLines, std::abs(line - truth(t)));
        }
        EXPECT_LT(worst, 0.01 * 255) << row.cyclesPerSample << " cycles a sample";
        // Quantising alone errs by half a code at the samples.
        EXPECT_GE(worst, 0.3) << row.cyclesPerSample;
        if (row.cyclesPerSample > 0.1) { // where straight lines fall short
            EXPECT_GT(worstLines, 0.01 * 255) << row.cyclesPerSample;
        }
        RecordProperty("sinc_worst_codes_" + std::to_string(row.cyclesPerSample),
                       std::to_string(worst));
        std::printf("sin(x)/x at %.4f cycles a sample: worst %.3f codes (%.3f %% of full "
                    "scale), straight lines %.3f codes\n",
                    row.cyclesPerSample, worst, worst / 2.55, worstLines);
    }
}

TEST_F(Zoom, SincPassesThroughTheSamplesAndHoldsOutside)
{
    const auto values = record([](int k) { return k % 7 == 0 ? 200 : 60; });
    const SincReconstruction sinc(values);
    for (const int k : {1, 2, 7, 300, 511, 512})
        EXPECT_DOUBLE_EQ(sinc.valueAt(k), values[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_DOUBLE_EQ(sinc.valueAt(-5), 60);
    EXPECT_DOUBLE_EQ(sinc.valueAt(600), 60);
    const SincReconstruction flat(record([](int) { return 42; }));
    for (const double t : {1.5, 17.25, 256.5, 511.9})
        EXPECT_NEAR(flat.valueAt(t), 42, 1e-6) << t;
    EXPECT_DOUBLE_EQ(SincReconstruction({}).valueAt(3), 0);
}

TEST_F(Zoom, SincTracesOfSeveralCurvesAreEachCurvesOwn)
{
    const SincReconstruction sine(record([](int k) { return 128 + 90 * std::sin(0.3 * k); }));
    const SincReconstruction ramp(record([](int k) { return k / 2.0; }));
    const std::vector<std::int16_t> shortRecord {10, 200, 30, 180, 50, 160, 70, 140};
    const SincReconstruction brief(shortRecord);
    const ZoomSpan span {3.3, 7.9, 0, 255};
    const SincReconstruction *const curves[] {&sine, &brief, &ramp};
    const auto traces = sincTraces(curves, span, 37);
    ASSERT_EQ(traces.size(), 3u);
    for (std::size_t c = 0; c < traces.size(); ++c) {
        ASSERT_EQ(traces[c].size(), 38u);
        for (const TracePoint &point : traces[c])
            EXPECT_NEAR(point.code, curves[c]->valueAt(point.sample), 1e-9) << c;
        EXPECT_EQ(traces[c], sincTrace(*curves[c], span, 37)) << c;
    }
    // Through the samples: the short record's 4th sample, and its 8th held beyond.
    EXPECT_DOUBLE_EQ(brief.valueAt(4), 180);
    EXPECT_DOUBLE_EQ(brief.valueAt(9.5), 140);
}

TEST_F(Zoom, TracesOfTheSamplesInView)
{
    const std::vector<std::int16_t> values {10, 20, 30, 40, 50, 60};
    const ZoomSpan span {2.5, 4.5, 0, 255};
    EXPECT_EQ(lineTrace(values, span),
              (std::vector<TracePoint> {{1, 10}, {2, 20}, {3, 30}, {4, 40}, {5, 50}, {6, 60}}));
    const ZoomSpan later {4.2, 5.5, 0, 255};
    EXPECT_EQ(stepTrace(values, later),
              (std::vector<TracePoint> {
                  {3, 30}, {4, 30}, {4, 40}, {5, 40}, {5, 50}, {6, 50}, {6, 60}, {7, 60}}));
    const SincReconstruction sinc(values);
    const auto points = sincTrace(sinc, {2, 4, 0, 255}, 4);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points[0], (TracePoint {2, 20}));
    EXPECT_EQ(points[2], (TracePoint {3, 30}));
    EXPECT_DOUBLE_EQ(points[1].sample, 2.5);
}

TEST_F(Zoom, GridLinesInTheShownUnits)
{
    const ShownScale scale = shownScale(labels({{101, "0.5 V"}, {109, "0.1 mS"}}));
    // 100 µs a division: sample k at (2k - 18) µs; 0.5 V a division, code c at
    // (c - 131) / 25.25 * 0.5 V.
    const auto across = timeTicks({9, 59, 0, 255}, scale.time); // 0 to 100 µs
    ASSERT_EQ(across.size(), 11u);
    EXPECT_EQ(across.front().text, "0 s");
    EXPECT_NEAR(across.front().at, 9, 1e-9);
    EXPECT_EQ(across[1].text, "10 \u00b5s");
    EXPECT_NEAR(across[1].at, 14, 1e-9);
    EXPECT_EQ(across.back().text, "100 \u00b5s");
    const auto up = valueTicks({1, 512, 131 - 25.25 * 2, 131 + 25.25 * 2}, scale.volts);
    std::vector<std::string> texts;
    for (const ZoomTick &tick : up)
        texts.push_back(tick.text);
    EXPECT_EQ(texts,
              (std::vector<std::string> {"-1 V", "-800 mV", "-600 mV", "-400 mV", "-200 mV", "0 V",
                                         "200 mV", "400 mV", "600 mV", "800 mV", "1 V"}));
    EXPECT_NEAR(up[5].at, 131, 1e-9);
    EXPECT_EQ(spanText({9, 59, 131, 156.25}, scale), "0 s to 100 \u00b5s, 0 V to 500 mV");
    // Without a scale: divisions.
    const ShownScale none = shownScale(SettingValues {});
    EXPECT_EQ(spanText({9, 509, 30, 232}, none), "0 div to 10 div, -4 div to 4 div");
    const auto divisions = timeTicks({9, 509, 0, 255}, none.time);
    ASSERT_EQ(divisions.size(), 11u);
    EXPECT_EQ(divisions[3].text, "3 div");
    EXPECT_NEAR(divisions[3].at, 159, 1e-9);
}

TEST_F(Zoom, AViewPlacesSamplesAndCodesOnItsPixels)
{
    // Samples 101 to 201 on 500 pixels from x = 72: 5 pixels a sample; codes 55 to 255
    // on 400 pixels from y = 10: 2 pixels a code, the highest at the top.
    const ZoomView view {{101, 201, 55, 255}, 72, 10, 500, 400};
    struct Row
    {
        double sample;
        double code;
        double x;
        double y;
    };
    const std::vector<Row> rows {
        {101, 255, 72, 10},
        {201, 55, 572, 410},
        {151.5, 155, 324.5, 210},
        {90, 300, 17, -80}, // outside the span: outside the pixels, on the same lines
    };
    for (const Row &row : rows) {
        EXPECT_NEAR(xOfSample(view, row.sample), row.x, 1e-9) << row.sample;
        EXPECT_NEAR(yOfCode(view, row.code), row.y, 1e-9) << row.code;
        EXPECT_NEAR(sampleAtX(view, row.x), row.sample, 1e-9) << row.x;
        EXPECT_NEAR(codeAtY(view, row.y), row.code, 1e-9) << row.y;
    }
}

} // namespace
} // namespace orvant
