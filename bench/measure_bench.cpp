// The measurements of one load: measureCurve and the texts of the Measurements window,
// on a noisy sine (many mid-level crossings) and a flat line. Target: 50 µs or less.
#include "measure/curve_measurements.h"
#include "shared/curve_sample.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

using namespace orvant;

CurveTable noisySine()
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k) {
        const double value = 131 + 90 * std::sin(2 * std::numbers::pi * k / 16.0)
            + 6 * std::sin(k * 12.9898) * std::cos(k * 78.233);
        curve.at(k).sampleValue = static_cast<std::int16_t>(std::lround(value));
    }
    return curve;
}

ShownTexts shownLabels()
{
    ShownTexts texts {};
    texts[0] = "0.2 V"; // 101
    texts[1] = "AC";
    texts[2] = "UNCAL'D";
    texts[3] = "ON";
    texts[8] = "0.5 \u00b5S"; // 109
    texts[9] = "ON";
    texts[10] = "OFF";
    texts[21] = "CH1"; // 122
    return texts;
}

void measurementsPerLoad(benchmark::State &state, const CurveTable &curve)
{
    const ShownTexts labels = shownLabels();
    for (auto _ : state) {
        const auto texts = measurementTexts(measureCurve(curve), shownScale(labels));
        benchmark::DoNotOptimize(texts);
    }
}

void BM_MeasurementsNoisySine(benchmark::State &state)
{
    measurementsPerLoad(state, noisySine());
}
BENCHMARK(BM_MeasurementsNoisySine)->Unit(benchmark::kMicrosecond);

void BM_MeasurementsFlatLine(benchmark::State &state)
{
    measurementsPerLoad(state, CurveTable {});
}
BENCHMARK(BM_MeasurementsFlatLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
