#include "main_window_fixture.h"

#include "override/override_dialogs.h"
#include "viewer/frm_background.h"
#include "widgets/pic_curve.h"
#include "widgets/twips.h"

#include <QFrame>

#include <fstream>

namespace orvant::test {
namespace {

using ColourButtons = MainWindowTest;

TEST_F(ColourButtons, OnlySelectedFrameVisibleAtTopAndNextCurveInItsColour)
{
    start();
    const auto visibleFrames = [&] {
        QStringList names;
        for (const char *name : {"frmBlack", "frmRed", "frmBlue", "frmMagenta"}) {
            if (child<QFrame>(name)->isVisible())
                names << name;
        }
        return names;
    };
    clickOption(option("optCH3"));
    EXPECT_EQ(state.nextColour, 3);
    EXPECT_EQ(visibleFrames(), QStringList {"frmBlue"});
    EXPECT_EQ(child<QFrame>("frmBlue")->y(), twipsToPixels(9600));
    EXPECT_TRUE(option("optCH3")->isChecked());

    clickFile("sine.log");
    EXPECT_GT(countPixels(plot().image(), qRgb(0, 0, 255)), 500);

    clickOption(option("optCH1"));
    EXPECT_EQ(visibleFrames(), QStringList {"frmBlack"});
    EXPECT_EQ(child<QFrame>("frmBlack")->y(), twipsToPixels(9600));
    clickOption(option("optCH4"));
    clickOption(option("optCentre")); // another option of the group unselects the colour
    EXPECT_FALSE(option("optCH4")->isChecked());
    EXPECT_EQ(state.nextColour, 4);
}

TEST_F(ColourButtons, ButtonsCarryWhiteTextOnTheirColours)
{
    start();
    QRadioButton *red = option("optCH2");
    EXPECT_EQ(red->text(), " COLOR 2");
    // What the button really paints beside its caption.
    EXPECT_EQ(red->grab().toImage().pixelColor(red->width() - 3, red->height() / 2),
              QColor(192, 0, 0));
    EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(red->font().pixelSize(), 13);
    EXPECT_TRUE(red->font().bold());
    const QWidget *line = child<QWidget>("linBlue");
    EXPECT_EQ(line->palette().color(QPalette::Window), QColor(0, 0, 192));
    EXPECT_EQ(line->height(), 5);
}

using ClearWindow = MainWindowTest;

TEST_F(ClearWindow, EmptiesPlotAndLabelsAndKeepsTables)
{
    start();
    clickOption(option("optCH2"));
    clickFile("sine.log");
    window->lblValue_Click(104);
    settle();
    overrideByClicks(104, 1);
    settle();
    ASSERT_EQ(valueColour(104), QColor(255, 0, 0));
    const bool exportEnabled = option("optDataExp")->isEnabled();
    const std::int16_t sample = state.curveTable.at(7).sampleValue;

    clickOption(option("optCH3"));
    clickOption(option("optClr"));
    for (int parameter = 101; parameter <= 125; ++parameter) {
        EXPECT_TRUE(valueText(parameter).isEmpty()) << parameter;
        EXPECT_EQ(valueColour(parameter), QColor(Qt::black)) << parameter;
    }
    EXPECT_EQ(byteList()->count(), kPairCount);
    EXPECT_EQ(state.curveTable.at(7).sampleValue, sample);
    EXPECT_EQ(state.nextColour, 3);
    EXPECT_EQ(option("optDataExp")->isEnabled(), exportEnabled);
    EXPECT_FALSE(option("optClr")->isChecked());
    EXPECT_FALSE(option("optCH3")->isChecked()); // Clear Window unselects the colour button
    EXPECT_TRUE(option("optCH3")->isEnabled());
    EXPECT_EQ(plot().curveCount(), 0);
    EXPECT_EQ(plot().image(), freshGraticule(plot().size()));
}

using Background = MainWindowTest;

TEST_F(Background, TwoTogglesShowThenHideAndKeepMainWindowInFront)
{
    start();
    clickOption(option("optCH4"));
    clickOption(option("optBack"));
    settle();
    FrmBackground *const shown = background();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(state.background);
    EXPECT_EQ(option("optBack")->text(), "Hide Background");
    EXPECT_FALSE(option("optBack")->isChecked());
    EXPECT_EQ(state.nextColour, 1);
    EXPECT_TRUE(child<QFrame>("frmBlack")->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_EQ(shown->geometry(), QRect(0, 0, 1920, 1200));
    EXPECT_EQ(shown->picture()->geometry(), QRect(0, 0, 1920, 1200));
    EXPECT_FALSE(shown->picture()->pixmap().isNull());
    EXPECT_EQ(plot().image(), freshGraticule(plot().size()));

    clickOption(option("optCH2"));
    clickOption(option("optBack"));
    settle();
    EXPECT_FALSE(shown->isVisible());
    EXPECT_FALSE(state.background);
    EXPECT_EQ(option("optBack")->text(), "Show Background");
    EXPECT_EQ(state.nextColour, 1);
    EXPECT_EQ(background(), shown); // the same window, only hidden
}

TEST_F(Background, ClickOnBackgroundRunsMainActivation)
{
    start();
    clickOption(option("optBack"));
    settle();
    clickFile("sine.log");
    ASSERT_TRUE(option("optDataExp")->isEnabled());
    QTest::mouseClick(background()->picture(), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_FALSE(option("optDataExp")->isEnabled()); // activation ran
}

TEST_F(Background, DoubleClickEndsProgramWithoutWritingPathFile)
{
    start();
    clickOption(option("optBack"));
    settle();
    pathText()->setText(QStringLiteral("/elsewhere/"));
    QTest::mouseDClick(background()->picture(), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(platform.endCount, 1);
    std::ifstream in(folders.pathFile(), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, captureFolder.string() + "/\r\n");
}

} // namespace
} // namespace orvant::test
