#include "rules/viewer_command_line.h"

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

} // namespace orvant
