#include "cli/batch_command.h"
#include "cli/batch_command_line.h"

#include "capture/load_path.h"
#include "capture_builder.h"
#include "export_lines.h"
#include "folder_entries.h"
#include "golden_captures.h"
#include "shared/atomic_file.h"
#include "shared/folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace orvant {
namespace {

using test::namesIn;

struct RunResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

class BatchExport : public ::testing::Test
{
protected:
    BatchExport()
    {
        std::filesystem::create_directory(captures());
        std::filesystem::create_directory(defaultFolder());
        std::filesystem::create_directory(target());
    }

    std::filesystem::path captures() const { return folder.path() / "captures"; }
    std::filesystem::path defaultFolder() const { return folder.path() / "ORVANT 4. Data"; }
    std::filesystem::path target() const { return folder.path() / "target"; }

    std::string capture(const std::string &name, const std::string &content)
    {
        return test::writeFile(captures() / name, content).string();
    }

    RunResult run(const std::vector<std::string> &args, unsigned threads = 0,
                  std::size_t chunkSize = kBatchChunkSize)
    {
        std::ostringstream out;
        std::ostringstream err;
        BatchIo io {out, err, [this] { return moment; }, defaultFolder()};
        io.picture = picture;
        io.threads = threads;
        io.chunkSize = chunkSize;
        const int code = runBatchExport(args, io);
        return {code, out.str(), err.str()};
    }

    // The data file of the capture after a fresh start, at the run's moment.
    std::string freshExport(const std::filesystem::path &file) const
    {
        test::LoadedProgram program;
        EXPECT_FALSE(program.load(file));
        const VarGlobal &state = *program.state;
        return exportContent(state.captureText, state.byteTable, state.curveTable,
                             ExportTime::at(moment));
    }

    test::TempFolder folder;
    BatchPicture picture; // none: a build without pictures
    std::chrono::system_clock::time_point moment
        = std::chrono::system_clock::from_time_t(1'796'000'000);
};

TEST_F(BatchExport, WritesEachCaptureAndReportsTheOneThatFailed)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    const std::string b = capture("b.log", test::realignedCaptureFile());
    const std::string missing = (captures() / "missing.log").string();
    const RunResult result = run({"--to", target().string(), a, missing, b});

    EXPECT_EQ(result.exitCode, kBatchFailed);
    EXPECT_EQ(namesIn(target()), (std::vector<std::string> {"a Data File.txt", "b Data File.txt"}));
    EXPECT_EQ(result.out,
              a + ": " + (target() / "a Data File.txt").string() + "\n" + b + ": "
                  + (target() / "b Data File.txt").string() + "\n");
    EXPECT_EQ(result.err, missing + ": Error 53 (File not found)\n");
    EXPECT_TRUE(namesIn(defaultFolder()).empty());
}

TEST_F(BatchExport, FileIsTheViewersExportAfterAFreshStart)
{
    // The second capture has samples that are no numbers: after a fresh start
    // they show 0, never a value of the capture before.
    const std::string a = capture("a.log", test::goldenCaptureFile());
    std::string blankSamples = test::CaptureBuilder().hexText();
    blankSamples.replace(52, 2048, std::string(2048, 'Z'));
    const std::string b = capture("b.log", blankSamples);

    ASSERT_EQ(run({a, b}).exitCode, kBatchOk);
    const std::string exportedA = test::readFile(defaultFolder() / "a Data File.txt");
    const std::string exportedB = test::readFile(defaultFolder() / "b Data File.txt");
    EXPECT_TRUE(exportedA == freshExport(a));
    EXPECT_TRUE(exportedB == freshExport(b));
    EXPECT_TRUE(exportedA.starts_with("C:\\ORVANT Data File " + ExportTime::at(moment).dateText
                                      + " " + ExportTime::at(moment).timeText + "\r\n"));
    EXPECT_NE(exportedB.find(std::string_view("   1     &H\0\0        0\r\n", 24)),
              std::string::npos);
}

TEST_F(BatchExport, StdoutTakesTheLinesOfExactlyOneCapture)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    const RunResult result = run({"--stdout", a});
    EXPECT_EQ(result.exitCode, kBatchOk);
    EXPECT_TRUE(result.out == freshExport(a));
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(namesIn(defaultFolder()).empty());

