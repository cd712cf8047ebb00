#include "export/export_file.h"

#include "capture_builder.h"
#include "export_lines.h"
#include "golden_captures.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <iterator>

namespace orvant {
namespace {

using test::LoadedProgram;

const ExportTime kFixedTime {"2026-12-09", "14:05:09"};

std::filesystem::path testData(const char *name)
{
    return std::filesystem::path(ORVANT_EXPORT_TEST_DATA) / name;
}

std::string exportOf(const LoadedProgram &program, const ExportTime &time = kFixedTime)
{
    const VarGlobal &state = *program.state;
    return exportContent(state.captureText, state.byteTable, state.curveTable, time);
}

std::vector<std::string_view> linesOf(std::string_view content)
{
    return test::exportLinesByLength(
        content, test::firstLineLength(kFixedTime.dateText, kFixedTime.timeText));
}

// The data file of a capture file given by its content, loaded as the first
// capture of a fresh start.
struct ExportedCapture
{
    test::TempFolder folder;
    LoadedProgram program;
    std::string content;

    explicit ExportedCapture(const std::string &file)
    {
        EXPECT_FALSE(program.load(test::writeFile(folder.path() / "capture.log", file)));
        content = exportOf(program);
    }
};

// 1-based columns of a row, counted from the row's first character.
std::string_view columns(std::string_view row, std::size_t first, std::size_t last)
{
    return row.substr(first - 1, last - first + 1);
}

std::string rightAligned(int number)
{
    const std::string digits = std::to_string(number);
    return std::string(4 - digits.size(), ' ') + digits;
}

// --- golden files: worked out by make_expected_export.py from the rules alone

TEST(ExportGolden, CommittedCapturesAreTheBuildersCaptures)
{
    EXPECT_EQ(test::readFile(testData("golden_capture.log")), test::goldenCaptureFile());
    EXPECT_EQ(test::readFile(testData("golden_realigned.log")), test::realignedCaptureFile());
}

TEST(ExportGolden, ExportEqualsTheExpectedFileByteForByte)
{
    for (const char *name : {"golden_capture", "golden_realigned"}) {
        SCOPED_TRACE(name);
        LoadedProgram program;
        ASSERT_FALSE(program.load(testData(name) += ".log"));
        const std::string expected = test::readFile(testData(name) += ".txt");
        ASSERT_EQ(expected.size(), exportOf(program).size());
        EXPECT_TRUE(exportOf(program) == expected);
    }
}

// --- structure

TEST(ExportLayout, LinesSitAtTheirKnownPlacesAndLengths)
{
    const ExportedCapture exported(test::goldenCaptureFile());
    const auto lines = linesOf(exported.content);
    ASSERT_EQ(lines.size(), 1581u);

    EXPECT_EQ(lines[0], "C:\\ORVANT Data File 2026-12-09 14:05:09");
    EXPECT_EQ(lines[2], exported.program.state->captureText.view());
    EXPECT_EQ(lines[4], "Length of the HEX_Data File: 2110 Bytes = 1055 HEX-Values");
    EXPECT_EQ(lines[6], "  No     HEX    DEZ       BIN      SIGN");
    EXPECT_EQ(lines[1065], "CURVE DATA");
    EXPECT_EQ(lines[1067], "  No     SIGD     DEZD");
    for (const std::size_t empty : {1u, 3u, 5u, 7u, 1063u, 1064u, 1066u, 1068u})
        EXPECT_EQ(lines[empty], "") << "line " << empty + 1;

    for (int i = 0; i < 1055; ++i)
        EXPECT_EQ(columns(lines[8 + i], 1, 4), rightAligned(2 * i + 1));
    for (int k = 1; k <= 512; ++k) {
        EXPECT_EQ(columns(lines[1068 + k], 1, 4), rightAligned(k));
        EXPECT_EQ(columns(lines[1068 + k], 10, 11), "&H");
    }
}

TEST(ExportLayout, ControlCharactersStayInsideTheirRows)
{
    const ExportedCapture exported(test::goldenCaptureFile());
    const auto lines = linesOf(exported.content);
    ASSERT_EQ(lines.size(), 1581u);
    // The leading bytes 0A, 0D and 00 are rows 1 to 3.
    EXPECT_EQ(lines[8].back(), '\n');
    EXPECT_EQ(lines[9].back(), '\r');
    EXPECT_EQ(lines[10].back(), '\0');
    EXPECT_EQ(lines[8], std::string_view("   1      0A     10     00001010     \n"));
}

TEST(ExportLayout, HeaderWordsStandOverTheirColumns)
{
    const ExportedCapture exported(test::goldenCaptureFile());
    const auto lines = linesOf(exported.content);
    ASSERT_EQ(lines.size(), 1581u);
    const std::string_view byteHeader = lines[6];
    EXPECT_EQ(columns(byteHeader, 3, 4), "No");
    EXPECT_EQ(columns(byteHeader, 10, 12), "HEX");
    EXPECT_EQ(columns(byteHeader, 17, 19), "DEZ");
    EXPECT_EQ(columns(byteHeader, 27, 29), "BIN");
    EXPECT_EQ(columns(byteHeader, 36, 39), "SIGN");
    const std::string_view sampleHeader = lines[1067];
    EXPECT_EQ(columns(sampleHeader, 10, 13), "SIGD");
    EXPECT_EQ(columns(sampleHeader, 19, 22), "DEZD");
}

// --- rows of particular captures

TEST(ExportRows, ShortCaptureGivesBlankPairs)
{
    const ExportedCapture exported("3F\r\n");
    const auto lines = linesOf(exported.content);
    ASSERT_EQ(lines.size(), 1581u);
    EXPECT_EQ(lines[2], "3F" + std::string(2108, ' '));
    EXPECT_EQ(lines[4], "Length of the HEX_Data File: 2110 Bytes = 1055 HEX-Values");
    EXPECT_EQ(lines[8], "   1      3F     63     00111111     ?");
    for (const std::size_t row : {9u, 600u, 1062u}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(columns(lines[row], 11, 12), "  ");
        EXPECT_EQ(columns(lines[row], 18, 19), "0 ");
        EXPECT_EQ(columns(lines[row], 25, 32), std::string(8, ' '));
        EXPECT_EQ(lines[row][37], '\0');
    }
    std::string lastRow(38, ' ');
    lastRow.replace(0, 4, "2109");
    lastRow[17] = '0';
    lastRow[37] = '\0';
    EXPECT_EQ(lines[1062], lastRow);
    // Samples of NUL characters are no numbers: the value a fresh start holds.
    EXPECT_EQ(lines[1069], std::string_view("   1     &H\0\0        0", 22));
}

TEST(ExportRows, BytesOfHundredAndMoreKeepTheirThreeDigits)
{
    const ExportedCapture exported("64C8FF63\r\n");
    const auto lines = linesOf(exported.content);
    ASSERT_EQ(lines.size(), 1581u);
    EXPECT_EQ(lines[8], "   1      64     100    01100100     d");
    EXPECT_EQ(lines[9], "   3      C8     200    11001000     \xC8");
    EXPECT_EQ(lines[10], "   5      FF     255    11111111     \xFF");
    EXPECT_EQ(lines[11], "   7      63     99     01100011     c");
}

TEST(ExportRows, ExportAfterAFailedLoadWritesWhatTheTablesHold)
{
    test::TempFolder folder;
    LoadedProgram program;
    ASSERT_FALSE(program.load(test::writeFile(folder.path() / "a.log", test::goldenCaptureFile())));
    const std::string before = exportOf(program);

    // A read that fails changes nothing.
    EXPECT_TRUE(program.load(folder.path() / "missing.log"));
    EXPECT_TRUE(exportOf(program) == before);

    // A load that fails after its reset: the rows are the earlier load's.
    program.state->byteTable.reset();
    EXPECT_TRUE(exportOf(program) == before);
}

TEST(ExportRows, SampleThatIsNoNumberKeepsTheEarlierValue)
{
    test::TempFolder folder;
    LoadedProgram program;
    test::CaptureBuilder first;
    first.samples[0] = 0x7F;
    ASSERT_FALSE(program.load(test::writeFile(folder.path() / "a.log", first.hexText())));
    std::string second = test::CaptureBuilder().hexText();
    second.replace(52, 4, "4731"); // sample 1: the characters "G1"
    ASSERT_FALSE(program.load(test::writeFile(folder.path() / "b.log", second)));
    const std::string exported = exportOf(program);
    const auto lines = linesOf(exported);
    ASSERT_EQ(lines.size(), 1581u);
    EXPECT_EQ(lines[1069], "   1     &HG1      127");
}

// --- the moment and the name

TEST(ExportTimeText, DateAndTimeAreLocalWithTwoDigitsEach)
{
    const ExportTime afternoon = ExportTime::at(test::localMoment(2026, 12, 9, 14, 5, 9));
    EXPECT_EQ(afternoon.dateText, "2026-12-09");
    EXPECT_EQ(afternoon.timeText, "14:05:09");
    EXPECT_EQ(afternoon.fileTimeText(), "14-05-09");

    const ExportTime morning
        = ExportTime::at(test::localMoment(2027, 1, 2, 3, 4, 5) + std::chrono::milliseconds(999));
    EXPECT_EQ(morning.dateText, "2027-01-02");
    EXPECT_EQ(morning.timeText, "03:04:05");
    EXPECT_EQ(morning.fileTimeText(), "03-04-05");
}

TEST(ExportTimeText, FileNameAndFirstLine)
{
    const std::filesystem::path folder = "/home/u/ORVANT/ORVANT 4. Data";
    EXPECT_EQ(exportFileName(folder, kFixedTime),
              folder / "ORVANT Data File 2026-12-09 14-05-09.txt");
    EXPECT_EQ(exportFirstLine(kFixedTime), "C:\\ORVANT Data File 2026-12-09 14:05:09");
}

TEST(ExportMessages, TwoBlanksOnEachSideOfTheName)
{
    const std::filesystem::path file = "/d/ORVANT Data File 2026-12-09 14-05-09.txt";
    EXPECT_EQ(exportCreatedMessage(file),
              "The Data File  < /d/ORVANT Data File 2026-12-09 14-05-09.txt >  has been created");
    EXPECT_EQ(exportFailedMessage(file, "No such file or directory"),
              "The Data File  < /d/ORVANT Data File 2026-12-09 14-05-09.txt >  could not be "
              "created: No such file or directory");
}

} // namespace
} // namespace orvant
