#include "main_window_fixture.h"

#include "widgets/pic_curve.h"
#include "widgets/plot_cursors.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace orvant::test {
namespace {

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QStringLiteral("<none>");
}

using Accessibility = MainWindowTest;

TEST_F(Accessibility, LabelsAndButtonsSpeakTheirVisibleText)
{
    start();
    EXPECT_EQ(accessibleText(child<QLabel>("lblDDis"), QAccessible::Name), "DATA");
    EXPECT_EQ(accessibleText(option("optClr"), QAccessible::Name), "Clear Window");
    EXPECT_EQ(accessibleText(option("optCH2"), QAccessible::Name), " COLOR 2");
    EXPECT_EQ(accessibleText(pathText(), QAccessible::Name), "Path:");
}

TEST_F(Accessibility, ValueLabelsNameTheirParameterAndKeepTheirText)
{
    start();
    clickFile("sine.log");
    QLabel *volts = valueLabel(101);
    EXPECT_EQ(accessibleText(volts, QAccessible::Description), "CH 1 VOLTS/DIV");
    EXPECT_EQ(accessibleText(volts, QAccessible::Name), "1 V");
    EXPECT_EQ(accessibleText(valueLabel(125), QAccessible::Description), "BYTE COUNT");
}

TEST_F(Accessibility, ControlsWithoutTextAreNamedAndThePlotCountsItsCurves)
{
    start();
    PicCurve *const curve = &plot();
    EXPECT_EQ(accessibleText(curve, QAccessible::Name), "Curve plot");
    EXPECT_TRUE(accessibleText(curve, QAccessible::Description).contains("holding 0 curves"));
    clickFile("sine.log");
    clickFile("sine.log");
    EXPECT_TRUE(accessibleText(curve, QAccessible::Description).contains("holding 2 curves"));
    clickOption(option("optClr"));
    EXPECT_TRUE(accessibleText(curve, QAccessible::Description).contains("holding 0 curves"));
    EXPECT_EQ(accessibleText(child<QWidget>("frmBlue"), QAccessible::Name), "Next Color indicator");
    EXPECT_EQ(accessibleText(fileList(), QAccessible::Name), "Files");
}

TEST_F(Accessibility, TabOrderStartsAtTheFolderList)
{
    start();
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("dirVerzeichnis"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("drvLaufwerk"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fileList());
}

// The names a screen reader reads from the plot's context menu, opened by a right click,
// separated by "|".
std::string contextMenuNames(QWidget *layer)
{
    QStringList names;
    // The menu may run its own event loop: read it once it shows, then close it.
    QTimer::singleShot(0, [&names] {
        QWidget *popup = QApplication::activePopupWidget();
        QAccessibleInterface *menu = popup ? QAccessible::queryAccessibleInterface(popup) : nullptr;
        for (int i = 0; menu && i < menu->childCount(); ++i) {
            QAccessibleInterface *entry = menu->child(i);
            names << (entry && entry->isValid() ? entry->text(QAccessible::Name)
                                                : QStringLiteral("<null>"));
        }
        if (popup)
            popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            layer->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(layer, &event);
    QApplication::processEvents();
    return names.join(QLatin1Char('|')).toStdString();
}

TEST_F(Accessibility, ThePlotsContextMenuReadsTheSameAtEveryRightClick)
{
    start();
    auto *layer = child<PlotCursors>("plotCursors");
    const std::string first = contextMenuNames(layer);
    EXPECT_EQ(first,
              "Hide Cursors|Measurements||Copy Picture|Save Picture\u2026|"
              "Save Curve as CSV\u2026|Captures Table\u2026|Spectrum\u2026|Zoom\u2026|"
              "Set as Reference|Clear Reference|Show Reference on Plot|Save Report\u2026|"
              "Print\u2026");
    EXPECT_EQ(contextMenuNames(layer), first);
    EXPECT_EQ(contextMenuNames(layer), first);
}

TEST_F(Accessibility, TheMeasurementsWindowNamesTheCaptureItShows)
{
    start();
    writeFile(captureFolder / "second.log", CaptureBuilder {}.hexText());
    refreshFileList();
    clickFile("sine.log");
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    settle();
    QWidget *measurements = topLevel(QStringLiteral("measurements"));
    ASSERT_TRUE(measurements);
    QLabel *capture = measurements->findChild<QLabel *>();
    EXPECT_EQ(accessibleText(capture, QAccessible::Name), "Capture sine.log");
    clickFile("second.log");
    EXPECT_EQ(accessibleText(capture, QAccessible::Name), "Capture second.log");
}

} // namespace
} // namespace orvant::test
