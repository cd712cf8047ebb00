#include "export/curve_csv.h"

#include "measure_fixture.h"

#include <cstdlib>
#include <sstream>

namespace orvant {
namespace {

using CurveCsvTest = MeasureTest;

using Rows = std::vector<std::vector<std::string>>;

// A plain CSV read: every line must end in CR LF; no field here needs quotes.
Rows readCsv(const std::string &csv)
{
    Rows rows;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = csv.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        rows.emplace_back();
        std::size_t from = 0;
        for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos;
             from = comma + 1)
            rows.back().push_back(line.substr(from, comma - from));
        rows.back().push_back(line.substr(from));
        start = end + 2;
    }
    return rows;
}

TEST_F(CurveCsvTest, ReadsBackAsTheSamplesInVoltsAndSeconds)
{
    const CurveTable table = curve([](int k) { return (k * 37) % 256; });
    struct Case
    {
        SettingValues labels;
        bool hasTime, hasVolts;
    };
    const std::vector<Case> cases {
        {labels({{101, "0.2 V"}, {109, "0.5 µS"}, {104, "ON"}, {103, "UNCAL'D"}}), true, true},
        {labels({{109, "2 mS"}}), true, false},
        {labels({{101, "20 V"}, {109, "2 mS"}, {111, "ON"}}), false, true},
    };
    for (const Case &c : cases) {
        const ShownScale scale = shownScale(c.labels);
        const Rows rows = readCsv(curveCsv(table, scale));
        ASSERT_EQ(rows.size(), 513u);
        EXPECT_EQ(rows[0], (std::vector<std::string> {"sample", "time_s", "value", "volts"}));
        for (int k = 1; k <= kSampleCount; ++k) {
            const auto &row = rows[static_cast<std::size_t>(k)];
            ASSERT_EQ(row.size(), 4u);
            const int value = (k * 37) % 256;
            EXPECT_EQ(row[0], std::to_string(k));
            EXPECT_EQ(row[2], std::to_string(value));
            EXPECT_EQ(row[1].empty(), !c.hasTime);
            EXPECT_EQ(row[3].empty(), !c.hasVolts);
            // Read back exactly: the same double, not a near one.
            if (c.hasTime) {
                EXPECT_EQ(std::strtod(row[1].c_str(), nullptr), sampleSeconds(k, scale.time));
            }
            if (c.hasVolts) {
                EXPECT_EQ(std::strtod(row[3].c_str(), nullptr), sampleVolts(value, scale.volts));
            }
        }
    }
    // Against the plot's geometry: sample 9 is time zero, sample 59 one division.
    const Rows rows
        = readCsv(curveCsv(table, shownScale(labels({{101, "0.2 V"}, {109, "0.5 µS"}}))));
    EXPECT_EQ(rows[9][1], "0");
    EXPECT_EQ(rows[59][1], "5e-07");
    EXPECT_DOUBLE_EQ(std::strtod(rows[1][3].c_str(), nullptr), (37 - 131) / 25.25 * 0.2);
}

} // namespace
} // namespace orvant
