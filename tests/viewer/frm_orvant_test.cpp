#include "main_window_fixture.h"

#include "capture/settings_tables.h"
#include "rules/navigation_rules.h"
#include "viewer/main_window_layout.h"
#include "widgets/look_and_feel.h"
#include "widgets/pic_curve.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QDialog>
#include <QWindow>

#include <fstream>

namespace orvant::test {
namespace {

using Layout = MainWindowTest;

TEST_F(Layout, EveryControlStandsAtItsTwipRectangle)
{
    start();
    EXPECT_EQ(window->windowTitle(), "ORVANT");
    EXPECT_EQ(window->size(), QSize(1234, 783)); // 18510 x 11745 twips
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    for (const ControlSpec &row : mainWindowControls()) {
        const QWidget *control = child<QWidget>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), twipsRect(row.left, row.top, row.width, row.height))
            << row.name;
    }
    EXPECT_EQ(child<QLabel>("lbl000")->text(), " Nr.  HEX  DEZ     BIN   SGN");
    EXPECT_EQ(child<QWidget>("drvLaufwerk")->toolTip(), "Selection of the drive.");
    EXPECT_EQ(child<QWidget>("dirVerzeichnis")->toolTip(), "Selection of the path.");
}

TEST_F(Layout, SettingsRowsStand300TwipsApartFromTop840)
{
    start();
    for (int parameter = kFirstParameter; parameter <= kLastParameter; ++parameter) {
        const int n = parameter - 100;
        const QString nameLabel = QString::asprintf("lbl%03d", n);
        const QLabel *name = child<QLabel>(nameLabel.toUtf8().constData());
        const QLabel *value = valueLabel(parameter);
        const int top = twipsToPixels(840 + 300 * (n - 1));
        EXPECT_EQ(name->y(), top);
        EXPECT_EQ(value->y(), top);
        EXPECT_EQ(name->text().toStdString(), parameterName(parameterNumbered(parameter)));
        EXPECT_EQ(value->objectName(), QString("lblValue(%1)").arg(parameter));
        EXPECT_TRUE(value->text().isEmpty());
    }
    EXPECT_EQ(child<QLabel>("lbl025")->height(), twipsToPixels(255));
}

TEST_F(Layout, FontsAreFixedPitchInPixels)
{
    start();
    const QFont list = byteList()->font();
    EXPECT_EQ(list.pixelSize(), 12);
    EXPECT_TRUE(list.bold());
    EXPECT_TRUE(QFontInfo(list).fixedPitch());
    EXPECT_EQ(child<QLabel>("lblDrive")->font().pixelSize(), 19);
    EXPECT_FALSE(child<QWidget>("drvLaufwerk")->font().bold());
}

TEST_F(Layout, EveryWindowCarriesTheIconInBothSizes)
{
    QApplication::setWindowIcon(programIcon());
    start();
    window->lblValue_Click(101);
    settle();
    const QImage small = QImage(QStringLiteral(":/orvant/icons/orvant-16.png"))
                             .convertToFormat(QImage::Format_ARGB32);
    for (const char *name : {"frmOrvant", "frm101"}) {
        const auto windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&](QWidget *w) { return w->objectName() == name; });
        ASSERT_NE(found, windows.end()) << name;
        const QIcon icon = (*found)->windowIcon();
        EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16))) << name;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32))) << name;
        // The small image is drawn for its size, not the large one scaled down.
        EXPECT_EQ(icon.pixmap(16).toImage().convertToFormat(small.format()), small) << name;
    }
    QApplication::setWindowIcon(QIcon());
}

using Activation = MainWindowTest;

TEST_F(Activation, FirstDisplayRestoresSavedFolderAndSelectsColourOne)
{
    state.nextColour = 3;
    start();
    EXPECT_EQ(pathText()->text().toStdString(), captureFolder.string() + "/");
    EXPECT_EQ(fileList()->count(), 1);
    EXPECT_EQ(fileList()->item(0)->text(), "sine.log");
    EXPECT_EQ(state.nextColour, 1);
    EXPECT_FALSE(option("optDataExp")->isEnabled());
    EXPECT_TRUE(child<QWidget>("frmBlack")->isVisible());
    for (const char *name : {"optCH1", "optCH2", "optCH3", "optCH4"})
        EXPECT_FALSE(option(name)->isChecked()) << name;
    EXPECT_EQ(byteList()->count(), 0); // showing the window loads nothing
    EXPECT_EQ(plot().curveCount(), 0);
}

