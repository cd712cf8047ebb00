#pragma once

#include "capture/capture_load.h"
#include "capture/load_error.h"
#include "export/export_file.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// What the command line of orvant-export asks for.
struct BatchOptions
{
    std::optional<std::filesystem::path> folder; // --to FOLDER
    bool toStdout = false; // --stdout
    bool help = false; // --help
    bool csv = false; // --csv
    bool png = false; // --png
    std::vector<std::string> captures;
};

struct ParsedBatchArgs
{
    BatchOptions options;
    std::optional<std::string> usageError;
};

// The arguments after the program name.
ParsedBatchArgs parseBatchArgs(const std::vector<std::string> &args);

// The --help text; it names the export folder used without --to.
std::string batchHelpText(const std::filesystem::path &defaultFolder);

// What a capture is written as: the data file unless --csv or --png ask for others.
enum class BatchOutput { DataFile, Csv, Picture };

// "<capture file name> Data File.txt", "<capture file name>.csv" or
// "<capture file name>.png": the name without its folder and without a final ".log"
// in any letter case.
std::string batchOutputName(const std::filesystem::path &capture,
                            BatchOutput output = BatchOutput::DataFile);

// The program's state after loading the capture as the first capture of a fresh
// start (its shown settings those the panel shows), or the load error.
struct FreshCapture
{
    std::unique_ptr<VarGlobal> state; // large tables: on the heap
    std::optional<LoadError> error;
};
FreshCapture loadFreshCapture(const std::filesystem::path &capture, LoadStages &stages);

// The export the viewer writes after loading the capture as the first capture
// of a fresh start, or the load error.
struct CaptureExport
{
    std::string content;
    std::optional<LoadError> error;
};
CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time);
// The same, the stages seen by `stages` (the extension warning; a failure is
// returned all the same).
CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time,
                                 LoadStages &stages);

enum BatchExit : int {
    kBatchOk = 0,
    kBatchFailed = 1, // a capture failed, or the folder is missing
    kBatchUsage = 2,
};

using BatchClock = std::function<std::chrono::system_clock::time_point()>;
// The PNG bytes of a capture's picture (empty: it could not be made).
using BatchPicture = std::function<std::string(const CurveTable &)>;

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
};

// The whole run of orvant-export; returns the exit code. Into a folder, the
// files an interrupted run left aside there are removed first; each capture
// is reported written once the files of its chunk are durable in place.
int runBatchExport(const std::vector<std::string> &args, const BatchIo &io);

} // namespace orvant
