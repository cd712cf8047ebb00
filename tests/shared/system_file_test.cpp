#include "shared/system_file.h"

#include "capture_builder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

namespace orvant {
namespace {

TEST(SystemFile, NewFileTakesEveryByteAndReadsBackInPieces)
{
    const test::TempFolder temp;
    const auto file = temp.path() / "new.bin";
    const std::string bytes("a\0b\r\n\xff", 6);
    {
        const FileDescriptor out = createNewFile(file);
        ASSERT_TRUE(out.isOpen()) << systemErrorText(errno);
        EXPECT_EQ(writeSome(out, bytes), 6);
        EXPECT_EQ(syncFile(out), 0);
    }
    EXPECT_EQ(test::readFile(file), bytes);

    const FileDescriptor in = openForReading(file);
    ASSERT_TRUE(in.isOpen());
    EXPECT_TRUE(isRegularOpenFile(in));
    char buffer[4] = {};
    EXPECT_EQ(readSome(in, buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(buffer, 4), bytes.substr(0, 4));
    EXPECT_EQ(readSome(in, buffer, sizeof buffer), 2);
    EXPECT_EQ(readSome(in, buffer, sizeof buffer), 0); // the end
}

TEST(SystemFile, NewFileIsNeverOneThatIsThere)
{
    const test::TempFolder temp;
    const auto file = test::writeFile(temp.path() / "there.txt", "kept");
    const FileDescriptor out = createNewFile(file);
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(test::readFile(file), "kept");
    EXPECT_FALSE(openForReading(temp.path() / "missing.txt").isOpen());
    EXPECT_EQ(errno, ENOENT);
}

TEST(SystemFile, DescriptorIsClosedOnceByItsLastOwner)
{
    const test::TempFolder temp;
    const auto file = test::writeFile(temp.path() / "a.txt", "x");
    FileDescriptor first = openForReading(file);
    ASSERT_TRUE(first.isOpen());
    const int fd = first.get();
    FileDescriptor second = std::move(first);
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(second.get(), fd);
    EXPECT_EQ(first.close(), 0); // nothing to close
    EXPECT_EQ(second.close(), 0);
    EXPECT_FALSE(second.isOpen());
}

TEST(SystemFile, RenameReplacesTheTargetAndTheFolderSyncs)
{
    const test::TempFolder temp;
    const auto from = test::writeFile(temp.path() / "from.txt", "new");
    const auto to = test::writeFile(temp.path() / "to.txt", "old");
    std::error_code error;
    renameOver(from, to, error);
    EXPECT_FALSE(error) << error.message();
    EXPECT_EQ(test::readFile(to), "new");
    EXPECT_FALSE(std::filesystem::exists(from));
    EXPECT_EQ(syncFolder(temp.path()), std::nullopt);
    renameOver(from, to, error);
    EXPECT_TRUE(error); // the file is gone
}

TEST(SystemFile, LocalTimeIsTheCalendarsOwn)
{
    // Two moments a week apart, in late November: no time zone changes its offset then.
    const auto moment = std::chrono::system_clock::from_time_t(1'796'000'000);
    const std::tm a = localTime(moment);
    const std::tm b = localTime(moment + std::chrono::hours(24 * 7));
    EXPECT_EQ((b.tm_wday - a.tm_wday + 7) % 7, 0);
    EXPECT_EQ(b.tm_hour, a.tm_hour);
    EXPECT_GE(a.tm_year, 126); // 2026 or later
}

} // namespace
} // namespace orvant
