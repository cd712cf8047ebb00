// Test main for widget tests: a QApplication on the offscreen platform with a
// screen large enough for the main window.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVANT_OFFSCREEN_CONFIG);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
