#pragma once

#include "export/batch_export.h"
#include "measure/reference_difference.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

// What the command line of orvant-export asks for: the run's options, or the
// help, the version, or the usage error.
struct ParsedBatchArgs
{
    BatchOptions options;
    bool help = false; // --help, -h
    bool version = false; // --version
    // --table: the captures table of captures and folders on standard output, as
    // CSV, or with --json as JSON, or with --stats its statistics.
    bool table = false;
    bool json = false;
    bool stats = false;
    // --reference CAPTURE [--band VOLTS,SAMPLES]: with --table, each capture compared
    // with the reference, within the band (exact without --band).
    std::optional<std::string> reference;
    ReferenceBand band;
    // --report FILE: one PDF of the captures, a page each after their statistics.
    std::optional<std::filesystem::path> report;
    std::optional<std::string> usageError;
};

// The arguments after the program name.
ParsedBatchArgs parseBatchArgs(const std::vector<std::string> &args);

std::string batchUsageText();
// The --help text; it names the export folder used without --to.
std::string batchHelpText(const std::filesystem::path &defaultFolder);
std::string batchVersionText(); // "orvant-export <version>\n"

} // namespace orvant
