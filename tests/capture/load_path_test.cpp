#include "capture/load_path.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(LoadPath, TrailingSeparatorIsAddedWhenMissing)
{
    EXPECT_EQ(withTrailingSeparator("C:\\logs", '\\'), "C:\\logs\\");
    EXPECT_EQ(withTrailingSeparator("C:\\logs\\", '\\'), "C:\\logs\\");
    EXPECT_EQ(withTrailingSeparator("C:\\", '\\'), "C:\\");
    EXPECT_EQ(withTrailingSeparator("/home/u/logs", '/'), "/home/u/logs/");
    EXPECT_EQ(withTrailingSeparator("/home/u/logs/", '/'), "/home/u/logs/");
    EXPECT_EQ(withTrailingSeparator("/", '/'), "/");
    // Only the system's own separator counts, compared exactly.
    EXPECT_EQ(withTrailingSeparator("C:/logs/", '\\'), "C:/logs/\\");
    EXPECT_EQ(withTrailingSeparator("/home/u\\", '/'), "/home/u\\/");
    EXPECT_EQ(withTrailingSeparator("logs ", '/'), "logs /");
}

TEST(LoadPath, EmptyFolderTextHasNoLastCharacter)
{
    EXPECT_FALSE(withTrailingSeparator("", '\\'));
    EXPECT_FALSE(withTrailingSeparator("", '/'));
}

TEST(LoadPath, FullNameIsFolderTextAndFileName)
{
    const auto folder = withTrailingSeparator("C:\\logs", '\\');
    ASSERT_TRUE(folder);
    EXPECT_EQ(fullCaptureName(*folder, "a.log"), "C:\\logs\\a.log");
    EXPECT_EQ(fullCaptureName("/data/", "b c.LOG"), "/data/b c.LOG");
}

TEST(LoadPath, LogExtensionIsCaseSensitive)
{
    const struct
    {
        const char *name;
        bool log;
    } cases[] = {{"a.log", true},     {"C:\\logs\\a.log", true}, {".log", true},
                 {"x.tar.log", true}, {"A.LOG", false},          {"a.Log", false},
                 {"a.loG", false},    {"a.log ", false},         {"a.logx", false},
                 {"log", false},      {"alog", false},           {"a.lo", false},
                 {"", false},         {"a.txt", false}};
    for (const auto &c : cases)
        EXPECT_EQ(endsWithLogExtension(c.name), c.log) << c.name;
}

TEST(LoadPath, WarningTextHasLineFeedThenCarriageReturn)
{
    const std::string first = "The selected file can possibly not be processed, because it does "
                              "not end with '.log'.";
    const std::string second = "Please select a ORVANT LOG-file.";
    const std::string text = extensionWarningText();
    EXPECT_EQ(text, first + '\x0A' + '\x0D' + second);
    EXPECT_EQ(text.find('\n'), first.size());
    EXPECT_EQ(text.find('\r'), first.size() + 1);
}

} // namespace
} // namespace orvant
