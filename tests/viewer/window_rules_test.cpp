#include "main_window_fixture.h"

#include "viewer/frm_background.h"
#include "viewer/plot_geometry.h"

#include <QComboBox>
#include <QFrame>

#include <utility>

namespace orvant::test {
namespace {

const QColor kPlotBackground(192, 255, 255);
const PlotPoint kCurvePoint {28, 128}; // a sample of 0x80, between graticule lines

QColor pixelAt(const QImage &image, PlotPoint point)
{
    return image.pixelColor(toPixel(point, image.size()));
}

// The image with every drawn pixel of `over` laid on top.
QImage overlaid(QImage under, const QImage &over)
{
    for (int y = 0; y < over.height(); ++y) {
        for (int x = 0; x < over.width(); ++x) {
            if (over.pixelColor(x, y) != kPlotBackground)
                under.setPixel(x, y, over.pixel(x, y));
        }
    }
    return under;
}

// Both ways back to an already shown main window.
enum class Return { FromOverrideDialog, ByClickOnBackground };

class LaterActivation : public MainWindowTest, public ::testing::WithParamInterface<Return>
{
protected:
    void startAndPrepare()
    {
        start();
        if (GetParam() == Return::ByClickOnBackground)
            clickOption(option("optBack"));
    }

    void activateAgain()
    {
        if (GetParam() == Return::FromOverrideDialog)
            overrideByClicks(104, 1);
        else
            QTest::mouseClick(window->backgroundWindow()->picture(), Qt::LeftButton, {}, {5, 5});
        settle();
    }
};

TEST_P(LaterActivation, DrawsGraticuleOverTheCurve)
{
    startAndPrepare();
    clickOption(option("optCH3"));
    clickFile("sine.log");
    const QImage before = window->plot().image();
    ASSERT_EQ(pixelAt(before, kCurvePoint), QColor(0, 0, 255));
    activateAgain();
    EXPECT_TRUE(window->plot().image() == overlaid(before, freshGraticule(before.size())))
        << "the plot holds more or less than the curve under a graticule";
}

TEST_P(LaterActivation, RestoresSavedFolderAndLeavesDriveAndFolderLists)
{
    std::filesystem::create_directories(captureFolder / "sub");
    writeFile(captureFolder / "sub" / "b.log", "30");
    startAndPrepare();
    QLineEdit *driveText = child<QLineEdit>("txtDrive");
    const QString savedDrive = driveText->text();
    openCaptureFolderByMouse();
    doubleClickFolder(QStringLiteral("sub"));
    ASSERT_EQ(fileList()->item(0)->text(), "b.log");
    clickOption(option("optCH3"));
    driveText->setText(QStringLiteral("typed"));
    auto *folderList = child<QListWidget>("dirVerzeichnis");
    const auto shownFolder = [&] {
        return folderList->currentItem()->data(Qt::UserRole).toString().toStdString();
    };
    const std::string folderShown = shownFolder();
    const QString driveShown = child<QComboBox>("drvLaufwerk")->currentText();

    activateAgain();
    EXPECT_EQ(pathText()->text().toStdString(), captureFolder.string() + "/");
    ASSERT_EQ(fileList()->count(), 1);
    EXPECT_EQ(fileList()->item(0)->text(), "sine.log");
    EXPECT_EQ(driveText->text(), savedDrive);
    for (const char *name : {"optCH1", "optCH2", "optCH3", "optCH4"})
        EXPECT_FALSE(option(name)->isChecked()) << name;
    EXPECT_EQ(state.nextColour, 1);
    EXPECT_EQ(shownFolder(), folderShown);
    EXPECT_EQ(folderShown, (captureFolder / "sub").string());
    // With one volume the drive list can only be checked for staying put.
    EXPECT_EQ(child<QComboBox>("drvLaufwerk")->currentText(), driveShown);
}

INSTANTIATE_TEST_SUITE_P(Window, LaterActivation,
                         ::testing::Values(Return::FromOverrideDialog,
                                           Return::ByClickOnBackground));

using WindowRules = MainWindowTest;

TEST_F(WindowRules, FolderListOpensByDoubleClickAndByEnter)
{
    for (const char *name : {"one", "two"}) {
        std::filesystem::create_directories(captureFolder / name);
        writeFile(captureFolder / name / (std::string(name) + ".log"), "30");
    }
    start();
    auto *folderList = child<QListWidget>("dirVerzeichnis");
    const struct
    {
        const char *folder; // in the temporary folder
        bool byMouse;
        const char *file; // none: the folder holds no file
    } steps[] = {{"", false, nullptr},
                 {"captures", true, "sine.log"},
                 {"captures/one", false, "one.log"},
                 {"captures", true, "sine.log"},
                 {"captures/two", false, "two.log"}};
    for (const auto &step : steps) {
        const std::filesystem::path folder = *step.folder ? temp.path() / step.folder : temp.path();
        QListWidgetItem *item = folderItem(QString::fromStdString(folder.filename().string()));
        ASSERT_NE(item, nullptr);
        if (step.byMouse) {
            doubleClickFolder(item->text().trimmed());
        } else {
            const QString pathBefore = pathText()->text();
            folderList->setCurrentItem(item);
            settle();
            ASSERT_EQ(pathText()->text(), pathBefore) << "making a folder current opens nothing";
            QTest::keyClick(folderList, Qt::Key_Return);
            settle();
        }
        EXPECT_EQ(pathText()->text().toStdString(), folder.string() + "/") << step.folder;
        ASSERT_EQ(fileList()->count(), step.file ? 1 : 0) << step.folder;
        if (step.file) {
            EXPECT_EQ(fileList()->item(0)->text(), step.file);
        }
    }
}

TEST_F(WindowRules, ValueLabelClickOpensItsDialogOnlyFor101To123)
{
    start();
    const struct
    {
        int parameter;
        const char *title; // none: no dialog
    } clicks[] = {{124, nullptr},
                  {125, nullptr},
                  {101, "Change the display of CH1 VOLTS/DIV"},
                  {109, "Change the display of SEC/DIV"},
                  {117, "Change the display of AUTO TRIG ENEBLED"},
                  {123, "Change the display of TIME OUT"}};
    for (const auto &click : clicks) {
        clickValueLabel(click.parameter);
        const QWidget *dialog = topLevel(QStringLiteral("frm%1").arg(click.parameter));
        if (!click.title) {
            EXPECT_EQ(dialog, nullptr) << click.parameter;
            for (QWidget *other : QApplication::topLevelWidgets())
                EXPECT_TRUE(other == window.get() || !other->isVisible())
                    << other->objectName().toStdString();
            continue;
        }
        ASSERT_NE(dialog, nullptr) << click.parameter;
        EXPECT_TRUE(dialog->isVisible()) << click.parameter;
        EXPECT_EQ(dialog->windowTitle(), click.title);
    }
}

TEST_F(WindowRules, LaterLoadRewritesOverriddenLabelsAndKeepsThemRed)
{
    start();
    clickFile("sine.log");
    const struct
    {
        int parameter;
        int option;
        const char *written;
        const char *decoded;
    } overrides[] = {{101, 12, "50 V", "1 V"}, {109, 0, "50 nS", "1 mS"}};
    for (const auto &row : overrides) {
        overrideByClicks(row.parameter, row.option);
        ASSERT_EQ(valueText(row.parameter), row.written);
        ASSERT_EQ(valueColour(row.parameter), QColor(255, 0, 0));
    }
    clickFile("sine.log");
    for (const auto &row : overrides) {
        EXPECT_EQ(valueText(row.parameter), row.decoded);
        EXPECT_EQ(valueColour(row.parameter), QColor(255, 0, 0));
    }
}

TEST_F(WindowRules, ColourButtonsAndIndicatorsHaveTheirColoursAndPlaces)
{
    start();
    const struct
    {
        const char *button;
        const char *caption;
        QColor buttonColour;
        const char *frame;
        const char *line;
        QColor lineColour;
        int frameTop; // twips
    } rows[] = {
        {"optCH1", " COLOR 1", {0, 0, 0}, "frmBlack", "Line", {0, 0, 0}, 9600},
        {"optCH2", " COLOR 2", {192, 0, 0}, "frmRed", "linRed", {192, 0, 0}, 10140},
        {"optCH3", " COLOR 3", {0, 0, 255}, "frmBlue", "linBlue", {0, 0, 192}, 9960},
        {"optCH4", " COLOR 4", {192, 0, 192}, "frmMagenta", "linMagenta", {192, 0, 192}, 9780},
    };
    for (const auto &row : rows) {
        QRadioButton *button = option(row.button);
        EXPECT_EQ(button->text(), row.caption);
        EXPECT_EQ(button->grab().toImage().pixelColor(button->width() - 3, button->height() / 2),
                  row.buttonColour)
            << row.button;
        const auto *frame = child<QFrame>(row.frame);
        EXPECT_EQ(frame->geometry(), QRect(16860 / 15, row.frameTop / 15, 1395 / 15, 255 / 15))
            << row.frame;
        auto *line = frame->findChild<QWidget *>(row.line);
        ASSERT_NE(line, nullptr) << row.line;
        EXPECT_EQ(line->x(), 60 / 15) << row.line;
        EXPECT_EQ(line->x() + line->width(), 1320 / 15) << row.line;
        EXPECT_EQ(line->height(), 5) << row.line;
        EXPECT_EQ(line->y() + 2, 120 / 15) << row.line; // centred on the line's Top
        EXPECT_EQ(line->grab().toImage().pixelColor(line->rect().center()), row.lineColour)
            << row.line;
    }
}

TEST_F(WindowRules, NameWithoutLogDrawsItsCurveOnAnEmptiedPlot)
{
    CaptureBuilder low;
    low.samples.assign(512, 0x40);
    writeFile(captureFolder / "low.txt", low.hexText());
    start();
    clickFile("sine.log");
    clickFile("low.txt");
    ASSERT_EQ(platform.messages.size(), 1u);
    const QImage image = window->plot().image();
    EXPECT_EQ(pixelAt(image, {118, 200}), kPlotBackground); // a vertical division line
    EXPECT_EQ(pixelAt(image, kCurvePoint), kPlotBackground); // the earlier curve
    PicCurve curveOnly;
    curveOnly.resize(image.size());
    curveOnly.clear();
    drawCurve(curveOnly, state.curveTable, 1);
    EXPECT_TRUE(image == curveOnly.image()) << "the plot holds more than the new curve";
}

TEST_F(WindowRules, CurveTakesTheColourSelectedUpToItsDrawing)
{
    start();
    const struct
    {
        std::vector<const char *> before;
        const char *duringLoad;
        QColor curve;
    } loads[] = {{{}, "optCH3", {0, 0, 255}},
                 {{"optCH3", "optCH1"}, nullptr, {0, 0, 0}},
                 {{"optCH2"}, "optCH4", {255, 0, 255}}};
    for (const auto &load : loads) {
        clickOption(option("optClr"));
        for (const char *name : load.before)
            clickOption(option(name));
        bool clicked = false;
        const auto connection = QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
            if (load.duringLoad && !std::exchange(clicked, true))
                clickOption(option(load.duringLoad));
        });
        clickFile("sine.log");
        QObject::disconnect(connection);
        const QImage image = window->plot().image();
        EXPECT_EQ(pixelAt(image, kCurvePoint), load.curve);
        for (const QColor colour : {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 255)}) {
            if (colour != load.curve) {
                EXPECT_EQ(countPixels(image, colour.rgb()), 0) << colour.name().toStdString();
            }
        }
    }
}

