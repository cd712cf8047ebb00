#pragma once

#include "capture/load_error.h"
#include "export/export_file.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <iosfwd>
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

// "<capture file name> Data File.txt": the name without its folder and without
// a final ".log" in any letter case.
std::string batchOutputName(const std::filesystem::path &capture);

// The export the viewer writes after loading the capture as the first capture
// of a fresh start, or the load error.
struct CaptureExport
{
    std::string content;
    std::optional<LoadError> error;
};
CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time);

enum BatchExit : int {
    kBatchOk = 0,
    kBatchFailed = 1, // a capture failed, or the folder is missing
    kBatchUsage = 2,
};

using BatchClock = std::function<std::chrono::system_clock::time_point()>;

struct BatchIo
{
    std::ostream &out;
    std::ostream &err;
    BatchClock now;
    std::filesystem::path defaultFolder; // without --to
};

// The whole run of orvant-export; returns the exit code.
int runBatchExport(const std::vector<std::string> &args, const BatchIo &io);

} // namespace orvant
