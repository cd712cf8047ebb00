#include "shared/atomic_file.h"

#include "capture_builder.h"
#include "folder_entries.h"
#include "symlinks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace orvant {
namespace {

using test::entriesIn;

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

#ifndef _WIN32
mode_t modeOf(const std::filesystem::path &file)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
    return info.st_mode & 07777;
}

// Sets the process umask for as long as it is in scope.
class Umask
{
public:
    explicit Umask(mode_t mask)
        : earlier_(::umask(mask))
    {
    }
    ~Umask() { ::umask(earlier_); }
    Umask(const Umask &) = delete;
    Umask &operator=(const Umask &) = delete;

private:
    mode_t earlier_;
};
#endif

TEST(AtomicFile, NewFileGetsTheModeTheUmaskAllows)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file modes and umask: Windows has neither";
#else
    const test::TempFolder temp;
    for (const mode_t mask : {mode_t {022}, mode_t {077}, mode_t {002}}) {
        const Umask umask(mask);
        const auto target = temp.path() / ("new" + std::to_string(mask));
        ASSERT_FALSE(writeFileAtomically(target, "x"));
        EXPECT_EQ(modeOf(target), 0666 & ~mask) << std::oct << mask;
    }
#endif
}

TEST(AtomicFile, ExistingFileKeepsItsMode)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file modes: Windows keeps only a read-only flag";
#else
    const test::TempFolder temp;
    const Umask umask(022);
    for (const mode_t mode : {mode_t {0600}, mode_t {0664}, mode_t {0640}}) {
        const auto target = test::writeFile(temp.path() / "kept", "old");
        std::filesystem::permissions(target, static_cast<std::filesystem::perms>(mode));
        ASSERT_FALSE(writeFileAtomically(target, "new"));
        EXPECT_EQ(modeOf(target), mode) << std::oct << mode;
        EXPECT_EQ(test::readFile(target), "new");
    }
#endif
}

TEST(AtomicFile, LinkIsWrittenThroughToItsTarget)
{
    const test::TempFolder temp;
    ORVANT_SKIP_WITHOUT_SYMLINKS(temp.path());
    std::filesystem::create_directory(temp.path() / "real");
    const auto real = test::writeFile(temp.path() / "real" / "file.txt", "old");
    const auto link = temp.path() / "link.txt";
    std::filesystem::create_symlink("real/file.txt", link);

    ASSERT_FALSE(writeFileAtomically(link, "through"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::readFile(real), "through");
    EXPECT_EQ(entriesIn(temp.path()), 2u); // the folder and the link, no temporary file
    EXPECT_EQ(entriesIn(temp.path() / "real"), 1u);

    // A link that points nowhere yet makes the file it names.
    std::filesystem::create_symlink("real/made.txt", temp.path() / "dangling");
    ASSERT_FALSE(writeFileAtomically(temp.path() / "dangling", "made"));
    EXPECT_EQ(test::readFile(temp.path() / "real" / "made.txt"), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(temp.path() / "dangling"));
}

} // namespace
} // namespace orvant
