// The pulse figures of one load: analysis of the record, the figures and their texts,
// on a noisy square of many edges, a slow trapezoid and a flat line. Target: 10 µs of
// CPU or less.
#include "measure/pulse_measurements.h"
#include "shared/curve_sample.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace orvant;

CurveTable recordOf(int (*valueOf)(int))
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k)
        curve.at(k).sampleValue = static_cast<std::int16_t>(valueOf(k));
    return curve;
}

// 32 periods of 16 samples, edges over two samples, a jitter of up to 6 codes.
int noisySquare(int k)
{
    const int t = k % 16;
    const double level = t < 7 ? 60 : t == 7 ? 130 : t < 15 ? 200 : 130;
    return static_cast<int>(std::lround(level + 6 * std::sin(k * 12.9898) * std::cos(k * 78.233)));
}

int trapezoid(int k)
{
    const int t = k % 100;
    return t < 40 ? 50 : t < 50 ? 50 + 16 * (t - 40) : t < 90 ? 210 : 210 - 16 * (t - 90);
}

int flat(int)
{
    return 131;
}

ShownScale scale()
{
    ShownScale shown;
    shown.volts.perDivision = 0.2;
    shown.time.perDivision = 5e-8;
    return shown;
}

void pulsePerLoad(benchmark::State &state, const CurveTable &curve)
{
    const ShownScale shown = scale();
    for (auto _ : state) {
        const auto texts = pulseTexts(measurePulse(curve), shown);
        benchmark::DoNotOptimize(texts);
    }
}

void BM_PulseNoisySquare(benchmark::State &state)
{
    pulsePerLoad(state, recordOf(noisySquare));
}
BENCHMARK(BM_PulseNoisySquare)->Unit(benchmark::kMicrosecond);

void BM_PulseTrapezoid(benchmark::State &state)
{
    pulsePerLoad(state, recordOf(trapezoid));
}
BENCHMARK(BM_PulseTrapezoid)->Unit(benchmark::kMicrosecond);

void BM_PulseFlatLine(benchmark::State &state)
{
    pulsePerLoad(state, recordOf(flat));
}
BENCHMARK(BM_PulseFlatLine)->Unit(benchmark::kMicrosecond);

// The figures alone, as the captures table takes them for each capture.
void BM_PulseFiguresOnly(benchmark::State &state)
{
    const CurveTable curve = recordOf(noisySquare);
    for (auto _ : state) {
        const PulseMeasurements m = measurePulse(curve);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_PulseFiguresOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
