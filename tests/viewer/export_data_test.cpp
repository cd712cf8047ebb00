#include "main_window_fixture.h"

#include "export/export_file.h"
#include "folder_entries.h"

#include <ctime>
#include <fstream>
#include <sstream>

namespace orvant::test {
namespace {

class ExportData : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        std::filesystem::copy_file(std::filesystem::path(ORVANT_EXPORT_TEST_DATA)
                                       / "golden_capture.log",
                                   captureFolder / "golden.log");
        platform.clock = localMoment(2026, 12, 9, 14, 5, 9);
    }
    std::filesystem::path expectedFile() const
    {
        return folders.exportFolder() / "ORVANT Data File 2026-12-09 14-05-09.txt";
    }
};

TEST_F(ExportData, GoldenCaptureThroughTheWindowByteForByte)
{
    start();
    refreshFileList();
    clickFile("golden.log");
    ASSERT_TRUE(option("optDataExp")->isEnabled());
    clickOption(option("optDataExp"));

    EXPECT_EQ(
        test::readFile(expectedFile()),
        test::readFile(std::filesystem::path(ORVANT_EXPORT_TEST_DATA) / "golden_capture.txt"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_EQ(platform.messages[0].text,
              "The Data File  < " + expectedFile().string() + " >  has been created");
    EXPECT_EQ(platform.sleeps, std::vector<int> {250});
    EXPECT_TRUE(option("optDataExp")->isEnabled());
    EXPECT_FALSE(option("optDataExp")->isChecked());
    EXPECT_EQ(filesIn(folders.exportFolder()).size(), 1u);
}

TEST_F(ExportData, MissingFolderReportsAndChangesNothing)
{
    start();
    clickFile("sine.log");
    std::filesystem::remove_all(folders.exportFolder());
    const std::string before = exportContent(state.captureText, state.byteTable, state.curveTable,
                                             ExportTime {"d", "t"});
    clickOption(option("optDataExp"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_TRUE(platform.messages[0].text.starts_with("The Data File  < " + expectedFile().string()
                                                      + " >  could not be created: "));
    EXPECT_FALSE(std::filesystem::exists(folders.exportFolder())); // never created
    EXPECT_TRUE(option("optDataExp")->isEnabled());
    EXPECT_EQ(byteList()->count(), kPairCount);
    EXPECT_EQ(
        exportContent(state.captureText, state.byteTable, state.curveTable, ExportTime {"d", "t"}),
        before);
}

TEST_F(ExportData, SameSecondTwiceLeavesTheLaterExport)
{
    start();
    refreshFileList();
    clickFile("sine.log");
    clickOption(option("optDataExp"));
    clickFile("golden.log");
    clickOption(option("optDataExp"));
    EXPECT_EQ(filesIn(folders.exportFolder()).size(), 1u);
    EXPECT_EQ(
        test::readFile(expectedFile()),
        test::readFile(std::filesystem::path(ORVANT_EXPORT_TEST_DATA) / "golden_capture.txt"));
}

TEST_F(ExportData, ClickDuringALoadIsIgnoredAndFailedLoadExportsWhatTablesHold)
{
    start();
    clickFile("sine.log");
    bool clicked = false;
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (!clicked) {
            clicked = true;
            window->optDataExp_Click();
        }
    });
    clickFile("sine.log");
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(filesIn(folders.exportFolder()).empty());

    std::filesystem::remove(captureFolder / "sine.log");
    clickFile("sine.log"); // error 53: the tables keep the earlier load
    ASSERT_EQ(platform.messages.size(), 1u);
    clickOption(option("optDataExp"));
    const std::string written = test::readFile(expectedFile());
    // Every line at its known length, each with CR LF.
    const std::size_t header = (39 + 2) + 2 + (2110 + 2) + 2 + (57 + 2) + 2 + (39 + 2) + 2;
    const std::size_t curveHeader = 2 + 2 + (10 + 2) + 2 + (22 + 2) + 2;
    EXPECT_EQ(written.size(), header + 1055 * (38 + 2) + curveHeader + 512 * (22 + 2));
    EXPECT_EQ(written.substr(43, 2110), std::string(state.captureText.view()));
}

} // namespace
} // namespace orvant::test
