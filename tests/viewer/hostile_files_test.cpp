// Files that are no capture, or no file at all, loaded through the window: each
// gets the load error report or loads, and nothing else in the window changes.
#include "main_window_fixture.h"
#include "without_file_override.h"

#include "export/export_file.h"
#include "rules/path_file.h"
#include "widgets/pic_curve.h"

#include <QColor>
#include <QFile>

#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvant::test {
namespace {

namespace fs = std::filesystem;

constexpr const char *kReport75
    = "Error 75 (Path/File access error) in procedure filDatei_Click of Formular frmOrvant";
constexpr const char *kReport62
    = "Error 62 (Input past end of file) in procedure filDatei_Click of Formular frmOrvant";

// Bytes this process has read through read() and its kind so far.
std::uint64_t bytesReadByProcess()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    return 0;
}

// Everything a failed load must leave as it was.
struct WindowSnapshot
{
    QStringList rows;
    QStringList labelTexts;
    QList<QColor> labelColours;
    QImage plot;
    int curves = 0;
    bool exportEnabled = false;
    QString pathText;
    QStringList fileNames;
    std::string tables;

    bool operator==(const WindowSnapshot &) const = default;
};

class HostileFiles : public MainWindowTest
{
protected:
    WindowSnapshot snapshot() const
    {
        WindowSnapshot shot;
        for (int row = 0; row < byteList()->count(); ++row)
            shot.rows << byteList()->item(row)->text();
        for (int parameter = 101; parameter <= 125; ++parameter) {
            shot.labelTexts << valueText(parameter);
            shot.labelColours << valueColour(parameter);
        }
        shot.plot = plot().image();
        shot.curves = plot().curveCount();
        shot.exportEnabled = option("optDataExp")->isEnabled();
        shot.pathText = pathText()->text();
        for (int row = 0; row < fileList()->count(); ++row)
            shot.fileNames << fileList()->item(row)->text();
        shot.tables = exportContent(state.captureText, state.byteTable, state.curveTable,
                                    ExportTime {"d", "t"});
        return shot;
    }

    // A window that lists the capture folder and has loaded sine.log.
    void startLoaded()
    {
        start();
        refreshFileList();
        clickFile("sine.log");
        ASSERT_EQ(byteList()->count(), kPairCount);
        platform.messages.clear();
    }

    // Clicks `name` and expects exactly `report`, with nothing else changed.
    void expectRefused(const QString &name, const char *report)
    {
        const WindowSnapshot before = snapshot();
        clickFile(name);
        ASSERT_EQ(platform.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(platform.messages[0].title, "ORVANT");
        EXPECT_EQ(platform.messages[0].text, report);
        EXPECT_TRUE(snapshot() == before) << name.toStdString();
        EXPECT_FALSE(loading);
        platform.messages.clear();
    }

    // Clicks `name`, expects a complete load and no message.
    void expectLoaded(const QString &name)
    {
        const int curves = plot().curveCount();
        clickFile(name);
        EXPECT_TRUE(platform.messages.empty()) << name.toStdString();
        EXPECT_EQ(byteList()->count(), kPairCount) << name.toStdString();
        EXPECT_EQ(plot().curveCount(), curves + 1) << name.toStdString();
        EXPECT_TRUE(option("optDataExp")->isEnabled());
        platform.messages.clear();
    }

    // Types a folder into the path text: the list keeps showing the capture
    // folder, so a click on "sine.log" reads `folder`/sine.log.
    void typePathText(const fs::path &folder)
    {
        pathText()->selectAll();
        QTest::keyClicks(pathText(), QString::fromStdString(folder.string() + "/"));
        settle();
    }

    // A fresh folder for one kind of hostile sine.log.
    fs::path hostileFolder(const char *name)
    {
        const fs::path folder = temp.path() / name;
        fs::create_directories(folder);
        return folder;
    }
};

TEST_F(HostileFiles, ContentWithoutAFieldIsInputPastEnd)
{
    writeFile(captureFolder / "empty.log", "");
    writeFile(captureFolder / "blank lines.log", "\r\n\r\n \t\n\n\r\r   \t\r\n");
    startLoaded();
    expectRefused("empty.log", kReport62);
    expectRefused("blank lines.log", kReport62);
}

TEST_F(HostileFiles, NulAndHighBytesLoadAsCharacters)
{
    std::string nuls(2110, '\0');
    writeFile(captureFolder / "nul.log", nuls);
    std::string high;
    for (int i = 0; i < 2110; ++i)
        high += static_cast<char>(0x80 + i % 128);
    writeFile(captureFolder / "high.log", high);
    std::string mixed = CaptureBuilder {}.hexText();
    mixed[40] = '\0';
    mixed[41] = '\xFF';
    mixed[1000] = '\x01';
    writeFile(captureFolder / "mixed.log", mixed + "\r\n");
    startLoaded();
    for (const char *name : {"nul.log", "high.log", "mixed.log"})
        expectLoaded(QString::fromUtf8(name));
    EXPECT_EQ(valueText(101), "1 V"); // the settings bytes of mixed.log are intact
    // Rows show placeholders, never raw control characters.
    for (int row = 0; row < byteList()->count(); ++row) {
        const QString text = byteList()->item(row)->text();
        for (const QChar c : text)
            ASSERT_FALSE(c.unicode() < 0x20 || c.unicode() == 0x7F) << row;
    }
}

TEST_F(HostileFiles, EndlessOneLineStreamIsReadOnlyAsFarAsNeeded)
{
    // 4 GiB on one line, sparse: a capture followed by NUL characters.
    const fs::path huge = captureFolder / "endless.log";
    writeFile(huge, CaptureBuilder {}.hexText());
    fs::resize_file(huge, std::uintmax_t {4} << 30);
    startLoaded();
    const std::uint64_t before = bytesReadByProcess();
    ASSERT_GT(before, 0u) << "no /proc/self/io";
    expectLoaded("endless.log");
    const std::uint64_t read = bytesReadByProcess() - before;
    EXPECT_LT(read, 64u * 1024u) << read << " bytes read";
    EXPECT_EQ(valueText(101), "1 V");
}

TEST_F(HostileFiles, WhatIsNoRegularFileFailsAtOnce)
{
    startLoaded();
    const fs::path folderNamedLog = hostileFolder("folder");
    fs::create_directory(folderNamedLog / "sine.log");
    // A FIFO without a writer: opening it for reading would block the window.
    const fs::path fifo = hostileFolder("fifo");
    ASSERT_EQ(::mkfifo((fifo / "sine.log").c_str(), 0600), 0);
    const fs::path device = hostileFolder("device");
    fs::create_symlink("/dev/zero", device / "sine.log");
    const fs::path loop = hostileFolder("loop");
    fs::create_symlink(loop / "other.log", loop / "sine.log");
    fs::create_symlink(loop / "sine.log", loop / "other.log");

    for (const fs::path &folder : {folderNamedLog, fifo, device, loop}) {
        typePathText(folder);
        const WindowSnapshot before = snapshot();
        clickFile("sine.log");
        ASSERT_EQ(platform.messages.size(), 1u) << folder;
        EXPECT_EQ(platform.messages[0].text, kReport75) << folder;
        EXPECT_TRUE(snapshot() == before) << folder;
        platform.messages.clear();
    }
    typePathText(captureFolder);
    expectLoaded("sine.log"); // still working
}

TEST_F(HostileFiles, DeviceNamedWithoutLogWarnsThenFails)
{
    writeFile(captureFolder / "null", "3031");
    startLoaded();
    typePathText("/dev");
    clickFile("null");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].title, "Message"); // the extension warning
    EXPECT_EQ(platform.messages[1].text, kReport75);
    EXPECT_EQ(byteList()->count(), 0); // the warning cleared list and plot
    EXPECT_EQ(plot().curveCount(), 0);
    EXPECT_EQ(valueText(101), "1 V"); // labels only change on a successful read
}

