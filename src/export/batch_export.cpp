#include "export/batch_export.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "export/curve_csv.h"
#include "export/output_name.h"
#include "shared/atomic_file.h"
#include "shared/durable_chunk.h"
#include "shared/folders.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

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
    for (const auto &[name, flag] :
         {std::pair {"--stdout", &options.toStdout}, std::pair {"--csv", &options.csv},
          std::pair {"--png", &options.png}}) {
        if (arg == name) {
            *flag = true;
            return std::nullopt;
        }
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
    if (options.toStdout && options.png)
        return "--png cannot write to standard output";
    return std::nullopt;
}

std::string usageLines()
{
    return "Usage: orvant-export [--csv] [--png] [--to FOLDER] CAPTURE...\n"
           "       orvant-export [--csv] --stdout CAPTURE\n";
}

// Two names that are one file: the same text, or on Windows the same text in
// any letter case, beyond ASCII too.
std::string outputKey(std::string name)
{
#ifdef _WIN32
    std::wstring wide = pathFromText(name).native();
    ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    name = pathText(std::filesystem::path(wide));
#endif
    return name;
}

void reportLoadError(std::ostream &err, std::string_view capture, const LoadError &error)
{
    err << capture << ": Error " << error.number << " (" << error.description << ")\n";
}

// The viewer warns and loads the file all the same.
class BatchStages : public LoadStages
{
public:
    BatchStages(std::ostream &err, std::string_view capture)
        : err_(err)
        , capture_(capture)
    {
    }
    void extensionWarning() override { err_ << capture_ << ": " << extensionWarningText() << '\n'; }

private:
    std::ostream &err_;
    std::string_view capture_;
};

std::vector<BatchOutput> outputsOf(const BatchOptions &options)
{
    if (!options.csv && !options.png)
        return {BatchOutput::DataFile};
    std::vector<BatchOutput> outputs;
    if (options.csv)
        outputs.push_back(BatchOutput::Csv);
    if (options.png)
        outputs.push_back(BatchOutput::Picture);
    return outputs;
}

// A fresh load of the capture, and the moment line 1 of its data file names.
struct BatchCapture
{
    FreshCapture fresh;
    ExportTime time;
};

BatchCapture loadOf(std::string_view capture, const BatchIo &io)
{
    BatchStages stages(io.err, capture);
    const ExportTime time = ExportTime::at(io.now());
    return {loadFreshCapture(pathFromText(std::string(capture)), stages), time};
}

// The bytes of one output; none when the picture could not be made.
std::optional<std::string> contentOf(BatchOutput output, const BatchCapture &loaded,
                                     const BatchIo &io)
{
    const VarGlobal &state = *loaded.fresh.state;
    switch (output) {
    case BatchOutput::Csv:
        return curveCsv(state.curveTable, shownScale(state.shown.values()));
    case BatchOutput::Picture:
        if (std::string png = io.picture(state.curveTable); !png.empty())
            return png;
        return std::nullopt;
    case BatchOutput::DataFile:
        break;
    }
    return exportContent(state.captureText, state.byteTable, state.curveTable, loaded.time);
}

int exportToStdout(const BatchOptions &options, const BatchIo &io)
{
    const std::string &capture = options.captures.front();
    const BatchCapture loaded = loadOf(capture, io);
    if (loaded.fresh.error) {
        reportLoadError(io.err, capture, *loaded.fresh.error);
        return kBatchFailed;
    }
    const std::string content = *contentOf(outputsOf(options).front(), loaded, io);
    io.out.write(content.data(), static_cast<std::streamsize>(content.size()));
    io.out.flush();
    if (!io.out) {
        io.err << kProgram << ": standard output could not be written\n";
        return kBatchFailed;
    }
    return kBatchOk;
}

std::string_view outputSuffix(BatchOutput output)
{
    switch (output) {
    case BatchOutput::Csv:
        return ".csv";
    case BatchOutput::Picture:
        return ".png";
    case BatchOutput::DataFile:
        break;
    }
    return " Data File.txt";
}

bool isLeftAside(const std::string &fileName)
{
    for (const BatchOutput output : {BatchOutput::DataFile, BatchOutput::Csv, BatchOutput::Picture})
        if (isAsideName(fileName, outputSuffix(output)))
            return true;
    return false;
}

// Removes the files an interrupted run left aside in the folder: only this
// command's, known by their names.
void removeLeftAsideFiles(const std::filesystem::path &folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (isLeftAside(pathText(entry->path().filename()))
            && entry->symlink_status(ignored).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(entry->path(), ignored);
    }
}

// One run into a folder: captures are written aside chunk by chunk and
// reported written only once their chunk is durable in place.
class FolderRun
{
public:
    FolderRun(std::filesystem::path folder, const BatchIo &io, ChunkSync &sync)
        : folder_(std::move(folder))
        , io_(io)
        , chunk_(sync)
    {
    }

    // Returns false when the capture failed before its chunk is committed.
    bool add(const std::string &capture, const std::vector<BatchOutput> &outputs)
    {
        const BatchCapture loaded = loadOf(capture, io_);
        if (loaded.fresh.error) {
            reportLoadError(io_.err, capture, *loaded.fresh.error);
            return false;
        }
        bool allAdded = true;
        for (const BatchOutput output : outputs)
            allAdded = addOutput(capture, output, loaded) && allAdded;
        return allAdded;
    }

    bool chunkFull() const { return pending_.size() >= io_.chunkSize; }

