// One whole core load of a realistic capture read from a file in the page
// cache, the same load from memory, and each of its stages on its own.
#include "capture/capture_file.h"
#include "capture/capture_load.h"
#include "capture/capture_numbers.h"
#include "capture/curve_samples.h"
#include "capture/first_field.h"
#include "capture/preparation.h"
#include "capture/settings_decoder.h"
#include "capture_builder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

using namespace orvant;

std::string realisticHex()
{
    test::CaptureBuilder capture;
    for (std::size_t k = 0; k < capture.samples.size(); ++k)
        capture.samples[k] = static_cast<int>((k * 7 + 40) % 256);
    return capture.hexText();
}

// The capture file, written once and read once so that it sits in the page cache.
struct CaptureFile
{
    test::TempFolder folder;
    std::filesystem::path file
        = test::writeFile(folder.path() / "capture.log", realisticHex() + "\r\n");
    CaptureFile() { readPreparedCapture(file); }
};

const std::filesystem::path &captureFile()
{
    static const CaptureFile capture;
    return capture.file;
}

// The program state lives for the whole run, as in the viewer.
struct Program
{
    std::unique_ptr<VarGlobal> state = std::make_unique<VarGlobal>();
    std::unique_ptr<ListRows> rows = std::make_unique<ListRows>();
};

const LetEventsRun kNoEvents = [] {
    return true;
};

// What the window keeps of the stages: the decoded settings.
class KeptStages : public LoadStages
{
public:
    void failed(const LoadError &) override { std::abort(); }
    void decoded(const DecodedSettings &texts) override { benchmark::DoNotOptimize(texts); }
};

void BM_CoreLoad(benchmark::State &bench)
{
    const auto &file = captureFile();
    Program program;
    KeptStages stages;
    for (auto _ : bench) {
        loadCapture(file, *program.state, stages, program.rows.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CoreLoad);

// Everything after the file is read: field, preparation, table, rows, numbers,
// settings and samples, from memory.
void BM_DecodeFromMemory(benchmark::State &bench)
{
    const std::string content = realisticHex() + "\r\n";
    Program program;
    KeptStages stages;
    for (auto _ : bench) {
        std::stringbuf in(content);
        loadCapture(in, *program.state, stages, program.rows.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeFromMemory);

void BM_ReadPreparedCapture(benchmark::State &bench)
{
    const auto &file = captureFile();
    for (auto _ : bench) {
        PreparedCapture prepared = readPreparedCapture(file);
        benchmark::DoNotOptimize(prepared);
    }
}
BENCHMARK(BM_ReadPreparedCapture);

// The file system part of the read: checks, open, one read, close.
void BM_OpenAndReadFile(benchmark::State &bench)
{
    const auto &file = captureFile();
    for (auto _ : bench) {
        LoadError error;
        const auto in = openRegularFile(file, error);
        benchmark::DoNotOptimize(in->sgetc());
    }
}
BENCHMARK(BM_OpenAndReadFile);

// The text part of the read: first field and preparation, from memory.
void BM_FieldAndPreparationFromMemory(benchmark::State &bench)
{
    const std::string content = realisticHex() + "\r\n";
    for (auto _ : bench) {
        std::stringbuf in(content);
        const FirstField field = readFirstField(in, kCaptureTextLength);
        PreparedText text = prepareCaptureText(field.text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FieldAndPreparationFromMemory);

void BM_DecodeCapture(benchmark::State &bench)
{
    const PreparedText text = prepareCaptureText(realisticHex());
    Program program;
    for (auto _ : bench) {
        DecodedSettings texts = decodeCapture(*program.state, text, program.rows.get());
        benchmark::DoNotOptimize(texts);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeCapture);

void BM_ByteTableReset(benchmark::State &bench)
{
    Program program;
    for (auto _ : bench) {
        program.state->byteTable.reset();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ByteTableReset);

void BM_BuildByteTable(benchmark::State &bench)
{
    const PreparedText text = prepareCaptureText(realisticHex());
    Program program;
    for (auto _ : bench) {
        buildByteTable(text, program.state->byteTable, program.rows.get());
        CaptureNumbers numbers = captureNumbers(program.state->byteTable);
        benchmark::DoNotOptimize(numbers);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildByteTable);

void BM_DecodeSettings(benchmark::State &bench)
{
    Program program;
    buildByteTable(prepareCaptureText(realisticHex()), program.state->byteTable,
                   program.rows.get());
    const CaptureNumbers numbers = captureNumbers(program.state->byteTable);
    for (auto _ : bench) {
        DecodedSettings texts = decodeSettings(program.state->byteTable, numbers);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_DecodeSettings);

void BM_BuildCurveSamples(benchmark::State &bench)
{
    Program program;
    buildByteTable(prepareCaptureText(realisticHex()), program.state->byteTable,
                   program.rows.get());
    for (auto _ : bench) {
        buildCurveSamples(program.state->byteTable, program.state->curveTable, kNoEvents);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildCurveSamples);

} // namespace

BENCHMARK_MAIN();
