#include "cli/command_words.h"

#include <gtest/gtest.h>

#include <array>

namespace orvant {

TEST(CommandWords, ValuesAreJoinedAndOperandsAfterTheDoubleDashSetApart)
{
    constexpr std::array<std::string_view, 1> kTo = {"--to"};
    struct Case
    {
        std::vector<std::string> args, words, operands;
        std::optional<std::string> missing;
    };
    const std::vector<Case> cases = {
        {{}, {}, {}, {}},
        {{"--to", "x", "a"}, {"--to=x", "a"}, {}, {}},
        {{"--to", "--csv", "a"}, {"--to=--csv", "a"}, {}, {}},
        {{"--to", "--", "a"}, {"--to=--", "a"}, {}, {}},
        {{"--to=x", "a"}, {"--to=x", "a"}, {}, {}},
        {{"a", "--", "--to", "b"}, {"a"}, {"--to", "b"}, {}},
        {{"a", "--", "--", "b"}, {"a"}, {"--", "b"}, {}},
        {{"a", "--to"}, {"a"}, {}, "--to"},
        {{"--to=", "a"}, {"a"}, {}, "--to"},
        {{"--to", "", "a"}, {"a"}, {}, "--to"},
        {{"--top", "a"}, {"--top", "a"}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CommandWords words = commandWords(c.args, kTo);
        EXPECT_EQ(words.words, c.words);
        EXPECT_EQ(words.operands, c.operands);
        EXPECT_EQ(words.valueMissing, c.missing);
    }
}

TEST(CommandWords, QtsOptionsAndTheirValuesAreLeftOut)
{
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"-platform", "xcb", "a"}, {"a"}},
        {{"--style", "fusion", "-stylesheet=s.qss", "--widgetcount", "a"}, {"a"}},
        {{"-style"}, {}},
        {{"-styles", "a"}, {"-styles", "a"}},
        {{"-platform=xcb"}, {"-platform=xcb"}},
        {{"a", "--", "-platform", "xcb"}, {"a", "--", "-platform", "xcb"}},
        {{"-session", "s1", "-testability", "-qmljsdebugger=port:1", "-plugin", "p"}, {}},
    };
    for (const auto &[args, kept] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(withoutQtOptions(args), kept);
    }
}

TEST(CommandWords, UnknownOptionsAreThoseNotSpelledAsTheProgramsOwn)
{
    constexpr std::array<std::string_view, 2> kFlags = {"-h", "--csv"};
    constexpr std::array<std::string_view, 1> kTo = {"--to"};
    const std::vector<std::pair<std::vector<std::string>, std::optional<std::string>>> cases = {
        {{"-h", "--csv", "--to=x", "a", "-"}, {}},
        {{"a", "-5", "-6"}, "-5"},
        {{"-hx"}, "-hx"},
        {{"--csv=no"}, "--csv=no"},
        {{"--to"}, "--to"},
        {{"---x", "--b"}, "---x"},
    };
    for (const auto &[words, unknown] : cases) {
        SCOPED_TRACE(::testing::PrintToString(words));
        EXPECT_EQ(firstUnknownOption(words, kFlags, kTo), unknown);
    }
    EXPECT_FALSE(looksLikeOption("-"));
    EXPECT_FALSE(looksLikeOption("x-"));
}

} // namespace orvant
