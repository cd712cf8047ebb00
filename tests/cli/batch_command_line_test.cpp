#include "cli/batch_command_line.h"

#include <gtest/gtest.h>

namespace orvant {

TEST(BatchCommandLine, OptionsAndCapturesInTheOrderGiven)
{
    struct Case
    {
        std::vector<std::string> args;
        std::optional<std::string> folder;
        bool toStdout, csv, png;
        std::vector<std::string> captures;
    };
    const std::vector<Case> cases = {
        {{"a", "b", "c"}, {}, false, false, false, {"a", "b", "c"}},
        {{"c", "--csv", "b", "--to", "f", "a"}, "f", false, true, false, {"c", "b", "a"}},
        {{"--png", "--to=f", "a"}, "f", false, false, true, {"a"}},
        {{"--to", "-f", "a"}, "-f", false, false, false, {"a"}},
        {{"--stdout", "--csv", "a"}, {}, true, true, false, {"a"}},
        {{"-", "--", "-b", "--png"}, {}, false, false, false, {"-", "-b", "--png"}},
        // A path from the root is no option on any system.
        {{"/c/a.log", "--to", "/d", "/h"}, "/d", false, false, false, {"/c/a.log", "/h"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ParsedBatchArgs parsed = parseBatchArgs(c.args);
        ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
        EXPECT_FALSE(parsed.help || parsed.version);
        const BatchOptions &options = parsed.options;
        EXPECT_EQ(options.folder,
                  c.folder ? std::optional(std::filesystem::path(*c.folder)) : std::nullopt);
        EXPECT_EQ(options.toStdout, c.toStdout);
        EXPECT_EQ(options.csv, c.csv);
        EXPECT_EQ(options.png, c.png);
        EXPECT_EQ(options.captures, c.captures);
    }
}

TEST(BatchCommandLine, EachWrongLineHasItsOwnMessage)
{
    const std::string kTableAlone
        = "--table writes to standard output alone (not with --csv, --png, --spectrum, --svg, "
          "--pdf, --stdout or --to)";
    const std::string kReportAlone
        = "--report writes one document alone (not with --table, --csv, --png, --spectrum, "
          "--json, --svg, --pdf, --stdout or --to)";
    const std::string kOneOutput
        = "--stdout writes one output: --csv, --spectrum, --json or --svg, not more";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no capture given"},
        {{"--csv"}, "no capture given"},
        {{"a", "--to"}, "--to needs a folder"},
        {{"--to=", "a"}, "--to needs a folder"},
        {{"--to", "", "a"}, "--to needs a folder"},
        {{"--to", "f", "--to", "g", "a"}, "--to given twice"},
        {{"--frobnicate", "a"}, "unknown option --frobnicate"},
        {{"a", "-5"}, "unknown option -5"},
        {{"-h", "--frob"}, "unknown option --frob"},
        {{"--stdout", "--to", "f", "a"}, "--stdout and --to exclude each other"},
        {{"--stdout", "a", "b"}, "--stdout takes exactly one capture"},
        {{"--stdout"}, "no capture given"},
        {{"--png", "--stdout", "a"}, "--png cannot write to standard output"},
        {{"--json", "--stats", "a"}, "--stats needs --table"},
        {{"--stats", "a"}, "--stats needs --table"},
        {{"--pdf", "--stdout", "a"}, "--pdf cannot write to standard output"},
        {{"--table", "--svg", "a"}, kTableAlone},
        {{"--table", "--pdf", "a"}, kTableAlone},
        {{"--stdout", "--json", "--svg", "a"}, kOneOutput},
        {{"--stdout", "--csv", "--json", "a"}, kOneOutput},
        {{"a", "--report"}, "--report needs a file name"},
        {{"--report", "r.pdf"}, "no capture given"},
        {{"--report", "r.pdf", "--report=s.pdf", "a"}, "--report given twice"},
        {{"--report", "r.pdf", "--csv", "a"}, kReportAlone},
        {{"--report", "r.pdf", "--table", "a"}, kReportAlone},
        {{"--report", "r.pdf", "--to", "f", "a"}, kReportAlone},
        {{"--table"}, "no capture given"},
        {{"--table", "--json", "--stats", "a"}, "--json and --stats exclude each other"},
        {{"--table", "--csv", "a"}, kTableAlone},
        {{"--table", "--to", "f", "a"}, kTableAlone},
        {{"--table", "--stdout", "a"}, kTableAlone},
        {{"--table", "--spectrum", "a"}, kTableAlone},
        {{"--window", "hann", "a"}, "--window needs --spectrum"},
        {{"--spectrum", "a", "--window"}, "--window needs a window name"},
        {{"--spectrum", "--window", "hann", "--window=hann", "a"}, "--window given twice"},
        {{"--spectrum", "--window", "Hann", "a"},
         "--window takes rectangular, hann, flat-top or blackman-harris, not Hann"},
        {{"--spectrum", "--window", "flattop", "a"},
         "--window takes rectangular, hann, flat-top or blackman-harris, not flattop"},
        {{"--stdout", "--csv", "--spectrum", "a"}, kOneOutput},
        {{"--reference", "r", "a"}, "--reference needs --table"},
        {{"--table", "a", "--reference"}, "--reference needs a capture"},
        {{"--table", "--reference", "r", "--reference=s", "a"}, "--reference given twice"},
        {{"--table", "--band", "0.1,2", "a"}, "--band needs --reference"},
        {{"--table", "--reference", "r", "a", "--band"}, "--band needs VOLTS,SAMPLES"},
        {{"--table", "--reference", "r", "--band", "1,1", "--band", "1,1", "a"},
         "--band given twice"},
    };
    for (const auto &[args, error] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(parseBatchArgs(args).usageError, error);
    }
    for (const std::string word : {"--csv=no", "-hx", "--help=1"})
        EXPECT_EQ(parseBatchArgs({word, "a"}).usageError, "unknown option " + word);
}

TEST(BatchCommandLine, TheReferenceAndItsBand)
{
    const struct
    {
        std::string band;
        std::optional<std::pair<double, int>> read;
    } cases[] = {
        {"0.05,2", std::pair {0.05, 2}},
        {"0,0", std::pair {0.0, 0}},
        {"1e-3,10", std::pair {0.001, 10}},
        {"0.05", {}},
        {"0.05,", {}},
        {",2", {}},
        {"-0.1,2", {}},
        {"0.1,-1", {}},
        {"0.1,2.5", {}},
        {"nan,1", {}},
        {"inf,1", {}},
        {"0.1,2,3", {}},
        {" 0.1,2", {}},
        {"0x1,2", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.band);
        const ParsedBatchArgs parsed
            = parseBatchArgs({"--table", "--reference", "good.log", "--band", c.band, "f"});
        if (!c.read) {
            EXPECT_EQ(parsed.usageError,
                      "--band takes VOLTS,SAMPLES, two numbers not below "
                      "zero (for example 0.05,2), not "
                          + c.band);
            continue;
        }
        ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
        EXPECT_EQ(parsed.reference, "good.log");
        EXPECT_EQ(parsed.band.volts, c.read->first);
        EXPECT_EQ(parsed.band.samples, c.read->second);
    }
    const ParsedBatchArgs exact = parseBatchArgs({"--table", "--reference=good.log", "f"});
    ASSERT_FALSE(exact.usageError) << *exact.usageError;
    EXPECT_EQ(exact.band.volts, 0.0);
    EXPECT_EQ(exact.band.samples, 0);
}

TEST(BatchCommandLine, TheTableAndItsFormats)
{
    const struct
    {
        std::vector<std::string> args;
        bool json, stats;
    } cases[] = {{{"--table", "f", "a.log"}, false, false},
                 {{"a.log", "--json", "--table"}, true, false},
                 {{"--stats", "--table", "f"}, false, true}};
    for (const auto &c : cases) {
        const ParsedBatchArgs parsed = parseBatchArgs(c.args);
        ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
        EXPECT_TRUE(parsed.table);
        EXPECT_EQ(parsed.json, c.json);
        EXPECT_EQ(parsed.stats, c.stats);
    }
    EXPECT_EQ(parseBatchArgs({"--table", "f", "a.log"}).options.captures,
              (std::vector<std::string> {"f", "a.log"}));
}

// --json is the table's format with --table, else the capture's own output.
TEST(BatchCommandLine, JsonSvgAndPdfOfEachCapture)
{
    const struct
    {
        std::vector<std::string> args;
        bool table, tableJson, json, svg, pdf;
    } cases[] = {
        {{"--json", "a"}, false, true, true, false, false},
        {{"--table", "--json", "a"}, true, true, false, false, false},
        {{"--json", "--svg", "--pdf", "--csv", "a"}, false, true, true, true, true},
        {{"--svg", "--stdout", "a"}, false, false, false, true, false},
        {{"--stdout", "--json", "a"}, false, true, true, false, false},
        {{"--pdf", "--to", "f", "a"}, false, false, false, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ParsedBatchArgs parsed = parseBatchArgs(c.args);
        ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
        EXPECT_EQ(parsed.table, c.table);
        EXPECT_EQ(parsed.json, c.tableJson);
        EXPECT_EQ(parsed.options.json, c.json);
        EXPECT_EQ(parsed.options.svg, c.svg);
        EXPECT_EQ(parsed.options.pdf, c.pdf);
    }
    const ParsedBatchArgs report = parseBatchArgs({"b", "--report", "-r.pdf", "a"});
    ASSERT_FALSE(report.usageError) << *report.usageError;
    EXPECT_EQ(report.report, std::optional(std::filesystem::path("-r.pdf")));
    EXPECT_EQ(report.options.captures, (std::vector<std::string> {"b", "a"}));
}

TEST(BatchCommandLine, TheSpectrumAndItsWindow)
{
    const std::vector<std::pair<std::vector<std::string>, std::optional<WindowFunction>>> cases = {
        {{"a"}, std::nullopt},
        {{"--spectrum", "a"}, WindowFunction::Hann},
        {{"--spectrum", "--window", "rectangular", "a"}, WindowFunction::Rectangular},
        {{"a", "--window=flat-top", "--spectrum"}, WindowFunction::FlatTop},
        {{"--window", "blackman-harris", "--spectrum", "--stdout", "a"},
         WindowFunction::BlackmanHarris},
    };
    for (const auto &[args, window] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const ParsedBatchArgs parsed = parseBatchArgs(args);
        ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
        EXPECT_EQ(parsed.options.spectrum, window);
        EXPECT_EQ(parsed.options.captures, (std::vector<std::string> {"a"}));
    }
}

TEST(BatchCommandLine, HelpAndVersionNeedNoCapture)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>> {
             {"--help"}, {"-h", "--stdout"}, {"--version"}, {"a", "b", "--version", "--stdout"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const ParsedBatchArgs parsed = parseBatchArgs(args);
        EXPECT_FALSE(parsed.usageError);
        EXPECT_TRUE(parsed.help || parsed.version);
    }
    EXPECT_EQ(batchVersionText(), "orvant-export " ORVANT_VERSION "\n");
    EXPECT_NE(batchHelpText("/x/y").find("  --version    show the version\n"), std::string::npos);
}

} // namespace orvant
