// The one file of orvant-export that reads CLI11 (slow to compile).
#include "cli/batch_command_line.h"

#include "cli/command_words.h"
#include "measure/spectrum.h"
#include "shared/folders.h"

#include <CLI/CLI.hpp>

#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace orvant {

namespace {

constexpr std::array<std::string_view, 12> kFlags
    = {"-h",    "--help", "--version",  "--stdout", "--csv",  "--png",
       "--svg", "--pdf",  "--spectrum", "--table",  "--json", "--stats"};
constexpr std::array<std::string_view, 5> kValueOptions
    = {"--to", "--window", "--report", "--reference", "--band"};

// "rectangular, hann, flat-top or blackman-harris".
std::string windowNames()
{
    std::string names;
    const auto windows = windowFunctions();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (i > 0)
            names += i + 1 == windows.size() ? " or " : ", ";
        names += windows[i].name;
    }
    return names;
}

std::optional<std::string> checkOptions(const ParsedBatchArgs &parsed)
{
    const BatchOptions &options = parsed.options;
    if (parsed.help || parsed.version)
        return std::nullopt;
    if (options.captures.empty())
        return "no capture given";
    if (parsed.report
        && (parsed.table || parsed.json || parsed.stats || options.csv || options.png
            || options.spectrum || options.svg || options.pdf || options.toStdout
            || options.folder))
        return "--report writes one document alone (not with --table, --csv, --png, "
               "--spectrum, --json, --svg, --pdf, --stdout or --to)";
    if (parsed.stats && !parsed.table)
        return "--stats needs --table";
    if (parsed.table
        && (options.csv || options.png || options.spectrum || options.svg || options.pdf
            || options.toStdout || options.folder))
        return "--table writes to standard output alone (not with --csv, --png, --spectrum, "
               "--svg, --pdf, --stdout or --to)";
    if (parsed.json && parsed.stats)
        return "--json and --stats exclude each other";
    if (parsed.reference && !parsed.table)
        return "--reference needs --table";
    if (options.toStdout && options.folder)
        return "--stdout and --to exclude each other";
    if (options.toStdout && options.captures.size() != 1)
        return "--stdout takes exactly one capture";
    if (options.toStdout && (options.png || options.pdf))
        return options.png ? "--png cannot write to standard output"
                           : "--pdf cannot write to standard output";
    if (options.toStdout
        && int(options.csv) + int(options.spectrum.has_value()) + int(options.json)
                + int(options.svg)
            > 1)
        return "--stdout writes one output: --csv, --spectrum, --json or --svg, not more";
    return std::nullopt;
}

// --spectrum with its window, Hann when --window is not given.
std::optional<std::string> readSpectrum(bool spectrum, const std::vector<std::string> &windows,
                                        BatchOptions &options)
{
    if (windows.size() > 1)
        return "--window given twice";
    if (!windows.empty() && !spectrum)
        return "--window needs --spectrum";
    if (!spectrum)
        return std::nullopt;
    options.spectrum = WindowFunction::Hann;
    if (windows.empty())
        return std::nullopt;
    options.spectrum = windowFunctionNamed(windows.front());
    if (!options.spectrum)
        return "--window takes " + windowNames() + ", not " + windows.front();
    return std::nullopt;
}

// "0.05,2": volts and samples, neither negative, decimal only.
std::optional<ReferenceBand> bandOf(const std::string &text)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    const std::string volts = text.substr(0, comma);
    const std::string samples = text.substr(comma + 1);
    try {
        std::size_t voltsEnd = 0;
        std::size_t samplesEnd = 0;
        ReferenceBand band {std::stod(volts, &voltsEnd), std::stoi(samples, &samplesEnd)};
        if (voltsEnd != volts.size() || samplesEnd != samples.size() || !(band.volts >= 0)
            || !std::isfinite(band.volts) || band.samples < 0 || !std::isdigit(volts.front())
            || !std::isdigit(samples.front())
            || volts.find_first_not_of("0123456789.eE+-") != std::string::npos)
            return std::nullopt;
        return band;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

std::optional<std::string> readReference(const std::vector<std::string> &references,
                                         const std::vector<std::string> &bands,
                                         ParsedBatchArgs &parsed)
{
    if (references.size() > 1)
        return "--reference given twice";
    if (bands.size() > 1)
        return "--band given twice";
    if (!bands.empty() && references.empty())
        return "--band needs --reference";
    if (!references.empty())
        parsed.reference = references.front();
    if (bands.empty())
        return std::nullopt;
    const auto band = bandOf(bands.front());
    if (!band)
        return "--band takes VOLTS,SAMPLES, two numbers not below zero (for example "
               "0.05,2), not "
            + bands.front();
    parsed.band = *band;
    return std::nullopt;
}

// Reads the words before the "--" into `parsed`; returns the usage error they make.
std::optional<std::string> readWords(const std::vector<std::string> &words, ParsedBatchArgs &parsed)
{
    if (const auto unknown = firstUnknownOption(words, kFlags, kValueOptions))
        return "unknown option " + *unknown;
    BatchOptions &options = parsed.options;
    CLI::App app;
    app.set_help_flag();
    // "/x" is a path on every system, never an option.
    app.allow_windows_style_options(false);
    app.add_flag("-h,--help", parsed.help);
    app.add_flag("--version", parsed.version);
    app.add_flag("--stdout", options.toStdout);
    app.add_flag("--csv", options.csv);
    app.add_flag("--png", options.png);
    app.add_flag("--svg", options.svg);
    app.add_flag("--pdf", options.pdf);
    bool spectrum = false;
    app.add_flag("--spectrum", spectrum);
    std::vector<std::string> windows;
    app.add_option("--window", windows)->allow_extra_args(false);
    app.add_flag("--table", parsed.table);
    app.add_flag("--json", parsed.json);
    app.add_flag("--stats", parsed.stats);
    std::vector<std::string> folders;
    app.add_option("--to", folders)->allow_extra_args(false);
    std::vector<std::string> references;
    app.add_option("--reference", references)->allow_extra_args(false);
    std::vector<std::string> bands;
    app.add_option("--band", bands)->allow_extra_args(false);
    std::vector<std::string> reports;
    app.add_option("--report", reports)->allow_extra_args(false);
    app.add_option("captures", options.captures);
    // This version of CLI11 takes a vector's words from the back.
    std::vector<std::string> reversed(words.rbegin(), words.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &error) {
        return error.what();
    }
    if (folders.size() > 1)
        return "--to given twice";
    if (!folders.empty())
        options.folder = pathFromText(folders.front());
    if (auto error = readReference(references, bands, parsed))
        return error;
    if (reports.size() > 1)
        return "--report given twice";
    if (!reports.empty())
        parsed.report = pathFromText(reports.front());
    // With --table it is the table's format, else the capture's own output.
    options.json = parsed.json && !parsed.table;
    return readSpectrum(spectrum, windows, options);
}

std::string usageLines()
{
    return "Usage: orvant-export [--csv] [--png] [--spectrum [--window W]] [--json] [--svg] "
           "[--pdf]\n"
           "                     [--to FOLDER] CAPTURE...\n"
           "       orvant-export [--csv|--spectrum [--window W]|--json|--svg] --stdout CAPTURE\n"
           "       orvant-export --table [--json|--stats] [--reference CAPTURE "
           "[--band VOLTS,SAMPLES]]\n"
           "                     CAPTURE|FOLDER...\n"
           "       orvant-export --report FILE.pdf CAPTURE...\n";
}

} // namespace

