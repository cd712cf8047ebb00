// The captures table in the core: one row per capture as a fresh first load sees it,
// the CSV and JSON cells, the statistics per column and unit, rows in the order asked.
#include "capture_builder.h"
#include "table/folder_captures.h"
#include "table/summary_pool.h"
#include "table/table_columns.h"
#include "table/table_formats.h"
#include "table/table_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <thread>

namespace orvant::test {
namespace {

// A square wave of 50-sample periods, 50 units above and below the centre line.
CaptureBuilder square()
{
    CaptureBuilder capture;
    for (int k = 0; k < 512; ++k)
        capture.samples[static_cast<std::size_t>(k)] = 131 + ((k / 25) % 2 ? 50 : -50);
    return capture;
}

class TableTest : public ::testing::Test
{
protected:
    std::filesystem::path write(const std::string &name, const std::string &content)
    {
        return writeFile(temp.path() / name, content);
    }
    std::filesystem::path write(const std::string &name, const CaptureBuilder &capture)
    {
        return write(name, capture.hexText() + "\r\n");
    }
    // The CSV cells of a row by column name.
    static std::map<std::string, std::string> cells(const CaptureSummary &summary)
    {
        const std::vector<TableCell> row = tableRow(summary);
        const std::string line = csvRow(row);
        std::map<std::string, std::string> named;
        std::size_t column = 0;
        std::size_t from = 0;
        for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos;
             from = comma + 1)
            named[std::string(tableColumns()[column++].name)] = line.substr(from, comma - from);
        named[std::string(tableColumns()[column].name)] = line.substr(from, line.size() - from - 2);
        return named;
    }

