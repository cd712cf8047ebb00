#include "shared/atomic_file.h"

#include "capture_builder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvant {
namespace {

std::size_t entriesIn(const std::filesystem::path &folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(AtomicFile, WritesEveryByteAndReplacesEarlierFile)
{
    const test::TempFolder temp;
    const auto target = temp.path() / "out.txt";
    const std::string bytes("a\0b\r\n\xff", 6);
    ASSERT_FALSE(writeFileAtomically(target, "earlier content that is longer"));
    ASSERT_FALSE(writeFileAtomically(target, bytes));
    EXPECT_EQ(test::readFile(target), bytes);
    EXPECT_EQ(entriesIn(temp.path()), 1u); // no temporary file left
}

TEST(AtomicFile, MissingFolderFailsAndLeavesNothing)
{
    const test::TempFolder temp;
    const auto reason = writeFileAtomically(temp.path() / "missing" / "out.txt", "x");
    ASSERT_TRUE(reason);
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(entriesIn(temp.path()), 0u);
}

TEST(AtomicFile, TargetThatIsAFolderFailsAndKeepsIt)
{
    const test::TempFolder temp;
    std::filesystem::create_directories(temp.path() / "taken" / "inner");
    EXPECT_TRUE(writeFileAtomically(temp.path() / "taken", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "taken" / "inner"));
    EXPECT_EQ(entriesIn(temp.path()), 1u);
}

} // namespace
} // namespace orvant