TEST_F(Activation, MissingPathFileOrEmptyFieldKeepsInitialPathText)
{
    for (const char *content : {"", "\"\"\r\n", ",/elsewhere\r\n"}) {
        writeFile(folders.pathFile(), content);
        if (!*content)
            std::filesystem::remove(folders.pathFile());
        start();
        EXPECT_EQ(pathText()->text().toStdString(), folders.initialPathText()) << content;
        EXPECT_EQ(fileList()->count(), 0);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(Activation, MessageBoxOrOtherProgramIsNoActivationButAnotherFormIs)
{
    start();
    clickFile("sine.log");
    ASSERT_TRUE(option("optDataExp")->isEnabled());

    // Another program takes the focus and gives it back: no activation.
    QWindow other;
    other.resize(100, 100);
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    EXPECT_TRUE(option("optDataExp")->isEnabled());

    // A box of the program opens and closes: no activation either.
    writeFile(captureFolder / "empty.log", "");
    refreshFileList();
    platform.onMessage = [&] {
        QDialog box;
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.close();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    };
    clickFile("empty.log");
    settle();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(option("optDataExp")->isEnabled());

    // Return from another form of the program: activation.
    window->lblValue_Click(104);
    settle();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    EXPECT_FALSE(option("optDataExp")->isEnabled());
}

using Load = MainWindowTest;

TEST_F(Load, ClickOnFileFillsListLabelsAndPlot)
{
    start();
    clickFile("sine.log");
    ASSERT_EQ(byteList()->count(), kPairCount);
    EXPECT_EQ(byteList()->item(0)->text(), "   1  10   16   00010000  " + QString(QChar(0x2410)));
    EXPECT_EQ(byteList()->item(1054)->text().left(4), "2109");
    EXPECT_EQ(valueText(101), "1 V");
    EXPECT_EQ(valueText(109), "1 mS");
    EXPECT_EQ(valueText(114), "CH1");
    EXPECT_EQ(valueText(124), "1");
    EXPECT_EQ(valueText(125), "1024");
    EXPECT_EQ(plot().curveCount(), 1);
    EXPECT_TRUE(option("optDataExp")->isEnabled());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(state.curveTable.at(1).sampleValue, 0x80);
}

TEST_F(Load, ClickOnSelectedNameLoadsAgainAndRefillsNever)
{
    start();
    int loads = 0;
    QObject::connect(window.get(), &FrmOrvant::loadFinished, [&] { ++loads; });
    clickFile("sine.log");
    clickFile("sine.log");
    EXPECT_EQ(loads, 2);
    refreshFileList();
    fileList()->setCurrentRow(0);
    settle();
    EXPECT_EQ(loads, 2);
}

TEST_F(Load, KeyMoveInFileListLoads)
{
    writeFile(captureFolder / "second.log", CaptureBuilder {}.hexText());
    start();
    refreshFileList();
    int loads = 0;
    QObject::connect(window.get(), &FrmOrvant::loadFinished, [&] { ++loads; });
    fileList()->setFocus();
    fileList()->setCurrentRow(0);
    settle();
    EXPECT_EQ(loads, 0);
    QTest::keyClick(fileList(), Qt::Key_Down);
    settle();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(fileList()->currentItem()->text(), "sine.log");
}

TEST_F(Load, NameWithoutLogWarnsClearsAndLoadsAllTheSame)
{
    writeFile(captureFolder / "A.LOG", CaptureBuilder {}.hexText());
    start();
    clickFile("sine.log");
    refreshFileList();
    clickFile("A.LOG");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_EQ(platform.messages[0].text,
              "The selected file can possibly not be processed, because it does not end with "
              "'.log'.\n\rPlease select a ORVANT LOG-file.");
    EXPECT_EQ(byteList()->count(), kPairCount);
    EXPECT_EQ(plot().curveCount(), 1); // the earlier curve was cleared first
}

TEST_F(Load, FolderTextGetsSeparatorAndTypedPathIsUsedUnchanged)
{
    const auto other = temp.path() / "other";
    std::filesystem::create_directories(other);
    CaptureBuilder builder;
    builder.settings[1] = 0x43; // 50 V
    writeFile(other / "sine.log", builder.hexText());
    start();
    pathText()->setText(QString::fromStdString(other.string())); // no final separator
    clickFile("sine.log");
    EXPECT_EQ(pathText()->text().toStdString(), other.string() + "/");
    EXPECT_EQ(valueText(101), "50 V"); // read from the typed folder
    EXPECT_EQ(fileList()->count(), 1); // the list did not follow
}

TEST_F(Load, ErrorsAreReportedAndKeepWhatTheWindowHolds)
{
    writeFile(captureFolder / "empty.log", "");
    writeFile(captureFolder / "gone.log", "3031");
    std::filesystem::create_directories(captureFolder / "folder.log");
    start();
    refreshFileList();
    clickFile("sine.log");
    std::filesystem::remove(captureFolder / "gone.log");

    const auto expectReport = [&](const char *text) {
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.back().title, "ORVANT");
        EXPECT_EQ(platform.messages.back().text, text);
        EXPECT_EQ(byteList()->count(), kPairCount);
        EXPECT_EQ(valueText(101), "1 V");
        EXPECT_EQ(plot().curveCount(), 1);
    };
    clickFile("empty.log");
    expectReport(
        "Error 62 (Input past end of file) in procedure filDatei_Click of Formular frmOrvant");
    clickFile("gone.log");
    expectReport("Error 53 (File not found) in procedure filDatei_Click of Formular frmOrvant");
    window->filDatei_Click("folder.log");
    expectReport(
        "Error 75 (Path/File access error) in procedure filDatei_Click of Formular frmOrvant");
    pathText()->clear();
    clickFile("sine.log");
    expectReport(
        "Error 5 (Invalid procedure call or argument) in procedure filDatei_Click of Formular "
        "frmOrvant");
    EXPECT_TRUE(option("optDataExp")->isEnabled()); // a failed load changes nothing of it
}

TEST_F(Load, TwoLoadsLeaveTwoCurvesAndClicksDuringALoadAreIgnored)
{
    start();
    int loads = 0;
    bool clickedDuringLoad = false;
    QObject::connect(window.get(), &FrmOrvant::loadFinished, [&] { ++loads; });
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (clickedDuringLoad)
            return;
        clickedDuringLoad = true;
        EXPECT_TRUE(loading);
        window->filDatei_Click("sine.log"); // ignored: loads never overlap
    });
    clickFile("sine.log");
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(clickedDuringLoad);
    EXPECT_FALSE(loading);
    clickFile("sine.log");
    EXPECT_EQ(plot().curveCount(), 2);
}

