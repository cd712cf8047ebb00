#include "export/export_file.h"

#include "capture_builder.h"
#include "export_lines.h"
#include "folder_entries.h"
#include "golden_captures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvant {
namespace {

using test::filesIn;

using test::LoadedProgram;

const ExportTime kNameTime {"2026-12-09", "14:05:09"};
const ExportTime kWriteTime {"2026-12-09", "14:05:10"};

std::string contentOf(const VarGlobal &state, const ExportTime &line1Time)
{
    return exportContent(state.captureText, state.byteTable, state.curveTable, line1Time);
}

class ExportWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(
            program.load(test::writeFile(captures() / "a.log", test::goldenCaptureFile())));
        std::filesystem::create_directory(exportFolder());
    }

    std::filesystem::path captures() const { return folder.path(); }
    std::filesystem::path exportFolder() const { return folder.path() / "ORVANT 4. Data"; }

    test::TempFolder folder;
    LoadedProgram program;
};

TEST_F(ExportWrite, WritesTheContentUnderItsDatedName)
{
    const ExportResult result = writeExportFile(exportFolder(), *program.state, kNameTime);
    ASSERT_FALSE(result.failure) << *result.failure;
    EXPECT_EQ(result.file, exportFolder() / "ORVANT Data File 2026-12-09 14-05-09.txt");
    EXPECT_EQ(filesIn(exportFolder()), std::vector {result.file}); // no temporary file left
    EXPECT_TRUE(test::readFile(result.file) == contentOf(*program.state, kNameTime));
}

TEST_F(ExportWrite, NameTakesTheStartAndLineOneTheMomentOfWriting)
{
    const ExportResult result
        = writeExportFile(exportFolder(), *program.state, kNameTime, kWriteTime);
    ASSERT_FALSE(result.failure) << *result.failure;
    EXPECT_EQ(result.file.filename(), "ORVANT Data File 2026-12-09 14-05-09.txt");
    const std::string content = test::readFile(result.file);
    EXPECT_TRUE(content == contentOf(*program.state, kWriteTime));
    EXPECT_TRUE(content.starts_with("C:\\ORVANT Data File 2026-12-09 14:05:10\r\n"));
}

TEST_F(ExportWrite, TwoExportsInOneSecondLeaveTheLaterFile)
{
    ASSERT_FALSE(writeExportFile(exportFolder(), *program.state, kNameTime).failure);
    test::CaptureBuilder other;
    other.frame = "42";
    ASSERT_FALSE(program.load(test::writeFile(captures() / "b.log", other.hexText())));
    const ExportResult later = writeExportFile(exportFolder(), *program.state, kNameTime);
    ASSERT_FALSE(later.failure);
    EXPECT_EQ(filesIn(exportFolder()), std::vector {later.file});
    EXPECT_TRUE(test::readFile(later.file) == contentOf(*program.state, kNameTime));
}

TEST_F(ExportWrite, MissingFolderIsReportedAndNotCreated)
{
    std::filesystem::remove(exportFolder());
    const ExportResult result = writeExportFile(exportFolder(), *program.state, kNameTime);
    ASSERT_TRUE(result.failure);
    EXPECT_FALSE(result.failure->empty());
    EXPECT_EQ(result.file, exportFolder() / "ORVANT Data File 2026-12-09 14-05-09.txt");
    EXPECT_FALSE(std::filesystem::exists(exportFolder()));
    EXPECT_EQ(filesIn(folder.path()), std::vector {captures() / "a.log"});
    EXPECT_EQ(exportFailedMessage(result.file, *result.failure),
              "The Data File  < " + result.file.string()
                  + " >  could not be created: " + *result.failure);
}

#ifndef _WIN32
// The reason a write into the folder gives, tried as a user who may not write
// there: root writes everywhere, so as root the try runs in a child process
// that has given up root first. Nothing when it cannot be made to fail.
struct WriteTry
{
    bool possible = false;
    std::optional<std::string> failure;
};

WriteTry tryWriteAsUser(const std::filesystem::path &folder, const VarGlobal &state)
{
    if (::geteuid() != 0) {
        ::chmod(folder.c_str(), 0555);
        const ExportResult result = writeExportFile(folder, state, kNameTime);
        ::chmod(folder.c_str(), 0755);
        return {true, result.failure};
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const ExportResult result = writeExportFile(folder, state, kNameTime);
        const std::string reason = result.failure.value_or("");
        const bool sent = ::write(pipeEnds[1], reason.data(), reason.size())
            == static_cast<ssize_t>(reason.size());
        ::_exit(!sent ? 4 : result.failure ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) >= 3)
        return {};
    return {true, WEXITSTATUS(status) == 0 ? std::optional(reason) : std::nullopt};
}

#endif

TEST_F(ExportWrite, UnwritableFolderIsReportedAndLeavesNothing)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX folder modes: a read-only folder on Windows still takes new files";
#else
    const WriteTry attempt = tryWriteAsUser(exportFolder(), *program.state);
    if (!attempt.possible)
        GTEST_SKIP() << "no user here who cannot write into the folder";
    ASSERT_TRUE(attempt.failure);
    EXPECT_FALSE(attempt.failure->empty());
    EXPECT_TRUE(filesIn(exportFolder()).empty());
#endif
}

} // namespace
} // namespace orvant
