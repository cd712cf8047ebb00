#include "rules/path_file.h"

#include "capture_builder.h"
#include "shared/folders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvant {
namespace {

TEST(PathFile, WritesLineWithCrLfAndReadsItBack)
{
    const test::TempFolder temp;
    const auto file = temp.path() / "ORVANT 2. Path" / "txtPath.Text"; // folder created
    ASSERT_FALSE(writePathFile(file, "/home/user/captures/"));
    EXPECT_EQ(test::readFile(file), "/home/user/captures/\r\n");
    EXPECT_EQ(readPathFile(file), "/home/user/captures/");
}

TEST(PathFile, TextsThatWouldNotReadBackAreQuoted)
{
    const test::TempFolder temp;
    const auto file = temp.path() / "txtPath.Text";
    for (const std::string text : {"/data/a,b/", " /lead", "\t/tab", "/line\nbreak/"}) {
        ASSERT_FALSE(writePathFile(file, text));
        EXPECT_EQ(readPathFile(file), text) << text;
    }
    EXPECT_EQ(test::readFile(file), "\"/line\nbreak/\"\r\n");
    // An empty text is a bare line end, which reads as no folder at all.
    ASSERT_FALSE(writePathFile(file, ""));
    EXPECT_EQ(test::readFile(file), "\r\n");
    EXPECT_FALSE(readPathFile(file));
}

TEST(PathFile, DoubleQuoteCannotBeStoredAndEarlierFileStays)
{
    const test::TempFolder temp;
    const auto file = temp.path() / "txtPath.Text";
    ASSERT_FALSE(writePathFile(file, "/kept/"));
    EXPECT_TRUE(writePathFile(file, "/a\"b/"));
    EXPECT_EQ(readPathFile(file), "/kept/");
}

TEST(PathFile, HandWrittenCommaAndUnreadableFiles)
{
    const test::TempFolder temp;
    const auto file = test::writeFile(temp.path() / "p", "C:\\logs,rest\r\nmore");
    EXPECT_EQ(readPathFile(file), "C:\\logs");
    // An empty field names no folder.
    for (const char *content : {"\"\"\r\n", ",C:\\rest\r\n"})
        EXPECT_FALSE(readPathFile(test::writeFile(temp.path() / "empty", content))) << content;
    EXPECT_FALSE(readPathFile(temp.path() / "missing"));
    EXPECT_FALSE(readPathFile(temp.path())); // a folder
    EXPECT_FALSE(readPathFile(test::writeFile(temp.path() / "huge", std::string(5000, 'x'))));
    EXPECT_EQ(readPathFile(test::writeFile(temp.path() / "max", std::string(4096, 'x'))),
              std::string(4096, 'x'));
}

// A saved folder as this system writes it, with a name that is no ASCII.
#ifdef _WIN32
constexpr std::string_view kSavedFolder = "C:\\ORVANT\\ORVANT Output\\Messung M\xC3\xA4rz\\";
#else
constexpr std::string_view kSavedFolder = "/home/u/ORVANT/ORVANT Output/Messung M\xC3\xA4rz/";
#endif

TEST(PathFile, SavedFolderReadsBackUnderARootNamedInUtf8)
{
    const test::TempFolder temp;
    const Folders folders {temp.path() / pathFromText("ORVANT \xC3\x9C")};
    ASSERT_FALSE(writePathFile(folders.pathFile(), std::string(kSavedFolder)));
    EXPECT_EQ(test::readFile(folders.pathFile()), std::string(kSavedFolder) + "\r\n");
    EXPECT_EQ(readPathFile(folders.pathFile()), kSavedFolder);
    // The folder on disk bears the characters of the text, not its bytes read in
    // another code page.
    const std::filesystem::directory_iterator made(temp.path());
    ASSERT_NE(made, std::filesystem::directory_iterator());
    EXPECT_EQ(made->path().filename(), std::filesystem::path(u8"ORVANT \u00DC"));
}

TEST(PathFile, UnwritableFolderReportsReason)
{
    const test::TempFolder temp;
    const auto blocker = test::writeFile(temp.path() / "file", "x");
    // The folder cannot be made: a file stands where it should be.
    EXPECT_TRUE(writePathFile(blocker / "sub" / "txtPath.Text", "/x/"));
}

} // namespace
} // namespace orvant
