#include "capture/capture_load.h"
#include "capture/curve_samples.h"
#include "capture/preparation.h"
#include "capture_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvant {
namespace {

using test::CaptureBuilder;
using test::hexPair;

// The first pair Nr. of sample k.
int firstNr(int k)
{
    return 53 + 4 * (k - 1);
}

void setPair(std::string &hex, int nr, std::string_view pair)
{
    hex.replace(static_cast<std::size_t>(nr - 1), 2, pair);
}

// Sample k written as the codes of the two characters given as pairs.
void setSample(std::string &hex, int k, std::string_view highPair, std::string_view lowPair)
{
    setPair(hex, firstNr(k), highPair);
    setPair(hex, firstNr(k) + 2, lowPair);
}

std::string rowOf(int k, std::string_view text, int value)
{
    const std::string kText = std::to_string(k);
    const std::string valueText = std::to_string(value);
    return std::string(4 - kText.size(), ' ') + kText + std::string(5, ' ') + std::string(text)
        + std::string(6 + 3 - valueText.size(), ' ') + valueText;
}

class CurveSamples : public ::testing::Test
{
protected:
    bool load(const std::string &hex, const LetEventsRun &letEventsRun = {})
    {
        decodeCapture(*state, prepareCaptureText(hex), rows.get());
        return buildCurveSamples(state->byteTable, state->curveTable, letEventsRun);
    }
    const CurveSample &sample(int k) const { return state->curveTable.at(k); }

    std::unique_ptr<VarGlobal> state = std::make_unique<VarGlobal>();
    std::unique_ptr<ListRows> rows = std::make_unique<ListRows>();
};

TEST(SampleValue, BothCharactersMustBeHexDigitsOfEitherCase)
{
    const std::string digits = "0123456789abcdef";
    const auto digitOf = [&](int c) -> int {
        const auto at = digits.find(static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c));
        return at == std::string::npos ? -1 : static_cast<int>(at);
    };
    for (int high = 0; high < 256; ++high) {
        for (int low = 0; low < 256; ++low) {
            const auto value = sampleValueOf(static_cast<char>(high), static_cast<char>(low));
            if (digitOf(high) < 0 || digitOf(low) < 0)
                EXPECT_FALSE(value) << high << ' ' << low;
            else
                EXPECT_EQ(value, 16 * digitOf(high) + digitOf(low)) << high << ' ' << low;
        }
    }
}

TEST_F(CurveSamples, RealisticCaptureGivesEverySample)
{
    CaptureBuilder capture;
    for (int k = 1; k <= kSampleCount; ++k)
        capture.samples[static_cast<std::size_t>(k - 1)] = (k * 37 + 11) % 256;
    EXPECT_TRUE(load(capture.hexText()));
    for (int k = 1; k <= kSampleCount; ++k) {
        const int value = (k * 37 + 11) % 256;
        const std::string text = "&H" + hexPair(static_cast<unsigned char>(value));
        EXPECT_EQ(sample(k).sampleText, text) << k;
        EXPECT_EQ(sample(k).sampleValue, value) << k;
        EXPECT_EQ(sample(k).rowText, rowOf(k, text, value)) << k;
    }
}

TEST_F(CurveSamples, RowText)
{
    std::string hex = CaptureBuilder {}.hexText();
    setSample(hex, 1, "37", "46");
    setSample(hex, 2, "30", "35");
    setSample(hex, 512, "30", "30");
    load(hex);
    EXPECT_EQ(sample(1).rowText, "   1     &H7F      127");
    EXPECT_EQ(sample(2).rowText, "   2     &H05        5");
    EXPECT_EQ(sample(512).rowText, " 512     &H00        0");
}

TEST_F(CurveSamples, LastSampleUsesNr2097And2099Only)
{
    std::string hex = CaptureBuilder {}.hexText() + std::string(10, ' ');
    setPair(hex, 2097, "41");
    setPair(hex, 2099, "62");
    load(hex);
    EXPECT_EQ(sample(512).sampleText, "&HAb");
    EXPECT_EQ(sample(512).sampleValue, 0xAB);
    EXPECT_EQ(sample(511).sampleValue, 0x80);

    // The pairs Nr. 2101 to 2109 are listed but change no sample.
    const auto before = std::make_unique<CurveTable>(state->curveTable);
    for (const int nr : {2101, 2103, 2105, 2107, 2109})
        setPair(hex, nr, "39");
    load(hex);
    EXPECT_EQ(state->byteTable.at(2109).character, "9");
    for (int k = 1; k <= kSampleCount; ++k) {
        EXPECT_EQ(sample(k).sampleText, before->at(k).sampleText) << k;
        EXPECT_EQ(sample(k).rowText, before->at(k).rowText) << k;
    }
}

