// orvant-export over 1000 realistic captures into a folder, by chunk size and
// sync call, beside a plain loop that writes the same bytes aside, syncs once
// and renames. Counter "captures/s" per run; every run replaces the files of
// the one before.
#include "capture_builder.h"
#include "cli/batch_command.h"
#include "shared/durable_chunk.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>

namespace {

using namespace orvant;
namespace fs = std::filesystem;

constexpr int kCaptures = 1000;
const auto kMoment = std::chrono::system_clock::from_time_t(1'796'000'000);

struct Captures
{
    test::TempFolder folder;
    fs::path out = folder.path() / "out";
    std::vector<std::string> names;
    std::vector<std::string> contents; // their data files

    Captures()
    {
        fs::create_directory(out);
        for (int i = 0; i < kCaptures; ++i) {
            test::CaptureBuilder capture;
            for (std::size_t k = 0; k < capture.samples.size(); ++k)
                capture.samples[k] = static_cast<int>((k * 7 + static_cast<std::size_t>(i)) % 256);
            const fs::path file = folder.path() / ("capture " + std::to_string(i) + ".log");
            names.push_back(test::writeFile(file, capture.hexText() + "\r\n").string());
            contents.push_back(exportFreshCapture(file, ExportTime::at(kMoment)).content);
        }
    }
};

const Captures &captures()
{
    static const Captures once;
    return once;
}

void BM_Batch(benchmark::State &bench)
{
    const Captures &all = captures();
    const auto call = static_cast<SyncCall>(bench.range(0));
    const auto sync = makeChunkSync(call);
    std::vector<std::string> args = {"--to", all.out.string()};
    args.insert(args.end(), all.names.begin(), all.names.end());
    std::ostringstream out;
    std::ostringstream err;
    const BatchIo io {out,     err,        [] { return kMoment; },
                      all.out, sync.get(), static_cast<std::size_t>(bench.range(1))};
    for (auto _ : bench) {
        out.str({});
        if (runBatchExport(args, io) != kBatchOk)
            bench.SkipWithError(err.str().c_str());
    }
    bench.counters["captures/s"] = benchmark::Counter(static_cast<double>(kCaptures)
                                                          * static_cast<double>(bench.iterations()),
                                                      benchmark::Counter::kIsRate);
}
// Sync call (0 syncfs, 1 fsync each, 2 write-back started as each file is
// written, then fsync each, 3 the same, then syncfs), chunk size.
BENCHMARK(BM_Batch)
    ->ArgsProduct({{0}, {16, 64, 256, 1000}})
    ->ArgsProduct({{1, 2, 3}, {64, 256, 1000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The same bytes: every file aside, one sync, every rename.
void BM_PlainLoop(benchmark::State &bench)
{
    const Captures &all = captures();
    for (auto _ : bench) {
        std::vector<int> fds;
        for (int i = 0; i < kCaptures; ++i) {
            const std::string &content = all.contents[static_cast<std::size_t>(i)];
            const fs::path temp = all.out / (".plain" + std::to_string(i));
            const int fd = ::open(temp.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0666);
            if (fd < 0
                || ::write(fd, content.data(), content.size())
                    != static_cast<ssize_t>(content.size()))
                bench.SkipWithError("write failed");
            fds.push_back(fd);
        }
        if (::syncfs(fds.front()) != 0)
            bench.SkipWithError("sync failed");
        for (int i = 0; i < kCaptures; ++i) {
            ::close(fds[static_cast<std::size_t>(i)]);
            const fs::path temp = all.out / (".plain" + std::to_string(i));
            fs::rename(temp, all.out / ("plain " + std::to_string(i) + " Data File.txt"));
        }
    }
    bench.counters["captures/s"] = benchmark::Counter(static_cast<double>(kCaptures)
                                                          * static_cast<double>(bench.iterations()),
                                                      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
