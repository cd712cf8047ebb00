#include "capture/capture_load.h"
#include "capture/preparation.h"
#include "capture/settings_decoder.h"
#include "capture_builder.h"
#include "decoded_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvant {
namespace {

using test::CaptureBuilder;
using test::DecodedTexts;
using test::hexPair;

// Settings bytes by Nr.
constexpr int kChannel1 = 21, kVolts1 = 23, kChannel2 = 25, kVolts2 = 27, kHorizontal = 29,
              kTime = 31, kSelector = 33, kValue = 35;

DecodedTexts decodeText(std::string_view hex)
{
    auto state = std::make_unique<VarGlobal>();
    auto rows = std::make_unique<ListRows>();
    return decodeCapture(*state, prepareCaptureText(hex), rows.get());
}

// A realistic capture with the given settings bytes.
DecodedTexts decode(const std::map<int, unsigned char> &bytes, const std::string &frame = "01",
                    const std::string &count = "0400")
{
    CaptureBuilder capture;
    for (const auto &[nr, byte] : bytes)
        capture.settings.at(static_cast<std::size_t>((nr - 21) / 2)) = byte;
    capture.frame = frame;
    capture.count = count;
    return decodeText(capture.hexText());
}

// A realistic capture with the raw pair text at Nr.
DecodedTexts decodePair(int nr, std::string_view pair)
{
    std::string hex = CaptureBuilder {}.hexText();
    hex.replace(static_cast<std::size_t>(nr - 1), 2, pair);
    return decodeText(hex);
}

// The code byte of a hex digit character: "0" to "9", "A" to "F".
unsigned char digitCode(int digit)
{
    return static_cast<unsigned char>(digit < 10 ? '0' + digit : 'A' + digit - 10);
}

TEST(SettingsDecoder, ChannelFlagsOverAllBytes)
{
    const char *coupling1[] = {"DC", "AC", "GND", "CH1OFF"};
    const char *coupling2[] = {"DC", "AC", "GND", "CH2OFF"};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const DecodedTexts one = decode({{kChannel1, byte}, {kChannel2, 0x00}});
        EXPECT_EQ(one[102], coupling1[b & 3]) << b;
        EXPECT_EQ(one[103], b & 4 ? "UNCAL'D" : "CAL'D") << b;
        EXPECT_EQ(one[104], b & 8 ? "ON" : "OFF") << b;
        EXPECT_EQ(one[106], "DC");

        const DecodedTexts two = decode({{kChannel1, 0x0F}, {kChannel2, byte}});
        EXPECT_EQ(two[106], coupling2[b & 3]) << b;
        EXPECT_EQ(two[107], b & 4 ? "UNCAL'D" : "CAL'D") << b;
        EXPECT_EQ(two[108], b & 8 ? "ON" : "OFF") << b;
        EXPECT_EQ(two[102], "CH1OFF");
    }
}

TEST(SettingsDecoder, ChannelFlagEdgeCases)
{
    const DecodedTexts gnd = decode({{kChannel1, 0x02}});
    EXPECT_EQ(gnd[102], "GND");
    EXPECT_EQ(gnd[103], "CAL'D");
    EXPECT_EQ(gnd[104], "OFF");
    const DecodedTexts off = decode({{kChannel1, 0x0F}});
    EXPECT_EQ(off[102], "CH1OFF");
    EXPECT_EQ(off[103], "UNCAL'D");
    EXPECT_EQ(off[104], "ON");
    const DecodedTexts high = decode({{kChannel1, 0xF2}});
    for (const int n : {102, 103, 104})
        EXPECT_EQ(high[n], gnd[n]) << n;

    // Only the characters a row reads count: a non-digit high digit leaves
    // bits 3 to 0 readable, a non-digit low digit leaves none of them.
    const DecodedTexts upperUnknown = decodePair(kChannel1, "f5");
    EXPECT_EQ(upperUnknown[102], "AC");
    EXPECT_EQ(upperUnknown[103], "UNCAL'D");
    EXPECT_EQ(upperUnknown[104], "OFF");
    const DecodedTexts lowerUnknown = decodePair(kChannel2, "0f");
    for (const int n : {106, 107, 108})
        EXPECT_EQ(lowerUnknown[n], "") << n;
}