    const RunResult two = run({"--stdout", a, a});
    EXPECT_EQ(two.exitCode, kBatchUsage);
    EXPECT_EQ(two.out, "");

    const RunResult missing = run({"--stdout", "nowhere.log"});
    EXPECT_EQ(missing.exitCode, kBatchFailed);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "nowhere.log: Error 53 (File not found)\n");
}

TEST_F(BatchExport, CsvAndPngReplaceTheDataFileAndPngNeedsTheDrawing)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    const RunResult refused = run({"--png", "--to", target().string(), a});
    EXPECT_EQ(refused.exitCode, kBatchUsage);
    EXPECT_NE(refused.err.find("--png is not available"), std::string::npos) << refused.err;
    EXPECT_TRUE(namesIn(target()).empty());

    picture = [](const CurveTable &) {
        return std::string("drawn");
    };
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{}, {"a Data File.txt"}},
        {{"--csv"}, {"a.csv"}},
        {{"--png"}, {"a.png"}},
        {{"--png", "--csv"}, {"a.csv", "a.png"}},
    };
    for (const auto &[options, names] : cases) {
        SCOPED_TRACE(::testing::PrintToString(options));
        std::filesystem::remove_all(target());
        std::filesystem::create_directory(target());
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--to", target().string(), a});
        const RunResult result = run(args);
        EXPECT_EQ(result.exitCode, kBatchOk) << result.err;
        EXPECT_EQ(namesIn(target()), names);
        EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), std::ssize(names));
    }
    EXPECT_EQ(test::readFile(target() / "a.png"), "drawn");
    EXPECT_TRUE(test::readFile(target() / "a.csv").starts_with("sample,time_s,value,volts\r\n"));
    EXPECT_TRUE(run({"--csv", "--stdout", a}).out == test::readFile(target() / "a.csv"));

    // A picture that cannot be made fails alone.
    picture = [](const CurveTable &) {
        return std::string();
    };
    const RunResult failed = run({"--csv", "--png", "--to", target().string(), a});
    EXPECT_EQ(failed.exitCode, kBatchFailed);
    EXPECT_NE(failed.err.find("a.png could not be created: the picture could not be drawn"),
              std::string::npos)
        << failed.err;
    EXPECT_NE(failed.out.find("a.csv"), std::string::npos);
}

TEST_F(BatchExport, WrongCommandLinesAreUsageErrors)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--to", target().string()},
        {"--frobnicate", a},
        {a, "--to"},
        {"--to=", a},
        {"--to", target().string(), "--to", target().string(), a},
        {"--stdout", "--to", target().string(), a},
        {"--png", "--stdout", a},
        {"--csv", "--png", "--stdout", a},
    };
    for (const auto &args : wrong) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const RunResult result = run(args);
        EXPECT_EQ(result.exitCode, kBatchUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("orvant-export: ")) << result.err;
        EXPECT_NE(result.err.find("Usage: orvant-export"), std::string::npos);
    }
    EXPECT_TRUE(namesIn(target()).empty());
    EXPECT_TRUE(namesIn(defaultFolder()).empty());
}

TEST_F(BatchExport, OptionsAreReadInAnyOrderAndDoubleDashEndsThem)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    EXPECT_EQ(run({a, "--to=" + target().string()}).exitCode, kBatchOk);
    EXPECT_EQ(namesIn(target()), std::vector<std::string> {"a Data File.txt"});

    const ParsedBatchArgs parsed = parseBatchArgs({"--to", "x", "--", "--stdout", "-a.log"});
    ASSERT_FALSE(parsed.usageError) << *parsed.usageError;
    EXPECT_FALSE(parsed.options.toStdout);
    EXPECT_EQ(parsed.options.folder, std::filesystem::path("x"));
    EXPECT_EQ(parsed.options.captures, (std::vector<std::string> {"--stdout", "-a.log"}));
}

