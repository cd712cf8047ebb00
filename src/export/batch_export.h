#pragma once

#include "export/batch_output.h"
#include "export/fresh_capture.h"
#include "measure/spectrum.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

// What one run of orvant-export does, as its command line asks.
struct BatchOptions
{
    std::optional<std::filesystem::path> folder; // --to FOLDER
    bool toStdout = false; // --stdout
    bool csv = false; // --csv
    bool png = false; // --png
    std::optional<WindowFunction> spectrum; // --spectrum [--window NAME]
    bool json = false; // --json (without --table)
    bool svg = false; // --svg
    bool pdf = false; // --pdf
    std::vector<std::string> captures;
};

enum BatchExit : int {
    kBatchOk = 0,
    kBatchFailed = 1, // a capture failed, or the folder is missing
    kBatchUsage = 2,
};

using BatchClock = std::function<std::chrono::system_clock::time_point()>;
// The PNG or SVG bytes of a capture's picture (empty: it could not be made).
using BatchPicture = std::function<std::string(const CurveTable &)>;
// An output made above the core from the capture as given and its fresh load: the
// JSON (with the captures table's keys), the PDF page (empty: it could not be made).
using BatchDocument = std::function<std::string(const std::string &capture, const VarGlobal &)>;

class ChunkSync;

// Captures written aside before their files are made durable together: with
// syncfs the rate hardly depends on it (16 to 1000 measured); 256 keeps the
// syncs few and the open files bounded.
constexpr std::size_t kBatchChunkSize = 256;

struct BatchIo
{
    std::ostream &out;
    std::ostream &err;
    BatchClock now;
    std::filesystem::path defaultFolder; // without --to
    ChunkSync *sync = nullptr; // nullptr: the system's default
    std::size_t chunkSize = kBatchChunkSize;
    BatchPicture picture {}; // none: a build without pictures, --png is refused
    // Captures are loaded and drawn on this many worker threads (0: one per processor)
    // and written in the order given; `now` and `picture` are called from them.
    unsigned threads = 0;
    BatchPicture svg {}; // the same for --svg
    BatchDocument json {}; // none: --json is refused
    BatchDocument pdf {}; // none: --pdf is refused
    // --report FILE: one document of the captures; none: refused.
    std::function<int(const std::vector<std::string> &captures, const std::filesystem::path &target,
                      std::ostream &out, std::ostream &err)>
        report {};
};

// The outputs the options ask for, in the order they are written.
std::vector<BatchOutput> batchOutputsOf(const BatchOptions &options);

// Runs the export of checked options; returns the exit code. Into a folder, the
// files an interrupted run left aside there are removed first; each capture is
// reported written once the files of its chunk are durable in place.
int runBatch(const BatchOptions &options, const BatchIo &io);

} // namespace orvant
