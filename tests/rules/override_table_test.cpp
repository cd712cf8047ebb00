#include "rules/override_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace orvant::test {
namespace {

const OverrideRow &rowOf(int parameter)
{
    const OverrideRow *row = overrideRow(parameter);
    EXPECT_NE(row, nullptr) << parameter;
    return *row;
}

// One dialog's frame, written out by hand; its options are the catalogue's.
struct ExpectedDialog
{
    int parameter;
    std::string title;
    std::size_t options;
    int top;
    int clientHeight;
    std::map<std::size_t, int> wider = {}; // option index -> width in twips
    int promptWidth = 3435;
};

std::map<std::size_t, int> allWide(std::size_t count, int width)
{
    std::map<std::size_t, int> wide;
    for (std::size_t i = 0; i < count; ++i)
        wide[i] = width;
    return wide;
}

const std::string kPrefix = "Change the display of ";
const std::vector<ExpectedDialog> kDialogs = {
    {101, kPrefix + "CH1 VOLTS/DIV", 13, 3650, 4095, {}, 3315},
    {102, kPrefix + "CH1 CLPG", 4, 3930, 1425, {{3, 1185}}},
    {103, kPrefix + "CH1 VAR", 2, 4250, 870, {{1, 1305}}},
    {104, kPrefix + "CH1 INVERT", 2, 4550, 870},
    {105, kPrefix + "CH2 VOLTS/DIV", 13, 4850, 4065},
    {106, kPrefix + "CH2 CLPG", 4, 5150, 1425, {{3, 1245}}},
    {107, kPrefix + "CH2 VAR", 2, 5450, 870, {{1, 1305}}},
    {108, kPrefix + "CH2 INVERT", 2, 5750, 870},
    {109, kPrefix + "SEC/DIV", 27, 6050, 8310, allWide(27, 1245)},
    {110, kPrefix + "X10 MAG", 2, 6350, 870},
    {111, kPrefix + "XY", 2, 6650, 870},
    {112, kPrefix + "RO OFF", 2, 6950, 870},
    {113, kPrefix + "TRIG MODE", 4, 7250, 1425, {{1, 1305}, {2, 1305}}},
    {114, kPrefix + "TRIG SRC", 4, 7550, 1425},
    {115, kPrefix + "TRIG SLOPE", 2, 7850, 870},
    {116, kPrefix + "TRIG POS", 3, 8150, 1110},
    {117, kPrefix + "AUTO TRIG ENEBLED", 2, 8450, 870},
    {118, kPrefix + "STORE MODE", 2, 8750, 870, {{0, 1305}}},
    {119, kPrefix + "ACQ MODE", 4, 9050, 1425},
    {120, kPrefix + "VALID STORE", 2, 9350, 870},
    {121, kPrefix + "RCL'D WFM", 2, 9650, 870},
    {122, kPrefix + "CHAN SEL", 2, 9950, 870},
    {123, kPrefix + "TIME OUT", 2, 10250, 870},
};

class OverrideTableRow : public ::testing::TestWithParam<ExpectedDialog>
{
};

TEST_P(OverrideTableRow, HoldsTheTitlePlaceAndWidthsWrittenOutByHand)
{
    const ExpectedDialog &expected = GetParam();
    const OverrideRow &row = rowOf(expected.parameter);
    EXPECT_EQ(number(row.parameter), expected.parameter);
    EXPECT_EQ(row.title, expected.title);
    EXPECT_EQ(overrideOptions(row).size(), expected.options);
    EXPECT_EQ(row.top, expected.top);
    EXPECT_EQ(row.clientHeight, expected.clientHeight);
    EXPECT_EQ(row.promptWidth, expected.promptWidth);
    for (std::size_t i = 0; i < expected.options; ++i) {
        const auto wider = expected.wider.find(i);
        EXPECT_EQ(optionWidth(row, i), wider == expected.wider.end() ? 1000 : wider->second)
            << "option " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, OverrideTableRow, ::testing::ValuesIn(kDialogs),
                         [](const auto &info) {
                             return "frm" + std::to_string(info.param.parameter);
                         });

TEST(OverrideTable, HoldsParameters101To123InOrderAndNoOthers)
{
    ASSERT_EQ(overrideRows().size(), 23u);
    for (int parameter = 101; parameter <= 123; ++parameter)
        EXPECT_EQ(number(overrideRows()[static_cast<std::size_t>(parameter - 101)].parameter),
                  parameter);
    for (const int without : {0, 100, 124, 125, 126, -101})
        EXPECT_EQ(overrideRow(without), nullptr) << without;
}

TEST(OverrideTable, TopsStep300FromParameter104)
{
    for (int parameter = 104; parameter <= 123; ++parameter)
        EXPECT_EQ(rowOf(parameter).top, 4550 + 300 * (parameter - 104)) << parameter;
    EXPECT_EQ(rowOf(102).top, 3930); // not 3950
}

// The ladders' options write the decoded texts, in the same order.
TEST(OverrideTable, VoltsAndTimeWriteTheDecodersTexts)
{
    for (const int parameter : {101, 105, 109}) {
        for (const SettingValue &option : overrideOptions(rowOf(parameter)))
            EXPECT_EQ(option.written, option.decoded) << option.caption;
    }
}

// Characters, not bytes: the micro sign takes two bytes in UTF-8.
std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The written texts are the shown captions without their alignment blanks.
TEST(OverrideTable, ListCaptionsAreAlignedWrittenTextsAreNot)
{
    const auto withoutAlignment = [](std::string text) {
        text.erase(0, text.find_first_not_of(' '));
        if (const auto twoBlanks = text.find("  "); twoBlanks != std::string::npos)
            text.erase(twoBlanks, 1);
        return text;
    };
    for (const int parameter : {101, 105, 109}) {
        const auto options = overrideOptions(rowOf(parameter));
        const std::size_t length = characters(options.front().caption);
        for (const SettingValue &option : options) {
            EXPECT_EQ(characters(option.caption), length) << option.caption;
            EXPECT_EQ(option.written, withoutAlignment(std::string(option.caption)));
        }
    }
}

// Each dialog of a setting the capture does not hold offers the text a load shows,
// except CHAN SEL, whose "CH1" it writes as "CH 1".
TEST(OverrideTable, FixedTextsAreOfferedExceptChannelSelection)
{
    const std::map<int, std::string> fixed
        = {{117, "NO"}, {118, "NONSTORE"}, {119, "NORM"}, {120, "NO"},
           {121, "NO"}, {122, "CH1"},      {123, "YES"}};
    for (const auto &[parameter, text] : fixed) {
        const auto options = overrideOptions(rowOf(parameter));
        const std::string &shown = text; // a binding itself is not captured before C++23 clang
        const bool found = std::any_of(options.begin(), options.end(),
                                       [&](const SettingValue &o) { return o.written == shown; });
        EXPECT_EQ(found, parameter != 122) << parameter;
    }
}

TEST(OverrideTable, LeftIsTheCentredMainWindowsRightEdgeInFloatingPoint)
{
    EXPECT_DOUBLE_EQ(overrideLeft(18780, 28800), 23790.0);
    EXPECT_DOUBLE_EQ(overrideLeft(18781, 28799), 23790.0); // halves before the sum
    EXPECT_DOUBLE_EQ(overrideLeft(18781, 28800), 23790.5);
}

} // namespace
} // namespace orvant::test