TEST_F(BatchExport, HelpSaysHowAndExitsWell)
{
    const RunResult result = run({"--help"});
    EXPECT_EQ(result.exitCode, kBatchOk);
    EXPECT_EQ(result.err, "");
    for (const std::string &word : std::vector<std::string> {
             "--to FOLDER", "--stdout", "--help", "--csv", "--png", " Data File.txt", ".log",
             "Exit status", defaultFolder().string()})
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
    EXPECT_EQ(run({"-h", "--stdout"}).exitCode, kBatchOk);
}

TEST_F(BatchExport, SecondCaptureForTheSameFileIsReportedAndNotWritten)
{
    std::filesystem::create_directory(captures() / "other");
    const std::string first = capture("a.log", test::goldenCaptureFile());
    const std::string second = capture("other/a.LOG", test::realignedCaptureFile());
    const RunResult result = run({"--to", target().string(), first, second});

    EXPECT_EQ(result.exitCode, kBatchFailed);
    EXPECT_EQ(namesIn(target()), std::vector<std::string> {"a Data File.txt"});
    EXPECT_TRUE(test::readFile(target() / "a Data File.txt") == freshExport(first));
    EXPECT_EQ(result.out, first + ": " + (target() / "a Data File.txt").string() + "\n");
    EXPECT_NE(result.err.find(second + ": not written, "), std::string::npos) << result.err;
}

TEST_F(BatchExport, NamesApartOnlyByLetterCaseBeyondAsciiAreOneFileOnWindows)
{
    std::filesystem::create_directory(captures() / "other");
    std::vector<std::string> args {"--to", target().string()};
    for (const std::string name : {"\xC3\xA4.log", "other/\xC3\x84.log"}) // a and A umlaut
        args.push_back(
            pathText(test::writeFile(captures() / pathFromText(name), test::goldenCaptureFile())));
    const RunResult result = run(args);
    const auto written = std::distance(std::filesystem::directory_iterator(target()), {});
#ifdef _WIN32
    EXPECT_EQ(result.exitCode, kBatchFailed);
    EXPECT_EQ(written, 1);
    EXPECT_NE(result.err.find(args[3] + ": not written, "), std::string::npos) << result.err;
#else
    EXPECT_EQ(result.exitCode, kBatchOk);
    EXPECT_EQ(written, 2);
#endif
}

