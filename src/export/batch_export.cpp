#include "export/batch_export.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "export/curve_csv.h"
#include "export/folder_run.h"
#include "export/spectrum_csv.h"
#include "shared/durable_chunk.h"
#include "shared/folders.h"
#include "shared/ordered_pool.h"

#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <vector>

namespace orvant {

namespace {

constexpr std::string_view kProgram = "orvant-export";

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

// A fresh load of the capture, and the moment line 1 of its data file names.
struct BatchCapture
{
    std::string capture; // as given
    FreshCapture fresh;
    ExportTime time;
    WindowFunction window;
};

BatchCapture loadOf(std::string_view capture, const BatchOptions &options, std::ostream &err,
                    ExportTime time)
{
    BatchStages stages(err, capture);
    return {std::string(capture), loadFreshCapture(pathFromText(std::string(capture)), stages),
            time, options.spectrum.value_or(WindowFunction::Hann)};
}

std::optional<std::string> madeOrNone(std::string bytes)
{
    if (bytes.empty())
        return std::nullopt;
    return bytes;
}

// The bytes of one output; none when a picture or document could not be made.
std::optional<std::string> contentOf(BatchOutput output, const BatchCapture &loaded,
                                     const BatchIo &io)
{
    const VarGlobal &state = *loaded.fresh.state;
    switch (output) {
    case BatchOutput::Csv:
        return curveCsv(state.curveTable, shownScale(state.shown.values()));
    case BatchOutput::Spectrum:
        return spectrumCsv(
            spectrumOf(state.curveTable, shownScale(state.shown.values()), loaded.window));
    case BatchOutput::Picture:
        return madeOrNone(io.picture(state.curveTable));
    case BatchOutput::Svg:
        return madeOrNone(io.svg(state.curveTable));
    case BatchOutput::Json:
        return madeOrNone(io.json(loaded.capture, state));
    case BatchOutput::Pdf:
        return madeOrNone(io.pdf(loaded.capture, state));
    case BatchOutput::DataFile:
        break;
    }
    return exportContent(state.captureText, state.byteTable, state.curveTable, loaded.time);
}

// A capture made ready on a worker thread: what its load reported, and the bytes of each
// output, for the calling thread to write in the order of the command line.
struct PreparedCapture
{
    std::string warnings;
    std::optional<LoadError> error;
    std::vector<std::optional<std::string>> contents;
};

// Loads and draws one capture; touches nothing shared but the clock, which it takes in
// turn with the other workers.
class CapturePreparer
{
public:
    CapturePreparer(const BatchOptions &options, const BatchIo &io)
        : options_(options)
        , io_(io)
        , outputs_(batchOutputsOf(options))
    {
    }

    PreparedCapture operator()(std::size_t index) const
    {
        std::ostringstream warnings;
        const BatchCapture loaded = loadOf(options_.captures[index], options_, warnings, now());
        PreparedCapture prepared {warnings.str(), loaded.fresh.error, {}};
        if (!loaded.fresh.error)
            for (const BatchOutput output : outputs_)
                prepared.contents.push_back(contentOf(output, loaded, io_));
        return prepared;
    }

    const std::vector<BatchOutput> &outputs() const { return outputs_; }

private:
    ExportTime now() const
    {
        const std::lock_guard lock(clockMutex_);
        return ExportTime::at(io_.now());
    }

    const BatchOptions &options_;
    const BatchIo &io_;
    const std::vector<BatchOutput> outputs_;
    mutable std::mutex clockMutex_;
};

int exportToStdout(const BatchOptions &options, const BatchIo &io)
{
    const std::string &capture = options.captures.front();
    const BatchCapture loaded = loadOf(capture, options, io.err, ExportTime::at(io.now()));
    if (loaded.fresh.error) {
        reportLoadError(io.err, capture, *loaded.fresh.error);
        return kBatchFailed;
    }
    const std::string content = *contentOf(batchOutputsOf(options).front(), loaded, io);
    io.out.write(content.data(), static_cast<std::streamsize>(content.size()));
    io.out.flush();
    if (!io.out) {
        io.err << kProgram << ": standard output could not be written\n";
        return kBatchFailed;
    }
    return kBatchOk;
}

// Returns false when the capture failed before its chunk is committed.
bool addCapture(FolderRun &run, const std::string &capture, const std::vector<BatchOutput> &outputs,
                PreparedCapture &&prepared, std::ostream &err)
{
    err << prepared.warnings;
    if (prepared.error) {
        reportLoadError(err, capture, *prepared.error);
        return false;
    }
    bool allAdded = true;
    for (std::size_t i = 0; i < outputs.size(); ++i)
        allAdded = run.add(capture, outputs[i], [&] { return std::move(prepared.contents[i]); })
            && allAdded;
    return allAdded;
}

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
    FolderRun run(folder, io.out, io.err, io.sync ? *io.sync : *ownSync, io.chunkSize);
    bool allWritten = true;
    const CapturePreparer prepare(options, io);
    const auto write = [&](std::size_t i, PreparedCapture &&prepared) {
        allWritten
            = addCapture(run, options.captures[i], prepare.outputs(), std::move(prepared), io.err)
            && allWritten;
        if (run.chunkFull())
            allWritten = run.commit() && allWritten;
    };
    // A page sets text, which wants the thread that made the application: this one.
    if (options.pdf) {
        for (std::size_t i = 0; i < options.captures.size(); ++i)
            write(i, prepare(i));
    } else {
        runInOrder<PreparedCapture>(options.captures.size(), io.threads, std::cref(prepare), write);
    }
    return run.commit() && allWritten ? kBatchOk : kBatchFailed;
}

} // namespace

std::vector<BatchOutput> batchOutputsOf(const BatchOptions &options)
{
    std::vector<BatchOutput> outputs;
    if (options.csv)
        outputs.push_back(BatchOutput::Csv);
    if (options.png)
        outputs.push_back(BatchOutput::Picture);
    if (options.spectrum)
        outputs.push_back(BatchOutput::Spectrum);
    if (options.json)
        outputs.push_back(BatchOutput::Json);
    if (options.svg)
        outputs.push_back(BatchOutput::Svg);
    if (options.pdf)
        outputs.push_back(BatchOutput::Pdf);
    if (outputs.empty())
        outputs.push_back(BatchOutput::DataFile);
    return outputs;
}

int runBatch(const BatchOptions &options, const BatchIo &io)
{
    const struct
    {
        bool asked;
        bool available;
        std::string_view option;
    } made[] = {{options.png, bool(io.picture), "--png"},
                {options.svg, bool(io.svg), "--svg"},
                {options.pdf, bool(io.pdf), "--pdf"}};
    for (const auto &output : made) {
        if (output.asked && !output.available) {
            io.err << kProgram << ": " << output.option
                   << " is not available: this build of ORVANT has no viewer, "
                      "whose drawing makes the pictures\n";
            return kBatchUsage;
        }
    }
    if (options.json && !io.json) {
        io.err << kProgram << ": --json is not available in this run\n";
        return kBatchUsage;
    }
    if (options.toStdout)
        return exportToStdout(options, io);
    return exportToFolder(options, io);
}

} // namespace orvant
