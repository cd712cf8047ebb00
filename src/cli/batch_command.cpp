#include "cli/batch_command.h"

#include "cli/batch_command_line.h"
#include "shared/folders.h"
#include "table/capture_json.h"
#include "table/capture_summary.h"
#include "table/table_command.h"

#include <ostream>

namespace orvant {

namespace {

// The capture's JSON, measured from the load the run made.
std::string jsonOfLoaded(const std::string &capture, const VarGlobal &state)
{
    return captureJson(summarizeLoaded(pathFromText(capture), capture, state), state.curveTable);
}

} // namespace

int runBatchExport(const std::vector<std::string> &args, const BatchIo &io)
{
    const ParsedBatchArgs parsed = parseBatchArgs(args);
    if (parsed.usageError) {
        io.err << "orvant-export: " << *parsed.usageError << '\n'
               << batchUsageText() << "Try 'orvant-export --help' for more.\n";
        return kBatchUsage;
    }
    if (parsed.help) {
        io.out << batchHelpText(io.defaultFolder);
        return kBatchOk;
    }
    if (parsed.version) {
        io.out << batchVersionText();
        return kBatchOk;
    }
    if (parsed.table) {
        const TableFormat format = parsed.json ? TableFormat::Json
            : parsed.stats                     ? TableFormat::Statistics
                                               : TableFormat::Csv;
        if (!parsed.reference)
            return writeCapturesTable(parsed.options.captures, format, io.out, io.err);
        const LoadedReference loaded = loadReference(pathFromText(*parsed.reference));
        if (!loaded.curve) {
            io.err << "orvant-export: the reference " << *parsed.reference
                   << " could not be loaded: Error " << loaded.error->number << " ("
                   << loaded.error->description << ")\n";
            return kBatchFailed;
        }
        const ReferenceComparison reference {*loaded.curve, parsed.band};
        return writeCapturesTable(parsed.options.captures, format, io.out, io.err, 0, &reference);
    }
    if (parsed.report) {
        if (!io.report) {
            io.err << "orvant-export: --report is not available: this build of ORVANT has no "
                      "viewer, whose drawing makes the pictures\n";
            return kBatchUsage;
        }
        return io.report(parsed.options.captures, *parsed.report, io.out, io.err);
    }
    BatchIo withJson = io;
    if (!withJson.json)
        withJson.json = jsonOfLoaded;
    return runBatch(parsed.options, withJson);
}

} // namespace orvant
