#include "capture/capture_file.h"
#include "capture/capture_load.h"
#include "capture/load_error.h"
#include "capture_builder.h"
#include "symlinks.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvant {
namespace {

namespace fs = std::filesystem;
using test::CaptureBuilder;
using test::TempFolder;
using test::writeFile;

constexpr std::size_t kKeep = 2110;

std::optional<LoadError> errorOf(const fs::path &file)
{
    return readCaptureField(file, kKeep).error;
}

TEST(LoadError, ReportWording)
{
    EXPECT_EQ(loadErrorReport(LoadError::fileNotFound()),
              "Error 53 (File not found) in procedure filDatei_Click of Formular frmOrvant");
    EXPECT_EQ(loadErrorReport(LoadError::invalidCall()),
              "Error 5 (Invalid procedure call or argument) in procedure filDatei_Click of "
              "Formular frmOrvant");
    EXPECT_EQ(loadErrorReport(LoadError::inputPastEnd()),
              "Error 62 (Input past end of file) in procedure filDatei_Click of Formular "
              "frmOrvant");
    EXPECT_EQ(loadErrorReport(LoadError::accessError()),
              "Error 75 (Path/File access error) in procedure filDatei_Click of Formular "
              "frmOrvant");
}

TEST(CaptureFile, RealisticCaptureLoadsAndIsBlankFilled)
{
    const TempFolder folder;
    const std::string hex = CaptureBuilder {}.hexText();
    const auto file = writeFile(folder.path() / "a.log", hex + "\r\n");
    const CaptureField field = readCaptureField(file, kKeep);
    EXPECT_FALSE(field.error);
    EXPECT_EQ(field.text, hex);
    EXPECT_FALSE(field.longer);

    const PreparedCapture prepared = readPreparedCapture(file);
    EXPECT_FALSE(prepared.error);
    EXPECT_EQ(prepared.text.view(), hex + std::string(10, ' '));
}

TEST(CaptureFile, OnlyTheFirstFieldIsUsed)
{
    const TempFolder folder;
    const auto comma = writeFile(folder.path() / "c.log", "3031,3233\r\n3435\r\n");
    EXPECT_EQ(readPreparedCapture(comma).text.view(), "3031" + std::string(2106, ' '));

    const auto longLine = writeFile(folder.path() / "l.log", std::string(3000, '5') + "\r\n");
    const CaptureField field = readCaptureField(longLine, kKeep);
    EXPECT_EQ(field.text, std::string(2110, '5'));
    EXPECT_TRUE(field.longer);
}

TEST(CaptureFile, EmptyFieldLoadsAsBlanks)
{
    const TempFolder folder;
    for (const std::string content : {",3031\r\n", "\"\"\r\n3031", "\r\n\r\n,"}) {
        const PreparedCapture prepared
            = readPreparedCapture(writeFile(folder.path() / "e.log", content));
        EXPECT_FALSE(prepared.error) << content;
        EXPECT_EQ(prepared.text.view(), std::string(2110, ' ')) << content;
    }
}

TEST(CaptureFile, NoFieldIsInputPastEnd)
{
    const TempFolder folder;
    for (const std::string content : {"", "\r\n", "\r\n\r\n  \t\r\n", "   "}) {
        const auto file = writeFile(folder.path() / "blank.log", content);
        EXPECT_EQ(errorOf(file), LoadError::inputPastEnd()) << '[' << content << ']';
        EXPECT_EQ(readPreparedCapture(file).error, LoadError::inputPastEnd());
    }
}

TEST(CaptureFile, MissingFileIsNotFound)
{
    const TempFolder folder;
    EXPECT_EQ(errorOf(folder.path() / "missing.log"), LoadError::fileNotFound());
    EXPECT_EQ(errorOf(folder.path() / "no folder" / "a.log"), LoadError::fileNotFound());
    EXPECT_EQ(readPreparedCapture(folder.path() / "missing.log").error, LoadError::fileNotFound());

    // Deleted after it was listed.
    const auto deleted = writeFile(folder.path() / "deleted.log", "3031");
    fs::remove(deleted);
    EXPECT_EQ(errorOf(deleted), LoadError::fileNotFound());
}

TEST(CaptureFile, DanglingLinkIsNotFound)
{
    const TempFolder folder;
    ORVANT_SKIP_WITHOUT_SYMLINKS(folder.path());
    const auto dangling = folder.path() / "dangling.log";
    fs::create_symlink(folder.path() / "gone.log", dangling);
    EXPECT_EQ(errorOf(dangling), LoadError::fileNotFound());
}

TEST(CaptureFile, NameWithNulNeverReadsTheFileBeforeIt)
{
    const TempFolder folder;
    const auto real = writeFile(folder.path() / "real.log", "3031");
    const std::string name = real.string() + std::string(1, '\0') + "other.log";
    EXPECT_EQ(errorOf(fs::path(name)), LoadError::fileNotFound());
}

// The devices every system has, named as a file.
#ifdef _WIN32
constexpr std::array kDevices = {"NUL"};
#else
constexpr std::array kDevices = {"/dev/null", "/dev/zero"};
#endif

TEST(CaptureFile, WhatIsNoRegularFileIsAnAccessError)
{
    const TempFolder folder;
    const auto dir = folder.path() / "x.log";
    fs::create_directory(dir);
    EXPECT_EQ(errorOf(dir), LoadError::accessError());
    for (const char *device : kDevices)
        EXPECT_EQ(errorOf(device), LoadError::accessError()) << device;
}

TEST(CaptureFile, FifoIsAnAccessErrorAtOnce)
{
#ifdef _WIN32
    GTEST_SKIP() << "named pipes in the file system are POSIX only";
#else
    // A FIFO without a writer would block an open for reading: it must fail at once.
    const TempFolder folder;
    const auto fifo = folder.path() / "fifo.log";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(errorOf(fifo), LoadError::accessError());
#endif
}

TEST(CaptureFile, LinkLoopAndLinkToAFolderAreAccessErrors)
{
    const TempFolder folder;
    ORVANT_SKIP_WITHOUT_SYMLINKS(folder.path());
    const auto dir = folder.path() / "x.log";
    fs::create_directory(dir);
    const auto loopA = folder.path() / "loop-a.log";
    const auto loopB = folder.path() / "loop-b.log";
    fs::create_symlink(loopB, loopA);
    fs::create_symlink(loopA, loopB);
    EXPECT_EQ(errorOf(loopA), LoadError::accessError());

    const auto toFolder = folder.path() / "to-folder.log";
    fs::create_symlink(dir, toFolder);
    EXPECT_EQ(errorOf(toFolder), LoadError::accessError());
    EXPECT_EQ(readPreparedCapture(toFolder).error, LoadError::accessError());
}

TEST(CaptureFile, LinkToARegularFileLoads)
{
    const TempFolder folder;
    ORVANT_SKIP_WITHOUT_SYMLINKS(folder.path());
    const auto target = writeFile(folder.path() / "target.txt", "\r\n41424344,4546");
    const auto link = folder.path() / "link.log";
    fs::create_symlink(target, link);
    const auto second = folder.path() / "second.log";
    fs::create_symlink(link, second);
    for (const auto &file : {link, second}) {
        const CaptureField field = readCaptureField(file, kKeep);
        EXPECT_FALSE(field.error);
        EXPECT_EQ(field.text, "41424344");
    }
}

TEST(CaptureFile, RegularFileThatCannotBeReadIsAnAccessError)
{
    // Reading this regular file at offset 0 fails with an I/O error.
    const fs::path memory = "/proc/self/mem";
    if (!fs::is_regular_file(memory))
        GTEST_SKIP() << "no /proc/self/mem (Linux only)";
    EXPECT_EQ(errorOf(memory), LoadError::accessError());
}

#ifndef _WIN32
// Exit codes of the unprivileged child below.
constexpr int kChildPassed = 0;
constexpr int kChildCannotDropRights = 90;
constexpr int kChildReadableFailed = 91;
constexpr int kChildUnreadableWrong = 92;

int readAsUnprivileged(const fs::path &readable, const fs::path &unreadable)
{
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        return kChildCannotDropRights;
    if (::access(unreadable.c_str(), R_OK) == 0)
        return kChildCannotDropRights;
    if (errorOf(readable))
        return kChildReadableFailed;
    return errorOf(unreadable) == LoadError::accessError() ? kChildPassed : kChildUnreadableWrong;
}
#endif

TEST(CaptureFile, FileWithoutReadPermissionIsAnAccessError)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX read permission and fork (Windows: share modes)";
#else
    const TempFolder folder;
    const auto readable = writeFile(folder.path() / "readable.log", "3031");
    const auto unreadable = writeFile(folder.path() / "unreadable.log", "3031");
    fs::permissions(folder.path(), fs::perms::all, fs::perm_options::add);
    fs::permissions(readable, fs::perms::all, fs::perm_options::add);
    fs::permissions(unreadable, fs::perms::none);

    // Run as an ordinary user in a child: root would read the file anyway.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(readAsUnprivileged(readable, unreadable));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kChildCannotDropRights)
        GTEST_SKIP() << "cannot make a file unreadable for this user";
    if (WEXITSTATUS(status) == kChildReadableFailed)
        GTEST_SKIP() << "the temporary folder is out of an ordinary user's reach";
    EXPECT_EQ(WEXITSTATUS(status), kChildPassed);
#endif
}

TEST(CaptureFile, FileHeldWithoutSharingIsAnAccessError)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows share modes: a POSIX open cannot keep others from reading";
#else
    const TempFolder folder;
    const auto held = writeFile(folder.path() / "held.log", "3031");
    const HANDLE handle = ::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(errorOf(held), LoadError::accessError());
    ::CloseHandle(handle);
    EXPECT_FALSE(errorOf(held));
#endif
}

} // namespace
} // namespace orvant
