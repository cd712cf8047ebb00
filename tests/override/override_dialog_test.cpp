#include "expected_dialogs.h"

#include "override/override_dialog.h"

#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace orvant::test {
namespace {

// 15 twips make a pixel.
QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

class OverrideDialogBuilt : public ::testing::TestWithParam<ExpectedDialog>
{
};

TEST_P(OverrideDialogBuilt, ShowsItsRowAtTheTwipGeometry)
{
    const ExpectedDialog &expected = GetParam();
    const OverrideDialog dialog(*overrideRow(expected.parameter));
    const QString number = QString::number(expected.parameter);
    EXPECT_EQ(dialog.objectName(), "frm" + number);
    EXPECT_EQ(dialog.windowTitle(), QString::fromStdString(expected.title));
    EXPECT_EQ(dialog.size(), QSize(4905 / 15, expected.clientHeight / 15));

    const QLabel *prompt = dialog.findChild<QLabel *>(QStringLiteral("lbl101"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(), "Please select the desired value");
    EXPECT_EQ(prompt->geometry(), pixels(1560, 120, expected.promptWidth, 315));

    const auto options = dialog.findChildren<QRadioButton *>();
    ASSERT_EQ(options.size(), static_cast<qsizetype>(expected.shown.size()));
    ASSERT_EQ(dialog.optionCount(), static_cast<int>(expected.shown.size()));
    for (int i = 0; i < dialog.optionCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString name = QStringLiteral("opt%1(%2)").arg(number).arg(i);
        const QRadioButton *option = dialog.findChild<QRadioButton *>(name);
        ASSERT_NE(option, nullptr) << name.toStdString();
        EXPECT_EQ(option, dialog.option(i));
        EXPECT_EQ(option->text(), QString::fromStdString(expected.shown[at]));
        EXPECT_EQ(dialog.writtenText(i), QString::fromStdString(expected.writtenTexts()[at]));
        EXPECT_EQ(option->geometry(), pixels(240, 120 + 300 * i, expected.width(i), 255))
            << name.toStdString();
        EXPECT_FALSE(option->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, OverrideDialogBuilt, ::testing::ValuesIn(expectedDialogs()),
                         [](const auto &info) {
                             return "frm" + std::to_string(info.param.parameter);
                         });

TEST(OverrideDialogFrame, TopLevelFixedSizeClosableWithoutMaximise)
{
    const OverrideDialog dialog(*overrideRow(109));
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.size(), QSize(327, 554));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.windowModality(), Qt::NonModal);
}

TEST(OverrideDialogFonts, FixedPitchBoldInPixels)
{
    const OverrideDialog dialog(*overrideRow(109));
    const QFont optionFont = dialog.option(26)->font();
    EXPECT_EQ(optionFont.family(), "Courier New");
    EXPECT_EQ(optionFont.pixelSize(), 13);
    EXPECT_TRUE(optionFont.bold());
    EXPECT_EQ(optionFont.styleHint(), QFont::TypeWriter);
    EXPECT_TRUE(QFontInfo(optionFont).fixedPitch());

    const QFont promptFont = dialog.prompt()->font();
    EXPECT_EQ(promptFont.family(), "Courier New");
    EXPECT_EQ(promptFont.pixelSize(), 12);
    EXPECT_TRUE(promptFont.bold());
    EXPECT_EQ(promptFont.styleHint(), QFont::TypeWriter);
    EXPECT_TRUE(QFontInfo(promptFont).fixedPitch());
}

// The aligned captions line up their units in a fixed-pitch font.
TEST(OverrideDialogFonts, AlignedCaptionsHaveEqualWidths)
{
    const OverrideDialog dialog(*overrideRow(109));
    const QFontMetrics metrics(dialog.option(0)->font());
    const int width = metrics.horizontalAdvance(dialog.option(0)->text());
    for (int i = 1; i < dialog.optionCount(); ++i)
        EXPECT_EQ(metrics.horizontalAdvance(dialog.option(i)->text()), width) << i;
}

} // namespace
} // namespace orvant::test
