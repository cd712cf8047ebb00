// Draw the graticule and Draw the curve on a plot area of the real size
// (11000 x 8780 twips).
#include "shared/curve_sample.h"
#include "widgets/pic_curve.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace orvant;

constexpr QSize kArea(733, 585);

CurveTable waveCurve()
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k)
        curve.at(k).sampleValue
            = static_cast<std::int16_t>(128 + std::lround(100 * std::sin(k / 9.0)));
    return curve;
}

void BM_DrawGraticule(benchmark::State &state)
{
    PicCurve plot;
    plot.resize(kArea);
    for (auto _ : state)
        drawGraticule(plot);
    benchmark::DoNotOptimize(plot.image().constBits());
}
BENCHMARK(BM_DrawGraticule)->Unit(benchmark::kMicrosecond);

void BM_DrawCurve(benchmark::State &state)
{
    PicCurve plot;
    plot.resize(kArea);
    drawGraticule(plot);
    const CurveTable curve = waveCurve();
    for (auto _ : state)
        drawCurve(plot, curve, 3);
    benchmark::DoNotOptimize(plot.image().constBits());
}
BENCHMARK(BM_DrawCurve)->Unit(benchmark::kMicrosecond);

// What "Clear Window" asks of the plot.
void BM_ClearAndGraticule(benchmark::State &state)
{
    PicCurve plot;
    plot.resize(kArea);
    for (auto _ : state) {
        plot.clear();
        drawGraticule(plot);
    }
    benchmark::DoNotOptimize(plot.image().constBits());
}
BENCHMARK(BM_ClearAndGraticule)->Unit(benchmark::kMicrosecond);

void BM_CurveCommands(benchmark::State &state)
{
    const CurveTable curve = waveCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(curveCommands(curve, 3));
}
BENCHMARK(BM_CurveCommands)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The plot is a widget: a QApplication, not only a QGuiApplication.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
