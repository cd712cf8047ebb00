#include "cli/viewer_command_line.h"

#include <gtest/gtest.h>

namespace orvant {

TEST(ViewerCommandLine, OneCaptureHelpAndVersionWinWrongLinesAreRefused)
{
    struct Case
    {
        std::vector<std::string> args;
        bool help, version;
        std::optional<std::string> capture, error;
    };
    const std::vector<Case> cases = {
        {{}, false, false, {}, {}},
        {{"a.log"}, false, false, "a.log", {}},
        {{"--", "-a.log"}, false, false, "-a.log", {}},
        {{"-"}, false, false, "-", {}},
        {{"--version"}, false, true, {}, {}},
        {{"a.log", "--frob", "-h"}, true, false, "a.log", {}},
        {{"--frob"}, false, false, {}, "unknown option --frob"},
        {{"a.log", "b.log"}, false, false, "a.log", "only one capture can be opened"},
        {{"--", "--help"}, false, false, "--help", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ViewerCommandLine line = parseViewerCommandLine(c.args);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(line.version, c.version);
        EXPECT_EQ(line.capture, c.capture);
        EXPECT_EQ(line.usageError, c.error);
    }
}

TEST(ViewerCommandLine, QtsOwnOptionsPassWithTheirValues)
{
    struct Case
    {
        std::vector<std::string> args;
        std::optional<std::string> capture, error;
    };
    const std::vector<Case> cases = {
        {{"-platform", "offscreen", "a.log"}, "a.log", {}},
        {{"a.log", "--platform", "offscreen"}, "a.log", {}},
        {{"-style", "fusion"}, {}, {}},
        {{"-style=fusion", "a.log"}, "a.log", {}},
        {{"-reverse", "-qwindowgeometry", "100x100+0+0", "a.log"}, "a.log", {}},
        {{"-display", ":1", "-name", "x", "-title", "t", "a.log"}, "a.log", {}},
        // Qt reads "-platform" with its value in the next word only.
        {{"-platform=offscreen"}, {}, "unknown option -platform=offscreen"},
        // A value is Qt's even when it looks like an option or a capture.
        {{"-platform", "--help"}, {}, {}},
        {{"-platform", "a.log", "b.log"}, "b.log", {}},
        // After "--" nothing is an option.
        {{"--", "-reverse"}, "-reverse", {}},
        {{"/c/a.log", "-reverse"}, "/c/a.log", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ViewerCommandLine line = parseViewerCommandLine(c.args);
        EXPECT_FALSE(line.help);
        EXPECT_EQ(line.capture, c.capture);
        EXPECT_EQ(line.usageError, c.error);
    }
}

TEST(ViewerCommandLine, WordsThatOnlyLookLikeOptionsOrFlagsWithValuesAreRefused)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-5"}, "unknown option -5"},
        {{"---x"}, "unknown option ---x"},
        {{"a.log", "-x"}, "unknown option -x"},
        {{"--frob", "a.log", "b.log"}, "unknown option --frob"},
    };
    for (const auto &[args, error] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(parseViewerCommandLine(args).usageError, error);
    }
    for (const std::string flag : {"--help=1", "--version=no", "-hx"})
        EXPECT_EQ(parseViewerCommandLine({flag}).usageError, "unknown option " + flag);
}

TEST(ViewerCommandLine, TextsNameTheProgramAndItsVersion)
{
    EXPECT_EQ(viewerUsageText(), "Usage: orvant [CAPTURE]\n");
    EXPECT_TRUE(viewerHelpText().starts_with(viewerUsageText()));
    EXPECT_EQ(viewerVersionText(), "orvant " ORVANT_VERSION "\n");
}

} // namespace orvant
