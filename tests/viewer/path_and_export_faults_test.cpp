// The path file and the export folder going wrong under the running window:
// the program says what it must, keeps running and loses nothing.
#include "main_window_fixture.h"
#include "without_file_override.h"

#include "export/export_file.h"
#include "export_lines.h"

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace orvant::test {
namespace {

namespace fs = std::filesystem;

using PathFileFaults = MainWindowTest;

TEST_F(PathFileFaults, GarbageIsShownAsPathTextAndTheWindowStaysUsable)
{
    std::string garbage = "\x01\xFF\xFE garbage \x7F";
    garbage += std::string(3, '\0') + "more\r\nsecond line";
    writeFile(folders.pathFile(), garbage);
    start();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fileList()->count(), 0);

    // A click with that path text fails like any missing file and changes nothing.
    writeFile(captureFolder / "other.log", CaptureBuilder {}.hexText());
    pathText()->setText(pathText()->text()); // unchanged, as the user sees it
    window->filDatei_Click("sine.log");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Error 53 (File not found) in procedure filDatei_Click of Formular frmOrvant");
    EXPECT_EQ(byteList()->count(), 0);

    refreshFileList();
    clickFile("sine.log");
    EXPECT_EQ(byteList()->count(), kPairCount);
    window->optExit_Click();
    EXPECT_EQ(readFile(folders.pathFile()), captureFolder.string() + "/\r\n");
}

TEST_F(PathFileFaults, HugeFirstLineIsIgnored)
{
    writeFile(folders.pathFile(), std::string(1 << 20, 'x') + "\r\n");
    start();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(pathText()->text().toStdString(), folders.initialPathText());
    refreshFileList();
    clickFile("sine.log");
    EXPECT_EQ(byteList()->count(), kPairCount);
}

TEST_F(PathFileFaults, SavedFolderThatNoLongerExists)
{
    writeFile(folders.pathFile(), (temp.path() / "gone").string() + "/\r\n");
    start();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fileList()->count(), 0);
    window->filDatei_Click("sine.log"); // a name typed into a stale folder
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Error 53 (File not found) in procedure filDatei_Click of Formular frmOrvant");
    refreshFileList();
    clickFile("sine.log");
    EXPECT_EQ(byteList()->count(), kPairCount);
}

TEST_F(PathFileFaults, UnwritablePathFolderAtExitIsReportedAndTheProgramStillEnds)
{
    start();
    const std::string saved = readFile(folders.pathFile());
    fs::permissions(folders.pathFolder(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        const WithoutFileOverride unprivileged;
        pathText()->setText(QString::fromStdString((temp.path() / "elsewhere").string() + "/"));
        window->optExit_Click();
    }
    fs::permissions(folders.pathFolder(), fs::perms::owner_all);
    EXPECT_EQ(platform.endCount, 1);
    if (platform.messages.empty())
        GTEST_SKIP() << "this user writes into read-only folders";
    EXPECT_TRUE(platform.messages[0].text.starts_with("The folder could not be saved: "))
        << platform.messages[0].text;
    EXPECT_EQ(readFile(folders.pathFile()), saved); // the earlier folder is kept
}

class ExportFaults : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        platform.clock = localMoment(2026, 12, 9, 10, 0, 0);
    }

    // Exports after a load; returns the message shown.
    std::string exportNow()
    {
        platform.clock += std::chrono::seconds(1);
        platform.messages.clear();
        clickOption(option("optDataExp"));
        EXPECT_EQ(platform.messages.size(), 1u);
        return platform.messages.empty() ? std::string() : platform.messages.back().text;
    }

    fs::path fileOfNow() const
    {
        return exportFileName(folders.exportFolder(), ExportTime::at(platform.clock));
    }

    std::vector<fs::path> exportFolderEntries() const
    {
        std::vector<fs::path> entries;
        for (const auto &entry : fs::directory_iterator(folders.exportFolder()))
            entries.push_back(entry.path());
        return entries;
    }

    // A load and a first export that works: the file and its content.
    std::pair<fs::path, std::string> exportOnce()
    {
        const std::string message = exportNow();
        EXPECT_EQ(message, exportCreatedMessage(fileOfNow()));
        if (message != exportCreatedMessage(fileOfNow()))
            return {};
        return {fileOfNow(), readFile(fileOfNow())};
    }

    void expectFailureKeepsEverything(const std::string &message, const fs::path &first,
                                      const std::string &firstContent)
    {
        EXPECT_TRUE(message.starts_with("The Data File  < " + fileOfNow().string()
                                        + " >  could not be created: "))
            << message;
        EXPECT_FALSE(fs::exists(fileOfNow()));
        EXPECT_EQ(exportFolderEntries(), std::vector<fs::path> {first}); // no partial file
        EXPECT_EQ(readFile(first), firstContent);
        EXPECT_TRUE(option("optDataExp")->isEnabled());
        EXPECT_EQ(byteList()->count(), kPairCount);
    }
};

TEST_F(ExportFaults, FolderMadeUnwritableBetweenTwoExports)
{
    start();
    clickFile("sine.log");
    const auto [first, firstContent] = exportOnce();
    ASSERT_FALSE(firstContent.empty());

    fs::permissions(folders.exportFolder(), fs::perms::owner_read | fs::perms::owner_exec);
    std::string message;
    {
        const WithoutFileOverride unprivileged;
        message = exportNow();
    }
    fs::permissions(folders.exportFolder(), fs::perms::owner_all);
    if (message == exportCreatedMessage(fileOfNow()))
        GTEST_SKIP() << "this user writes into read-only folders";
    expectFailureKeepsEverything(message, first, firstContent);

    // Writable again: the next export works.
    const std::string again = exportNow();
    EXPECT_EQ(again, exportCreatedMessage(fileOfNow()));
}

// A file-size limit stands in for a full disk: writes past it fail with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_ {};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ExportFaults, FullDiskLeavesNoPartialFile)
{
    start();
    clickFile("sine.log");
    const auto [first, firstContent] = exportOnce();
    ASSERT_FALSE(firstContent.empty());
    ASSERT_GT(firstContent.size(), 40000u);

    std::string message;
    {
        const FileSizeLimit limit(16 * 1024);
        message = exportNow();
    }
    expectFailureKeepsEverything(message, first, firstContent);
    const auto lines = exportLinesByLength(firstContent, firstLineLength("2026-12-09", "10:00:01"));
    EXPECT_EQ(lines.size(), 1581u);
}

} // namespace
} // namespace orvant::test
