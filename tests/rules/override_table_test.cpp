#include "expected_dialogs.h"

#include "capture/settings_tables.h"
#include "rules/override_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orvant::test {
namespace {

std::vector<std::string> texts(const OverrideRow &row, bool written)
{
    std::vector<std::string> result;
    for (const OverrideOption &option : row.options)
        result.emplace_back(written ? option.written : option.shown);
    return result;
}

const OverrideRow &rowOf(int parameter)
{
    const OverrideRow *row = overrideRow(parameter);
    EXPECT_NE(row, nullptr) << parameter;
    return *row;
}

class OverrideTableRow : public ::testing::TestWithParam<ExpectedDialog>
{
};

TEST_P(OverrideTableRow, HoldsTheTitleOptionsAndPlaceWrittenOutByHand)
{
    const ExpectedDialog &expected = GetParam();
    const OverrideRow &row = rowOf(expected.parameter);
    EXPECT_EQ(row.parameter, expected.parameter);
    EXPECT_EQ(row.title, expected.title);
    EXPECT_EQ(texts(row, false), expected.shown);
    EXPECT_EQ(texts(row, true), expected.writtenTexts());
    EXPECT_EQ(row.top, expected.top);
    EXPECT_EQ(row.clientHeight, expected.clientHeight);
    EXPECT_EQ(row.promptWidth, expected.promptWidth);
    for (std::size_t i = 0; i < row.options.size(); ++i)
        EXPECT_EQ(row.options[i].width, expected.width(static_cast<int>(i))) << "option " << i;
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, OverrideTableRow, ::testing::ValuesIn(expectedDialogs()),
                         [](const auto &info) {
                             return "frm" + std::to_string(info.param.parameter);
                         });

TEST(OverrideTable, HoldsParameters101To123InOrderAndNoOthers)
{
    ASSERT_EQ(overrideRows().size(), 23u);
    for (int parameter = 101; parameter <= 123; ++parameter)
        EXPECT_EQ(overrideRows()[static_cast<std::size_t>(parameter - 101)].parameter, parameter);
    for (const int without : {0, 100, 124, 125, 126, -101})
        EXPECT_EQ(overrideRow(without), nullptr) << without;
}

TEST(OverrideTable, TopsStep300FromParameter104)
{
    for (int parameter = 104; parameter <= 123; ++parameter)
        EXPECT_EQ(rowOf(parameter).top, 4550 + 300 * (parameter - 104)) << parameter;
    EXPECT_EQ(rowOf(102).top, 3930); // not 3950
}

TEST(OverrideTable, VoltsAndTimeWriteTheDecodersTextsInOrder)
{
    std::vector<std::string> volts;
    for (const ByteRow &entry : voltsPerDivisionRows())
        volts.emplace_back(entry.text);
    EXPECT_EQ(texts(rowOf(101), true), volts);
    EXPECT_EQ(texts(rowOf(105), true), volts);

    std::vector<std::string> times;
    for (const bool range1 : {false, true}) {
        for (const TimeRow &entry : timePerDivisionRows()) {
            const std::string_view text = range1 ? entry.range1 : entry.range0;
            if (!text.empty())
                times.emplace_back(text);
        }
    }
    EXPECT_EQ(texts(rowOf(109), true), times);
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
        const OverrideRow &row = rowOf(parameter);
        const std::size_t length = characters(row.options.front().shown);
        for (const OverrideOption &option : row.options) {
            EXPECT_EQ(characters(option.shown), length) << option.shown;
            EXPECT_EQ(option.written, withoutAlignment(std::string(option.shown)));
        }
    }
}

TEST(OverrideTable, FixedTextsAreOfferedExceptChannelSelection)
{
    for (const ParameterText &fixed : fixedTexts()) {
        const std::vector<std::string> offered = texts(rowOf(fixed.parameter), true);
        const bool found = std::find(offered.begin(), offered.end(), fixed.text) != offered.end();
        EXPECT_EQ(found, fixed.parameter != 122) << fixed.parameter;
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
