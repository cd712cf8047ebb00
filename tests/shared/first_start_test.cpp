#include "shared/first_start.h"

#include "capture_builder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvant {
namespace {

TEST(FirstStart, CreatesMissingFoldersOnceAndTouchesNothingExisting)
{
    const test::TempFolder temp;
    const Folders folders {temp.path() / "ORVANT"};
    EXPECT_TRUE(createMissingFolders(folders));
    for (const auto &folder :
         {folders.root, folders.pathFolder(), folders.exportFolder(), folders.outputFolder()})
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;

    test::writeFile(folders.outputFolder() / "mine.log", "3031");
    EXPECT_FALSE(createMissingFolders(folders)); // a second start makes nothing new
    EXPECT_TRUE(std::filesystem::exists(folders.outputFolder() / "mine.log"));
}

TEST(FirstStart, OnlyTheMissingFolderIsMade)
{
    const test::TempFolder temp;
    const Folders folders {temp.path() / "ORVANT"};
    std::filesystem::create_directories(folders.outputFolder());
    EXPECT_FALSE(createMissingFolders(folders));
    EXPECT_TRUE(std::filesystem::is_directory(folders.exportFolder()));
}

TEST(FirstStart, UncreatableRootChangesNothing)
{
    const test::TempFolder temp;
    // A file where the root should be: nothing can be made below it.
    test::writeFile(temp.path() / "ORVANT", "not a folder");
    const Folders folders {temp.path() / "ORVANT"};
    EXPECT_FALSE(createMissingFolders(folders));
    EXPECT_TRUE(std::filesystem::is_regular_file(folders.root));
}

// The fixed folders as each system writes them: on Windows the program's own
// folders, elsewhere a root below a home folder.
struct FixedFolders
{
    Folders folders;
    std::string pathFile;
    std::string exportFolder;
    std::string initialPathText;
};

#ifdef _WIN32
const FixedFolders kFixed {Folders::standard(), "C:\\ORVANT\\ORVANT 2. Path\\txtPath.Text",
                           "C:\\ORVANT\\ORVANT 4. Data", "C:\\ORVANT\\ORVANT Output"};
#else
const FixedFolders kFixed {Folders {"/home/u/ORVANT"}, "/home/u/ORVANT/ORVANT 2. Path/txtPath.Text",
                           "/home/u/ORVANT/ORVANT 4. Data", "/home/u/ORVANT/ORVANT Output"};
#endif

TEST(Folders, FixedNamesUnderTheRoot)
{
    EXPECT_EQ(pathText(kFixed.folders.pathFile()), kFixed.pathFile);
    EXPECT_EQ(pathText(kFixed.folders.exportFolder()), kFixed.exportFolder);
    EXPECT_EQ(kFixed.folders.initialPathText(), kFixed.initialPathText);
}

TEST(Folders, PathTextsKeepTheirCharactersAndBadBytesNameNoFile)
{
    const test::TempFolder temp;
    const std::string name = "Messung M\xC3\xA4rz \xE2\x82\xAC";
    const auto made = test::writeFile(temp.path() / pathFromText(name), "3031");
    EXPECT_EQ(pathText(made.filename()), name);
    // "M\xE4rz" in an 8-bit code page is no UTF-8: a name, not a failure.
    const auto bad = temp.path() / pathFromText("M\xE4rz");
    EXPECT_FALSE(std::filesystem::exists(bad));
    EXPECT_NO_THROW(pathText(bad));
}

} // namespace
} // namespace orvant