TEST_F(Load, ExitDuringALoadEndsCleanly)
{
    start();
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (platform.endCount == 0)
            window->optExit_Click();
    });
    clickFile("sine.log");
    EXPECT_EQ(platform.endCount, 1);
    EXPECT_FALSE(loading);
    EXPECT_FALSE(option("optDataExp")->isEnabled()); // the load stopped before its end
}

using Window = MainWindowTest;

TEST_F(Window, ExitWritesPathFileAndClosingDoesNot)
{
    start();
    pathText()->setText(QStringLiteral("/data/a,b/"));
    clickOption(option("optExit"));
    EXPECT_EQ(platform.endCount, 1);
    std::ifstream in(folders.pathFile(), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "\"/data/a,b/\"\r\n");
}

TEST_F(Window, TitleBarCloseEndsWithoutWritingPathFile)
{
    start();
    pathText()->setText(QStringLiteral("/changed/"));
    window->close();
    EXPECT_EQ(platform.endCount, 1);
    std::ifstream in(folders.pathFile(), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, captureFolder.string() + "/\r\n");
}

TEST_F(Window, TopLeftAndCentre)
{
    start();
    child<QLineEdit>("txtLeft")->setText(QStringLiteral("0"));
    child<QLineEdit>("txtTop")->setText(QStringLiteral("1500abc"));
    settle();
    EXPECT_EQ(window->pos(), QPoint(0, 100));
    child<QLineEdit>("txtLeft")->setText(QStringLiteral("nonsense"));
    EXPECT_EQ(window->pos().x(), 0);

    QTest::mouseMove(window.get(), QPoint(5, 5));
    settle();
    EXPECT_EQ(child<QLineEdit>("txtTop")->text(), "1500");

    clickOption(option("optCentre"));
    const QSize outer = window->frameGeometry().size();
    EXPECT_EQ(window->pos(), QPoint((1920 - outer.width()) / 2, (1200 - outer.height()) / 2));
    EXPECT_FALSE(option("optCentre")->isChecked());

    platform.screen = {800 * 15, 600 * 15}; // smaller than the window
    window->optCentre_Click();
    EXPECT_LT(window->pos().x(), 0);
    EXPECT_LT(window->pos().y(), 0);
}