    // Returns false when a capture of the chunk failed.
    bool commit()
    {
        const auto results = chunk_.commit();
        bool allWritten = true;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            const Pending &p = pending_[i];
            if (results[i]) {
                written_.erase(p.key);
                reportNotCreated(p.capture, p.target, *results[i]);
                allWritten = false;
            } else {
                io_.out << p.capture << ": " << pathText(p.target) << '\n';
            }
        }
        pending_.clear();
        return allWritten;
    }

private:
    bool addOutput(const std::string &capture, BatchOutput output, const BatchCapture &loaded)
    {
        const std::string name = batchOutputName(pathFromText(capture), output);
        const std::filesystem::path target = folder_ / pathFromText(name);
        if (written_.contains(outputKey(name))) {
            io_.err << capture << ": not written, " << pathText(target)
                    << " was already written by this run\n";
            return false;
        }
        const std::optional<std::string> content = contentOf(output, loaded, io_);
        if (!content) {
            reportNotCreated(capture, target, "the picture could not be drawn");
            return false;
        }
        if (const auto failure = chunk_.add(target, *content)) {
            reportNotCreated(capture, target, *failure);
            return false;
        }
        // Taken from now on; given back if the chunk fails.
        written_.insert(outputKey(name));
        pending_.push_back({capture, target, outputKey(name)});
        return true;
    }

    struct Pending
    {
        std::string capture;
        std::filesystem::path target;
        std::string key;
    };

    void reportNotCreated(std::string_view capture, const std::filesystem::path &target,
                          const std::string &reason)
    {
        io_.err << capture << ": " << pathText(target) << " could not be created: " << reason
                << '\n';
    }

    std::filesystem::path folder_;
    const BatchIo &io_;
    DurableChunk chunk_;
    std::vector<Pending> pending_;
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
    removeLeftAsideFiles(folder);
    const std::unique_ptr<ChunkSync> ownSync = io.sync ? nullptr : makeChunkSync(defaultSyncCall());
    FolderRun run(folder, io, io.sync ? *io.sync : *ownSync);
    const std::vector<BatchOutput> outputs = outputsOf(options);
    bool allWritten = true;
    for (const std::string &capture : options.captures) {
        allWritten = run.add(capture, outputs) && allWritten;
        if (run.chunkFull())
            allWritten = run.commit() && allWritten;
    }
    return run.commit() && allWritten ? kBatchOk : kBatchFailed;
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
          "  --csv        write the curve as \"<capture file name>.csv\" instead of the\n"
          "               data file: sample,time_s,value,volts, one row per sample,\n"
          "               scaled by the settings the capture holds\n"
          "  --png        write the plot as \"<capture file name>.png\" instead of the\n"
          "               data file: 733 x 585 pixels, the graticule and the curve in\n"
          "               black, as the viewer shows the capture loaded first after\n"
          "               its start (not in a build without the viewer)\n"
          "               --csv and --png together write both.\n"
          "  --stdout     write the lines of exactly one capture (its data file, or\n"
          "               with --csv its CSV) to standard output instead (not\n"
          "               together with --to or --png)\n"
          "  --help       show this text\n"
          "\n"
          "Each capture is written as \"<capture file name> Data File.txt\", where a final\n"
          "\".log\" of the name, in any letter case, is left out. An existing file of that\n"
          "name is replaced. When two captures of one run would write the same file, the\n"
          "second is reported and not written.\n"
          "\n"
          "One line per file written, on standard output, and one per failure, on\n"
          "standard error, for example \"a.log: Error 53 (File not found)\". A name that\n"
          "does not end in \".log\" (letter case counts) gets the viewer's warning on\n"
          "standard error and is converted all the same.\n"
          "\n"
          "Exit status: 0 when every capture was written, 1 when a capture failed or the\n"
          "folder is missing, 2 for a wrong command line.\n";
}

std::string batchOutputName(const std::filesystem::path &capture, BatchOutput output)
{
    return outputBaseName(pathText(capture.filename())).append(outputSuffix(output));
}

FreshCapture loadFreshCapture(const std::filesystem::path &capture, LoadStages &stages)
{
    // Failures are returned, not shown: only the read can fail.
    class Seen : public LoadStages
    {
    public:
        explicit Seen(LoadStages &caller)
            : caller_(caller)
        {
        }
        void extensionWarning() override { caller_.extensionWarning(); }
        void failed(const LoadError &error) override { this->error = error; }
        std::optional<LoadError> error;

    private:
        LoadStages &caller_;
    } seen(stages);

    // Fresh for every capture. No list rows.
    FreshCapture result {std::make_unique<VarGlobal>(), {}};
    if (loadCapture(capture, *result.state, seen) == LoadEnd::Failed)
        result.error = seen.error;
    return result;
}

CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time,
                                 LoadStages &stages)
{
    const FreshCapture fresh = loadFreshCapture(capture, stages);
    if (fresh.error)
        return {{}, fresh.error};
    const VarGlobal &state = *fresh.state;
    return {exportContent(state.captureText, state.byteTable, state.curveTable, line1Time), {}};
}

CaptureExport exportFreshCapture(const std::filesystem::path &capture, const ExportTime &line1Time)
{
    LoadStages quiet;
    return exportFreshCapture(capture, line1Time, quiet);
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
    if (options.png && !io.picture) {
        io.err << kProgram
               << ": --png is not available: this build of ORVANT has no viewer, "
                  "whose drawing makes the pictures\n";
        return kBatchUsage;
    }
    if (options.toStdout)
        return exportToStdout(options, io);
    return exportToFolder(options, io);
}

} // namespace orvant
