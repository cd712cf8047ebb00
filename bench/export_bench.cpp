// The export: building the 1581 lines, writing them aside and into place, and
// one capture of orvant-export from its file to its data file.
#include "capture/capture_load.h"
#include "capture_builder.h"
#include "cli/batch_command.h"
#include "export/export_file.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

namespace {

using namespace orvant;

const ExportTime kTime {"2026-12-09", "14:05:09"};

std::string realisticHex()
{
    test::CaptureBuilder capture;
    capture.lead = {0x0A, 0x0D, 0x00, 0xC8, 0xFF, 0x64, 0x7F, 0x99, 0x1B, 0x09};
    for (std::size_t k = 0; k < capture.samples.size(); ++k)
        capture.samples[k] = static_cast<int>((k * 7 + 40) % 256);
    return capture.hexText() + "\r\n";
}

// A capture file in the page cache, the state of its load and a folder to write into.
struct Loaded
{
    test::TempFolder folder;
    std::filesystem::path file = test::writeFile(folder.path() / "capture.log", realisticHex());
    std::filesystem::path exportFolder = folder.path() / "out";
    std::unique_ptr<VarGlobal> state = std::make_unique<VarGlobal>();

    Loaded()
    {
        std::filesystem::create_directory(exportFolder);
        LoadStages quiet;
        loadCapture(file, *state, quiet);
    }
};

const Loaded &loaded()
{
    static const Loaded once;
    return once;
}

void BM_ExportContent(benchmark::State &bench)
{
    const VarGlobal &state = *loaded().state;
    for (auto _ : bench) {
        std::string content
            = exportContent(state.captureText, state.byteTable, state.curveTable, kTime);
        benchmark::DoNotOptimize(content);
    }
    bench.SetBytesProcessed(bench.iterations() * 56793);
}
BENCHMARK(BM_ExportContent);

void BM_WriteExportFile(benchmark::State &bench)
{
    const Loaded &program = loaded();
    for (auto _ : bench) {
        const ExportResult result = writeExportFile(program.exportFolder, *program.state, kTime);
        if (result.failure)
            bench.SkipWithError(result.failure->c_str());
    }
}
BENCHMARK(BM_WriteExportFile)->Unit(benchmark::kMicrosecond);

// Read, load into a fresh state, build the lines: no file written.
void BM_ExportFreshCapture(benchmark::State &bench)
{
    const Loaded &program = loaded();
    for (auto _ : bench) {
        CaptureExport result = exportFreshCapture(program.file, kTime);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ExportFreshCapture)->Unit(benchmark::kMicrosecond);

// One capture of orvant-export, its data file written into place.
void BM_BatchOneCapture(benchmark::State &bench)
{
    const Loaded &program = loaded();
    const std::vector<std::string> args
        = {"--to", program.exportFolder.string(), program.file.string()};
    std::ostringstream out;
    std::ostringstream err;
    const BatchIo io {out, err, [] { return std::chrono::system_clock::now(); },
                      program.exportFolder};
    for (auto _ : bench) {
        out.str({});
        if (runBatchExport(args, io) != kBatchOk)
            bench.SkipWithError("the run failed");
    }
}
BENCHMARK(BM_BatchOneCapture)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