TEST_F(BatchExport, MissingFolderIsAnErrorAndNotCreated)
{
    const std::string a = capture("a.log", test::goldenCaptureFile());
    const std::filesystem::path missing = folder.path() / "missing";
    const RunResult result = run({"--to", missing.string(), a});
    EXPECT_EQ(result.exitCode, kBatchFailed);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(missing.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::filesystem::remove(defaultFolder());
    EXPECT_EQ(run({a}).exitCode, kBatchFailed);
    EXPECT_FALSE(std::filesystem::exists(defaultFolder()));
}

TEST_F(BatchExport, NameWithoutLogIsWarnedAboutAndConverted)
{
    const std::string text = capture("c.txt", test::goldenCaptureFile());
    const std::string upper = capture("B.LOG", test::goldenCaptureFile());
    const RunResult result = run({"--to", target().string(), text, upper});
    EXPECT_EQ(result.exitCode, kBatchOk);
    EXPECT_EQ(namesIn(target()),
              (std::vector<std::string> {"B Data File.txt", "c.txt Data File.txt"}));
    EXPECT_EQ(result.err,
              text + ": " + extensionWarningText() + "\n" + upper + ": " + extensionWarningText()
                  + "\n");
    EXPECT_TRUE(test::readFile(target() / "c.txt Data File.txt") == freshExport(text));
}

TEST_F(BatchExport, WorkerThreadsWriteWhatOneThreadWritesInTheSameOrder)
{
    // Captures that fail, warn, repeat a name or draw no picture, across small chunks.
    std::filesystem::create_directory(captures() / "other");
    std::vector<std::string> args {"--csv", "--png", "--to", target().string()};
    for (int i = 0; i < 40; ++i) {
        const std::string name = "c" + std::to_string(i);
        test::CaptureBuilder builder;
        builder.samples[0] = i;
        if (i % 7 == 3)
            args.push_back((captures() / (name + ".log")).string()); // missing
        else if (i % 11 == 5)
            args.push_back(capture(name + ".txt", builder.hexText()));
        else if (i % 13 == 6)
            args.push_back(capture("other/c" + std::to_string(i - 1) + ".log", builder.hexText()));
        else
            args.push_back(capture(name + ".log", builder.hexText()));
    }
    // No picture when the first sample is a multiple of five.
    picture = [](const CurveTable &curve) {
        const int first = curve.at(1).sampleValue;
        return first % 5 == 0 ? std::string() : "first " + std::to_string(first);
    };
    struct Written
    {
        RunResult result;
        std::map<std::string, std::string> files;
    };
    const auto written = [&](unsigned threads) {
        std::filesystem::remove_all(target());
        std::filesystem::create_directory(target());
        Written w {run(args, threads, 3), {}};
        for (const std::string &name : namesIn(target()))
            w.files[name] = test::readFile(target() / name);
        return w;
    };
    const Written one = written(1);
    EXPECT_EQ(one.result.exitCode, kBatchFailed);
    EXPECT_EQ(one.files.at("c1.png"), "first 1");
    EXPECT_EQ(one.files.count("c20.png"), 0u);
    EXPECT_EQ(one.files.count("c20.csv"), 1u);
    EXPECT_EQ(one.files.count("c3.csv"), 0u);
    EXPECT_EQ(one.files.count("c5.txt.csv"), 1u);
    EXPECT_EQ(one.files.count("c31.csv"), 1u); // from the other folder: c31.log is missing
    EXPECT_NE(one.result.err.find((captures() / "other/c18.log").string() + ": not written, "),
              std::string::npos);
    for (const unsigned threads : {2u, 4u, 9u}) {
        SCOPED_TRACE(threads);
        const Written many = written(threads);
        EXPECT_EQ(many.result.exitCode, one.result.exitCode);
        EXPECT_EQ(many.result.out, one.result.out);
        EXPECT_EQ(many.result.err, one.result.err);
        EXPECT_TRUE(many.files == one.files);
    }
}

TEST(BatchOutputName, FinalLogInAnyCaseIsLeftOut)
{
    EXPECT_EQ(batchOutputName("dir/a.log"), "a Data File.txt");
    EXPECT_EQ(batchOutputName("a.LoG"), "a Data File.txt");
    EXPECT_EQ(batchOutputName("a.log.log"), "a.log Data File.txt");
    EXPECT_EQ(batchOutputName("a.log.txt"), "a.log.txt Data File.txt");
    EXPECT_EQ(batchOutputName("a.logs"), "a.logs Data File.txt");
    EXPECT_EQ(batchOutputName("log"), "log Data File.txt");
}

TEST(BatchOutputName, EachOutputItsSuffixAndItsFileLeftAside)
{
    const std::pair<BatchOutput, std::string> cases[] = {
        {BatchOutput::Json, "a.json"}, {BatchOutput::Svg, "a.svg"},     {BatchOutput::Pdf, "a.pdf"},
        {BatchOutput::Csv, "a.csv"},   {BatchOutput::Picture, "a.png"},
    };
    for (const auto &[output, name] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(batchOutputName("dir/a.LOG", output), name);
        EXPECT_FALSE(isLeftAsideOutput(name));
        EXPECT_TRUE(isLeftAsideOutput("." + name + std::string(kAsideMarker) + "x1Y2z3"));
    }
    BatchOptions options;
    options.pdf = options.json = options.csv = true;
    EXPECT_EQ(batchOutputsOf(options),
              (std::vector {BatchOutput::Csv, BatchOutput::Json, BatchOutput::Pdf}));
}

} // namespace
} // namespace orvant