    TempFolder temp;
};

TEST_F(TableTest, ColumnsInTheirOrder)
{
    const auto columns = tableColumns();
    ASSERT_EQ(columns.size(), 66u);
    EXPECT_EQ(csvHeader().substr(0, 47), "file,modified,size_bytes,error,error_text,CH 1 ");
    EXPECT_EQ(columns[5].name, "CH 1 VOLTS/DIV");
    EXPECT_EQ(columns[29].name, "BYTE COUNT");
    EXPECT_EQ(columns[30].name, "channel");
    EXPECT_EQ(columns[43].name, "clipped");
    EXPECT_TRUE(columns[2].numeric && columns[3].numeric && !columns[4].numeric);
    EXPECT_FALSE(columns[43].numeric);
    EXPECT_EQ(columns[44].name, "fundamental_hz");
    EXPECT_EQ(columns[51].name, "enob_bits");
    std::string pulse;
    for (std::size_t c = 52; c < columns.size(); ++c)
        pulse += std::string(columns[c].name) + (columns[c].numeric ? " " : "* ");
    EXPECT_EQ(pulse,
              "limits* top base amplitude rise_time fall_time rise_edges fall_edges "
              "overshoot_percent preshoot_percent positive_width negative_width slew_rate "
              "reasons* ");
}

TEST_F(TableTest, PulseFiguresWithTheirBoundsAndReasons)
{
    CaptureBuilder clipped = square();
    for (int &value : clipped.samples)
        value = value > 131 ? 255 : value;
    CaptureBuilder noScale = square();
    noScale.settings[1] = 0x44; // no VOLTS/DIV
    noScale.settings[5] = 0x47; // no SEC/DIV
    const std::string noEdge = "overshoot_percent: no edge;preshoot_percent: no edge;";
    struct Case
    {
        std::string name;
        CaptureBuilder capture;
        std::map<std::string, std::string> expected;
    };
    const std::vector<Case> cases {
        // Edges between two samples: one sample interval (20 µs) at most.
        {"square.log",
         square(),
         {{"limits", "rise_time;fall_time;slew_rate"},
          {"top", "1.9801980198019802"},
          {"base", "-1.9801980198019802"},
          {"amplitude", "3.9603960396039604"},
          {"rise_time", "2e-05"},
          {"fall_time", "2e-05"},
          {"rise_edges", "10"},
          {"fall_edges", "10"},
          {"overshoot_percent", "0"},
          {"positive_width", "5e-04"},
          {"negative_width", "5e-04"},
          {"slew_rate", "158415.84158415842"},
          {"reasons",
           "rise_time: faster than one sample;fall_time: faster than one sample;"
           "slew_rate: faster than one sample"}}},
        {"none.log",
         noScale,
         {{"rise_time", "0.02"}, {"positive_width", "0.5"}, {"slew_rate", "158.41584158415841"}}},
        {"clipped.log",
         clipped,
         {{"limits", ""},
          {"top", ""},
          {"base", "-1.9801980198019802"},
          {"rise_edges", ""},
          {"reasons",
           "top: clipped;amplitude: clipped;rise_time: clipped;fall_time: clipped;"
           "rise_edges: clipped;fall_edges: clipped;overshoot_percent: clipped;"
           "preshoot_percent: clipped;positive_width: clipped;negative_width: clipped;"
           "slew_rate: clipped"}}},
        {"flat.log",
         CaptureBuilder {},
         {{"limits", ""},
          {"amplitude", "0"},
          {"rise_edges", "0"},
          {"rise_time", ""},
          {"reasons",
           "rise_time: no rising edge;fall_time: no falling edge;" + noEdge
               + "positive_width: no rising edge;negative_width: no falling edge;"
                 "slew_rate: no edge"}}},
    };
    for (const Case &c : cases) {
        const auto row = cells(summarizeCapture(write(c.name, c.capture), c.name));
        for (const auto &[column, text] : c.expected)
            EXPECT_EQ(row.at(column), text) << c.name << " " << column;
    }
}

TEST_F(TableTest, RowsOfCapturesWithAndWithoutScale)
{
    CaptureBuilder noScale = square();
    noScale.settings[1] = 0x44; // no VOLTS/DIV
    noScale.settings[5] = 0x47; // no SEC/DIV
    CaptureBuilder xy = square();
    xy.settings[4] = 0x34; // XY on
    CaptureBuilder magnified = square();
    magnified.settings[4] = 0x32; // X10 MAG on
    CaptureBuilder clipped = square();
    clipped.samples[7] = 255;
    struct Case
    {
        std::string name;
        CaptureBuilder capture;
        std::map<std::string, std::string> expected;
    };
    const std::vector<Case> cases {
        {"square.log",
         square(),
         {{"error", ""},
          {"CH 1 VOLTS/DIV", "1 V"},
          {"SEC/DIV", "1 mS"},
          {"channel", "1"},
          {"volts_per_div", "1"},
          {"seconds_per_div", "0.001"},
          {"voltage_unit", "V"},
          {"time_unit", "s"},
          {"maximum", "1.9801980198019802"},
          {"minimum", "-1.9801980198019802"},
          {"peak_to_peak", "3.9603960396039604"},
          {"frequency_hz", "1000"},
          {"period", "0.001"},
          {"duty_cycle_percent", "50"},
          {"clipped", "false"},
          {"BYTE COUNT", "1024"},
          // Its edges are faster than one sample; its distortion is no bound.
          {"limits", "rise_time;fall_time;slew_rate"}}},
        {"none.log",
         noScale,
         {{"CH 1 VOLTS/DIV", ""},
          {"SEC/DIV", ""},
          {"volts_per_div", ""},
          {"seconds_per_div", ""},
          {"voltage_unit", "div"},
          {"time_unit", "div"},
          {"maximum", "1.9801980198019802"},
          {"frequency_hz", ""},
          {"period", "1"},
          {"duty_cycle_percent", "50"},
          {"fundamental_hz", ""}}},
        {"xy.log",
         xy,
         {{"XY", "ON"},
          {"seconds_per_div", "0.001"},
          {"time_unit", "div"},
          {"frequency_hz", ""},
          {"period", "1"},
          {"fundamental_hz", ""}}},
        {"x10.log",
         magnified,
         {{"X10 MAG", "ON"},
          {"seconds_per_div", "1e-04"},
          {"frequency_hz", "10000"},
          {"period", "1e-04"}}},
        {"clipped.log", clipped, {{"clipped", "true"}, {"maximum", "4.910891089108911"}}},
    };
    for (const Case &c : cases) {
        const auto row = cells(summarizeCapture(write(c.name, c.capture), c.name));
        EXPECT_EQ(row.at("file"), c.name);
        EXPECT_EQ(row.at("size_bytes"), "2102");
        EXPECT_EQ(row.at("modified").size(), 25u) << row.at("modified"); // with its offset
        for (const auto &[column, text] : c.expected)
            EXPECT_EQ(row.at(column), text) << c.name << " " << column;
    }
}

TEST_F(TableTest, DistortionOfASquareWave)
{
    // 1 kHz, 1.98 V: the odd harmonics 3 to 9 of a square, 1/n each, give
    // 10 log10(1/9 + 1/25 + 1/49 + 1/81) = -7.36 dB; its fundamental is 4/pi of the
    // amplitude, as RMS 1.78 V.
    const auto row = cells(summarizeCapture(write("square.log", square()), "square.log"));
    EXPECT_NEAR(std::stod(row.at("fundamental_hz")), 1000, 10);
    EXPECT_NEAR(std::stod(row.at("fundamental_level_vrms")),
                4 / std::numbers::pi * 1.98 / std::sqrt(2), 0.02);
    EXPECT_NEAR(std::stod(row.at("thd_db")), -7.36, 0.5);
    EXPECT_NEAR(std::stod(row.at("sinad_db")), -std::stod(row.at("thd_n_db")), 1e-12);
    EXPECT_NEAR(std::stod(row.at("enob_bits")), (std::stod(row.at("sinad_db")) - 1.76) / 6.02,
                1e-12);
    EXPECT_EQ(row.at("limits"), "rise_time;fall_time;slew_rate"); // the edges, not the tone
    // A flat line has no tone: every spectral cell is empty.
    CaptureBuilder flat;
    const auto none = cells(summarizeCapture(write("flat.log", flat), "flat.log"));
    for (const char *column : {"fundamental_hz", "thd_db", "enob_bits", "limits"})
        EXPECT_EQ(none.at(column), "") << column;
}

TEST_F(TableTest, AFailedLoadKeepsOnlyTheFilesFactsAndTheError)
{
    const struct
    {
        std::string name;
        std::optional<std::string> content;
        std::string error, text, size;
    } cases[] = {
        {"gone.log", std::nullopt, "53", "File not found", ""},
        {"empty.log", "", "62", "Input past end of file", "0"},
        {"blank lines.log", "\r\n\r\n", "62", "Input past end of file", "4"},
    };
    for (const auto &c : cases) {
        const auto path = c.content ? write(c.name, *c.content) : temp.path() / c.name;
        const auto row = cells(summarizeCapture(path, c.name));
        EXPECT_EQ(row.at("error"), c.error) << c.name;
        EXPECT_EQ(row.at("error_text"), c.text) << c.name;
        EXPECT_EQ(row.at("size_bytes"), c.size) << c.name;
        EXPECT_EQ(row.at("modified").empty(), !c.content) << c.name;
        for (const std::string column :
             {"CH 1 VOLTS/DIV", "BYTE COUNT", "channel", "voltage_unit", "maximum", "clipped"})
            EXPECT_EQ(row.at(column), "") << c.name << " " << column;
    }
}

TEST_F(TableTest, ModifiedIsLocalTimeWithItsOffset)
{
    EXPECT_EQ(isoText({0, 0}), "1970-01-01T00:00:00+00:00");
    EXPECT_EQ(isoText({1796923666, 3600}), "2026-12-10T18:27:46+01:00");
    EXPECT_EQ(isoText({1796923666, -5 * 3600 - 1800}), "2026-12-10T11:57:46-05:30");
    EXPECT_EQ(isoText({951782400, 0}), "2000-02-29T00:00:00+00:00");
}

TEST_F(TableTest, CsvQuotesOnlyWhereNeededAndJsonWritesNull)
{
    CaptureSummary failed;
    failed.file = "a, \"b\".log";
    failed.error = LoadError::fileNotFound();
    const std::string csv = csvRow(tableRow(failed));
    EXPECT_EQ(csv.substr(0, 36), "\"a, \"\"b\"\".log\",,,53,File not found,,");
    EXPECT_EQ(csv.substr(csv.size() - 4), ",,\r\n");
    const std::string json = jsonRow(tableRow(failed), 0);
    EXPECT_EQ(
        json.substr(0, 70),
        "\n  {\"file\": \"a, \\\"b\\\".log\", \"modified\": null, \"size_bytes\": null, \"err");
    EXPECT_NE(
        json.find("\"error\": 53, \"error_text\": \"File not found\", \"CH 1 VOLTS/DIV\": null"),
        std::string::npos);
    EXPECT_EQ(jsonOpening() + jsonClosing(0), "[]\n");
}

TEST_F(TableTest, StatisticsPerColumnAndUnitNeverMixed)
{
    CaptureBuilder half = square();
    for (int &value : half.samples)
        value = 131 + (value - 131) / 2; // 25 units: 0.990099 V
    CaptureBuilder divisions = square();
    divisions.settings[1] = 0x44;
    std::vector<CaptureSummary> rows;
    rows.push_back(summarizeCapture(write("a.log", square()), "a.log"));
    rows.push_back(summarizeCapture(write("b.log", half), "b.log"));
    rows.push_back(summarizeCapture(write("c.log", divisions), "c.log"));
    rows.push_back(summarizeCapture(temp.path() / "gone.log", "gone.log"));
    const std::vector<ColumnStatistics> statistics = tableStatistics(rows);
    const std::string csv = statisticsCsv(statistics);
    EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "column,unit,n,mean,sd,min,max\r\n");
    // 50 and 25 units in volts: as Python's statistics.mean and stdev give them
    EXPECT_NE(csv.find("\r\nmaximum,V,2,1.4851485148514851,0.7001057239470767,0.9900990099009901,"
                       "1.9801980198019802\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(
        csv.find("\r\nmaximum,div,1,1.9801980198019802,,1.9801980198019802,1.9801980198019802"),
        std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\nfrequency_hz,Hz,3,"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("clipped"), std::string::npos);
    // c.log has no volts scale but a time scale: its period counts in seconds.
    EXPECT_NE(csv.find("\r\nperiod,s,3,0.001,0,0.001,0.001\r\n"), std::string::npos) << csv;

    ColumnStatistics spread;
    spread.mean = 10;
    spread.sd = 1;
    EXPECT_TRUE(spread.isOutlier(13.5));
    EXPECT_FALSE(spread.isOutlier(12.9));
    EXPECT_FALSE(ColumnStatistics {}.isOutlier(1e9)); // no sd below two values
}

TEST_F(TableTest, RowsComeInTheOrderAskedWhateverThreadFinishesFirst)
{
    std::vector<SummaryRequest> requests;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "c" + std::to_string(i) + ".log";
        // Every third a missing file, which fails fastest.
        requests.push_back({i % 3 ? write(name, square()) : temp.path() / name, name});
    }
    for (const unsigned threads : {1u, 4u}) {
        std::vector<std::string> files;
        std::vector<std::size_t> indices;
        const bool complete
            = summarizeInOrder(requests, threads, [&](std::size_t i, CaptureSummary &&s) {
                  indices.push_back(i);
                  files.push_back(s.file);
              });
        EXPECT_TRUE(complete);
        ASSERT_EQ(files.size(), requests.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(indices[i], i);
            EXPECT_EQ(files[i], requests[i].file);
        }
    }
    std::atomic<bool> stop = false;
    std::size_t handed = 0;
    EXPECT_FALSE(summarizeInOrder(
        requests, 2,
        [&](std::size_t, CaptureSummary &&) {
            if (++handed == 10)
                stop = true;
        },
        &stop));
    EXPECT_EQ(handed, 10u);
}

TEST_F(TableTest, AFolderStandsForItsFilesAsTheFileListShowsThem)
{
    const auto folder = temp.path() / "run";
    std::filesystem::create_directories(folder / "sub");
    // Names apart in more than letter case: one file each on every system.
    for (const std::string name : {"B.log", "a.log", "c.txt", ".hidden.log", "A2.LOG"})
        writeFile(folder / name, "00");
    EXPECT_EQ(folderFileNames(folder),
              (std::vector<std::string> {"a.log", "A2.LOG", "B.log", "c.txt"}));
    const auto requests = captureRequests({"x.log", folder.string(), "y.log"});
    ASSERT_EQ(requests.size(), 6u);
    EXPECT_EQ(requests[0].file, "x.log");
    EXPECT_EQ(requests[1].file, (folder / "a.log").string());
    EXPECT_EQ(requests[4].file, (folder / "c.txt").string());
    EXPECT_EQ(requests[5].file, "y.log");
}

} // namespace
} // namespace orvant::test