TEST_F(WindowRules, BackgroundToggleCentresAndEmptiesValueTexts)
{
    start();
    for (const char *caption : {"Hide Background", "Show Background"}) {
        clickFile("sine.log");
        for (const char *name : {"txtLeft", "txtTop"}) {
            child<QLineEdit>(name)->clear();
            QTest::keyClicks(child<QLineEdit>(name), QStringLiteral("0"));
        }
        settle();
        ASSERT_EQ(window->pos(), QPoint(0, 0));
        ASSERT_FALSE(valueText(101).isEmpty());
        clickOption(option("optBack"));
        ASSERT_EQ(option("optBack")->text(), caption);
        const QSize outer = window->frameGeometry().size();
        EXPECT_EQ(window->pos(), QPoint((1920 - outer.width()) / 2, (1200 - outer.height()) / 2));
        for (int parameter = 101; parameter <= 125; ++parameter)
            EXPECT_TRUE(valueText(parameter).isEmpty()) << parameter;
    }
}

TEST_F(WindowRules, BackgroundWindowIsCreatedByTheFirstShowOnly)
{
    const auto backgroundWindows = [] {
        int count = 0;
        for (const QWidget *widget : QApplication::allWidgets())
            count += widget->objectName() == "frmBackground" ? 1 : 0;
        return count;
    };
    start();
    clickFile("sine.log");
    clickOption(option("optClr"));
    EXPECT_EQ(backgroundWindows(), 0);
    for (int toggle = 1; toggle <= 3; ++toggle) {
        clickOption(option("optBack"));
        EXPECT_EQ(backgroundWindows(), 1) << toggle;
    }
    EXPECT_TRUE(topLevel(QStringLiteral("frmBackground"))->isVisible());
}

} // namespace
} // namespace orvant::test