TEST_F(HostileFiles, FileWithoutReadPermission)
{
    const fs::path locked = writeFile(captureFolder / "locked.log", CaptureBuilder {}.hexText());
    fs::permissions(locked, fs::perms::none);
    startLoaded();
    const WithoutFileOverride unprivileged;
    if (const int fd = ::open(locked.c_str(), O_RDONLY); fd >= 0) {
        ::close(fd);
        GTEST_SKIP() << "this user reads files without read permission";
    }
    expectRefused("locked.log", kReport75);
}

TEST_F(HostileFiles, NamesWithBlanksCommasQuotesAndNonAsciiLoad)
{
    const std::string capture = CaptureBuilder {}.hexText() + "\r\n";
    const QStringList names {"with blank.log",
                             "a,b.log",
                             "quote\"d.log",
                             "'single'.log",
                             QString::fromUtf8("Messung \xC3\xBC \xCE\xA9 \xE2\x82\xAC.log"),
                             " leading blank.log"};
    for (const QString &name : names)
        writeFile(captureFolder / name.toStdString(), capture);
    startLoaded();
    for (const QString &name : names)
        expectLoaded(name);
}

TEST_F(HostileFiles, FolderNamesWithCommaNonAsciiOrNoUtf8SurviveTheExit)
{
    // The last pair: a folder and a file whose names are Latin-1 bytes, no UTF-8.
    const std::pair<std::string, std::string> names[]
        = {{"a, b f\xC3\xB6lder", "sine.log"}, {"f\xF6lder", "w\xE9rte.log"}};
    for (const auto &[folder, file] : names) {
        const fs::path odd = temp.path() / folder;
        fs::create_directories(odd);
        writeFile(odd / file, CaptureBuilder {}.hexText());
        startLoaded();
        window->dirVerzeichnis_Change(odd.string());
        settle();
        expectLoaded(QFile::decodeName(QByteArray::fromStdString(file)));
        window->optExit_Click();
        EXPECT_EQ(platform.endCount, 1);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(readPathFile(folders.pathFile()), odd.string() + "/");

        // The next start finds the folder again and the file loads from there.
        window.reset();
        platform.endCount = 0;
        start();
        EXPECT_EQ(fileList()->count(), 1);
        expectLoaded(QFile::decodeName(QByteArray::fromStdString(file)));
        window.reset();
        writeFile(folders.pathFile(), captureFolder.string() + "/\r\n");
    }
}

TEST_F(HostileFiles, FolderNameWithQuoteLoadsButIsNotSaved)
{
    // The path file cannot hold a double quote: the exit says so and keeps the
    // folder saved before.
    const fs::path quoted = temp.path() / "say \"cheese\"";
    fs::create_directories(quoted);
    writeFile(quoted / "sine.log", CaptureBuilder {}.hexText());
    startLoaded();
    const std::string saved = readFile(folders.pathFile());
    window->dirVerzeichnis_Change(quoted.string());
    settle();
    expectLoaded("sine.log");
    window->optExit_Click();
    EXPECT_EQ(platform.endCount, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "The folder could not be saved: the folder name holds a double quote");
    EXPECT_EQ(readFile(folders.pathFile()), saved);
}

} // namespace
} // namespace orvant::test
