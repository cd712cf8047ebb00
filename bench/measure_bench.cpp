// The measurements of one load: measureCurve and the texts of the Measurements window,
// on a noisy sine (many mid-level crossings) and a flat line. Target: 50 µs or less.
// The spectrum and distortion of one load (the Hann spectrum and its figures): 15 µs
// or less.
#include "measure/curve_measurements.h"
#include "measure/distortion.h"
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

SettingValues shownLabels()
{
    SettingValues values;
    for (const auto &[parameter, text] :
         {std::pair<Parameter, std::string_view> {Parameter::Ch1VoltsPerDiv, "0.2 V"},
          {Parameter::Ch1Coupling, "AC"},
          {Parameter::Ch1Var, "UNCAL'D"},
          {Parameter::Ch1Invert, "ON"},
          {Parameter::SecPerDiv, "0.5 \u00b5S"},
          {Parameter::X10Mag, "ON"},
          {Parameter::Xy, "OFF"},
          {Parameter::ChanSel, "CH1"}})
        values.set(parameter, valueOfText(parameter, text));
    return values;
}

void measurementsPerLoad(benchmark::State &state, const CurveTable &curve)
{
    const SettingValues labels = shownLabels();
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

void BM_SpectrumAndDistortion(benchmark::State &state)
{
    const CurveTable curve = noisySine();
    const SettingValues labels = shownLabels();
    for (auto _ : state) {
        const auto analysis
            = analyseDistortion(spectrumOf(curve, shownScale(labels), WindowFunction::Hann));
        benchmark::DoNotOptimize(analysis);
    }
}
BENCHMARK(BM_SpectrumAndDistortion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