TEST(SettingsDecoder, VoltsPerDivisionOverAllBytes)
{
    const std::map<int, std::string> rows
        = {{0x30, "5 mV"},  {0x31, "10 mV"}, {0x32, "20 mV"}, {0x33, "50 mV"}, {0x34, "0.1 V"},
           {0x35, "0.2 V"}, {0x36, "0.5 V"}, {0x37, "1 V"},   {0x38, "2 V"},   {0x39, "5 V"},
           {0x41, "10 V"},  {0x42, "20 V"},  {0x43, "50 V"}};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const auto row = rows.find(b);
        const std::string expected = row == rows.end() ? "" : row->second;
        const DecodedTexts one = decode({{kVolts1, byte}, {kVolts2, 0x30}});
        EXPECT_EQ(one[101], expected) << b;
        EXPECT_EQ(one[105], "5 mV");
        const DecodedTexts two = decode({{kVolts1, 0x43}, {kVolts2, byte}});
        EXPECT_EQ(two[105], expected) << b;
        EXPECT_EQ(two[101], "50 V");
    }
    EXPECT_EQ(decode({{kVolts1, 0x44}})[101], "");
    EXPECT_EQ(decodePair(kVolts1, "3a")[101], "");
}

TEST(SettingsDecoder, TimePerDivisionIsTheAscendingSequenceOfSteps)
{
    // Step number = 16 x range + digit value of the code.
    const std::vector<std::string> steps
        = {"50 nS",     "0.1 \u00b5S", "0.2 \u00b5S", "0.5 \u00b5S", "1 \u00b5S", "2 \u00b5S",
           "5 \u00b5S", "10 \u00b5S",  "20 \u00b5S",  "50 \u00b5S",  "0.1 mS",    "0.2 mS",
           "0.5 mS",    "1 mS",        "2 mS",        "5 mS",        "10 mS",     "20 mS",
           "50 mS",     "0.1 S",       "0.2 S",       "0.5 S",       "1 S",       "2 S",
           "5 S",       "10 S",        "20 S"};
    for (int range = 0; range < 2; ++range) {
        const auto flags = static_cast<unsigned char>(0x30 + range);
        std::map<int, std::string> expected;
        for (int digit = 0; digit < 16; ++digit) {
            const std::size_t step = static_cast<std::size_t>(16 * range + digit);
            expected[digitCode(digit)] = step < steps.size() ? steps[step] : "";
        }
        for (int b = 0; b < 256; ++b) {
            const auto row = expected.find(b);
            const std::string text = row == expected.end() ? "" : row->second;
            EXPECT_EQ(decode({{kHorizontal, flags}, {kTime, static_cast<unsigned char>(b)}})[109],
                      text)
                << range << ' ' << b;
        }
    }
    EXPECT_EQ(steps[1], "0.1 \xC2\xB5S"); // the micro sign, not the Greek mu
}

TEST(SettingsDecoder, TimeRangeComesFromBitZeroOfNr29)
{
    EXPECT_EQ(decode({{kHorizontal, 0x30}, {kTime, 0x46}})[109], "5 mS");
    EXPECT_EQ(decode({{kHorizontal, 0x31}, {kTime, 0x41}})[109], "20 S");
    EXPECT_EQ(decode({{kHorizontal, 0x31}, {kTime, 0x42}})[109], "");
    EXPECT_EQ(decode({{kHorizontal, 0x32}, {kTime, 0x30}})[109], "50 nS");
    EXPECT_EQ(decode({{kHorizontal, 0x33}, {kTime, 0x30}})[109], "10 mS");
    EXPECT_EQ(decode({{kHorizontal, 0xFF}, {kTime, 0x30}})[109], "10 mS");
    // No range flag without a readable bit 0.
    EXPECT_EQ(decodePair(kHorizontal, "3 ")[109], "");
    EXPECT_EQ(decodePair(kHorizontal, "  ")[109], "");
    EXPECT_EQ(decodePair(kHorizontal, "f0")[109], decode({{kHorizontal, 0x30}})[109]);
}