ParsedBatchArgs parseBatchArgs(const std::vector<std::string> &args)
{
    ParsedBatchArgs parsed;
    const CommandWords words = commandWords(args, kValueOptions);
    if (words.valueMissing) {
        const std::string &option = *words.valueMissing;
        parsed.usageError = option
            + (option == "--window"          ? " needs a window name"
                   : option == "--report"    ? " needs a file name"
                   : option == "--reference" ? " needs a capture"
                   : option == "--band"      ? " needs VOLTS,SAMPLES"
                                             : " needs a folder");
        return parsed;
    }
    parsed.usageError = readWords(words.words, parsed);
    std::vector<std::string> &captures = parsed.options.captures;
    captures.insert(captures.end(), words.operands.begin(), words.operands.end());
    if (!parsed.usageError)
        parsed.usageError = checkOptions(parsed);
    return parsed;
}

std::string batchUsageText()
{
    return usageLines();
}

std::string batchVersionText()
{
    return "orvant-export " ORVANT_VERSION "\n";
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
          "  --spectrum   write the spectrum as \"<capture file name> spectrum.csv\"\n"
          "               instead of the data file: bin,frequency_hz,level_vrms,\n"
          "               level_dbv,level_dbfs, one row per bin (0 to 256), RMS levels\n"
          "               scaled by the settings the capture holds\n"
          "  --window W   with --spectrum: the window, rectangular, hann (without\n"
          "               --window), flat-top or blackman-harris\n"
          "  --json       (without --table) write the capture as \"<capture file\n"
          "               name>.json\" instead of the data file: one object with file,\n"
          "               settings, scale, values, volts, seconds and measurements\n"
          "               (the captures table's keys)\n"
          "  --svg        write the plot as \"<capture file name>.svg\" instead of the\n"
          "               data file: the picture of --png as vectors (not in a build\n"
          "               without the viewer)\n"
          "  --pdf        write \"<capture file name>.pdf\" instead of the data file: a\n"
          "               page with the file's name, time and SHA-256, the plot, the\n"
          "               settings and the measurements (not in a build without the\n"
          "               viewer)\n"
          "               --csv, --png, --spectrum, --json, --svg and --pdf together\n"
          "               write all they name.\n"
          "  --stdout     write exactly one capture (its data file, or with --csv its\n"
          "               CSV, with --spectrum its spectrum, with --json its JSON,\n"
          "               with --svg its picture) to standard output instead (not\n"
          "               together with --to, --png or --pdf)\n"
          "  --table      write the captures table to standard output instead, as CSV:\n"
          "               one row per capture (a folder stands for the files it holds,\n"
          "               sorted by name), with its file, time, size, load error, the\n"
          "               25 settings, the scale, the measurements and the distortion\n"
          "               figures of the Hann spectrum\n"
          "  --json       with --table: the table as JSON, an array of objects\n"
          "  --stats      with --table: n, mean, sd, min and max of each measurement\n"
          "               column per unit, as CSV\n"
          "  --reference CAPTURE\n"
          "               with --table: compare each capture with CAPTURE, sample by\n"
          "               sample, in volts where both have a volts scale: the columns\n"
          "               ref_rms_difference, ref_max_difference and ref_within\n"
          "  --band VOLTS,SAMPLES\n"
          "               with --reference: a sample is within when a reference sample\n"
          "               at most SAMPLES away lies at most VOLTS from it (0,0 without\n"
          "               --band: exactly equal)\n"
          "  --report FILE.pdf\n"
          "               write one PDF instead: a first page with the captures\n"
          "               table's statistics, then the page of --pdf for each capture\n"
          "               in the order given (a failed one with its error); alone, not\n"
          "               with the other outputs (not in a build without the viewer)\n"
          "  --help       show this text\n"
          "  --version    show the version\n"
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

} // namespace orvant
