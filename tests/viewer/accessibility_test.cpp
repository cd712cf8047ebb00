#include "main_window_fixture.h"

#include "widgets/pic_curve.h"

#include <QAccessible>
#include <QAccessibleInterface>

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

} // namespace
} // namespace orvant::test
