// The catalogue against the settings as the instrument's panel and the override
// dialogs name them, written out here by hand.
#include "shared/settings_catalogue.h"
#include "shared/shown_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvant {
namespace {

#define MICRO "\xC2\xB5" // U+00B5 MICRO SIGN in UTF-8

using Texts = std::vector<std::string>;

// One parameter's values: the dialog's captions and written texts, then the
// texts a capture decodes ("" where a capture never gives that value).
struct Expected
{
    int parameter;
    Texts captions;
    Texts written; // empty: the same as the captions
    Texts decoded;
};

const Texts kVoltsCaptions = {" 5 mV", "10 mV", "20 mV", "50 mV", "0.1 V", "0.2 V", "0.5 V",
                              "  1 V", "  2 V", "  5 V", " 10 V", " 20 V", " 50 V"};
const Texts kVolts = {"5 mV", "10 mV", "20 mV", "50 mV", "0.1 V", "0.2 V", "0.5 V",
                      "1 V",  "2 V",   "5 V",   "10 V",  "20 V",  "50 V"};
const Texts kTimeCaptions
    = {" 50 nS",         "0.1 " MICRO "S", "0.2 " MICRO "S", "0.5 " MICRO "S", "  1 " MICRO "S",
       "  2 " MICRO "S", "  5 " MICRO "S", " 10 " MICRO "S", " 20 " MICRO "S", " 50 " MICRO "S",
       "0.1 mS",         "0.2 mS",         "0.5 mS",         "  1 mS",         "  2 mS",
       "  5 mS",         " 10 mS",         " 20 mS",         " 50 mS",         "0.1  S",
       "0.2  S",         "0.5  S",         "  1  S",         "  2  S",         "  5  S",
       " 10  S",         " 20  S"};
const Texts kTime = {"50 nS",
                     "0.1 " MICRO "S",
                     "0.2 " MICRO "S",
                     "0.5 " MICRO "S",
                     "1 " MICRO "S",
                     "2 " MICRO "S",
                     "5 " MICRO "S",
                     "10 " MICRO "S",
                     "20 " MICRO "S",
                     "50 " MICRO "S",
                     "0.1 mS",
                     "0.2 mS",
                     "0.5 mS",
                     "1 mS",
                     "2 mS",
                     "5 mS",
                     "10 mS",
                     "20 mS",
                     "50 mS",
                     "0.1 S",
                     "0.2 S",
                     "0.5 S",
                     "1 S",
                     "2 S",
                     "5 S",
                     "10 S",
                     "20 S"};

const std::vector<Expected> kExpected = {
    {101, kVoltsCaptions, kVolts, kVolts},
    {102,
     {"DC", "AC", "GND", "CH1OFF"},
     {"DC", "AC", "GND", "CH1 OFF"},
     {"DC", "AC", "GND", "CH1OFF"}},
    {103, {"CAL'D", "UNCALB'D"}, {"CAL'D", "UNCAL'D"}, {"CAL'D", "UNCAL'D"}},
    {104, {"OFF", "ON"}, {}, {"OFF", "ON"}},
    {105, kVoltsCaptions, kVolts, kVolts},
    {106, {"DC", "AC", "GND", "CH2 OFF"}, {}, {"DC", "AC", "GND", "CH2OFF"}},
    {107, {"CAL'D", "UNCALB'D"}, {"CAL'D", "UNCAL'D"}, {"CAL'D", "UNCAL'D"}},
    {108, {"OFF", "ON"}, {}, {"OFF", "ON"}},
    {109, kTimeCaptions, kTime, kTime},
    {110, {"OFF", "ON"}, {}, {"OFF", "ON"}},
    {111, {"OFF", "ON"}, {}, {"OFF", "ON"}},
    {112, {"OFF", "ON"}, {}, {"OFF", "ON"}},
    {113,
     {"NORM", "AUTO LVL", "AUTO BL", "SSEQ"},
     {},
     {"NORM", "AUTO LVL", "AUTO BL", "SSEQ", "EXT"}},
    {114, {"VERT", "CH 1", "CH 2", "EXT"}, {}, {"VERT", "CH1", "CH2", ""}},
    {115, {"-", "+"}, {}, {"-", "+"}},
    {116, {"POST", "MID", "PRE"}, {}, {"POST", "MID", "PRE"}},
    {117, {"NO", "YES"}, {}, {"NO", ""}},
    {118, {"NONSTORE", "STORE"}, {}, {"NONSTORE", ""}},
    {119, {"NORM", "ENV", "AVG", "C ENV"}, {}, {"NORM", "", "", ""}},
    {120, {"NO", "YES"}, {}, {"NO", ""}},
    {121, {"NO", "YES"}, {}, {"NO", ""}},
    {122, {"CH 2", "CH 1"}, {}, {"", "CH1"}},
    {123, {"YES", "NO"}, {}, {"YES", ""}},
};

TEST(SettingsCatalogue, NamesAsThePanelWritesThem)
{
    const Texts names = {"CH 1 VOLTS/DIV",   "CH 1 CLPG",  "CH 1 VAR",   "CH 1 INVERT",
                         "CH 2 VOLTS/DIV",   "CH 2 CPLG",  "CH 2 VAR",   "CH 2 INVERT",
                         "SEC/DIV",          "X10 MAG",    "XY",         "RO OFF",
                         "TRIG MODE",        "TRIG SRC",   "TRIG SLOPE", "TRIG POS",
                         "AUTO TRIG ENBL'D", "STORE MODE", "ACQ MODE",   "VALID STORE",
                         "RCL'D WFM",        "CHAN SEL",   "TIME OUT",   "FRAME NR",
                         "BYTE COUNT"};
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(parameterName(kAllParameters.at(i)), names[i]) << i;
    EXPECT_EQ(number(Parameter::Ch1VoltsPerDiv), 101);
    EXPECT_EQ(number(Parameter::ByteCount), 125);
    EXPECT_TRUE(settingValues(Parameter::FrameNr).empty());
    EXPECT_TRUE(settingValues(Parameter::ByteCount).empty());
}

TEST(SettingsCatalogue, EveryValueWithItsCaptionWrittenAndDecodedText)
{
    for (const Expected &expected : kExpected) {
        const auto values = settingValues(parameterNumbered(expected.parameter));
        const Texts &written = expected.written.empty() ? expected.captions : expected.written;
        ASSERT_EQ(values.size(), expected.decoded.size()) << expected.parameter;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool offered = i < expected.captions.size();
            EXPECT_EQ(values[i].caption, offered ? expected.captions[i] : "")
                << expected.parameter << " " << i;
            EXPECT_EQ(values[i].written, offered ? written[i] : "")
                << expected.parameter << " " << i;
            EXPECT_EQ(values[i].decoded, expected.decoded[i]) << expected.parameter << " " << i;
        }
    }
}

