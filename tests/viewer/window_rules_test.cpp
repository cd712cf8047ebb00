#include "main_window_fixture.h"

#include "rules/plot_geometry.h"
#include "viewer/frm_background.h"

#include <QComboBox>
#include <QFrame>

#include <algorithm>
#include <functional>
#include <utility>

namespace orvant::test {
namespace {

const QColor kPlotBackground(192, 255, 255);
const PlotPoint kCurvePoint {28, 128}; // a sample of 0x80, between graticule lines

QColor pixelAt(const QImage &image, PlotPoint point)
{
    const Pixel pixel = toPixel(point, {image.width(), image.height()});
    return image.pixelColor(pixel.x, pixel.y);
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
            QTest::mouseClick(background()->picture(), Qt::LeftButton, {}, {5, 5});
        settle();
    }
};

TEST_P(LaterActivation, DrawsGraticuleOverTheCurve)
{
    startAndPrepare();
    clickOption(option("optCH3"));
    clickFile("sine.log");
    const QImage before = plot().image();
    ASSERT_EQ(pixelAt(before, kCurvePoint), QColor(0, 0, 255));
    activateAgain();
    EXPECT_TRUE(plot().image() == overlaid(before, freshGraticule(before.size())))
        << "the plot holds more or less than the curve under a graticule";
}

TEST_P(LaterActivation, RestoresSavedFolderAndLeavesDriveAndFolderLists)
{
    std::filesystem::create_directories(captureFolder / "sub");
    writeFile(captureFolder / "sub" / "b.log", "30");
    startAndPrepare();
    QLineEdit *driveText = child<QLineEdit>("txtDrive");
    const QString savedDrive = driveText->text();
    for (const QString &folder : {QString::fromStdString(temp.path().filename().string()),
                                  QStringLiteral("captures"), QStringLiteral("sub")})
        doubleClickFolder(folder);
    ASSERT_EQ(fileList()->item(0)->text(), "b.log");
    clickOption(option("optCH3"));
    driveText->setText(QStringLiteral("typed"));
    const QString driveShown = child<QComboBox>("drvLaufwerk")->currentText();

    activateAgain();
    EXPECT_EQ(pathText()->text().toStdString(), captureFolder.string() + "/");
    ASSERT_EQ(fileList()->count(), 1);
    EXPECT_EQ(fileList()->item(0)->text(), "sine.log");
    EXPECT_EQ(driveText->text(), savedDrive);
    for (const char *name : {"optCH1", "optCH2", "optCH3", "optCH4"})
        EXPECT_FALSE(option(name)->isChecked()) << name;
    const QListWidgetItem *shown = child<QListWidget>("dirVerzeichnis")->currentItem();
    EXPECT_EQ(shown->data(Qt::UserRole).toString().toStdString(), (captureFolder / "sub").string());
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
    doubleClickFolder(QString::fromStdString(temp.path().filename().string()));
    ASSERT_EQ(pathText()->text().toStdString(), temp.path().string() + "/");
    const std::pair<const char *, bool> steps[] // folder, by mouse
        = {{"captures", false}, {"one", true}, {"captures", true}, {"two", false}};
    for (const auto &[name, byMouse] : steps) {
        if (byMouse) {
            doubleClickFolder(QString::fromUtf8(name));
        } else {
            auto *folderList = child<QListWidget>("dirVerzeichnis");
            folderList->setCurrentItem(folderItem(QString::fromUtf8(name)));
            QTest::keyClick(folderList, Qt::Key_Return);
            settle();
        }
        const bool top = name == std::string("captures");
        const auto folder = top ? captureFolder : captureFolder / name;
        EXPECT_EQ(pathText()->text().toStdString(), folder.string() + "/") << name;
        ASSERT_EQ(fileList()->count(), 1) << name;
        EXPECT_EQ(fileList()->item(0)->text().toStdString(),
                  top ? "sine.log" : name + std::string(".log"));
    }
}

TEST_F(WindowRules, ValueLabelClickOpensItsDialogOnlyFor101To123)
{
    start();
    const std::pair<int, const char *> clicks[] // parameter, title (none: no dialog)
        = {{124, nullptr},
           {125, nullptr},
           {101, "Change the display of CH1 VOLTS/DIV"},
           {109, "Change the display of SEC/DIV"},
           {117, "Change the display of AUTO TRIG ENEBLED"},
           {123, "Change the display of TIME OUT"}};
    for (const auto &[parameter, title] : clicks) {
        clickValueLabel(parameter);
        const QWidget *dialog = topLevel(QStringLiteral("frm%1").arg(parameter));
        if (!title) {
            const auto windows = QApplication::topLevelWidgets();
            EXPECT_EQ(
                std::count_if(windows.begin(), windows.end(), std::mem_fn(&QWidget::isVisible)),
                1)
                << parameter; // the main window alone
            continue;
        }
        ASSERT_NE(dialog, nullptr) << parameter;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowTitle(), title);
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
        // From 60 to 1320 twips at 120, 5 pixels wide.
        EXPECT_EQ(line->geometry(), QRect(60 / 15, 120 / 15 - 2, (1320 - 60) / 15, 5)) << row.line;
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
    const QImage image = plot().image();
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
        const QImage image = plot().image();
        EXPECT_EQ(pixelAt(image, kCurvePoint), load.curve);
        for (const QColor colour : {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 255)}) {
            if (colour != load.curve) {
                EXPECT_EQ(countPixels(image, colour.rgb()), 0) << colour.name().toStdString();
            }
        }
    }
}

TEST_F(WindowRules, BackgroundToggleCentresEmptiesTextsAndCreatesItsWindowOnce)
{
    const auto backgroundWindows = [] {
        const auto widgets = QApplication::allWidgets();
        return std::count_if(widgets.begin(), widgets.end(), [](const QWidget *widget) {
            return widget->objectName() == "frmBackground";
        });
    };
    start();
    for (const bool showing : {true, false}) {
        clickFile("sine.log");
        for (const char *name : {"txtLeft", "txtTop"}) {
            child<QLineEdit>(name)->clear();
            QTest::keyClicks(child<QLineEdit>(name), QStringLiteral("0"));
        }
        settle();
        ASSERT_EQ(window->pos(), QPoint(0, 0));
        ASSERT_FALSE(valueText(101).isEmpty());
        EXPECT_EQ(backgroundWindows(), showing ? 0 : 1);
        clickOption(option("optBack"));
        ASSERT_EQ(option("optBack")->text(), showing ? "Hide Background" : "Show Background");
        EXPECT_EQ(backgroundWindows(), 1);
        const QSize outer = window->frameGeometry().size();
        EXPECT_EQ(window->pos(), QPoint((1920 - outer.width()) / 2, (1200 - outer.height()) / 2));
        for (int parameter = 101; parameter <= 125; ++parameter)
            EXPECT_TRUE(valueText(parameter).isEmpty()) << parameter;
    }
}

} // namespace
} // namespace orvant::test