TEST_F(CurveSamples, SampleThatIsNoHexNumberKeepsTheEarlierValue)
{
    CaptureBuilder first;
    for (int k = 1; k <= kSampleCount; ++k)
        first.samples[static_cast<std::size_t>(k - 1)] = k % 256;
    load(first.hexText());

    std::string hex = CaptureBuilder {}.hexText(); // every sample 80 hex
    setSample(hex, 3, "47", "30"); // "G0"
    setSample(hex, 4, "20", "20"); // blanks
    setSample(hex, 5, "37", "00"); // "7" and NUL
    setSample(hex, 6, "61", "62"); // "ab": lower case is hex here
    setSample(hex, 7, "  ", "35"); // NUL and "5"
    setSample(hex, 8, "2D", "31"); // "-1"
    load(hex);

    EXPECT_EQ(sample(2).sampleValue, 0x80);
    EXPECT_EQ(sample(6).sampleValue, 0xAB);
    EXPECT_EQ(sample(6).sampleText, "&Hab");
    const struct
    {
        int k;
        std::string text;
    } kept[] = {{3, "&HG0"},
                {4, "&H  "},
                {5, std::string("&H7\0", 4)},
                {7,
                 std::string("&H\0"
                             "5",
                             4)},
                {8, "&H-1"}};
    for (const auto &c : kept) {
        EXPECT_EQ(sample(c.k).sampleText, c.text) << c.k;
        EXPECT_EQ(sample(c.k).sampleValue, c.k) << c.k;
        EXPECT_EQ(sample(c.k).rowText, rowOf(c.k, c.text, c.k)) << c.k;
    }
}

TEST_F(CurveSamples, ShortCaptureKeepsEveryValueAndFirstLoadGivesZero)
{
    load("3031");
    EXPECT_EQ(sample(1).sampleValue, 0);
    EXPECT_EQ(sample(1).rowText, rowOf(1, std::string("&H\0\0", 4), 0));

    CaptureBuilder capture;
    capture.samples.assign(kSampleCount, 0x5A);
    load(capture.hexText());
    load(std::string(52, '3')); // ends before the first sample
    for (int k = 1; k <= kSampleCount; ++k) {
        EXPECT_EQ(sample(k).sampleText, std::string("&H\0\0", 4)) << k;
        EXPECT_EQ(sample(k).sampleValue, 0x5A) << k;
    }
}

TEST_F(CurveSamples, LetsEventsRunFirstThingForEverySample)
{
    for (int k = 1; k <= kSampleCount; ++k)
        state->curveTable.at(k).sampleText.assign("none");
    int calls = 0;
    const bool completed = load(CaptureBuilder {}.hexText(), [&] {
        ++calls;
        // Sample `calls` is not converted yet, the one before it is.
        EXPECT_EQ(sample(calls).sampleText, "none") << calls;
        if (calls > 1) {
            EXPECT_EQ(sample(calls - 1).sampleText, "&H80") << calls;
        }
        return true;
    });
    EXPECT_TRUE(completed);
    EXPECT_EQ(calls, kSampleCount);
    EXPECT_EQ(sample(kSampleCount).sampleText, "&H80");
}

TEST_F(CurveSamples, FalseFromLetEventsRunStopsTheBuild)
{
    CaptureBuilder first;
    first.samples.assign(kSampleCount, 0x11);
    load(first.hexText());

    int calls = 0;
    const bool completed = load(CaptureBuilder {}.hexText(), [&] { return ++calls < 100; });
    EXPECT_FALSE(completed);
    EXPECT_EQ(calls, 100);
    for (int k = 1; k < 100; ++k)
        EXPECT_EQ(sample(k).sampleValue, 0x80) << k;
    for (int k = 100; k <= kSampleCount; ++k)
        EXPECT_EQ(sample(k).sampleValue, 0x11) << k;

    calls = 0;
    EXPECT_FALSE(load(CaptureBuilder {}.hexText(), [&] { return ++calls > 1; }));
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace orvant