TEST(SettingsCatalogue, LaddersInVoltsAndSecondsPerDivision)
{
    const std::vector<double> volts
        = {5e-3, 10e-3, 20e-3, 50e-3, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50};
    const std::vector<double> seconds
        = {50e-9, 0.1e-6, 0.2e-6, 0.5e-6, 1e-6, 2e-6, 5e-6, 10e-6, 20e-6,
           50e-6, 0.1e-3, 0.2e-3, 0.5e-3, 1e-3, 2e-3, 5e-3, 10e-3, 20e-3,
           50e-3, 0.1,    0.2,    0.5,    1,    2,    5,    10,    20};
    for (const auto &[parameter, ladder] : {std::pair {Parameter::Ch1VoltsPerDiv, volts},
                                            std::pair {Parameter::Ch2VoltsPerDiv, volts},
                                            std::pair {Parameter::SecPerDiv, seconds}}) {
        const auto values = settingValues(parameter);
        ASSERT_EQ(values.size(), ladder.size());
        for (std::size_t i = 0; i < ladder.size(); ++i)
            EXPECT_DOUBLE_EQ(values[i].perDivision, ladder[i]) << values[i].written;
    }
    EXPECT_EQ(settingValues(Parameter::Ch1Coupling)[0].perDivision, 0);
}

TEST(SettingsCatalogue, EitherSpellingStandsForOneValue)
{
    struct Case
    {
        Parameter parameter;
        std::string text;
        std::optional<ValueIndex> value;
    };
    const std::vector<Case> cases {
        {Parameter::Ch1Coupling, "CH1OFF", 3},
        {Parameter::Ch1Coupling, "CH1 OFF", 3},
        {Parameter::Ch2Coupling, "CH2OFF", 3},
        {Parameter::TrigSrc, "CH1", 1},
        {Parameter::TrigSrc, "CH 1", 1},
        {Parameter::TrigSrc, "EXT", 3},
        {Parameter::TrigMode, "EXT", 4},
        {Parameter::ChanSel, "CH 2", 0},
        {Parameter::ChanSel, "CH1", 1},
        {Parameter::Ch1Var, "UNCAL'D", 1},
        {Parameter::Ch1Var, "UNCALB'D", std::nullopt}, // a caption, never shown
        {Parameter::Ch1VoltsPerDiv, "  1 V", std::nullopt},
        {Parameter::Ch1VoltsPerDiv, "", std::nullopt},
        {Parameter::Ch1VoltsPerDiv, "3 V", std::nullopt},
        {Parameter::FrameNr, "1", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(valueOfText(c.parameter, c.text), c.value)
            << number(c.parameter) << " " << c.text;
}

// A choice is red until cleared; a load's texts and emptying keep the colour.
TEST(ShownSettings, RedFromAChoiceUntilCleared)
{
    DecodedSettings decoded;
    decoded.values.set(Parameter::Ch1Coupling, 3);
    decoded.byteCount = 1024;
    ShownSettings shown;
    shown.showDecoded(decoded);
    EXPECT_EQ(shown[Parameter::Ch1Coupling].text, "CH1OFF");
    EXPECT_EQ(shown[Parameter::ByteCount].text, "1024");
    EXPECT_FALSE(shown[Parameter::ByteCount].value);

    shown.showChoice(Parameter::Ch1Coupling, 3);
    EXPECT_EQ(shown[Parameter::Ch1Coupling].text, "CH1 OFF");
    EXPECT_EQ(shown[Parameter::Ch1Coupling].value, 3);
    EXPECT_TRUE(shown[Parameter::Ch1Coupling].red);
    shown.empty();
    EXPECT_EQ(shown[Parameter::Ch1Coupling].text, "");
    EXPECT_FALSE(shown.values()[Parameter::Ch1Coupling]);
    shown.showDecoded(decoded);
    EXPECT_TRUE(shown[Parameter::Ch1Coupling].red);
    EXPECT_EQ(shown[Parameter::Ch1Coupling].text, "CH1OFF");
    shown.clear();
    EXPECT_FALSE(shown[Parameter::Ch1Coupling].red);
    EXPECT_EQ(shown[Parameter::ByteCount].text, "");
}

} // namespace
} // namespace orvant
