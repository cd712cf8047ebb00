#include "export/batch_export.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "shared/atomic_file.h"
#include "shared/folders.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

namespace orvant {

namespace {

constexpr std::string_view kProgram = "orvant-export";

bool isOption(std::string_view arg)
{
    return arg.size() > 1 && arg.front() == '-';
}

// Takes one argument into the options; returns the usage error it makes, if any.
// `next` is the argument after it, for options that take a value.
std::optional<std::string> takeOption(std::string_view arg, const std::string *next, bool &usedNext,
                                      BatchOptions &options)
{
    if (arg == "--help" || arg == "-h") {
        options.help = true;
        return std::nullopt;
    }
    if (arg == "--stdout") {
        options.toStdout = true;
        return std::nullopt;
    }
    std::optional<std::string_view> folder;
    if (arg == "--to") {
        if (!next)
            return "--to needs a folder";
        folder = *next;
        usedNext = true;
    } else if (arg.starts_with("--to=")) {
        folder = arg.substr(5);
    } else {
        return "unknown option " + std::string(arg);
    }
    if (folder->empty())
        return "--to needs a folder";
    if (options.folder)
        return "--to given twice";
    options.folder = pathFromText(std::string(*folder));
    return std::nullopt;
}

std::optional<std::string> checkOptions(const BatchOptions &options)
{
    if (options.help)
        return std::nullopt;
    if (options.captures.empty())
        return "no capture given";
    if (options.toStdout && options.folder)
        return "--stdout and --to exclude each other";
    if (options.toStdout && options.captures.size() != 1)
        return "--stdout takes exactly one capture";
    return std::nullopt;
}

std::string usageLines()
{
    return "Usage: orvant-export [--to FOLDER] CAPTURE...\n"
           "       orvant-export --stdout CAPTURE\n";
}

bool endsWithLogInAnyCase(std::string_view name)
{
    constexpr std::string_view kLog = ".log";
    if (name.size() < kLog.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kLog.size());
    return std::equal(tail.begin(), tail.end(), kLog.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

// Two names that are one file: the same text, or on Windows the same text in
// any letter case.
std::string outputKey(std::string name)
{
#ifdef _WIN32
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
#endif
    return name;
}

void reportLoadError(std::ostream &err, std::string_view capture, const LoadError &error)
{
    err << capture << ": Error " << error.number << " (" << error.description << ")\n";
}

// The viewer warns and loads the file all the same.
void warnExtension(std::ostream &err, std::string_view capture)
{
    if (!endsWithLogExtension(capture))
        err << capture << ": " << extensionWarningText() << '\n';
}

CaptureExport exportOf(std::string_view capture, const BatchIo &io)
{
    warnExtension(io.err, capture);
    return exportFreshCapture(pathFromText(std::string(capture)), ExportTime::at(io.now()));
}

int exportToStdout(const std::string &capture, const BatchIo &io)
{
    const CaptureExport result = exportOf(capture, io);
    if (result.error) {
        reportLoadError(io.err, capture, *result.error);
        return kBatchFailed;
    }
    io.out.write(result.content.data(), static_cast<std::streamsize>(result.content.size()));
    io.out.flush();
    if (!io.out) {
        io.err << kProgram << ": standard output could not be written\n";
        return kBatchFailed;
    }
    return kBatchOk;
}

// One run into a folder: the output names written so far.
class FolderRun
{
public:
    FolderRun(std::filesystem::path folder, const BatchIo &io)
        : folder_(std::move(folder))
        , io_(io)
    {
    }

    // Returns false when the capture was not written.
    bool exportCapture(const std::string &capture)
    {
        const CaptureExport result = exportOf(capture, io_);
        if (result.error) {
            reportLoadError(io_.err, capture, *result.error);
            return false;
        }
        const std::string name = batchOutputName(pathFromText(capture));
        const std::filesystem::path target = folder_ / pathFromText(name);
        if (written_.contains(outputKey(name))) {
            io_.err << capture << ": not written, " << pathText(target)
                    << " was already written by this run\n";
            return false;
        }
        if (const auto failure = writeFileAtomically(target, result.content)) {
            io_.err << capture << ": " << pathText(target) << " could not be created: " << *failure
                    << '\n';
            return false;
        }
        written_.insert(outputKey(name));
        io_.out << capture << ": " << pathText(target) << '\n';
        return true;
    }

private:
    std::filesystem::path folder_;
    const BatchIo &io_;
    std::set<std::string> written_;
};

int exportToFolder(const BatchOptions &options, const BatchIo &io)
{
    const std::filesystem::path folder = options.folder.value_or(io.defaultFolder);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        io.err << kProgram << ": the folder " << pathText(folder) << " does not exist\n";
        return kBatchFailed;
    }
    FolderRun run(folder, io);
    bool allWritten = true;
    for (const std::string &capture : options.captures)
        allWritten = run.exportCapture(capture) && allWritten;
    return allWritten ? kBatchOk : kBatchFailed;
}

} // namespace

ParsedBatchArgs parseBatchArgs(const std::vector<std::string> &args)
{
    ParsedBatchArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && !parsed.usageError; ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || !isOption(arg)) {
            parsed.options.captures.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else {
            bool usedNext = false;
            const std::string *next = i + 1 < args.size() ? &args[i + 1] : nullptr;
            parsed.usageError = takeOption(arg, next, usedNext, parsed.options);
            if (usedNext)
                ++i;
        }
    }
    if (!parsed.usageError)
        parsed.usageError = checkOptions(parsed.options);
    return parsed;
}

std::string batchHelpText(const std::filesystem::path &defaultFolder)
{
    return usageLines()
        + "\n"
          "Writes the ORVANT data file of each capture file: the same 1581 lines that\n"
          "\"Export Data\" writes after the capture was loaded as the first capture of a\n"
          "fresh start, with the current date and time in line 1. No window is opened.\n"
          "\n"
          "  --to FOLDER  write into FOLDER; without it the export folder\n"
          "               "
        + pathText(defaultFolder)
        + "\n"
          "               The folder must exist: it is never created.\n"
          "  --stdout     write the lines of exactly one capture to standard output\n"
          "               instead (not together with --to)\n"
          "  --help       show this text\n"
          "\n"
          "Each capture is written as \"<capture file name> Data File.txt\", where a final\n"
          "\".log\" of the name, in any letter case, is left out. An existing file of that\n"
          "name is replaced. When two captures of one run would write the same file, the\n"
          "second is reported and not written.\n"
          "\n"
          "One line per capture: the file written on standard output, or the failure on\n"
          "standard error, for example \"a.log: Error 53 (File not found)\". A name that\n"
          "does not end in \".log\" (letter case counts) gets the viewer's warning on\n"
          "standard error and is converted all the same.\n"
          "\n"
          "Exit status: 0 when every capture was written, 1 when a capture failed or the\n"
          "folder is missing, 2 for a wrong command line.\n";
}

std::string batchOutputName(const std::filesystem::path &capture)
{
    std::string name = pathText(capture.filename());
    if (endsWithLogInAnyCase(name))
        name.resize(name.size() - 4);
    return name + " Data File.txt";
}

CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time)
{
    CaptureExport result;
    const PreparedCapture prepared = readPreparedCapture(capture);
    if (prepared.error) {
        result.error = prepared.error;
        return result;
    }
    // Large tables: on the heap, fresh for every capture.
    const auto state = std::make_unique<VarGlobal>();
    const auto rows = std::make_unique<ListRows>();
    decodeCapture(*state, prepared.text, *rows);
    buildCurveSamples(state->byteTable, state->curveTable);
    result.content
        = exportContent(state->captureText, state->byteTable, state->curveTable, line1Time);
    return result;
}

int runBatchExport(const std::vector<std::string> &args, const BatchIo &io)
{
    const ParsedBatchArgs parsed = parseBatchArgs(args);
    if (parsed.usageError) {
        io.err << kProgram << ": " << *parsed.usageError << '\n'
               << usageLines() << "Try 'orvant-export --help' for more.\n";
        return kBatchUsage;
    }
    const BatchOptions &options = parsed.options;
    if (options.help) {
        io.out << batchHelpText(io.defaultFolder);
        return kBatchOk;
    }
    if (options.toStdout)
        return exportToStdout(options.captures.front(), io);
    return exportToFolder(options, io);
}

} // namespace orvant
