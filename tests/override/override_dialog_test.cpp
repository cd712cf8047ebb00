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

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The dialog shows its row and the catalogue's options (both checked by hand elsewhere).
class OverrideDialogBuilt : public ::testing::TestWithParam<OverrideRow>
{
};

TEST_P(OverrideDialogBuilt, ShowsItsRowAtTheTwipGeometry)
{
    const OverrideRow &expected = GetParam();
    const OverrideDialog dialog(expected);
    const QString number = QString::number(orvant::number(expected.parameter));
    const auto expectedOptions = overrideOptions(expected);
    EXPECT_EQ(dialog.objectName(), "frm" + number);
    EXPECT_EQ(dialog.windowTitle(), text(expected.title));
    EXPECT_EQ(dialog.size(), QSize(4905 / 15, expected.clientHeight / 15));

    const QLabel *prompt = dialog.findChild<QLabel *>(QStringLiteral("lbl101"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(), "Please select the desired value");
    EXPECT_EQ(prompt->geometry(), pixels(1560, 120, expected.promptWidth, 315));

    const auto options = dialog.findChildren<QRadioButton *>();
    ASSERT_EQ(options.size(), static_cast<qsizetype>(expectedOptions.size()));
    ASSERT_EQ(dialog.optionCount(), static_cast<int>(expectedOptions.size()));
    for (int i = 0; i < dialog.optionCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString name = QStringLiteral("opt%1(%2)").arg(number).arg(i);
        const QRadioButton *option = dialog.findChild<QRadioButton *>(name);
        ASSERT_NE(option, nullptr) << name.toStdString();
        EXPECT_EQ(option, dialog.option(i));
        EXPECT_EQ(option->text(), text(expectedOptions[at].caption));
        EXPECT_EQ(dialog.writtenText(i), text(expectedOptions[at].written));
        EXPECT_EQ(option->geometry(), pixels(240, 120 + 300 * i, optionWidth(expected, at), 255))
            << name.toStdString();
        EXPECT_FALSE(option->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, OverrideDialogBuilt, ::testing::ValuesIn(overrideRows()),
                         [](const auto &info) {
                             return "frm" + std::to_string(number(info.param.parameter));
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
