// The captures table: one summary (read, decode, measure) of a realistic capture in
// the page cache, its row as CSV, and the statistics of many rows.
// `table_bench --memory N` instead holds N summaries and prints the resident size each.
#include "capture_builder.h"
#include "process_memory.h"
#include "table/summary_pool.h"
#include "table/table_columns.h"
#include "table/table_formats.h"
#include "table/table_statistics.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using namespace orvant;

std::string realisticHex(int seed)
{
    test::CaptureBuilder capture;
    for (std::size_t k = 0; k < capture.samples.size(); ++k)
        capture.samples[k]
            = 131 + static_cast<int>(((k + static_cast<std::size_t>(seed)) / 25) % 2 ? 50 : -50);
    return capture.hexText() + "\r\n";
}

struct Captures
{
    test::TempFolder folder;
    std::filesystem::path file(int i) const
    {
        return folder.path() / ("capture " + std::to_string(i) + ".log");
    }
    explicit Captures(int count)
    {
        for (int i = 0; i < count; ++i)
            test::writeFile(file(i), realisticHex(i));
    }
};

void BM_OneSummary(benchmark::State &state)
{
    const Captures captures(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(summarizeCapture(captures.file(0), "capture 0.log"));
}
BENCHMARK(BM_OneSummary);

void BM_RowAsCsv(benchmark::State &state)
{
    const Captures captures(1);
    const CaptureSummary summary = summarizeCapture(captures.file(0), "capture 0.log");
    for (auto _ : state)
        benchmark::DoNotOptimize(csvRow(tableRow(summary)));
}
BENCHMARK(BM_RowAsCsv);

void BM_StatisticsOf10000Rows(benchmark::State &state)
{
    const Captures captures(1);
    const std::vector<CaptureSummary> rows(10000, summarizeCapture(captures.file(0), "c.log"));
    for (auto _ : state)
        benchmark::DoNotOptimize(tableStatistics(rows));
}
BENCHMARK(BM_StatisticsOf10000Rows)->Unit(benchmark::kMillisecond);

// Summaries as a table holds them: distinct names of a realistic length.
int holdSummaries(int count)
{
    const Captures captures(1);
    const CaptureSummary one = summarizeCapture(captures.file(0), "x");
    std::vector<CaptureSummary> rows;
    rows.reserve(static_cast<std::size_t>(count));
    const long before = orvant::test::residentKilobytes();
    for (int i = 0; i < count; ++i) {
        CaptureSummary summary = one;
        summary.file = "/home/lab/captures/run 2026-12-10/capture " + std::to_string(i) + ".log";
        rows.push_back(std::move(summary));
    }
    const long after = orvant::test::residentKilobytes();
    std::printf("%d summaries: %ld kB resident more, %.0f bytes each (sizeof %zu)\n", count,
                after - before, 1024.0 * static_cast<double>(after - before) / count,
                sizeof(CaptureSummary));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return holdSummaries(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
