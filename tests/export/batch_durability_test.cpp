#include "cli/batch_command.h"

#include "capture_builder.h"
#include "folder_entries.h"
#include "shared/durable_chunk.h"
#include "symlinks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace orvant {
namespace {

using test::namesIn;

namespace fs = std::filesystem;

// Syncs as the system does, then fails or ends the process as told.
class FaultySync : public ChunkSync
{
public:
    enum Fault { FailFirstChunk, CrashBeforeRename, FailFolderSync };
    explicit FaultySync(Fault fault)
        : fault_(fault)
    {
    }
    std::optional<std::string> syncFiles(std::span<AsideFile> files) override
    {
        const auto result = real_->syncFiles(files);
        if (fault_ == CrashBeforeRename)
            std::_Exit(0); // the files are aside and durable, none renamed
        if (fault_ == FailFirstChunk && ++chunks_ == 1)
            return std::string("disk on fire");
        return result;
    }
    std::optional<std::string> syncFolders(std::span<const fs::path> folders) override
    {
        if (fault_ == FailFolderSync)
            return std::string("folder on fire");
        return real_->syncFolders(folders);
    }

private:
    Fault fault_;
    int chunks_ = 0;
    std::unique_ptr<ChunkSync> real_ = makeChunkSync(defaultSyncCall());
};

class BatchDurability : public ::testing::Test
{
protected:
    BatchDurability()
    {
        fs::create_directory(target());
        for (const char *name : {"a", "b", "c"}) {
            test::CaptureBuilder capture;
            capture.frame = std::string("0") + static_cast<char>(name[0] - 'a' + '1');
            captures.push_back(
                test::writeFile(folder.path() / (std::string(name) + ".log"), capture.hexText())
                    .string());
        }
    }
    fs::path target() const { return folder.path() / "out"; }

    int run(ChunkSync *sync, std::vector<std::string> names)
    {
        names.insert(names.begin(), {"--to", target().string()});
        out.str({});
        err.str({});
        const BatchIo io {out,      err,  [] { return std::chrono::system_clock::from_time_t(0); },
                          target(), sync, 2};
        return runBatchExport(names, io);
    }

    test::TempFolder folder;
    std::vector<std::string> captures;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(BatchDurability, FailedSyncFailsItsWholeChunkAndPlacesNoneOfIt)
{
    FaultySync sync(FaultySync::FailFirstChunk);
    EXPECT_EQ(run(&sync, captures), kBatchFailed);
    EXPECT_EQ(namesIn(target()), std::vector<std::string> {"c Data File.txt"});
    EXPECT_EQ(out.str(), captures[2] + ": " + (target() / "c Data File.txt").string() + "\n");
    for (const char *name : {"a", "b"}) {
        EXPECT_NE(
            err.str().find(std::string(name) + " Data File.txt could not be created: disk on fire"),
            std::string::npos)
            << err.str();
    }
}

TEST_F(BatchDurability, FailedFolderSyncReportsFailureButKeepsTheFilesItPlaced)
{
    test::writeFile(target() / "a Data File.txt", "an earlier export");
    FaultySync sync(FaultySync::FailFolderSync);
    EXPECT_EQ(run(&sync, captures), kBatchFailed);
    EXPECT_EQ(namesIn(target()),
              (std::vector<std::string> {"a Data File.txt", "b Data File.txt", "c Data File.txt"}));
    EXPECT_NE(test::readFile(target() / "a Data File.txt"), "an earlier export");
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("folder could not be synced: folder on fire"), std::string::npos)
        << err.str();
}

TEST_F(BatchDurability, CrashBeforeRenameLeavesOnlyAsideFilesThatTheNextRunRemoves)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a forked death test: Windows runs it in a fresh process, whose "
                    "fixture has a folder of its own";
#endif
    test::writeFile(target() / ".x.orvant-aside-abcdef", "not a data file of ours");
    test::writeFile(target() / "notes.txt", "kept");
    EXPECT_EXIT(
        {
            FaultySync sync(FaultySync::CrashBeforeRename);
            run(&sync, captures);
        },
        ::testing::ExitedWithCode(0), "");
    // No data file under its final name; both of the first chunk complete aside.
    const auto left = namesIn(target());
    ASSERT_EQ(left.size(), 4u);
    const ExportTime time = ExportTime::at(std::chrono::system_clock::from_time_t(0));
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string &name = left[i];
        std::string prefix = ".";
        prefix += "ab"[i]; // GCC 12 at -O3 misreads "." + std::string&& as an overflow
        EXPECT_TRUE(name.starts_with(prefix + " Data File.txt.orvant-aside-")) << name;
        EXPECT_TRUE(test::readFile(target() / name)
                    == exportFreshCapture(captures[i], time).content)
            << name;
    }

    EXPECT_EQ(run(nullptr, {captures[2]}), kBatchOk);
    EXPECT_EQ(
        namesIn(target()),
        (std::vector<std::string> {".x.orvant-aside-abcdef", "c Data File.txt", "notes.txt"}));
}

TEST_F(BatchDurability, ChunkKeepsTheModeAndWritesThroughLinks)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file modes: Windows keeps only a read-only flag";
#endif
    ORVANT_SKIP_WITHOUT_SYMLINKS(folder.path());
    const auto kept = test::writeFile(target() / "a Data File.txt", "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(folder.path() / "elsewhere.txt", target() / "b Data File.txt");
    EXPECT_EQ(run(nullptr, captures), kBatchOk);

    EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(fs::is_symlink(target() / "b Data File.txt"));
    EXPECT_EQ(fs::file_size(folder.path() / "elsewhere.txt"), fs::file_size(kept));
}

} // namespace
} // namespace orvant