TEST(SettingsDecoder, HorizontalFlagsOverAllBytes)
{
    for (int b = 0; b < 256; ++b) {
        const DecodedTexts texts = decode({{kHorizontal, static_cast<unsigned char>(b)}});
        EXPECT_EQ(texts[110], b == 0x32 ? "ON" : "OFF") << b;
        EXPECT_EQ(texts[111], b == 0x34 ? "ON" : "OFF") << b;
        EXPECT_EQ(texts[112], b == 0x38 ? "ON" : "OFF") << b;
    }
    const DecodedTexts both = decode({{kHorizontal, 0x33}, {kTime, 0x30}});
    EXPECT_EQ(both[110], "OFF");
    EXPECT_EQ(both[111], "OFF");
    EXPECT_EQ(both[112], "OFF");
    EXPECT_EQ(both[109], "10 mS");
}

struct TriggerTexts
{
    std::string mode, source, slope, position;
};

// The trigger table read the other way round: what each selector/value pair
// gives, defaults included.
TriggerTexts expectedTrigger(unsigned char selector, unsigned char value)
{
    const std::map<std::pair<char, char>, std::vector<std::pair<int, std::string>>> rows
        = {{{'3', '0'}, {{113, "NORM"}, {114, "CH2"}}},
           {{'3', '1'}, {{113, "AUTO LVL"}}},
           {{'3', '2'}, {{113, "AUTO BL"}}},
           {{'3', '3'}, {{113, "SSEQ"}}},
           {{'3', '8'}, {{113, "EXT"}}},
           {{'2', '0'}, {{114, "VERT"}}},
           {{'2', '8'}, {{114, "CH1"}, {115, "+"}, {116, "POST"}}},
           {{'0', '8'}, {{115, "-"}}},
           {{'6', '8'}, {{116, "MID"}}},
           {{'A', '8'}, {{116, "PRE"}}}};
    TriggerTexts texts {"NORM", "VERT", "+", "POST"};
    const auto row = rows.find({static_cast<char>(selector), static_cast<char>(value)});
    if (row == rows.end())
        return texts;
    for (const auto &[parameter, text] : row->second) {
        std::string *field[] = {&texts.mode, &texts.source, &texts.slope, &texts.position};
        *field[parameter - 113] = text;
    }
    return texts;
}

TEST(SettingsDecoder, TriggerOverAllCharacterPairs)
{
    std::vector<unsigned char> bytes = {0x00, 0x20, 0x61, 0xFF};
    for (int digit = 0; digit < 16; ++digit)
        bytes.push_back(digitCode(digit));
    for (const auto selector : bytes) {
        for (const auto value : bytes) {
            const DecodedTexts texts = decode({{kSelector, selector}, {kValue, value}});
            const TriggerTexts expected = expectedTrigger(selector, value);
            const std::string at = hexPair(selector) + "/" + hexPair(value);
            EXPECT_EQ(texts[113], expected.mode) << at;
            EXPECT_EQ(texts[114], expected.source) << at;
            EXPECT_EQ(texts[115], expected.slope) << at;
            EXPECT_EQ(texts[116], expected.position) << at;
        }
    }
}

TEST(SettingsDecoder, TriggerCombinations)
{
    const struct
    {
        unsigned char selector, value;
        TriggerTexts texts;
    } cases[] = {
        {0x32, 0x38, {"NORM", "CH1", "+", "POST"}},  {0x33, 0x38, {"EXT", "VERT", "+", "POST"}},
        {0x30, 0x38, {"NORM", "VERT", "-", "POST"}}, {0x33, 0x30, {"NORM", "CH2", "+", "POST"}},
        {0x36, 0x38, {"NORM", "VERT", "+", "MID"}},  {0x41, 0x38, {"NORM", "VERT", "+", "PRE"}},
        {0x32, 0x30, {"NORM", "VERT", "+", "POST"}}, {0x38, 0x33, {"NORM", "VERT", "+", "POST"}},
    };
    for (const auto &c : cases) {
        const DecodedTexts texts = decode({{kSelector, c.selector}, {kValue, c.value}});
        EXPECT_EQ(texts[113], c.texts.mode) << hexPair(c.selector) << hexPair(c.value);
        EXPECT_EQ(texts[114], c.texts.source) << hexPair(c.selector) << hexPair(c.value);
        EXPECT_EQ(texts[115], c.texts.slope) << hexPair(c.selector) << hexPair(c.value);
        EXPECT_EQ(texts[116], c.texts.position) << hexPair(c.selector) << hexPair(c.value);
    }
}