TEST_F(Window, StartCentresByOuterSizeOnceTheFrameIsKnown)
{
    start();
    const QRect outer = window->frameGeometry();
    ASSERT_NE(outer.size(), window->size()); // the offscreen frame has margins
    EXPECT_EQ(outer.topLeft(), QPoint((1920 - outer.width()) / 2, (1200 - outer.height()) / 2));

    // A window moved before its frame was known stays where it was moved to.
    window = std::make_unique<FrmOrvant>(state, platform, folders);
    window->move(40, 30);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    settle();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(40, 30));
}

TEST_F(Window, ArrowKeysAmongOptionsPressNothing)
{
    start();
    QRadioButton *exit = option("optExit");
    QRadioButton *centre = option("optCentre");
    centre->setFocus();
    QTest::keyClick(centre, Qt::Key_Down);
    QTest::keyClick(exit, Qt::Key_Up);
    QTest::keyClick(centre, Qt::Key_Up);
    settle();
    EXPECT_EQ(platform.endCount, 0);
    EXPECT_FALSE(option("optBack")->isChecked());
    EXPECT_FALSE(state.background);
    EXPECT_EQ(QApplication::focusWidget(), option("optBack"));
}

TEST_F(Window, FolderListOpensFoldersAndFileListShowsRegularFilesOnly)
{
    std::filesystem::create_directories(captureFolder / "sub");
    writeFile(captureFolder / "sub" / "b.log", "30");
    writeFile(captureFolder / "sub" / "A.txt", "30");
    writeFile(captureFolder / "sub" / ".hidden", "30");
    std::filesystem::create_directories(captureFolder / "sub" / "inner");
    start();
    window->dirVerzeichnis_Change((captureFolder / "sub").string());
    settle();
    EXPECT_EQ(pathText()->text().toStdString(), (captureFolder / "sub").string() + "/");
    ASSERT_EQ(fileList()->count(), 2);
    EXPECT_EQ(fileList()->item(0)->text(), "A.txt");
    EXPECT_EQ(fileList()->item(1)->text(), "b.log");
    const QListWidget *folders = child<QListWidget>("dirVerzeichnis");
    EXPECT_EQ(folders->item(0)->data(Qt::UserRole).toString(), "/");
    EXPECT_EQ(folders->item(folders->count() - 1)->text().trimmed(), "inner");
    EXPECT_EQ(child<QLineEdit>("txtDrive")->text().toStdString(),
              mountPointOf(pathText()->text().toStdString(), platform.volumes));
}

using Drives = MainWindowTest;

// Folders of the temporary root stand in for further volumes.
TEST_F(Drives, EachDriveOpensItsLastExistingFolderAndPickingTheShownOneChangesNothing)
{
    const auto volume = temp.path() / "volume";
    std::filesystem::create_directories(volume / "x" / "y");
    const auto notReady = temp.path() / "not-ready";
    platform.volumes = {"/", volume.string(), notReady.string()};
    start();
    auto *drives = child<QComboBox>("drvLaufwerk");
    QStringList offered;
    for (int i = 0; i < drives->count(); ++i)
        offered << drives->itemText(i);
    EXPECT_EQ(offered,
              QStringList({"/", QString::fromStdString(volume.string()),
                           QString::fromStdString(notReady.string())}));
    const auto pick = [&](const std::filesystem::path &drive) {
        const int index = drives->findText(QString::fromStdString(drive.string()));
        ASSERT_GE(index, 0);
        drives->setCurrentIndex(index);
        emit drives->activated(index); // as the user's pick
        settle();
    };
    const auto pathIs = [&](const std::filesystem::path &folder) {
        EXPECT_EQ(pathText()->text().toStdString(), folder.string() + "/");
    };

    pick("/"); // the shown drive
    pathIs(captureFolder);
    pick(volume); // never visited: its root
    pathIs(volume);
    EXPECT_EQ(child<QLineEdit>("txtDrive")->text().toStdString(), volume.string());
    window->dirVerzeichnis_Change((volume / "x" / "y").string());
    pick("/"); // the start folder counts as visited
    pathIs(captureFolder);
    pick(volume);
    pathIs(volume / "x" / "y");
    pick("/");
    std::filesystem::remove(volume / "x" / "y");
    pick(volume); // the visited folder is gone: the nearest one above it
    pathIs(volume / "x");
    pick(notReady); // keeps drive and folder
    pathIs(volume / "x");
    EXPECT_EQ(drives->currentText().toStdString(), volume.string());
}

} // namespace
} // namespace orvant::test
