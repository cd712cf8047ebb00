// The generated sample captures: their format, and that each decodes through
// the core to the settings its file name promises.
#include "capture/capture_load.h"
#include "capture/curve_samples.h"

#include "capture_builder.h"
#include "decoded_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace orvant::test {
namespace {

struct Expected
{
    std::string fileName;
    std::string volts; // both channels
    std::string coupling; // channel 1; channel 2 is off
    std::string time;
    std::string x10Mag, xy, roOff;
    std::string trigMode, trigSrc, trigSlope, trigPos;
    int frame;
};

void PrintTo(const Expected &expected, std::ostream *out)
{
    *out << expected.fileName;
}

const std::vector<Expected> &expectedSamples()
{
    static const std::vector<Expected> samples {
        {"Sine 1V-div 1mS-div.log", "1 V", "DC", "1 mS", "OFF", "OFF", "OFF", "NORM", "VERT", "+",
         "POST", 1},
        {"Square 2V-div 0.5mS-div.log", "2 V", "AC", "0.5 mS", "OFF", "OFF", "OFF", "NORM", "VERT",
         "+", "POST", 2},
        {"Noise 50mV-div 10uS-div.log", "50 mV", "DC", "10 \u00b5S", "OFF", "OFF", "OFF", "NORM",
         "VERT", "+", "POST", 3},
        {"Ramp 0.5V-div 20mS-div.log", "0.5 V", "DC", "20 mS", "OFF", "OFF", "OFF", "NORM", "VERT",
         "+", "POST", 4},
        {"Shifted CH header Triangle 5V-div 2mS-div.log", "5 V", "DC", "2 mS", "OFF", "OFF", "OFF",
         "NORM", "VERT", "+", "POST", 5},
        {"Trigger CH1 + POST X10 MAG 0.2V-div 1uS-div.log", "0.2 V", "DC", "1 \u00b5S", "ON", "OFF",
         "OFF", "NORM", "CH1", "+", "POST", 6},
        {"Trigger EXT RO OFF 10V-div 50uS-div.log", "10 V", "DC", "50 \u00b5S", "OFF", "OFF", "ON",
         "EXT", "VERT", "+", "POST", 26},
    };
    return samples;
}

std::filesystem::path samplesFolder()
{
    return ORVANT_SAMPLES_FOLDER;
}

// "0.5 mS" as a file name writes it: "0.5mS-div", the micro sign as "u".
std::string perDivision(std::string text)
{
    std::erase(text, ' ');
    const std::string micro = "\u00b5";
    if (const auto at = text.find(micro); at != std::string::npos)
        text.replace(at, micro.size(), 1, 'u');
    return text + "-div";
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(SampleCaptures, TheFolderHoldsExactlyTheListedLogFiles)
{
    std::set<std::string> found;
    for (const auto &entry : std::filesystem::directory_iterator(samplesFolder())) {
        EXPECT_TRUE(entry.is_regular_file()) << entry.path();
        found.insert(entry.path().filename().string());
    }
    std::set<std::string> listed;
    for (const Expected &sample : expectedSamples()) {
        listed.insert(sample.fileName);
        EXPECT_TRUE(sample.fileName.ends_with(".log")) << sample.fileName;
    }
    EXPECT_EQ(found, listed);
    EXPECT_GE(found.size(), 6u);
}

class SampleCapture : public testing::TestWithParam<Expected>
{
protected:
    std::filesystem::path path() const { return samplesFolder() / GetParam().fileName; }
    bool shifted() const { return GetParam().fileName.starts_with("Shifted"); }
};

TEST_P(SampleCapture, IsOneLineOfUpperCaseHexPairsEndedByCrLf)
{
    const std::string content = test::readFile(path());
    ASSERT_TRUE(content.ends_with("\r\n"));
    const std::string hex = content.substr(0, content.size() - 2);
    // 10 lead bytes, 8 settings, 2 spare, 2 frame, 4 count, 1024 sample bytes;
    // the shifted dump starts one byte early.
    EXPECT_EQ(hex.size(), shifted() ? 2098u : 2100u);
    EXPECT_TRUE(std::all_of(hex.begin(), hex.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    })) << "only upper-case hex digits, no second line";
    EXPECT_EQ(hex.substr(10, 4) == "4348", shifted()) << "characters 11 to 14";
}

TEST_P(SampleCapture, DecodesToTheSettingsItsNamePromises)
{
    const Expected &expected = GetParam();
    const PreparedCapture capture = readPreparedCapture(path());
    ASSERT_FALSE(capture.error.has_value()) << capture.error->description;
    auto state = std::make_unique<VarGlobal>();
    auto rows = std::make_unique<ListRows>();
    const test::DecodedTexts texts = decodeCapture(*state, capture.text, rows.get());

    EXPECT_EQ(texts[101], expected.volts);
    EXPECT_EQ(texts[102], expected.coupling);
    EXPECT_EQ(texts[103], "CAL'D");
    EXPECT_EQ(texts[104], "OFF");
    EXPECT_EQ(texts[105], expected.volts);
    EXPECT_EQ(texts[106], "CH2OFF");
    EXPECT_EQ(texts[109], expected.time);
    EXPECT_EQ(texts[110], expected.x10Mag);
    EXPECT_EQ(texts[111], expected.xy);
    EXPECT_EQ(texts[112], expected.roOff);
    EXPECT_EQ(texts[113], expected.trigMode);
    EXPECT_EQ(texts[114], expected.trigSrc);
    EXPECT_EQ(texts[115], expected.trigSlope);
    EXPECT_EQ(texts[116], expected.trigPos);
    EXPECT_EQ(state->frameNumber, expected.frame);
    EXPECT_EQ(texts[124], std::to_string(expected.frame));
    EXPECT_EQ(state->byteCount, 1024);
    EXPECT_EQ(texts[125], "1024");

    // The name says the same as the decoded texts. (Blanks as characters: GCC 12 at -O3
    // warns, -Wrestrict, inside std::string for " " + a temporary string.)
    const std::string &name = expected.fileName;
    EXPECT_TRUE(contains(name, ' ' + perDivision(texts[101]) + ' ')) << name;
    EXPECT_TRUE(contains(name, ' ' + perDivision(texts[109]) + ".log")) << name;
    EXPECT_EQ(contains(name, "X10 MAG"), texts[110] == "ON") << name;
    EXPECT_EQ(contains(name, " XY "), texts[111] == "ON") << name;
    EXPECT_EQ(contains(name, "RO OFF"), texts[112] == "ON") << name;
    EXPECT_EQ(contains(name, "Trigger " + texts[114]), texts[114] != "VERT") << name;
    EXPECT_EQ(contains(name, "Trigger " + texts[113]), texts[113] != "NORM") << name;
}

TEST_P(SampleCapture, ShiftMovesTheDumpOnePairRight)
{
    const PreparedCapture capture = readPreparedCapture(path());
    ASSERT_FALSE(capture.error.has_value());
    const std::string raw = test::readFile(path());
    const std::string_view prepared = capture.text.view();
    if (shifted()) {
        EXPECT_EQ(prepared.substr(0, 2), "  ");
        EXPECT_EQ(prepared.substr(2, 2098), std::string_view(raw).substr(0, 2098));
        EXPECT_EQ(prepared.substr(12, 4), "4348"); // the "CH" now at bytes 7 and 8
    } else {
        EXPECT_EQ(prepared.substr(0, 2100), std::string_view(raw).substr(0, 2100));
    }
    EXPECT_EQ(prepared.substr(2100), std::string(10, ' '));
}

TEST_P(SampleCapture, All512SamplesConvertToAVisibleCurve)
{
    const PreparedCapture capture = readPreparedCapture(path());
    ASSERT_FALSE(capture.error.has_value());
    auto state = std::make_unique<VarGlobal>();
    auto rows = std::make_unique<ListRows>();
    decodeCapture(*state, capture.text, rows.get());
    for (int k = 1; k <= kSampleCount; ++k)
        state->curveTable.at(k).sampleValue = -1; // a sample left unconverted stays -1
    ASSERT_TRUE(buildCurveSamples(state->byteTable, state->curveTable));
    int lowest = 255;
    int highest = 0;
    for (int k = 1; k <= kSampleCount; ++k) {
        const int value = state->curveTable.at(k).sampleValue;
        ASSERT_GE(value, 0) << "sample " << k;
        ASSERT_LE(value, 255) << "sample " << k;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_GE(highest - lowest, 64) << "at least two divisions from peak to peak";
}

INSTANTIATE_TEST_SUITE_P(Shipped, SampleCapture, testing::ValuesIn(expectedSamples()),
                         [](const testing::TestParamInfo<Expected> &info) {
                             std::string name;
                             for (const char c : info.param.fileName.substr(0, 20)) {
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             }
                             return name;
                         });

} // namespace
} // namespace orvant::test