void expectFixedTexts(const DecodedTexts &texts)
{
    const char *fixed[] = {"NO", "NONSTORE", "NORM", "NO", "NO", "CH1", "YES"};
    for (int n = 117; n <= 123; ++n)
        EXPECT_EQ(texts[n], fixed[n - 117]) << n;
}

TEST(SettingsDecoder, RealisticCaptureAndFixedTexts)
{
    const DecodedTexts texts = decodeText(CaptureBuilder {}.hexText());
    const std::vector<std::string> expected
        = {"1 V",  "DC",  "CAL'D", "OFF",  "1 V", "DC", "CAL'D", "OFF", "1 mS",
           "OFF",  "OFF", "OFF",   "NORM", "CH1", "+",  "POST",  "NO",  "NONSTORE",
           "NORM", "NO",  "NO",    "CH1",  "YES", "1",  "1024"};
    for (int n = 101; n <= 125; ++n)
        EXPECT_EQ(texts[n], expected.at(static_cast<std::size_t>(n - 101))) << n;
    expectFixedTexts(decode({{kChannel1, 0xFF}, {kSelector, 0x00}}));
}

TEST(SettingsDecoder, ShortCaptureShowsOnlyDefaults)
{
    const std::string lead = CaptureBuilder {}.hexText().substr(0, 20);
    for (const std::string &hex : {lead, std::string(), std::string("3031")}) {
        const DecodedTexts texts = decodeText(hex);
        for (int n = 101; n <= 109; ++n)
            EXPECT_EQ(texts[n], "") << n;
        for (int n = 110; n <= 112; ++n)
            EXPECT_EQ(texts[n], "OFF") << n;
        EXPECT_EQ(texts[113], "NORM");
        EXPECT_EQ(texts[114], "VERT");
        EXPECT_EQ(texts[115], "+");
        EXPECT_EQ(texts[116], "POST");
        expectFixedTexts(texts);
        EXPECT_EQ(texts[124], "0");
        EXPECT_EQ(texts[125], "0");
    }
}

TEST(SettingsDecoder, NumbersAsPlainDecimal)
{
    EXPECT_EQ(decode({}, "1A", "0400")[124], "26");
    EXPECT_EQ(decode({}, "00", "0400")[124], "0");
    EXPECT_EQ(decode({}, "FF", "0400")[124], "255");
    EXPECT_EQ(decode({}, "01", "0000")[125], "0");
    EXPECT_EQ(decode({}, "01", "7FFF")[125], "32767");
    EXPECT_EQ(decode({}, "01", "8000")[125], "32768");
    EXPECT_EQ(decode({}, "01", "FFFF")[125], "65535");
}

TEST(SettingsDecoder, DecodeCaptureKeepsTheTextAndNumbers)
{
    CaptureBuilder capture;
    capture.frame = "2C";
    capture.count = "9000";
    const PreparedText text = prepareCaptureText(capture.hexText());
    auto state = std::make_unique<VarGlobal>();
    auto rows = std::make_unique<ListRows>();
    decodeCapture(*state, text, rows.get());
    EXPECT_EQ(state->captureText, text);
    EXPECT_EQ(state->frameNumber, 2 * 16 + 12);
    EXPECT_EQ(state->byteCount, 9 * 4096);

    // A second load replaces all of it.
    decodeCapture(*state, prepareCaptureText("3F"), rows.get());
    EXPECT_EQ(state->captureText.view().substr(0, 3), "3F ");
    EXPECT_EQ(state->frameNumber, 0);
    EXPECT_EQ(state->byteCount, 0);
    EXPECT_EQ(state->byteTable.at(21).hexText, "  ");
    EXPECT_EQ(rows->at(10).view().substr(0, 8), "  21    ");
}

} // namespace
} // namespace orvant
