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

TEST(Folders, FixedNamesUnderTheRoot)
{
    const Folders folders {"/home/u/ORVANT"};
    EXPECT_EQ(folders.pathFile(), "/home/u/ORVANT/ORVANT 2. Path/txtPath.Text");
    EXPECT_EQ(folders.exportFolder(), "/home/u/ORVANT/ORVANT 4. Data");
    EXPECT_EQ(folders.initialPathText(), "/home/u/ORVANT/ORVANT Output");
}

} // namespace
} // namespace orvant
